#include "platform/InstallPath.h"

namespace quorvex {
namespace {

std::string& Stored() {
    static std::string path;
    return path;
}

}  // namespace

const std::string& InstallPath() { return Stored(); }

void SetInstallPath(std::string path) { Stored() = std::move(path); }

std::string HelpFile() { return InstallPath() + "mivo.chm"; }

}  // namespace quorvex
