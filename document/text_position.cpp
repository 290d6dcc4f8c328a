#include "text_position.h"

#include <algorithm>

namespace mixora::document {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed sequence at the start of rest, or 0 when there is none.
std::size_t SequenceLength(std::string_view rest) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range allowed for the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;  // overlong
        if (lead == 0xED) high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;  // overlong
        if (lead == 0xF4) high = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (rest.size() < length || at(1) < low || at(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!IsContinuation(at(i))) return 0;
    return length;
}

} // namespace

TextPosition PositionOf(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    const std::string_view before = text.substr(0, offset);
    const std::size_t line_start = before.rfind('\n') + 1; // npos + 1 == 0
    TextPosition position;
    position.line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    const std::string_view line = before.substr(line_start);
    position.column = 1 + static_cast<int>(std::count_if(line.begin(), line.end(), [](char c) {
                          return !IsContinuation(static_cast<unsigned char>(c));
                      }));
    return position;
}

std::size_t CountCharacters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return !IsContinuation(static_cast<unsigned char>(c));
    }));
}

std::size_t FindInvalidUtf8(std::string_view text) {
    std::size_t offset = 0;
    while (offset < text.size()) {
        const std::size_t length = SequenceLength(text.substr(offset));
        if (length == 0) return offset;
        offset += length;
    }
    return std::string_view::npos;
}

} // namespace mixora::document
