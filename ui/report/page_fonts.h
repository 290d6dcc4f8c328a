#pragma once
// The fonts of the printed and previewed report. Their heights are in the paper's logical units
// (tenths of a millimetre, page_draw.h), so one set serves the printer, the preview and the
// layout alike. A printer's default font has no Chinese glyphs: the face is chosen among those
// that have the Chinese (GB2312) character set.
#include "handles.h"
#include "text_measurer.h"

#include <windows.h>

#include <array>
#include <string>

namespace mixora::ui {

class PageFonts {
  public:
    PageFonts();
    // Null only when the system could not make the font.
    HFONT get(page::TextStyle style) const { return fonts_[static_cast<size_t>(style)].get(); }
    const std::wstring& face() const { return face_; }

  private:
    std::wstring face_;
    std::array<base::unique_hfont, page::kTextStyleCount> fonts_;
};

// The first face that has Chinese glyphs: the window's message font, the usual Chinese faces of
// Windows, the one Linux machines have under Wine, any other.
std::wstring ChineseFontFace();

} // namespace mixora::ui
