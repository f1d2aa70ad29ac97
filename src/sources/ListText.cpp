#include "sources/ListText.h"

#include <algorithm>

#include "compare/TextRoutines.h"

namespace quorvex {

void NormaliseLineEnds(std::string& text) {
    if (text.find('\r') != std::string::npos) return;
    std::size_t feeds = 0;
    for (const char c : text) feeds += c == '\n';
    if (feeds == 0) return;
    std::string converted;
    converted.reserve(text.size() + feeds);
    for (const char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    text.swap(converted);
}

// The last L characters of the folder's path, L being how much longer its
// backslash-ended form is than the root's, then "\".
std::string ListingPrefix(std::string_view folder, std::string_view root) {
    if (root.empty()) return {};
    const std::size_t folderLength = AddBackslash(folder).size(), rootLength = AddBackslash(root).size();
    if (folderLength <= rootLength) return "\\";
    const std::size_t tail = std::min(folderLength - rootLength, folder.size());
    std::string prefix(folder.substr(folder.size() - tail));
    prefix += '\\';
    return prefix;
}

std::string ResultContent(const std::vector<std::string_view>& items) {
    std::size_t size = 0;
    for (const auto item : items) size += item.size() + 2;
    std::string content;
    content.reserve(size);
    for (const auto item : items) {
        content += item;
        content += "\r\n";
    }
    return content;
}

std::string SubfolderQuestion(std::string_view folder) {
    std::string text = "The folder:\r\n\r\n";
    text += folder;
    text +=
        "\r\n\r\ncontains at least one subfolder. Do you want to recurse all subfolders and include their "
        "contents in the comparison?\r\n\r\n(warning: if the folder is large, this may take a while.)";
    return text;
}

}  // namespace quorvex
