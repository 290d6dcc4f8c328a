#pragma once
// Places in a UTF-8 text, for messages that say where a file is wrong.
#include <cstddef>
#include <string_view>

namespace mixora::document {

struct TextPosition {
    int line = 1;   // 1-based; a line ends at "\n"
    int column = 1; // 1-based, counted in characters (code points), not bytes
};

// The place of the byte at offset (offset == text.size() is just past the last character).
// The text before offset must be valid UTF-8 for the column to count characters.
TextPosition PositionOf(std::string_view text, std::size_t offset);

// The number of characters (code points) of a valid UTF-8 text.
std::size_t CountCharacters(std::string_view text);

// The offset of the first byte that is not part of a well-formed UTF-8 sequence (overlong
// forms, surrogates and values above U+10FFFF are not), or npos when the whole text is.
std::size_t FindInvalidUtf8(std::string_view text);

} // namespace mixora::document
