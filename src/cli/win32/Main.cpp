// quorvex-compare as a Windows console program: files and folders through
// the ANSI API as the window reads them, the window's case rule by default,
// and the window itself for --gui.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "cli/Run.h"
#include "cli/Utf8.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/Handles.h"
#include "sources/win32/FolderListing.h"

namespace quorvex::cli {
namespace {

struct LocalFreer {
    void operator()(char* text) const { LocalFree(text); }
};

// The system's words for an error, without the line end it adds.
std::string Reason(DWORD error) {
    char* buffer = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    const std::unique_ptr<char, LocalFreer> text(buffer);
    std::string reason = text ? text.get() : "error " + std::to_string(error);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
    return reason;
}

bool WriteAll(HANDLE handle, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const DWORD chunk = text.size() - done > (1u << 20) ? (1u << 20) : static_cast<DWORD>(text.size() - done);
        DWORD written = 0;
        if (!WriteFile(handle, text.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? full : path;
}

class WindowsSystem final : public System {
public:
    std::optional<std::string> ReadFile(const std::string& path, std::string& reason) override {
        ReadResult file = ReadWholeFile(path, kNoLimit, kNoLimit);
        if (file.opened && file.fits) return std::move(file.bytes);
        reason = file.opened ? Reason(ERROR_NOT_ENOUGH_MEMORY) : Reason(GetLastError());
        return std::nullopt;
    }
    std::optional<std::string> ReadStandardInput(std::string& reason) override {
        std::string bytes;
        char chunk[1 << 16];
        for (DWORD read = 0;; bytes.append(chunk, read)) {
            if (!::ReadFile(GetStdHandle(STD_INPUT_HANDLE), chunk, sizeof chunk, &read, nullptr)) {
                // A pipe whose writer is done reports it as broken.
                const DWORD error = GetLastError();
                if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return bytes;
                reason = Reason(error);
                return std::nullopt;
            }
            if (read == 0) return bytes;
        }
    }
    bool IsFolder(const std::string& path) override { return quorvex::IsFolder(path); }
    FolderReader& Folders() override { return folders_; }
    bool WriteFile(const std::string& path, const std::string& content, std::string& reason) override {
        if (WriteFileReplacing(path, content)) return true;
        reason = Reason(GetLastError());
        return false;
    }

    // The system's upper case, each well-formed UTF-8 run mapped, other bytes
    // kept.
    void FoldCase(std::string_view item, std::string& folded) override {
        while (!item.empty()) {
            std::size_t run = 0;
            while (run < item.size() && Utf8Length(item.substr(run)) > 0) run += Utf8Length(item.substr(run));
            folded += Upper(item.substr(0, run));
            if (run < item.size()) folded += item[run++];
            item.remove_prefix(run);
        }
    }

    bool OpenInWindow(const std::string& left, const std::string& right, bool folders, std::string& reason) override {
        char self[MAX_PATH] = {}, temporary[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        const std::string program = std::string(self).substr(0, std::string(self).find_last_of('\\') + 1) + "Quorvex.exe";
        const std::string names = "[Files]\r\nFile1=" + FullPath(left) + "\r\nFile2=" + FullPath(right) + "\r\n";
        const std::string list = GetTempPathA(MAX_PATH, temporary) ? WriteNewFile(temporary, "qvc", names) : "";
        if (list.empty()) {
            reason = Reason(GetLastError());
            return false;
        }
        // The window reads the list file and deletes it.
        std::string commandLine = "\"" + program + "\" " + (folders ? "/d" : "/f") + list;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            reason = program + ": " + Reason(GetLastError());
            DeleteFileA(list.c_str());
            return false;
        }
        const UniqueThread thread(process.hThread), started(process.hProcess);
        return true;
    }

    bool Print(const std::string& text) override { return WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), text); }
    void Complain(const std::string& text) override { WriteAll(GetStdHandle(STD_ERROR_HANDLE), text); }
    const char* LineEnd() const override { return "\r\n"; }

private:
    static std::string Upper(std::string_view utf8) {
        if (utf8.empty()) return {};
        const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
        if (length <= 0 || !MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                                length))
            return std::string(utf8);
        // Wine's table leaves the final sigma as it is; Windows' makes it sigma.
        for (wchar_t& c : wide)
            if (c == 0x03C2) c = 0x03C3;
        CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
        std::string upper(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
        if (size <= 0 || !WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, upper.data(), size, nullptr, nullptr))
            return std::string(utf8);
        return upper;
    }

    WindowsFolderReader folders_;
};

}  // namespace
}  // namespace quorvex::cli

int main(int argc, char** argv) {
    quorvex::cli::WindowsSystem system;
    return quorvex::cli::Run(std::vector<std::string>(argv + 1, argv + argc), system);
}
