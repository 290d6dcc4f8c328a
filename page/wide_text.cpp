#include "wide_text.h"

#include "utf8.h"

namespace mixora::page {

std::wstring WideText(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t code = text::NextCharacter(utf8, at);
        if constexpr (sizeof(wchar_t) == 2) {
            if (code >= 0x10000) {
                out += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
                out += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
                continue;
            }
        }
        out += static_cast<wchar_t>(code);
    }
    return out;
}

} // namespace mixora::page
