// What quorvex-compare asks of the system it runs on: inputs that come as a
// stream, outputs that take their content only once it is whole, scratch
// files for lists larger than memory, and how much memory there is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "sources/FolderWalk.h"

namespace quorvex::cli {

// Trouble said whole, such as "in.txt: Permission denied": the program
// prints it after its name and ends with status 2.
class Trouble : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Standard output's reader went away: the program ends quietly.
class ClosedPipe : public std::exception {};

class Input {
public:
    virtual ~Input() = default;
    // Up to `size` bytes into `buffer`, 0 at the end; throws Trouble.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    // How many bytes there are, where the system knows before reading.
    virtual std::optional<std::uint64_t> Size() const = 0;
    // All of a file not yet read, mapped into memory rather than read, where
    // the system can; valid while the input lives.
    virtual std::optional<std::string_view> Mapped() { return std::nullopt; }
};

class Output {
public:
    virtual ~Output() = default;
    // Throws Trouble, or ClosedPipe for standard output.
    virtual void Write(std::string_view bytes) = 0;
    // The content is whole: the target takes it now. An output destroyed
    // without it leaves a file target as it was.
    virtual void Commit() = 0;
};

// A temporary file that nothing else sees and that is gone when closed,
// read and written at offsets by several threads at once.
class Scratch {
public:
    virtual ~Scratch() = default;
    // Both throw Trouble (a full disk, say).
    virtual void Write(std::uint64_t offset, const char* bytes, std::size_t size) = 0;
    virtual void Read(std::uint64_t offset, char* bytes, std::size_t size) = 0;
};

class System {
public:
    // Both throw Trouble naming what cannot be read.
    virtual std::unique_ptr<Input> OpenFile(const std::string& path) = 0;
    virtual std::unique_ptr<Input> StandardInput() = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // Whether `path` names something that can be opened for reading; why
    // not, when it cannot.
    virtual bool Exists(const std::string& path, std::string& reason) = 0;
    virtual FolderReader& Folders() = 0;
    // An output file made ready before anything is read: throws Trouble
    // naming it when it cannot be written.
    virtual std::unique_ptr<Output> PrepareOutput(const std::string& path) = 0;
    virtual Output& StandardOutput() = 0;
    // In `folder`, or the system's temporary folder when it is empty;
    // throws Trouble.
    virtual std::unique_ptr<Scratch> CreateScratch(const std::string& folder) = 0;
    virtual std::string TemporaryFolder() = 0;
    // The memory the program may take: what the system has free, within
    // the limits set on this process.
    virtual std::uint64_t AvailableMemory() = 0;
    virtual unsigned Processors() = 0;
    // Appends `item` with Unicode's case folding (UTF-8; other bytes as they
    // are). Several threads may fold at once.
    virtual void FoldCase(std::string_view item, std::string& folded) = 0;
    // Starts the Quorvex window with the two files or folders handed over;
    // false and why when it cannot.
    virtual bool OpenInWindow(const std::string& left, const std::string& right, bool folders, std::string& reason) = 0;
    virtual void Complain(const std::string& text) = 0;
    // The line end of what the program writes.
    virtual const char* LineEnd() const = 0;

protected:
    ~System() = default;
};

}  // namespace quorvex::cli
