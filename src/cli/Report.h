// What quorvex-compare prints and writes, item by item as the comparison
// gives them, and what its exit status says.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/Options.h"
#include "cli/System.h"

namespace quorvex::cli {

// Standard output's text: the kept items marked by side ("< " left, "> "
// right) or, for one side alone, bare; or the counts; or a JSON object. Each
// side's output file gets its kept items bare. Sides come left first, each
// side's items after its counts.
class Report {
public:
    // `standardOutput` is null when nothing is to be printed.
    Report(const Options& options, Output* standardOutput, std::array<Output*, 2> files, std::string_view lineEnd);
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // Whether the side's kept items are printed or written at all.
    bool WantsItems(int side) const;
    void BeginSide(int side, std::uint64_t held, std::uint64_t kept);
    void Item(int side, std::string_view item);
    // Writes out what is still held back.
    void Finish();
    // The reader of standard output went away and there were files to
    // write: they were written all the same.
    bool StandardOutputClosed() const { return closed_; }

private:
    struct Sink {
        Output* output = nullptr;
        std::string buffer;
    };
    bool PrintsItems(int side) const;
    void Print(std::string_view text);
    void Flush(Sink& sink);
    void CloseJsonSide();

    const Options& options_;
    const std::string_view end_;  // after each line, item and object
    Sink printed_;
    std::array<Sink, 2> files_;
    bool closed_ = false;
    bool sideOpen_ = false;  // a JSON side whose items are being printed
    bool firstItem_ = true;
    int sidesPrinted_ = 0;
};

// 0 when the lists hold the same items under the rules, 1 when they differ:
// from how many items each side held and kept.
int ExitStatus(const std::array<std::uint64_t, 2>& held, const std::array<std::uint64_t, 2>& kept, CompareMode mode);

}  // namespace quorvex::cli
