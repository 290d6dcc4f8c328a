#pragma once
// A field's caption (calc/field_captions.h, UTF-8) as the UTF-16 text a label shows, made at
// compile time, so that the layout table refers to the one caption and stays constant data.
#include "field_captions.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace mixora::ui {

namespace caption_text {

// Bytes of the UTF-8 sequence a lead byte starts.
constexpr std::size_t SequenceLength(unsigned char lead) {
    return lead < 0x80 ? 1u : lead < 0xE0 ? 2u : lead < 0xF0 ? 3u : 4u;
}

constexpr std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(utf8[i]));
        units += length == 4 ? 2u : 1u; // beyond the BMP: a surrogate pair
        i += length;
    }
    return units;
}

// The UTF-16 of utf8, then `suffix`, then a terminating zero; N counts all of them.
template <std::size_t N>
constexpr std::array<wchar_t, N> Utf16(std::string_view utf8, std::wstring_view suffix) {
    std::array<wchar_t, N> out{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = SequenceLength(lead);
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            out[at++] = static_cast<wchar_t>(0xD800 + (code >> 10));
            out[at++] = static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        } else {
            out[at++] = static_cast<wchar_t>(code);
        }
    }
    for (const wchar_t c : suffix)
        out[at++] = c;
    return out;
}

template <calc::Field F, const wchar_t* Suffix> struct Text {
    static constexpr std::string_view utf8 = calc::Caption(F);
    static constexpr std::wstring_view suffix = Suffix;
    static constexpr auto text = Utf16<Utf16Length(utf8) + suffix.size() + 1>(utf8, suffix);
};

inline constexpr wchar_t kNone[] = L"";
inline constexpr wchar_t kColon[] = L"：";

} // namespace caption_text

// The caption of field F as its label shows it, zero-terminated.
template <calc::Field F>
inline constexpr const wchar_t*
    kLabelCaption = caption_text::Text<F, caption_text::kNone>::text.data();
// … followed by a full-width colon, as the labels of the first group show it.
template <calc::Field F>
inline constexpr const wchar_t*
    kLabelCaptionWithColon = caption_text::Text<F, caption_text::kColon>::text.data();

} // namespace mixora::ui
