#pragma once
// The laid-out page's measure (text_measurer.h) taken with GDI: the report's fonts on a context
// mapped to tenths of a millimetre (page_draw.h), so text is measured as it will be drawn.
#include "page_fonts.h"
#include "text_measurer.h"

#include <windows.h>

#include <array>

namespace mixora::ui {

class GdiTextMeasurer final : public page::TextMeasurer {
  public:
    // `dc` mapped as MapPaper maps; both outlive the measurer.
    GdiTextMeasurer(HDC dc, const PageFonts& fonts);

    int Width(page::TextStyle style, std::wstring_view text) const override;
    int Height(page::TextStyle style) const override { return heights_[Index(style)]; }
    std::size_t Fit(page::TextStyle style, std::wstring_view text, int room) const override;

  private:
    static std::size_t Index(page::TextStyle style) { return static_cast<std::size_t>(style); }

    HDC dc_;
    const PageFonts& fonts_;
    std::array<int, page::kTextStyleCount> heights_{};
};

} // namespace mixora::ui
