#include "gdi_text_measurer.h"

#include "scoped_select.h"

#include <algorithm>

namespace mixora::ui {

GdiTextMeasurer::GdiTextMeasurer(HDC dc, const PageFonts& fonts) : dc_(dc), fonts_(fonts) {
    for (std::size_t i = 0; i < page::kTextStyleCount; ++i) {
        TEXTMETRICW metrics{};
        base::scoped_select select(dc_, fonts_.get(static_cast<page::TextStyle>(i)));
        GetTextMetricsW(dc_, &metrics);
        // A unit more than the font asks for: lines of a printer's rounding never touch.
        heights_[i] = std::max<int>(metrics.tmHeight + metrics.tmExternalLeading + 1, 10);
    }
}

int GdiTextMeasurer::Width(page::TextStyle style, std::wstring_view text) const {
    base::scoped_select select(dc_, fonts_.get(style));
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

std::size_t GdiTextMeasurer::Fit(page::TextStyle style, std::wstring_view text, int room) const {
    base::scoped_select select(dc_, fonts_.get(style));
    INT fit = 0;
    SIZE size{};
    GetTextExtentExPointW(dc_, text.data(), static_cast<int>(text.size()), room, &fit, nullptr,
                          &size);
    return static_cast<std::size_t>(std::max(fit, 0));
}

} // namespace mixora::ui
