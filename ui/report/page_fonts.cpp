#include "page_fonts.h"

#include "callback_guard.h"

#include "window_dc.h"

namespace mixora::ui {

namespace {

struct TextStyleEntry {
    int tenth_points; // 90: 9 pt
    bool bold;
};
// In the order of page::TextStyle; the sizes of the HTML report's print styles.
constexpr TextStyleEntry kStyles[page::kTextStyleCount] = {
    {160, true}, // Title
    {105, true}, // SectionTitle
    {90, false}, // Body
    {90, true},  // BodyBold
    {85, false}, // Note
    {85, true},  // NoteBold
    {80, false}, // Footer
};

constexpr const wchar_t* kPreferredFaces[] = {L"Microsoft YaHei", L"SimSun", L"WenQuanYi Micro Hei",
                                              L"Noto Sans CJK SC"};

BOOL CALLBACK NoteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) noexcept {
    return base::Guarded("字体", BOOL{FALSE}, [&] {
        // Faces starting with "@" are the vertical forms.
        if (font->lfFaceName[0] == L'@') return BOOL{TRUE};
        *reinterpret_cast<std::wstring*>(found) = font->lfFaceName;
        return BOOL{FALSE};
    });
}

// `face` when it has the Chinese character set (an empty face: any that has it).
std::wstring ChineseFaceNamed(HDC dc, const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = GB2312_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    std::wstring found;
    EnumFontFamiliesExW(dc, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

} // namespace

std::wstring ChineseFontFace() {
    base::unique_window_dc screen = base::GetDCScoped(nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    std::wstring message_face;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        message_face = metrics.lfMessageFont.lfFaceName;
    if (!screen) return message_face;
    if (!message_face.empty())
        if (auto face = ChineseFaceNamed(screen.get(), message_face); !face.empty()) return face;
    for (const wchar_t* preferred : kPreferredFaces)
        if (auto face = ChineseFaceNamed(screen.get(), preferred); !face.empty()) return face;
    if (auto face = ChineseFaceNamed(screen.get(), L""); !face.empty()) return face;
    return message_face;
}

PageFonts::PageFonts() : face_(ChineseFontFace()) {
    for (size_t i = 0; i < page::kTextStyleCount; ++i) {
        LOGFONTW font{};
        // Points to tenths of a millimetre: 254 units an inch of 72 points.
        font.lfHeight = -MulDiv(kStyles[i].tenth_points, 254, 720);
        font.lfWeight = kStyles[i].bold ? FW_BOLD : FW_NORMAL;
        font.lfCharSet = GB2312_CHARSET;
        font.lfOutPrecision = OUT_TT_PRECIS;
        font.lfQuality = DEFAULT_QUALITY;
        face_.copy(font.lfFaceName, LF_FACESIZE - 1);
        fonts_[i].reset(CreateFontIndirectW(&font));
    }
}

} // namespace mixora::ui
