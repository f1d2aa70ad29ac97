#include "cli/Input.h"

#include <algorithm>

namespace quorvex::cli {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsHigh(char32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLow(char32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

}  // namespace

void TextDecoder::Decode(std::string_view bytes, std::string& text) {
    if (form_ == Form::Unknown) {
        // A mark is told by its first two or three bytes; most texts are
        // told by their first.
        const std::size_t taken = std::min(bytes.size(), 3 - start_.size());
        start_.append(bytes.substr(0, taken));
        bytes.remove_prefix(taken);
        const std::string_view start(start_);
        const bool utf16 = start.substr(0, 2) == "\xFF\xFE" || start.substr(0, 2) == "\xFE\xFF";
        const bool mayBeMark =
            start.size() < 3 && (kUtf8Mark.substr(0, start.size()) == start || start == "\xFF" || start == "\xFE");
        if (!utf16 && mayBeMark) return;
        form_ = utf16 ? (start[0] == '\xFE' ? Form::Utf16Be : Form::Utf16Le) : Form::AsItStands;
        const std::string_view rest = start.substr(utf16 ? 2 : start == kUtf8Mark ? 3 : 0);
        if (form_ == Form::AsItStands)
            text.append(rest);
        else
            DecodeUtf16(rest, text);
    }
    if (form_ == Form::AsItStands)
        text.append(bytes);
    else
        DecodeUtf16(bytes, text);
}

void TextDecoder::Finish(std::string& text) {
    if (form_ == Form::Unknown) {
        // Too short to be told by more bytes: a lone FF or FE, or part of a
        // UTF-8 mark, stands as it is.
        text.append(start_);
        form_ = Form::AsItStands;
    }
    if (high_ != 0) AppendUtf8(text, kReplacement);
    if (oddByte_ >= 0) AppendUtf8(text, kReplacement);
    high_ = 0;
    oddByte_ = -1;
}

void TextDecoder::DecodeUtf16(std::string_view bytes, std::string& text) {
    const bool bigEndian = form_ == Form::Utf16Be;
    const auto unit = [bigEndian](unsigned char a, unsigned char b) {
        return static_cast<char32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    std::size_t i = 0;
    if (oddByte_ >= 0 && !bytes.empty()) {
        Unit(unit(static_cast<unsigned char>(oddByte_), static_cast<unsigned char>(bytes[0])), text);
        oddByte_ = -1;
        i = 1;
    }
    for (; i + 1 < bytes.size(); i += 2)
        Unit(unit(static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(bytes[i + 1])), text);
    if (i < bytes.size()) oddByte_ = static_cast<unsigned char>(bytes[i]);
}

void TextDecoder::Unit(char32_t unit, std::string& text) {
    if (high_ != 0) {
        const char32_t high = high_;
        high_ = 0;
        if (IsLow(unit)) {
            AppendUtf8(text, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
            return;
        }
        AppendUtf8(text, kReplacement);
    }
    if (IsHigh(unit)) {
        high_ = unit;
        return;
    }
    AppendUtf8(text, IsLow(unit) ? kReplacement : unit);
}

std::optional<std::string_view> TextAsItStands(std::string_view bytes) {
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") return std::nullopt;
    return bytes.substr(bytes.substr(0, 3) == kUtf8Mark ? 3 : 0);
}

std::string DecodedText(std::string_view bytes) {
    if (const auto asItStands = TextAsItStands(bytes)) return std::string(*asItStands);
    std::string text;
    text.reserve(bytes.size());
    TextDecoder decoder;
    decoder.Decode(bytes, text);
    decoder.Finish(text);
    return text;
}

}  // namespace quorvex::cli
