#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "compare/Collation.h"

namespace quorvex {
namespace {

// The texts are in the system's ANSI code page, which may differ from the
// user locale's own. A system that refuses the flag is asked without it; the
// first call finds that out, once.
DWORD IgnoreCaseFlags() {
    constexpr DWORD kAnsi = NORM_IGNORECASE | LOCALE_USE_CP_ACP;
    static const DWORD flags =
        CompareStringA(LOCALE_USER_DEFAULT, kAnsi, "a", 1, "a", 1) == 0 && GetLastError() == ERROR_INVALID_FLAGS
            ? NORM_IGNORECASE
            : kAnsi;
    return flags;
}

// The API takes int and DWORD lengths; longer texts are compared on their
// first INT_MAX bytes, far beyond any list item.
int ApiLength(std::size_t length) { return length > INT_MAX ? INT_MAX : static_cast<int>(length); }

int MapSortKey(std::string_view text, char* key, int size) {
    return LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | IgnoreCaseFlags(), text.data(), ApiLength(text.size()),
                        key, size);
}

// Texts on which key order and CompareStringA could part: every single
// character, and words that differ only in hyphens, apostrophes, spaces,
// letter case and accents, which the word sort weighs apart from the rest.
std::vector<std::string> ProbeTexts() {
    std::vector<std::string> texts;
    for (int c = 1; c < 256; ++c) texts.emplace_back(1, static_cast<char>(c));
    const char* const parts[] = {"co", "Co", "op", "OP", "-", "'", " ", "_", ".", "\xE9", "\xC9", "\xDF", "ss", "9"};
    for (const char* a : parts)
        for (const char* b : parts)
            for (const char* c : {"", "-", "'", "a"}) texts.push_back(std::string(a) + c + b);
    return texts;
}

// Sorted by their keys, each neighbour must compare with CompareStringA as
// the keys do; CompareStringA's order then is the keys' order.
bool ProbeAgrees() {
    std::vector<std::pair<std::string, std::string>> keyed;  // key, text
    for (auto& text : ProbeTexts()) {
        std::string key;
        if (!AppendSortKey(text, key)) return false;
        keyed.emplace_back(std::move(key), std::move(text));
    }
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 1; i < keyed.size(); ++i) {
        const int byKeys = keyed[i - 1].first < keyed[i].first ? -1 : 0;
        const int byText = CompareIgnoringCase(keyed[i - 1].second, keyed[i].second);
        if ((byText < 0 ? -1 : byText > 0 ? 1 : 0) != byKeys) return false;
    }
    return true;
}

}  // namespace

void LowerCaseInPlace(char* text, std::size_t length) {
    while (length > 0) {
        const DWORD chunk = length > 0x40000000u ? 0x40000000u : static_cast<DWORD>(length);
        CharLowerBuffA(text, chunk);
        text += chunk;
        length -= chunk;
    }
}

int CompareIgnoringCase(std::string_view a, std::string_view b) {
    // Some characters weigh nothing, but only the empty text sorts first.
    if (a.empty() || b.empty()) return static_cast<int>(!a.empty()) - static_cast<int>(!b.empty());
    const int result = CompareStringA(LOCALE_USER_DEFAULT, IgnoreCaseFlags(), a.data(), ApiLength(a.size()), b.data(),
                                      ApiLength(b.size()));
    // 0 is a failure of the call; the two then count as equal.
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

bool AppendSortKey(std::string_view text, std::string& keys) {
    if (text.empty()) return false;
    char shortKey[512];  // most items' keys: one call each
    int written = MapSortKey(text, shortKey, sizeof shortKey);
    if (written > 0) {
        keys.append(shortKey, static_cast<std::size_t>(written) - 1);  // without the closing zero
        return true;
    }
    const int size = MapSortKey(text, nullptr, 0);
    if (size <= 0) return false;
    std::string key(static_cast<std::size_t>(size), '\0');
    written = MapSortKey(text, key.data(), size);
    if (written <= 0) return false;
    keys.append(key, 0, static_cast<std::size_t>(written) - 1);
    return true;
}

bool SortKeysAgree() {
    static const bool agree = ProbeAgrees();
    return agree;
}

}  // namespace quorvex
