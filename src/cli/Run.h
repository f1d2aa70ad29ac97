// quorvex-compare from its arguments to its exit status, through the system
// it runs on.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sources/FolderWalk.h"

namespace quorvex::cli {

class System {
public:
    // The whole file, or nothing and why.
    virtual std::optional<std::string> ReadFile(const std::string& path, std::string& reason) = 0;
    virtual std::optional<std::string> ReadStandardInput(std::string& reason) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    virtual FolderReader& Folders() = 0;
    // Replaces `path` only once the new content is whole; false and why when
    // it cannot, and `path` as it was.
    virtual bool WriteFile(const std::string& path, const std::string& content, std::string& reason) = 0;
    // Appends `item` with Unicode's case folding (UTF-8; other bytes as they
    // are). Both sides may fold at once.
    virtual void FoldCase(std::string_view item, std::string& folded) = 0;
    // False when standard output takes no more (a closed pipe, a full disk).
    virtual bool Print(const std::string& text) = 0;
    virtual void Complain(const std::string& text) = 0;
    // Starts the Quorvex window with the two files or folders handed over;
    // false and why when it cannot.
    virtual bool OpenInWindow(const std::string& left, const std::string& right, bool folders,
                              std::string& reason) = 0;
    // The line end of what the program writes.
    virtual const char* LineEnd() const = 0;

protected:
    ~System() = default;
};

// The arguments after the program's name; the exit status.
int Run(const std::vector<std::string>& arguments, System& system);

}  // namespace quorvex::cli
