#include "form.h"

#include "callback_guard.h"
#include "control_text.h"
#include "frame.h"
#include "scoped_select.h"
#include "window_classes.h"
#include "window_dc.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

namespace mixora::ui {

namespace {

using T = ControlType;

struct ClassAndStyle {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

// The class and style of a kind of control. In a window the focus order reaches a read-only
// field too (to select and copy its value); in a dialog Tab goes only where the user types,
// chooses or presses.
ClassAndStyle ClassFor(const ControlEntry& entry, bool dialog) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD edit = child | ES_LEFT | ES_AUTOHSCROLL;
    switch (entry.type) {
    case T::Frame:
        return {kFrameClass, child | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case T::Label:
    case T::Note: return {L"Static", child | SS_LEFT | SS_NOPREFIX, 0};
    case T::Header: return {L"Static", child | SS_CENTER | SS_NOPREFIX, 0};
    case T::Line: return {L"Static", child | SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_ENDELLIPSIS, 0};
    case T::Text: return {L"Edit", edit | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case T::Memo:
        return {L"Edit",
                child | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_WANTRETURN |
                    ES_AUTOVSCROLL,
                WS_EX_CLIENTEDGE};
    case T::Output:
        return {L"Edit", edit | ES_READONLY | (dialog ? 0u : WS_TABSTOP), WS_EX_CLIENTEDGE};
    case T::Lines:
        return {L"Edit",
                child | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_READONLY |
                    ES_AUTOVSCROLL,
                WS_EX_CLIENTEDGE};
    case T::Choice: return {L"ComboBox", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case T::Option: return {kOptionClass, child | WS_TABSTOP | BS_AUTORADIOBUTTON, 0};
    case T::Check: return {kCheckClass, child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case T::Command:
        return {L"Button",
                child | WS_TABSTOP | (entry.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
    case T::Chart: return {L"Static", child | SS_OWNERDRAW, 0};
    case T::List:
        return {L"ListBox",
                child | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS |
                    LBS_NOINTEGRALHEIGHT,
                WS_EX_CLIENTEDGE};
    }
    return {L"Static", child, 0};
}

bool StartsGroup(const ControlEntry& entry, Groups groups) {
    const bool continues_set = entry.type == T::Option && !entry.first;
    switch (groups) {
    case Groups::None: return false;
    case Groups::EachStop: return TakesFocus(entry.type) && !continues_set;
    case Groups::EachControl: return !continues_set;
    }
    return false;
}

// A field with a scroll bar draws the bar twice (under Wine some sixty round trips each time)
// whenever its text is set, even when the bar stays as it was. So its text is written while it
// is not drawn (what WM_SETREDRAW does, which the edit control does not pass on), then drawn
// again, and its frame left as it was. The skin's flat frame, painted over the frame after the
// system's, covers the bar's edge: the bar is drawn again once after a frame was painted, as the
// edit control would have drawn it.
std::unordered_set<HWND>& CoveredBars() {
    static std::unordered_set<HWND> bars;
    return bars;
}

LRESULT CALLBACK BarFieldProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(field, GWLP_USERDATA));
    base::Guarded("滚动条", 0, [&] {
        if (message == WM_NCPAINT) CoveredBars().insert(field);
        if (message == WM_NCDESTROY) CoveredBars().erase(field);
        return 0;
    });
    return previous ? CallWindowProcW(previous, field, message, wparam, lparam) : 0;
}

void WatchBar(HWND field) {
    SetWindowLongPtrW(
        field, GWLP_USERDATA,
        SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BarFieldProc)));
}

void WriteWithScrollBar(HWND control, std::wstring_view text) {
    if (!IsWindowVisible(control)) return WriteText(control, text); // nothing is drawn yet
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    SetWindowLongPtrW(control, GWL_STYLE, style & ~LONG_PTR{WS_VISIBLE});
    WriteText(control, text);
    SetWindowLongPtrW(control, GWL_STYLE, style);
    // Shown again, the whole control waits to be drawn: the text is, the frame is left as it is.
    RedrawWindow(control, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    if (CoveredBars().erase(control) == 0) return;
    SCROLLINFO bar{};
    bar.cbSize = sizeof(bar);
    bar.fMask = SIF_PAGE | SIF_POS | SIF_RANGE;
    GetScrollInfo(control, SB_VERT, &bar);
    bar.fMask |= SIF_DISABLENOSCROLL; // as the edit control sets it
    SetScrollInfo(control, SB_VERT, &bar, TRUE);
}

bool HasScrollBar(ControlType type) {
    return type == T::Lines || type == T::Memo;
}

// The size of a label that fits its caption in the given font.
SIZE CaptionSize(HWND window, HFONT font, const wchar_t* caption) {
    SIZE size{0, 0};
    base::unique_window_dc dc = base::GetDCScoped(window);
    if (!dc) return size;
    base::scoped_select select(dc.get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    GetTextExtentPoint32W(dc.get(), caption, lstrlenW(caption), &size);
    size.cx += 2;
    size.cy = metrics.tmHeight;
    return size;
}

} // namespace

Form::Form(const FormLayout& layout) : layout_(layout) {
    if (!layout_.focus_order.empty()) {
        focus_order_.assign(layout_.focus_order.begin(), layout_.focus_order.end());
    } else {
        for (const ControlEntry& entry : layout_.controls)
            if (TakesFocus(entry.type)) focus_order_.push_back(entry.id);
    }
}

bool Form::Create(HWND parent) {
    const bool dialog = layout_.units == Units::DialogUnits;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    const auto font = dialog ? static_cast<WPARAM>(SendMessageW(parent, WM_GETFONT, 0, 0)) : 0;
    controls_.clear();
    for (const ControlEntry& entry : layout_.controls) {
        auto [class_name, style, ex_style] = ClassFor(entry, dialog);
        if (StartsGroup(entry, layout_.groups)) style |= WS_GROUP;
        RECT place{entry.left, entry.top, entry.left + entry.width, entry.top + entry.height};
        if (dialog)
            MapDialogRect(parent, &place);
        else
            place = {};
        HWND control = CreateWindowExW(
            ex_style, class_name, entry.caption, style, place.left, place.top,
            place.right - place.left, place.bottom - place.top,
            entry.parent ? Control(entry.parent) : parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
        if (!control) return false;
        if (HasScrollBar(entry.type)) WatchBar(control);
        if (dialog) {
            // Tab follows the table: each control below the ones made before it.
            SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            SendMessageW(control, WM_SETFONT, font, FALSE);
        }
        controls_.push_back(control);
    }
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const wchar_t* spoken = layout_.controls[i].spoken;
        if (!spoken) continue;
        if (!names_) names_ = std::make_unique<AccessibleNames>();
        names_->Name(controls_[i], spoken);
    }
    return true;
}

void Form::Place(HFONT font, int dpi) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlEntry& entry = layout_.controls[i];
        int width = TwipsToPixels(entry.width, dpi);
        int height = TwipsToPixels(entry.height, dpi);
        if (entry.width == 0) {
            // A label keeps its place and ends before the control that follows it on its row.
            const SIZE size = CaptionSize(controls_[i], font, entry.caption);
            width = std::min(static_cast<int>(size.cx),
                             LabelRoom(layout_.controls, entry, size.cy, dpi));
            height = size.cy;
        }
        SetWindowPos(controls_[i], nullptr, TwipsToPixels(entry.left, dpi),
                     TwipsToPixels(entry.top, dpi), width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

const ControlEntry* Form::Entry(int id) const {
    if (id == kNoId) return nullptr;
    for (const ControlEntry& entry : layout_.controls)
        if (entry.id == id) return &entry;
    return nullptr;
}

HWND Form::Control(int id) const {
    const ControlEntry* entry = Entry(id);
    if (!entry) return nullptr;
    const auto index = static_cast<std::size_t>(entry - layout_.controls.data());
    return index < controls_.size() ? controls_[index] : nullptr;
}

std::span<const int> Form::FocusOrder() const {
    return focus_order_;
}

void Form::FollowHighContrast(bool on) {
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (layout_.controls[i].type == T::Frame) SetFrameSystemColours(controls_[i], on);
}

void Form::Release() {
    if (names_) names_->Clear();
}

std::wstring Form::Text(int id) const {
    HWND control = Control(id);
    return control ? ReadText(control) : std::wstring();
}

bool Form::Write(int id, std::wstring_view text) {
    const ControlEntry* entry = Entry(id);
    HWND control = Control(id);
    if (!control || ReadText(control) == text) return false;
    writing_ = true;
    if (HasScrollBar(entry->type))
        WriteWithScrollBar(control, text);
    else
        WriteText(control, text);
    writing_ = false;
    return true;
}

int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

int LabelRoom(std::span<const ControlEntry> controls, const ControlEntry& label, int height,
              int dpi) {
    const int left = TwipsToPixels(label.left, dpi);
    const int top = TwipsToPixels(label.top, dpi);
    int room = std::numeric_limits<int>::max();
    for (const ControlEntry& other : controls) {
        if (&other == &label || other.parent != label.parent) continue;
        const int other_left = TwipsToPixels(other.left, dpi);
        const int other_top = TwipsToPixels(other.top, dpi);
        // Another label is as high as this one: both use the window's font.
        const int other_height = other.height ? TwipsToPixels(other.height, dpi) : height;
        const bool same_row = other_top < top + height && top < other_top + other_height;
        if (same_row && other_left > left) room = std::min(room, other_left - left);
    }
    return room;
}

} // namespace mixora::ui
