// Byte streams kept in scratch files, a chunk at a time: the pieces of a
// comparison too large for memory. Any number of streams share the files,
// and the chunks of a stream read to its end are taken again by the next
// streams written, so the files hold about what is still to be read. Each
// thread writes a file of its own: writes to one file wait for each other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/System.h"

namespace quorvex::cli {

class ChunkStore {
public:
    // At most 256 files.
    ChunkStore(std::vector<std::unique_ptr<Scratch>> files, std::size_t chunkSize);
    std::size_t ChunkSize() const { return chunkSize_; }
    std::size_t Files() const { return files_.size(); }
    // A chunk of file `file` never handed out before; one thread a file.
    std::uint32_t NewChunk(std::size_t file);
    // Any chunk, from any thread.
    void Write(std::uint32_t chunk, std::string_view bytes);
    void Read(std::uint32_t chunk, char* bytes, std::size_t size);
    // How large the scratch files have grown.
    std::uint64_t BytesUsed() const;

private:
    // A chunk's number holds its file in the top bits.
    static constexpr unsigned kIndexBits = 24;
    std::vector<std::unique_ptr<Scratch>> files_;
    std::vector<std::uint32_t> chunks_;  // handed out, by file
    const std::size_t chunkSize_;
};

// One thread's chunks: those its streams gave back first, then new ones of
// its own file.
class ChunkPool {
public:
    ChunkPool(ChunkStore& store, std::size_t file) : store_(store), file_(file) {}
    ChunkStore& Store() { return store_; }
    std::uint32_t Take();
    void Give(std::vector<std::uint32_t>& chunks);
    // Takes the chunks `other` holds free.
    void Adopt(ChunkPool& other) { Give(other.free_); }

private:
    ChunkStore& store_;
    std::size_t file_;
    std::vector<std::uint32_t> free_;
};

struct Stream {
    std::vector<std::uint32_t> chunks;
    std::uint64_t size = 0;
};

class StreamWriter {
public:
    explicit StreamWriter(ChunkPool& pool) : pool_(pool) {}
    void Append(std::string_view bytes);
    // The stream written, its last chunk written out.
    Stream Close();

private:
    void WriteChunk();
    ChunkPool& pool_;
    Stream stream_;
    std::string buffer_;
};

// A stream read from its start; its chunks go back to a pool once read.
class StreamReader {
public:
    StreamReader(ChunkStore& store, Stream stream) : store_(store), stream_(std::move(stream)) {}
    // At least `size` bytes from where reading stands, or all that is left
    // when fewer: valid until the next call.
    std::string_view Peek(std::size_t size);
    void Skip(std::size_t size) { position_ += size; }
    bool AtEnd();
    // Gives the stream's chunks to `pool`; the reader reads no more.
    void Release(ChunkPool& pool);

private:
    ChunkStore& store_;
    Stream stream_;
    std::size_t nextChunk_ = 0;
    std::uint64_t loaded_ = 0;  // bytes of the stream read from the file
    std::string buffer_;        // loaded bytes from `position_` on are still to be read
    std::size_t position_ = 0;
};

// A stream of records in order of their indexes: each an index (as the
// distance from the last one) and an item, both lengths as varints.
struct Record {
    std::uint64_t index = 0;
    std::string_view item;
};

class RecordWriter {
public:
    explicit RecordWriter(ChunkPool& pool) : stream_(pool) {}
    void Put(std::uint64_t index, std::string_view item);
    // Records coded by RecordBlock: the first at index `first`, the last at
    // `last`.
    void PutBlock(std::uint64_t first, std::string_view records, std::uint64_t last);
    Stream Close() { return stream_.Close(); }

private:
    StreamWriter stream_;
    std::uint64_t last_ = 0;
};

// Records coded apart from any stream, each index as the distance from the
// one before it; the first's index is given when the block is put in a
// stream.
class RecordBlock {
public:
    void Put(std::uint64_t index, std::string_view item);
    bool Empty() const { return bytes_.empty(); }
    std::string_view Bytes() const { return bytes_; }
    std::uint64_t First() const { return first_; }
    std::uint64_t Last() const { return last_; }

private:
    std::string bytes_;
    std::uint64_t first_ = 0, last_ = 0;
};

class RecordReader {
public:
    RecordReader(ChunkStore& store, Stream stream) : stream_(store, std::move(stream)) {}
    // The next record, its item valid until the next call; false at the end.
    bool Next(Record& record);
    void Release(ChunkPool& pool) { stream_.Release(pool); }

private:
    StreamReader stream_;
    std::uint64_t last_ = 0;
};

inline void AppendVarint(std::string& bytes, std::uint64_t value) {
    char coded[10];
    std::size_t length = 0;
    for (; value >= 0x80; value >>= 7) coded[length++] = static_cast<char>(value | 0x80);
    coded[length++] = static_cast<char>(value);
    bytes.append(coded, length);
}

}  // namespace quorvex::cli
