// The routines that read text from outside: counting, line ends, listing
// prefixes, stored numbers, the command line, handed-over names, dropped
// names, the layout arithmetic, and quorvex-compare's inputs and arguments,
// each with a property it must keep.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"
#include "cli/Input.h"
#include "cli/Options.h"
#include "cli/Utf8.h"
#include "compare/Collation.h"
#include "compare/TextRoutines.h"
#include "sources/Drops.h"
#include "sources/HandedOverList.h"
#include "sources/ItemCount.h"
#include "sources/ListText.h"
#include "window/BrowseLayout.h"
#include "window/MainLayout.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckLineEnds(std::string_view input) {
    std::string text(input);
    quorvex::NormaliseLineEnds(text);
    if (input.find('\r') != std::string_view::npos) return Require(text == input);
    std::string withoutCr;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') Require(i > 0 && text[i - 1] == '\r');
        if (text[i] != '\r') withoutCr += text[i];
    }
    Require(withoutCr == input);
}

void CheckLayouts(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return;
    float width = 0, height = 0;
    std::memcpy(&width, data, 4);
    std::memcpy(&height, data + 4, 4);
    quorvex::MainLayout main = quorvex::DesignLayout();
    quorvex::LayOutMainForm(main, width, height);
    Require(!(main.textbox[0].width < 0) && !(main.textbox[0].height < 0) && !(main.controlFrame.width < 0));
    quorvex::BrowseLayout browse;
    quorvex::LayOutFolderBrowse(browse, width, height);
    Require(!(browse.explorer.width < 0) && !(browse.explorer.height < 0));
}

// The names are the cut values before the first empty one, in order, each
// kept once whatever its letter case.
void CheckHandedOverNames(const std::vector<std::string>& values) {
    const auto names = quorvex::HandedOverNames(
        [&](int key) { return static_cast<std::size_t>(key) <= values.size() ? values[key - 1] : std::string(); });
    std::size_t next = 0;
    for (const std::string& value : values) {
        const std::string cut = value.substr(0, 254);
        if (cut.empty()) break;
        const auto same = [&](const std::string& name) { return quorvex::FoldCase(name) == quorvex::FoldCase(cut); };
        if (next < names.size() && names[next] == cut && std::none_of(names.begin(), names.begin() + next, same))
            ++next;
        else
            Require(std::count_if(names.begin(), names.begin() + next, same) == 1);
    }
    Require(next == names.size());
}

// A section's values hold no zero whatever the section, and come back as
// written when they have no blanks or quote at their ends. A value with a
// zero ends the check: its tail is a line of its own, which may name a later
// key first, and the reader keeps the first of a repeated key.
void CheckProfileSection(std::string_view text, const std::vector<std::string>& values) {
    const auto any = quorvex::FileKeysOf(text);
    for (int key = 1; key <= 3; ++key) Require(any(key).find('\0') == std::string::npos);
    std::string section;
    for (std::size_t i = 0; i < values.size(); ++i) section += "File" + std::to_string(i + 1) + "=" + values[i] + '\0';
    const auto valueOf = quorvex::FileKeysOf(section);
    const auto plainEnd = [](char c) { return c != ' ' && c != '\t' && c != '"' && c != '\''; };
    for (std::size_t i = 0; i < values.size() && values[i].find('\0') == std::string::npos; ++i) {
        const std::string& value = values[i];
        if (value.empty() || (plainEnd(value.front()) && plainEnd(value.back())))
            Require(valueOf(static_cast<int>(i + 1)) == value);
    }
}

// quorvex-compare's inputs: UTF-16 comes out as valid UTF-8, anything else
// as it stands but for a UTF-8 byte-order mark.
void CheckDecodedText(std::string_view input) {
    const std::string text = quorvex::cli::DecodedText(std::string(input));
    if (input.substr(0, 2) == "\xFF\xFE" || input.substr(0, 2) == "\xFE\xFF") {
        for (std::string_view rest = text; !rest.empty(); rest.remove_prefix(quorvex::cli::Utf8Length(rest)))
            Require(quorvex::cli::Utf8Length(rest) > 0);
        return;
    }
    if (input.substr(0, 3) == "\xEF\xBB\xBF") input.remove_prefix(3);
    Require(text == input);
}

// Arguments split at zero bytes: either an error or two inputs.
void CheckArguments(std::string_view text) {
    std::vector<std::string> arguments;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\0', start), text.size());
        arguments.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    const auto parsed = quorvex::cli::ParseArguments(arguments);
    if (parsed.error.empty() && parsed.options.action == quorvex::cli::Options::Action::Compare)
        Require(!(parsed.options.inputs[0] == "-" && parsed.options.inputs[1] == "-"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::int64_t lines = 1;
    for (auto hit = text.find("\r\n"); hit != std::string_view::npos; hit = text.find("\r\n", hit + 2)) ++lines;
    const std::int64_t items = quorvex::ItemCountFromLines(lines, text);
    Require(items >= 0 && items <= lines);
    CheckLineEnds(text);

    const std::size_t half = text.find('\0');
    const std::string_view first = text.substr(0, half),
                           rest = half == std::string_view::npos ? "" : text.substr(half + 1);
    const std::string prefix = quorvex::ListingPrefix(first, rest);
    Require(rest.empty() ? prefix.empty() : (!prefix.empty() && prefix.back() == '\\'));
    Require(quorvex::StripNulls(text) == first);
    const short number = quorvex::LeadingNumber16(first);
    Require(number >= -32768 && number <= 32767);

    const quorvex::CommandLine line = quorvex::ParseCommandLine(text);
    Require(line.acted == (!first.empty() && first[0] == '/'));
    if (line.acted) Require(line.command.size() + line.listFile.size() == first.size());

    std::vector<std::string> paths;
    for (std::size_t start = 0; start < rest.size();) {
        const std::size_t end = std::min(rest.find('\n', start), rest.size());
        paths.emplace_back(rest.substr(start, end - start));
        start = end + 1;
    }
    const std::string dropped = quorvex::TextWithDroppedNames(first, paths);
    Require(dropped.compare(0, first.size(), first) == 0);
    Require(quorvex::DropPane(static_cast<int>(size), 15, static_cast<float>(first.size())) <= 1);
    CheckLayouts(data, size);
    CheckHandedOverNames(paths);
    CheckProfileSection(text, paths);
    CheckDecodedText(text);
    CheckArguments(text);
    return 0;
}
