#include "dialog_template.h"

namespace mixora::ui {

namespace {

void PutString(std::vector<WORD>& out, const wchar_t* text) {
    for (const wchar_t* c = text ? text : L""; *c; ++c)
        out.push_back(static_cast<WORD>(*c));
    out.push_back(0);
}

void PutDword(std::vector<WORD>& out, DWORD value) {
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
}

void PutShort(std::vector<WORD>& out, short value) {
    out.push_back(static_cast<WORD>(value));
}

// Each item starts on a DWORD boundary of the template.
void AlignToDword(std::vector<WORD>& out) {
    if (out.size() % 2 != 0) out.push_back(0);
}

struct MessageFont {
    std::wstring face = L"MS Shell Dlg";
    WORD points = 9;
};

MessageFont ReadMessageFont() {
    MessageFont font;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return font;
    if (metrics.lfMessageFont.lfFaceName[0]) font.face = metrics.lfMessageFont.lfFaceName;
    const LONG height = metrics.lfMessageFont.lfHeight;
    // Points at the system DPI the metrics were given for.
    if (height != 0) {
        const int dpi = static_cast<int>(GetDpiForSystem());
        const int points = MulDiv(height < 0 ? -height : height, 72, dpi > 0 ? dpi : 96);
        if (points >= 6 && points <= 24) font.points = static_cast<WORD>(points);
    }
    return font;
}

} // namespace

std::vector<WORD> BuildDialogTemplate(const DialogLayout& dialog) {
    const MessageFont font = ReadMessageFont();
    std::vector<WORD> out;
    PutDword(out, dialog.style | DS_SETFONT);
    PutDword(out, 0); // extended style
    out.push_back(static_cast<WORD>(dialog.items.size()));
    PutShort(out, 0);
    PutShort(out, 0);
    PutShort(out, dialog.cx);
    PutShort(out, dialog.cy);
    out.push_back(0); // no menu
    out.push_back(0); // the dialog class
    PutString(out, dialog.title);
    out.push_back(font.points);
    PutString(out, font.face.c_str());
    for (const DialogItem& item : dialog.items) {
        AlignToDword(out);
        PutDword(out, item.style | WS_CHILD | WS_VISIBLE);
        PutDword(out, 0);
        PutShort(out, item.x);
        PutShort(out, item.y);
        PutShort(out, item.cx);
        PutShort(out, item.cy);
        out.push_back(static_cast<WORD>(item.id));
        PutString(out, item.class_name);
        PutString(out, item.text);
        out.push_back(0); // no creation data
    }
    return out;
}

} // namespace mixora::ui
