#include "platform/DialogText.h"

#include "compare/TextRoutines.h"

namespace quorvex {

std::string DialogFilter(std::string_view filter) {
    std::string converted(filter);
    for (char& c : converted)
        if (c == '|') c = '\0';
    converted.append(2, '\0');
    return converted;
}

SplitPath SplitInitialPath(std::string_view path) {
    const std::string_view name = StripPath(path, "\\");
    return {std::string(path.substr(0, path.size() - name.size())), std::string(name)};
}

std::string PathFromFileBuffer(std::string_view buffer) { return std::string(buffer.substr(0, buffer.find('\0'))); }

}  // namespace quorvex
