#include "text_wrap.h"

#include <algorithm>

namespace mixora::page {

namespace {

bool IsWordCharacter(wchar_t c) {
    return c > L' ' && c < 0x2E80;
}

bool IsLowSurrogate(wchar_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Characters that never end a line.
bool IsOpening(wchar_t c) {
    return std::wstring_view(L"（《「『【([").find(c) != std::wstring_view::npos;
}

// Characters that never begin a line.
bool IsClosing(wchar_t c) {
    return std::wstring_view(L"，。、；：？！）》」』】,.;:?!)]%").find(c) !=
           std::wstring_view::npos;
}

void WrapParagraph(const TextMeasurer& measurer, TextStyle style, std::wstring_view text, int room,
                   std::vector<std::wstring>& lines) {
    if (text.empty()) {
        lines.emplace_back();
        return;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t fit = measurer.Fit(style, text.substr(start), room);
        if (fit >= text.size() - start) {
            lines.emplace_back(text.substr(start));
            break;
        }
        std::size_t cut = start + std::max<std::size_t>(fit, 1);
        if (IsLowSurrogate(text[cut]) && cut > start + 1) --cut;
        // Back to where a line may end, until nothing moves it: not before a closing mark nor
        // after an opening one, and not inside a word or a number ("0.4" / "0）" would misread),
        // unless the word began the line.
        for (bool moved = true; moved;) {
            moved = false;
            while (cut > start + 1 && (IsClosing(text[cut]) || IsOpening(text[cut - 1]))) {
                --cut;
                moved = true;
            }
            std::size_t word = cut;
            while (word > start && IsWordCharacter(text[word - 1]) && IsWordCharacter(text[cut]))
                --word;
            if (word > start && word < cut) {
                cut = word;
                moved = true;
            }
        }
        const std::size_t next = cut;
        std::wstring line(text.substr(start, cut - start));
        while (!line.empty() && line.back() == L' ')
            line.pop_back();
        lines.push_back(std::move(line));
        start = next;
        while (start < text.size() && text[start] == L' ')
            ++start;
    }
}

} // namespace

std::vector<std::wstring> WrapText(const TextMeasurer& measurer, TextStyle style,
                                   std::wstring_view text, int width) {
    const int room = std::max(width - width * kSlackPercent / 100, 1);
    std::vector<std::wstring> lines;
    std::size_t paragraph_start = 0;
    while (true) {
        std::size_t paragraph_end = text.find(L'\n', paragraph_start);
        if (paragraph_end == std::wstring_view::npos) paragraph_end = text.size();
        std::wstring paragraph;
        for (std::size_t i = paragraph_start; i < paragraph_end; ++i)
            if (text[i] != L'\r') paragraph += text[i] == L'\t' ? L' ' : text[i];
        WrapParagraph(measurer, style, paragraph, room, lines);
        if (paragraph_end == text.size()) break;
        paragraph_start = paragraph_end + 1;
    }
    return lines;
}

int UnwrappedWidth(const TextMeasurer& measurer, TextStyle style, std::wstring_view text) {
    return measurer.Width(style, text) * (100 + kSlackPercent + 1) / 100;
}

} // namespace mixora::page
