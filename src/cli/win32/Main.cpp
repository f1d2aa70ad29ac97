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
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    const std::unique_ptr<char, LocalFreer> text(buffer);
    std::string reason = text ? text.get() : "error " + std::to_string(error);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

// The names of files the program made beside their targets, deleted when
// Ctrl+C or a closed console ends it. The handler runs on a thread of the
// system's, so these live for the whole process.
CRITICAL_SECTION namesLock;
std::vector<std::string>* madeNames = nullptr;

BOOL WINAPI DeleteMadeFiles(DWORD) {
    EnterCriticalSection(&namesLock);
    if (madeNames)
        for (const std::string& name : *madeNames) DeleteFileA(name.c_str());
    LeaveCriticalSection(&namesLock);
    return FALSE;  // the system's own handling ends the program
}

void Remember(const std::string& name, bool made) {
    EnterCriticalSection(&namesLock);
    if (madeNames && made) madeNames->push_back(name);
    if (madeNames && !made) std::erase(*madeNames, name);
    LeaveCriticalSection(&namesLock);
}

class HandleInput final : public Input {
public:
    HandleInput(HANDLE handle, bool owned, std::string name) : handle_(handle), owned_(owned), name_(std::move(name)) {
        if (GetFileType(handle_) != FILE_TYPE_DISK) return;
        DWORD high = 0;
        const DWORD low = GetFileSize(handle_, &high);
        if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return;
        // Standard input may have been read from already.
        LONG atHigh = 0;
        const DWORD at = SetFilePointer(handle_, 0, &atHigh, FILE_CURRENT);
        const std::uint64_t size = (static_cast<std::uint64_t>(high) << 32) | low;
        const std::uint64_t done = (static_cast<std::uint64_t>(static_cast<DWORD>(atHigh)) << 32) | at;
        remaining_ = at == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR ? size : size - std::min(size, done);
    }
    ~HandleInput() override {
        if (owned_) CloseHandle(handle_);
    }
    std::size_t Read(char* buffer, std::size_t size) override {
        DWORD read = 0;
        const DWORD chunk = size > (1u << 24) ? (1u << 24) : static_cast<DWORD>(size);
        if (!ReadFile(handle_, buffer, chunk, &read, nullptr)) {
            // A pipe whose writer is done reports it as broken.
            const DWORD error = GetLastError();
            if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return 0;
            throw Trouble(name_ + ": " + Reason(error));
        }
        if (remaining_) *remaining_ -= std::min<std::uint64_t>(*remaining_, read);
        return read;
    }
    std::optional<std::uint64_t> Size() const override { return remaining_; }

private:
    HANDLE handle_;
    bool owned_;
    std::string name_;
    std::optional<std::uint64_t> remaining_;
};

class ConsoleOutput final : public Output {
public:
    void Write(std::string_view bytes) override {
        if (WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), bytes)) return;
        const DWORD error = GetLastError();
        if (error == ERROR_NO_DATA || error == ERROR_BROKEN_PIPE) throw ClosedPipe();
        throw Trouble("standard output: " + Reason(error));
    }
    void Commit() override {}
};

// A device or a pipe, written as it is.
class InPlaceOutput final : public Output {
public:
    InPlaceOutput(UniqueFile file, std::string name) : file_(std::move(file)), name_(std::move(name)) {}
    void Write(std::string_view bytes) override {
        if (!WriteAll(file_.get(), bytes)) throw Trouble(name_ + ": " + Reason(GetLastError()));
    }
    void Commit() override { file_ = UniqueFile(); }

private:
    UniqueFile file_;
    std::string name_;
};

class ReplacingOutput final : public Output {
public:
    explicit ReplacingOutput(std::string name) : name_(std::move(name)) {
        if (!file_.Open(name_)) throw Trouble(name_ + ": " + Reason(GetLastError()));
        Remember(file_.TemporaryName(), true);
    }
    ~ReplacingOutput() override { Remember(file_.TemporaryName(), false); }
    void Write(std::string_view bytes) override {
        if (!file_.Write(bytes.data(), bytes.size())) throw Trouble(name_ + ": " + Reason(GetLastError()));
    }
    void Commit() override {
        if (!file_.Commit()) throw Trouble(name_ + ": " + Reason(GetLastError()));
    }

private:
    std::string name_;
    ReplacingFile file_;
};

// A file that nothing else sees, deleted when closed. Windows 95, 98 and Me
// read and write at an offset only where the file pointer stands, so one
// thread at a time moves it.
class ScratchFile final : public Scratch {
public:
    ScratchFile(UniqueFile file, std::string name, std::string folder)
        : file_(std::move(file)), name_(std::move(name)), folder_(std::move(folder)) {
        InitializeCriticalSection(&lock_);
    }
    ~ScratchFile() override {
        file_ = UniqueFile();
        DeleteFileA(name_.c_str());  // where the flag to delete on close was not kept
        DeleteCriticalSection(&lock_);
    }
    void Write(std::uint64_t offset, const char* bytes, std::size_t size) override {
        if (!Move(offset) || !WriteAll(file_.get(), std::string_view(bytes, size))) Fail(GetLastError());
        LeaveCriticalSection(&lock_);
    }
    void Read(std::uint64_t offset, char* bytes, std::size_t size) override {
        bool ok = Move(offset);
        while (ok && size > 0) {
            DWORD read = 0;
            const DWORD chunk = size > (1u << 24) ? (1u << 24) : static_cast<DWORD>(size);
            ok = ReadFile(file_.get(), bytes, chunk, &read, nullptr) && read > 0;
            bytes += read;
            size -= read;
        }
        if (!ok) Fail(GetLastError());
        LeaveCriticalSection(&lock_);
    }

private:
    // Enters the lock.
    bool Move(std::uint64_t offset) {
        EnterCriticalSection(&lock_);
        LONG high = static_cast<LONG>(offset >> 32);
        const DWORD low = SetFilePointer(file_.get(), static_cast<LONG>(offset & 0xFFFFFFFF), &high, FILE_BEGIN);
        return low != INVALID_SET_FILE_POINTER || GetLastError() == NO_ERROR;
    }
    [[noreturn]] void Fail(DWORD error) {
        LeaveCriticalSection(&lock_);
        if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL)
            throw Trouble("no room left for temporary files in '" + folder_ + "' (" + Reason(error) +
                          "); name a folder on a larger disk with --temporary-directory");
        throw Trouble("a temporary file in '" + folder_ + "': " + Reason(error));
    }
    UniqueFile file_;
    std::string name_, folder_;
    CRITICAL_SECTION lock_;
};

class WindowsSystem final : public System {
public:
    std::unique_ptr<Input> OpenFile(const std::string& path) override {
        const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file == INVALID_HANDLE_VALUE) throw Trouble(path + ": " + Reason(GetLastError()));
        return std::make_unique<HandleInput>(file, true, path);
    }
    std::unique_ptr<Input> StandardInput() override {
        return std::make_unique<HandleInput>(GetStdHandle(STD_INPUT_HANDLE), false, "standard input");
    }
    bool IsFolder(const std::string& path) override { return quorvex::IsFolder(path); }
    bool Exists(const std::string& path, std::string& reason) override {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        reason = Reason(GetLastError());
        return false;
    }
    FolderReader& Folders() override { return folders_; }

    std::unique_ptr<Output> PrepareOutput(const std::string& path) override {
        if (quorvex::IsFolder(path)) throw Trouble(path + ": " + Reason(ERROR_DIRECTORY));
        // Opening an existing target tells a device or a pipe from a file,
        // and whether it may be written, without changing it.
        UniqueFile existing(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        if (!existing && GetLastError() != ERROR_FILE_NOT_FOUND) throw Trouble(path + ": " + Reason(GetLastError()));
        if (existing && GetFileType(existing.get()) != FILE_TYPE_DISK)
            return std::make_unique<InPlaceOutput>(std::move(existing), path);
        existing = UniqueFile();
        return std::make_unique<ReplacingOutput>(path);
    }
    Output& StandardOutput() override { return console_; }

    std::unique_ptr<Scratch> CreateScratch(const std::string& folder) override {
        const std::string where = folder.empty() ? TemporaryFolder() : folder;
        char name[MAX_PATH] = {};
        if (GetTempFileNameA(where.c_str(), "qvs", 0, name) == 0)
            throw Trouble("cannot make a temporary file in '" + where + "': " + Reason(GetLastError()) +
                          "; name another folder with --temporary-directory");
        UniqueFile file(CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        if (!file) {
            const DWORD error = GetLastError();
            DeleteFileA(name);
            throw Trouble("cannot make a temporary file in '" + where + "': " + Reason(error) +
                          "; name another folder with --temporary-directory");
        }
        return std::make_unique<ScratchFile>(std::move(file), name, where);
    }
    std::string TemporaryFolder() override {
        char folder[MAX_PATH] = {};
        const DWORD length = GetTempPathA(MAX_PATH, folder);
        return length > 0 && length < MAX_PATH ? folder : ".";
    }

    // The least of the memory the system has free and the address space
    // this process has left: a 32-bit process has 2 GB of it at most.
    std::uint64_t AvailableMemory() override {
        MEMORYSTATUS status{};
        status.dwLength = sizeof status;
        GlobalMemoryStatus(&status);
        return std::min<std::uint64_t>(status.dwAvailPhys, status.dwAvailVirtual);
    }
    unsigned Processors() override {
        SYSTEM_INFO info{};
        GetSystemInfo(&info);
        return info.dwNumberOfProcessors;
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
        const std::string program =
            std::string(self).substr(0, std::string(self).find_last_of('\\') + 1) + "Quorvex.exe";
        const std::string names = "[Files]\r\nFile1=" + FullPath(left).value_or(left) +
                                  "\r\nFile2=" + FullPath(right).value_or(right) + "\r\n";
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
        if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            reason = program + ": " + Reason(GetLastError());
            DeleteFileA(list.c_str());
            return false;
        }
        const UniqueThread thread(process.hThread), started(process.hProcess);
        return true;
    }

    void Complain(const std::string& text) override { WriteAll(GetStdHandle(STD_ERROR_HANDLE), text); }
    const char* LineEnd() const override { return "\r\n"; }

private:
    static std::string Upper(std::string_view utf8) {
        if (utf8.empty()) return {};
        const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
        if (length <= 0 ||
            !MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length))
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
    ConsoleOutput console_;
};

}  // namespace
}  // namespace quorvex::cli

int main(int argc, char** argv) {
    std::vector<std::string> names;
    InitializeCriticalSection(&quorvex::cli::namesLock);
    quorvex::cli::madeNames = &names;
    SetConsoleCtrlHandler(quorvex::cli::DeleteMadeFiles, TRUE);
    quorvex::cli::WindowsSystem system;
    const int status = quorvex::cli::Run(std::vector<std::string>(argv + 1, argv + argc), system);
    // A reader that went away is no trouble of the program's: as quiet as a
    // closed pipe ends a program elsewhere, with the status it has there.
    return status == quorvex::cli::kClosedPipe ? 141 : status;
}
