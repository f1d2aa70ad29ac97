#include "cli/icu/UnicodeCase.h"

#include <unicode/ucasemap.h>

#include <climits>
#include <memory>

#include "cli/Utf8.h"

namespace quorvex::cli {
namespace {

struct CaseMapCloser {
    void operator()(UCaseMap* map) const { ucasemap_close(map); }
};

// One map a thread: the two sides fold at once.
UCaseMap* ThreadCaseMap() {
    thread_local const std::unique_ptr<UCaseMap, CaseMapCloser> map([] {
        UErrorCode error = U_ZERO_ERROR;
        return ucasemap_open("", U_FOLD_CASE_DEFAULT, &error);
    }());
    return map.get();
}

// A run of well-formed UTF-8, folded. Folding can lengthen a text ("ß" to
// "ss"), so the first try's length tells the second how much room to take.
void FoldRun(std::string_view run, std::string& folded) {
    UCaseMap* map = ThreadCaseMap();
    if (map == nullptr || run.size() > INT_MAX / 4) {
        folded.append(run);
        return;
    }
    const std::size_t start = folded.size();
    for (int room = static_cast<int>(run.size()) + 16;;) {
        folded.resize(start + static_cast<std::size_t>(room));
        UErrorCode error = U_ZERO_ERROR;
        const int32_t length = ucasemap_utf8FoldCase(map, folded.data() + start, room, run.data(),
                                                     static_cast<int32_t>(run.size()), &error);
        if (error == U_BUFFER_OVERFLOW_ERROR && length > room) {
            room = length;
            continue;
        }
        folded.resize(U_SUCCESS(error) ? start + static_cast<std::size_t>(length) : start);
        if (U_FAILURE(error)) folded.append(run);
        return;
    }
}

}  // namespace

// Folding maps each character by itself, so the text can go to ICU in
// pieces: ASCII, far the most common, folds here.
void FoldUnicodeCase(std::string_view item, std::string& folded) {
    std::size_t i = 0;
    while (i < item.size()) {
        const char c = item[i];
        if (static_cast<unsigned char>(c) < 0x80) {
            folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            ++i;
            continue;
        }
        std::size_t end = i;
        for (std::size_t length = 0; end < item.size() && static_cast<unsigned char>(item[end]) >= 0x80 &&
                                     (length = Utf8Length(item.substr(end))) > 0;)
            end += length;
        if (end == i) {
            folded += item[i++];  // not UTF-8: as it is
            continue;
        }
        FoldRun(item.substr(i, end - i), folded);
        i = end;
    }
}

}  // namespace quorvex::cli
