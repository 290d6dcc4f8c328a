#pragma once
// UTF-8 read one character at a time, for the portable layers that hand texts on as wide
// characters (the report's pages, the shared database's ODBC calls).
#include <cstddef>
#include <string_view>

namespace mixora::text {

inline constexpr char32_t kReplacement = 0xFFFD;

// The character that starts at `at`, and moves `at` past it: U+FFFD for a byte that begins no
// character, a character cut short, an overlong form, a surrogate or a value past U+10FFFF.
inline char32_t NextCharacter(std::string_view utf8, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(at++);
    if (lead < 0x80) return lead;
    std::size_t length = 0;
    char32_t code = 0, least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, code = lead & 0x1Fu, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, code = lead & 0x0Fu, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, code = lead & 0x07u, least = 0x10000;
    } else {
        return kReplacement;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (at >= utf8.size() || (byte(at) & 0xC0) != 0x80) return kReplacement;
        code = (code << 6) | (byte(at++) & 0x3Fu);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kReplacement;
    return code;
}

} // namespace mixora::text
