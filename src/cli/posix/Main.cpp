// quorvex-compare on a POSIX system (Linux natively).
#include <sched.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "cli/Run.h"
#include "cli/StandardFolders.h"
#include "cli/icu/UnicodeCase.h"
#include "cli/posix/Cleanup.h"
#include "cli/posix/Files.h"
#include "cli/posix/Memory.h"

namespace quorvex::cli {
namespace {

class PosixSystem final : public System {
public:
    std::unique_ptr<Input> OpenFile(const std::string& path) override { return OpenInput(path); }
    std::unique_ptr<Input> StandardInput() override { return StandardInputStream(); }
    bool IsFolder(const std::string& path) override {
        struct stat status = {};
        return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
    }
    bool Exists(const std::string& path, std::string& reason) override {
        if (access(path.c_str(), R_OK) == 0) return true;
        reason = std::strerror(errno);
        return false;
    }
    FolderReader& Folders() override { return folders_; }
    std::unique_ptr<Output> PrepareOutput(const std::string& path) override {
        return PrepareOutputFile(path, TemporaryFolder());
    }
    Output& StandardOutput() override { return StandardOutputStream(); }
    std::unique_ptr<Scratch> CreateScratch(const std::string& folder) override {
        return CreateScratchFile(folder.empty() ? TemporaryFolder() : folder);
    }
    std::string TemporaryFolder() override {
        const char* folder = std::getenv("TMPDIR");
        return folder && *folder ? folder : "/tmp";
    }
    std::uint64_t AvailableMemory() override { return AvailableMemoryHere(); }
    // Those this process may run on (taskset, a container's CPU set), not
    // all the machine has.
    unsigned Processors() override {
        cpu_set_t set;
        CPU_ZERO(&set);
        if (sched_getaffinity(0, sizeof set, &set) == 0) return static_cast<unsigned>(CPU_COUNT(&set));
        return std::thread::hardware_concurrency();
    }
    void FoldCase(std::string_view item, std::string& folded) override { FoldUnicodeCase(item, folded); }
    bool OpenInWindow(const std::string&, const std::string&, bool, std::string& reason) override {
        reason = "the Quorvex window is a Windows program";
        return false;
    }
    void Complain(const std::string& text) override {
        const ssize_t written = write(STDERR_FILENO, text.data(), text.size());
        (void)written;  // nowhere left to say it
    }
    const char* LineEnd() const override { return "\n"; }

private:
    StandardFolders folders_;
};

}  // namespace
}  // namespace quorvex::cli

int main(int argc, char** argv) {
    // A reader that goes away is told by the failed write, which ends the
    // program as the signal would, once the output files are written.
    signal(SIGPIPE, SIG_IGN);
    quorvex::cli::RemoveFilesOnSignals();
    quorvex::cli::PosixSystem system;
    const int status = quorvex::cli::Run(std::vector<std::string>(argv + 1, argv + argc), system);
    if (status == quorvex::cli::kClosedPipe) {
        signal(SIGPIPE, SIG_DFL);
        raise(SIGPIPE);
    }
    return status == quorvex::cli::kClosedPipe ? quorvex::cli::kTrouble : status;
}
