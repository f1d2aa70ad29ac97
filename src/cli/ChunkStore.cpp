#include "cli/ChunkStore.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quorvex::cli {
namespace {

// A value and the bytes it took; nothing when `bytes` ends before it does.
bool ReadVarint(std::string_view bytes, std::size_t& at, std::uint64_t& value) {
    value = 0;
    for (int shift = 0; at < bytes.size() && shift < 64; shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        value |= std::uint64_t{byte & 0x7Fu} << shift;
        if ((byte & 0x80) == 0) return true;
    }
    return false;
}

constexpr std::size_t kLongestVarint = 10;

}  // namespace

ChunkStore::ChunkStore(std::vector<std::unique_ptr<Scratch>> files, std::size_t chunkSize)
    : files_(std::move(files)), chunks_(files_.size(), 0), chunkSize_(chunkSize) {}

std::uint32_t ChunkStore::NewChunk(std::size_t file) {
    if (chunks_[file] == (1u << kIndexBits) - 1)
        throw Trouble("a temporary file has grown beyond " + std::to_string(std::uint64_t{chunkSize_} << kIndexBits) +
                      " bytes; try a larger --memory or more --threads");
    return static_cast<std::uint32_t>(file << kIndexBits) | chunks_[file]++;
}

void ChunkStore::Write(std::uint32_t chunk, std::string_view bytes) {
    const std::uint32_t index = chunk & ((1u << kIndexBits) - 1);
    files_[chunk >> kIndexBits]->Write(std::uint64_t{index} * chunkSize_, bytes.data(), bytes.size());
}

void ChunkStore::Read(std::uint32_t chunk, char* bytes, std::size_t size) {
    const std::uint32_t index = chunk & ((1u << kIndexBits) - 1);
    files_[chunk >> kIndexBits]->Read(std::uint64_t{index} * chunkSize_, bytes, size);
}

std::uint64_t ChunkStore::BytesUsed() const {
    std::uint64_t chunks = 0;
    for (const std::uint32_t handed : chunks_) chunks += handed;
    return chunks * chunkSize_;
}

std::uint32_t ChunkPool::Take() {
    if (free_.empty()) return store_.NewChunk(file_);
    const std::uint32_t chunk = free_.back();
    free_.pop_back();
    return chunk;
}

void ChunkPool::Give(std::vector<std::uint32_t>& chunks) {
    free_.insert(free_.end(), chunks.begin(), chunks.end());
    chunks.clear();
}

void StreamWriter::WriteChunk() {
    const std::uint32_t chunk = pool_.Take();
    stream_.chunks.push_back(chunk);
    pool_.Store().Write(chunk, buffer_);
    buffer_.clear();
}

void StreamWriter::Append(std::string_view bytes) {
    const std::size_t chunkSize = pool_.Store().ChunkSize();
    if (buffer_.capacity() < chunkSize) buffer_.reserve(chunkSize);
    stream_.size += bytes.size();
    while (!bytes.empty()) {
        const std::size_t taken = std::min(bytes.size(), chunkSize - buffer_.size());
        buffer_.append(bytes.substr(0, taken));
        bytes.remove_prefix(taken);
        if (buffer_.size() == chunkSize) WriteChunk();
    }
}

Stream StreamWriter::Close() {
    if (!buffer_.empty()) WriteChunk();
    std::string().swap(buffer_);
    return std::move(stream_);
}

std::string_view StreamReader::Peek(std::size_t size) {
    const std::size_t chunkSize = store_.ChunkSize();
    // Room for what is left of one chunk and all of the next, at once: grown
    // step by step, a string takes more, and merges read many streams.
    if (buffer_.capacity() < 2 * chunkSize) buffer_.reserve(2 * chunkSize);
    while (buffer_.size() - position_ < size && nextChunk_ < stream_.chunks.size()) {
        buffer_.erase(0, position_);
        position_ = 0;
        const std::size_t length = static_cast<std::size_t>(std::min<std::uint64_t>(chunkSize, stream_.size - loaded_));
        const std::size_t start = buffer_.size();
        buffer_.resize(start + length);
        store_.Read(stream_.chunks[nextChunk_++], buffer_.data() + start, length);
        loaded_ += length;
    }
    return std::string_view(buffer_).substr(position_, size);
}

bool StreamReader::AtEnd() { return Peek(1).empty(); }

void StreamReader::Release(ChunkPool& pool) {
    pool.Give(stream_.chunks);
    std::string().swap(buffer_);
    position_ = 0;
    nextChunk_ = 0;
}

void RecordWriter::Put(std::uint64_t index, std::string_view item) {
    std::string header;
    AppendVarint(header, index - last_);
    AppendVarint(header, item.size());
    stream_.Append(header);
    stream_.Append(item);
    last_ = index;
}

void RecordWriter::PutBlock(std::uint64_t first, std::string_view records, std::uint64_t last) {
    std::string header;
    AppendVarint(header, first - last_);
    stream_.Append(header);
    stream_.Append(records);
    last_ = last;
}

void RecordBlock::Put(std::uint64_t index, std::string_view item) {
    if (bytes_.empty())
        first_ = index;
    else
        AppendVarint(bytes_, index - last_);
    AppendVarint(bytes_, item.size());
    bytes_.append(item);
    last_ = index;
}

bool RecordReader::Next(Record& record) {
    std::string_view bytes = stream_.Peek(2 * kLongestVarint);
    if (bytes.empty()) return false;
    std::size_t at = 0;
    std::uint64_t distance = 0, length = 0;
    if (!ReadVarint(bytes, at, distance) || !ReadVarint(bytes, at, length))
        throw Trouble("a temporary file was read back wrong");
    bytes = stream_.Peek(at + length);
    if (bytes.size() < at + length) throw Trouble("a temporary file was read back short");
    last_ += distance;
    record = {last_, bytes.substr(at, static_cast<std::size_t>(length))};
    stream_.Skip(at + static_cast<std::size_t>(length));
    return true;
}

}  // namespace quorvex::cli
