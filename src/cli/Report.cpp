#include "cli/Report.h"

#include "cli/Utf8.h"

namespace quorvex::cli {
namespace {

// Past this a destination's bytes are written out.
constexpr std::size_t kBuffer = 1 << 16;

constexpr const char* kSideNames[2] = {"left", "right"};

void AppendJsonString(std::string& json, std::string_view text) {
    json += '"';
    while (!text.empty()) {
        const char c = text.front();
        const std::size_t length = Utf8Length(text);
        if (length == 0) {
            json += "\\ufffd";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            const char* const hex = "0123456789abcdef";
            json += "\\u00";
            json += hex[c >> 4];
            json += hex[c & 0xF];
        } else {
            json.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    json += '"';
}

}  // namespace

Report::Report(const Options& options, Output* standardOutput, std::array<Output*, 2> files, std::string_view lineEnd)
    : options_(options), end_(options.compare.itemEnd == ItemEnd::Nul ? std::string_view("\0", 1) : lineEnd) {
    printed_.output = standardOutput;
    for (int side = 0; side < 2; ++side) files_[side].output = files[side];
}

// The object lists the kept items whatever --count says; counts alone are
// lines.
bool Report::PrintsItems(int side) const {
    return printed_.output && options_.shown[side] && (options_.json || !options_.count);
}

bool Report::WantsItems(int side) const { return PrintsItems(side) || files_[side].output; }

void Report::Flush(Sink& sink) {
    if (sink.output == nullptr || sink.buffer.empty()) return;
    if (&sink != &printed_) {
        sink.output->Write(sink.buffer);
        sink.buffer.clear();
        return;
    }
    try {
        sink.output->Write(sink.buffer);
        sink.buffer.clear();
    } catch (const ClosedPipe&) {
        // Nothing more to print; the files still get what is theirs.
        if (!files_[0].output && !files_[1].output) throw;
        closed_ = true;
        sink.output = nullptr;
        sink.buffer.clear();
    }
}

void Report::Print(std::string_view text) {
    if (printed_.output == nullptr) return;
    printed_.buffer.append(text);
    if (printed_.buffer.size() >= kBuffer) Flush(printed_);
}

void Report::CloseJsonSide() {
    if (!sideOpen_) return;
    Print("]}");
    sideOpen_ = false;
}

void Report::BeginSide(int side, std::uint64_t held, std::uint64_t kept) {
    if (!options_.shown[side]) return;
    const std::string name = kSideNames[side];
    if (options_.json) {
        CloseJsonSide();
        Print(sidesPrinted_ == 0 ? "{\"" : ",\"");
        Print(name + "\":{\"held\":" + std::to_string(held) + ",\"kept\":[");
        sideOpen_ = true;
        firstItem_ = true;
    } else if (options_.count) {
        Print(name + "\t" + std::to_string(held) + "\t" + std::to_string(kept));
        Print(end_);
    }
    ++sidesPrinted_;
}

void Report::Item(int side, std::string_view item) {
    if (Sink& file = files_[side]; file.output) {
        file.buffer.append(item).append(end_);
        if (file.buffer.size() >= kBuffer) Flush(file);
    }
    if (!PrintsItems(side)) return;
    if (options_.json) {
        if (!firstItem_) printed_.buffer += ',';
        firstItem_ = false;
        AppendJsonString(printed_.buffer, item);
    } else {
        const bool both = options_.shown[0] && options_.shown[1];
        if (both) printed_.buffer.append(side == 0 ? "< " : "> ");
        printed_.buffer.append(item).append(end_);
    }
    if (printed_.buffer.size() >= kBuffer) Flush(printed_);
}

void Report::Finish() {
    if (options_.json) {
        CloseJsonSide();
        Print("}");
        Print(end_);
    }
    Flush(printed_);
    for (Sink& file : files_) Flush(file);
}

// Similarities keep every item exactly when each side holds the other's.
int ExitStatus(const std::array<std::uint64_t, 2>& held, const std::array<std::uint64_t, 2>& kept, CompareMode mode) {
    const bool same =
        mode == CompareMode::Differences ? kept[0] == 0 && kept[1] == 0 : kept[0] == held[0] && kept[1] == held[1];
    return same ? 0 : 1;
}

}  // namespace quorvex::cli
