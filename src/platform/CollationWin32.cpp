#include "compare/Collation.h"

#include <windows.h>

#include <climits>

namespace quorvex {
namespace {

// The API takes int and DWORD lengths; longer texts are compared on their
// first INT_MAX bytes, far beyond any list item.
int ApiLength(std::size_t length) { return length > INT_MAX ? INT_MAX : static_cast<int>(length); }

// The API refuses a null pointer even with length 0, and an empty view may
// have one.
const char* NonNull(std::string_view text) { return text.data() ? text.data() : ""; }

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
    const int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, NonNull(a), ApiLength(a.size()), NonNull(b),
                                      ApiLength(b.size()));
    // 0 is a failure of the call; the two then count as equal.
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

}  // namespace quorvex
