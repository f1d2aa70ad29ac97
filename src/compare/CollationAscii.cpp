#include "compare/Collation.h"

namespace quorvex {
namespace {

unsigned char AsciiLower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }

}  // namespace

void LowerCaseInPlace(char* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>(AsciiLower(static_cast<unsigned char>(text[i])));
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const int ca = AsciiLower(static_cast<unsigned char>(a[i]));
        const int cb = AsciiLower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca - cb;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool AppendSortKey(std::string_view text, std::string& keys) {
    const std::size_t start = keys.size();
    keys.append(text);
    LowerCaseInPlace(keys.data() + start, text.size());
    return true;
}

bool SortKeysAgree() { return true; }

}  // namespace quorvex
