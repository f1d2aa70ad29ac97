// quorvex-compare on a system with the standard library's files and
// folders (Linux natively).
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/Run.h"
#include "cli/icu/UnicodeCase.h"

namespace quorvex::cli {
namespace {

namespace fs = std::filesystem;

class StandardFolders final : public FolderReader {
public:
    std::optional<std::vector<FolderEntry>> Entries(const std::string& folder) override {
        std::error_code error;
        fs::directory_iterator entries(folder, error);
        if (error) return std::nullopt;
        std::vector<FolderEntry> found;
        for (const auto& entry : entries) {
            std::error_code ignored;
            found.push_back({entry.path().filename().string(), fs::is_directory(entry.path(), ignored),
                             entry.is_symlink(ignored)});
        }
        return found;
    }
    std::string Child(const std::string& folder, const std::string& name) override {
        return (fs::path(folder) / name).string();
    }
    std::optional<bool> SameFolder(const std::string& a, const std::string& b) override {
        std::error_code error;
        const bool same = fs::equivalent(a, b, error);
        if (error) return std::nullopt;
        return same;
    }
};

// Straight into the string, which grows by half again when full: a file's
// size, when known, makes one read of it.
std::optional<std::string> ReadAll(std::FILE* file, std::size_t expected, std::string& reason) {
    std::string bytes(std::max<std::size_t>(expected + 1, 1 << 16), '\0');
    std::size_t size = 0;
    for (std::size_t read = 0; (read = std::fread(bytes.data() + size, 1, bytes.size() - size, file)) > 0;) {
        size += read;
        if (size == bytes.size()) bytes.resize(size + size / 2);
    }
    if (std::ferror(file)) {
        reason = std::strerror(errno);
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

class StandardSystem final : public System {
public:
    std::optional<std::string> ReadFile(const std::string& path, std::string& reason) override {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) {
            reason = std::strerror(errno);
            return std::nullopt;
        }
        std::error_code unknown;  // not a regular file: read as it comes
        const auto size = fs::file_size(path, unknown);
        auto bytes = ReadAll(file, unknown ? 0 : static_cast<std::size_t>(size), reason);
        std::fclose(file);
        return bytes;
    }
    std::optional<std::string> ReadStandardInput(std::string& reason) override { return ReadAll(stdin, 0, reason); }
    bool IsFolder(const std::string& path) override {
        std::error_code ignored;
        return fs::is_directory(path, ignored);
    }
    FolderReader& Folders() override { return folders_; }

    // A new file beside the target, written whole and then renamed over it.
    bool WriteFile(const std::string& path, const std::string& content, std::string& reason) override {
        std::string temporary;
        std::FILE* file = nullptr;
        for (int n = 0; file == nullptr && n < 100; ++n) {
            temporary = path + ".quorvex-" + std::to_string(n);
            file = std::fopen(temporary.c_str(), "wbx");  // never an existing file
            if (file == nullptr && errno != EEXIST) break;
        }
        if (file == nullptr) {
            reason = std::strerror(errno);
            return false;
        }
        const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size() &&
                             std::fflush(file) == 0;
        if (!written) reason = std::strerror(errno);
        const bool closed = std::fclose(file) == 0;
        if (written && !closed) reason = std::strerror(errno);
        std::error_code error;
        if (written && closed) fs::rename(temporary, path, error);
        if (written && closed && !error) return true;
        if (error) reason = error.message();
        fs::remove(temporary, error);
        return false;
    }

    void FoldCase(std::string_view item, std::string& folded) override { FoldUnicodeCase(item, folded); }
    bool OpenInWindow(const std::string&, const std::string&, bool, std::string& reason) override {
        reason = "the Quorvex window is a Windows program";
        return false;
    }

    bool Print(const std::string& text) override {
        return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    }
    void Complain(const std::string& text) override { std::fputs(text.c_str(), stderr); }
    const char* LineEnd() const override { return "\n"; }

private:
    StandardFolders folders_;
};

}  // namespace
}  // namespace quorvex::cli

int main(int argc, char** argv) {
#ifdef SIGPIPE
    // A reader that goes away ends the output with an error to handle, not
    // with the signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    quorvex::cli::StandardSystem system;
    return quorvex::cli::Run(std::vector<std::string>(argv + 1, argv + argc), system);
}
