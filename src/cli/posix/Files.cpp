#include "cli/posix/Files.h"

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "cli/posix/Cleanup.h"

namespace quorvex::cli {
namespace {

std::string Reason(int error) { return strerror(error); }

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.Release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (fd_ >= 0 && fd_ != other.fd_) close(fd_);
        fd_ = other.Release();
        return *this;
    }
    ~FileDescriptor() {
        if (fd_ >= 0) close(fd_);
    }
    int get() const { return fd_; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes now, for close's own error: a file system may say only then
    // that the data did not fit.
    bool Close() { return close(Release()) == 0; }

private:
    int fd_;
};

// All of `bytes`, or errno.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

class FileInput final : public Input {
public:
    FileInput(FileDescriptor fd, std::string name) : fd_(std::move(fd)), name_(std::move(name)) {
        struct stat status = {};
        if (fstat(fd_.get(), &status) == 0 && S_ISREG(status.st_mode)) {
            const off_t at = lseek(fd_.get(), 0, SEEK_CUR);
            remaining_ = static_cast<std::uint64_t>(status.st_size - (at > 0 ? at : 0));
        }
    }
    std::size_t Read(char* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t read = ::read(fd_.get(), buffer, size);
            if (read < 0 && errno == EINTR) continue;
            if (read < 0) throw Trouble(name_ + ": " + Reason(errno));
            if (remaining_) *remaining_ -= std::min<std::uint64_t>(*remaining_, static_cast<std::uint64_t>(read));
            return static_cast<std::size_t>(read);
        }
    }
    std::optional<std::uint64_t> Size() const override { return remaining_; }
    // A file that shrinks while it is mapped ends the program through
    // SIGBUS (see Cleanup).
    std::optional<std::string_view> Mapped() override {
        if (!remaining_ || *remaining_ == 0 || *remaining_ > SIZE_MAX || lseek(fd_.get(), 0, SEEK_CUR) != 0)
            return std::nullopt;
        const auto size = static_cast<std::size_t>(*remaining_);
        void* const mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd_.get(), 0);
        if (mapped == MAP_FAILED) return std::nullopt;
        mapping_ = {static_cast<const char*>(mapped), size};
        return mapping_;
    }
    ~FileInput() override {
        if (!mapping_.empty()) munmap(const_cast<char*>(mapping_.data()), mapping_.size());
    }

private:
    FileDescriptor fd_;
    std::string name_;
    std::optional<std::uint64_t> remaining_;  // a regular file's
    std::string_view mapping_;
};

class StandardOutputFile final : public Output {
public:
    void Write(std::string_view bytes) override {
        if (WriteAll(STDOUT_FILENO, bytes)) return;
        if (errno == EPIPE) throw ClosedPipe();
        throw Trouble("standard output: " + Reason(errno));
    }
    void Commit() override {}
};

// Writes a target that is no regular file (a pipe, a device) as it is,
// opened only when there is something to write or at the end: a pipe's
// reader may wait for another output first.
class InPlaceOutput final : public Output {
public:
    InPlaceOutput(std::string target, std::string name) : target_(std::move(target)), name_(std::move(name)) {}
    void Write(std::string_view bytes) override {
        Open();
        if (!WriteAll(fd_.get(), bytes)) throw Trouble(name_ + ": " + Reason(errno));
    }
    void Commit() override {
        Open();
        if (!fd_.Close()) throw Trouble(name_ + ": " + Reason(errno));
    }

private:
    void Open() {
        if (fd_.get() >= 0) return;
        fd_ = FileDescriptor(open(target_.c_str(), O_WRONLY | O_CLOEXEC));
        if (fd_.get() < 0) throw Trouble(name_ + ": " + Reason(errno));
    }
    std::string target_, name_;
    FileDescriptor fd_;
};

// A new file beside the target, renamed over it once whole.
class ReplacingOutput final : public Output {
public:
    ReplacingOutput(FileDescriptor fd, std::string temporary, std::string target, std::string name, int slot)
        : fd_(std::move(fd)),
          temporary_(std::move(temporary)),
          target_(std::move(target)),
          name_(std::move(name)),
          slot_(slot) {}
    ~ReplacingOutput() override {
        if (committed_) return;
        fd_ = FileDescriptor();
        unlink(temporary_.c_str());
        Forget(slot_);
    }
    void Write(std::string_view bytes) override {
        if (!WriteAll(fd_.get(), bytes)) throw Trouble(name_ + ": " + Reason(errno));
    }
    void Commit() override {
        if (!fd_.Close() || rename(temporary_.c_str(), target_.c_str()) != 0)
            throw Trouble(name_ + ": " + Reason(errno));
        committed_ = true;
        Forget(slot_);
    }

private:
    FileDescriptor fd_;
    std::string temporary_, target_, name_;
    int slot_;
    bool committed_ = false;
};

// For a target whose folder takes no new file: the content kept in a scratch
// file and written over the target, in place, once whole.
class SpooledOutput final : public Output {
public:
    SpooledOutput(std::unique_ptr<Scratch> spool, std::string target, std::string name)
        : spool_(std::move(spool)), target_(std::move(target)), name_(std::move(name)) {}
    void Write(std::string_view bytes) override {
        spool_->Write(size_, bytes.data(), bytes.size());
        size_ += bytes.size();
    }
    void Commit() override {
        FileDescriptor fd(open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
        if (fd.get() < 0) throw Trouble(name_ + ": " + Reason(errno));
        std::vector<char> piece(1 << 20);
        for (std::uint64_t done = 0; done < size_;) {
            const std::size_t length = static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), size_ - done));
            spool_->Read(done, piece.data(), length);
            if (!WriteAll(fd.get(), std::string_view(piece.data(), length)))
                throw Trouble(name_ + ": " + Reason(errno));
            done += length;
        }
        if (!fd.Close()) throw Trouble(name_ + ": " + Reason(errno));
    }

private:
    std::unique_ptr<Scratch> spool_;
    std::string target_, name_;
    std::uint64_t size_ = 0;
};

class ScratchFile final : public Scratch {
public:
    ScratchFile(FileDescriptor fd, std::string folder) : fd_(std::move(fd)), folder_(std::move(folder)) {}
    void Write(std::uint64_t offset, const char* bytes, std::size_t size) override {
        while (size > 0) {
            const ssize_t written = pwrite(fd_.get(), bytes, size, static_cast<off_t>(offset));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) throw Trouble(Full(written < 0 ? errno : ENOSPC));
            bytes += written;
            size -= static_cast<std::size_t>(written);
            offset += static_cast<std::uint64_t>(written);
        }
    }
    void Read(std::uint64_t offset, char* bytes, std::size_t size) override {
        while (size > 0) {
            const ssize_t read = pread(fd_.get(), bytes, size, static_cast<off_t>(offset));
            if (read < 0 && errno == EINTR) continue;
            if (read < 0) throw Trouble("a temporary file in '" + folder_ + "': " + Reason(errno));
            if (read == 0) throw Trouble("a temporary file in '" + folder_ + "' was read back short");
            bytes += read;
            size -= static_cast<std::size_t>(read);
            offset += static_cast<std::uint64_t>(read);
        }
    }

private:
    std::string Full(int error) const {
        if (error == ENOSPC || error == EDQUOT || error == EFBIG)
            return "no room left for temporary files in '" + folder_ + "' (" + Reason(error) +
                   "); name a folder on a larger disk with --temporary-directory";
        return "a temporary file in '" + folder_ + "': " + Reason(error);
    }
    FileDescriptor fd_;
    std::string folder_;
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The path a chain of links ends at; the path itself when it is no link.
std::string FollowLinks(std::string path, const std::string& name) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat status = {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        std::vector<char> target(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1);
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0) throw Trouble(name + ": " + Reason(errno));
        const std::string next(target.data(), static_cast<std::size_t>(length));
        path = next.front() == '/' ? next : FolderOf(path) + "/" + next;
    }
    throw Trouble(name + ": " + Reason(ELOOP));
}

mode_t CreationMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::unique_ptr<Input> OpenInput(const std::string& path) {
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) throw Trouble(path + ": " + Reason(errno));
    return std::make_unique<FileInput>(std::move(fd), path);
}

std::unique_ptr<Input> StandardInputStream() {
    return std::make_unique<FileInput>(FileDescriptor(dup(STDIN_FILENO)), "standard input");
}

Output& StandardOutputStream() {
    static StandardOutputFile standardOutput;
    return standardOutput;
}

std::unique_ptr<Output> PrepareOutputFile(const std::string& path, const std::string& temporaryFolder) {
    const std::string target = FollowLinks(path, path);
    struct stat status = {};
    const bool exists = stat(target.c_str(), &status) == 0;
    if (!exists && errno != ENOENT) throw Trouble(path + ": " + Reason(errno));
    if (exists && S_ISDIR(status.st_mode)) throw Trouble(path + ": " + Reason(EISDIR));
    if (exists && access(target.c_str(), W_OK) != 0) throw Trouble(path + ": " + Reason(errno));
    if (exists && !S_ISREG(status.st_mode)) return std::make_unique<InPlaceOutput>(target, path);

    const std::string base = target.substr(target.find_last_of('/') + 1);
    const std::string folder = FolderOf(target);
    std::string temporary = folder + "/." + base + ".quorvex-XXXXXX";
    FileDescriptor fd(mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        const int error = errno;
        if (exists && (error == EACCES || error == EPERM || error == EROFS))
            return std::make_unique<SpooledOutput>(CreateScratchFile(temporaryFolder), target, path);
        throw Trouble(path + ": " + Reason(error));
    }
    const int named = RemoveOnSignal(temporary);
    if (exists) {
        // The owner first: a change of owner clears the set-user-ID bits.
        if (fchown(fd.get(), status.st_uid, status.st_gid) != 0) {
            const int groupOnly = fchown(fd.get(), static_cast<uid_t>(-1), status.st_gid);  // a group the user is in
            (void)groupOnly;
        }
        fchmod(fd.get(), status.st_mode & 07777);
    } else {
        fchmod(fd.get(), CreationMode());
    }
    return std::make_unique<ReplacingOutput>(std::move(fd), temporary, target, path, named);
}

std::unique_ptr<Scratch> CreateScratchFile(const std::string& folder) {
    // No name at all where the file system allows: nothing to remove, ever.
    FileDescriptor fd(open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    if (fd.get() < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        std::string name = folder + "/quorvex-XXXXXX";
        fd = FileDescriptor(mkostemp(name.data(), O_CLOEXEC));
        if (fd.get() >= 0) unlink(name.c_str());
    }
    if (fd.get() < 0)
        throw Trouble("cannot make a temporary file in '" + folder + "': " + Reason(errno) +
                      "; name another folder with --temporary-directory");
    return std::make_unique<ScratchFile>(std::move(fd), folder);
}

}  // namespace quorvex::cli
