#include "folderbrowse/FolderChoice.h"

#include <utility>

#include "platform/HelpContexts.h"

namespace quorvex {
namespace {

const char kDesktop[] = "Desktop";  // the tree's name for its root

}  // namespace

std::string& FolderLastChosen() {
    static std::string folder;
    return folder;
}

bool IsValidChoice(const std::string& selectedPath) {
    return selectedPath.find('\\') != std::string::npos || selectedPath == kDesktop;
}

std::string ChoiceOf(const std::string& selectedPath) {
    return selectedPath == kDesktop ? kDesktopChoice : selectedPath;
}

short BrowseHelpContext(const std::string& programName) {
    const std::pair<const char*, short> table[] = {
        {"Hubcrest", 142}, {"Tolvar", 140}, {"Mossbank", 161}, {"Quorvex", kQuorvexHelpContext}};
    for (const auto& [name, context] : table)
        if (programName == name) return context;
    return kBrowseHelpContext;
}

}  // namespace quorvex
