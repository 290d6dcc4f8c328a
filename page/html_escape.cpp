#include "html_escape.h"

namespace mixora::page {

std::string EscapeHtml(std::string_view text, bool line_breaks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        case '\r':
        case '\n':
            if (!line_breaks) {
                out += c;
                break;
            }
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i; // CRLF is one
            out += "<br>";
            break;
        default: out += c;
        }
    }
    return out;
}

} // namespace mixora::page
