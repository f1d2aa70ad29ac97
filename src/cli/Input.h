// An input's bytes as the comparison takes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex::cli {

// The bytes as text, decoded as they come: a UTF-8 byte-order mark dropped,
// UTF-16 with its byte-order mark made UTF-8 (what it cannot spell becomes
// U+FFFD), anything else as it stands. Line ends are left to the comparison.
class TextDecoder {
public:
    // Appends the text of the next bytes to `text`.
    void Decode(std::string_view bytes, std::string& text);
    // The input has ended: appends what a UTF-16 text cut short leaves.
    void Finish(std::string& text);
    // Once told by the first bytes: whether what follows is text as it
    // stands, so that it need not pass through Decode.
    bool TakesBytesAsTheyStand() const { return form_ == Form::AsItStands; }

private:
    enum class Form { Unknown, AsItStands, Utf16Le, Utf16Be };
    void DecodeUtf16(std::string_view bytes, std::string& text);
    void Unit(char32_t unit, std::string& text);
    Form form_ = Form::Unknown;
    std::string start_;  // the first bytes, until they tell the form
    int oddByte_ = -1;   // a UTF-16 unit's first byte, waiting for its second
    char32_t high_ = 0;  // a high surrogate, waiting for its low one
};

// A whole input's text, as TextDecoder makes it.
std::string DecodedText(std::string_view bytes);

// The text of bytes that need no decoding: the bytes themselves, a UTF-8
// mark dropped; nothing for UTF-16, which needs DecodedText.
std::optional<std::string_view> TextAsItStands(std::string_view bytes);

}  // namespace quorvex::cli
