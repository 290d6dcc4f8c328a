#include "text_prefix.h"

namespace mixora::calc {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string TextPrefix(std::string_view text, std::size_t max_chars) {
    std::size_t chars = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (IsContinuationByte(text[at])) continue;
        if (chars == max_chars) return std::string(text.substr(0, at)) + "…";
        ++chars;
    }
    return std::string(text);
}

} // namespace mixora::calc
