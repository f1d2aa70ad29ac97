#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>

#include "compare/TextRoutines.h"

namespace quorvex {

CommandLine ParseCommandLine(std::string_view arguments) {
    arguments = StripNulls(arguments);
    CommandLine line;
    line.acted = !arguments.empty() && arguments.front() == '/';
    if (!line.acted) return line;
    line.command = std::string(arguments.substr(0, 2));
    for (char& c : line.command) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    line.listFile = std::string(arguments.substr(std::min<std::size_t>(2, arguments.size())));
    return line;
}

}  // namespace quorvex
