#pragma once
// A form made from its layout (form_layout.h): its controls created in the table's order inside
// a window or a dialog, found by identifier, placed for a DPI (a window) or by the dialog's font
// (a dialog), named for a screen reader where they have no label, and their texts written only
// when they change.
#include "accessible_names.h"
#include "form_layout.h"

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::ui {

class Form {
  public:
    // `layout` is a table of static storage; the form refers to it.
    explicit Form(const FormLayout& layout);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates every control inside `parent`: a window's client area, or a dialog, where each
    // control is placed at once and takes the dialog's font. False when one cannot be made.
    bool Create(HWND parent);
    // Places every control for a DPI, the controls already holding `font` (a window's form).
    void Place(HFONT font, int dpi);
    // The client area the form takes, in its units.
    SIZE Size() const { return {layout_.width, layout_.height}; }

    // The control with an identifier, or nullptr.
    HWND Control(int id) const;
    const ControlEntry* Entry(int id) const;
    // Every control, in the table's order.
    std::span<const HWND> Controls() const { return controls_; }
    std::span<const ControlEntry> Entries() const { return layout_.controls; }
    // Identifiers in keyboard focus order (Tab, Shift+Tab) in a window.
    std::span<const int> FocusOrder() const;

    // Its groups draw in the system's colours while a high-contrast theme is on.
    void FollowHighContrast(bool on);
    // Before the controls go: takes back the names given for a screen reader.
    void Release();

    std::wstring Text(int id) const;
    // Writes the text when the control shows another one; true when it wrote. While it writes,
    // Writing() is true: the control's EN_CHANGE is the form's own, not the user's.
    bool Write(int id, std::wstring_view text);
    bool Writing() const { return writing_; }

  private:
    const FormLayout& layout_;
    std::vector<HWND> controls_; // in the table's order
    std::vector<int> focus_order_;
    std::unique_ptr<AccessibleNames> names_; // only for a layout that names a control
    bool writing_ = false;
};

// Pixels for twips at a DPI (1440 twips an inch), rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

// How wide a label of the given height may be at a DPI: up to the next control on its row in
// its group, so that its caption never paints over a field; unbounded when nothing follows it.
int LabelRoom(std::span<const ControlEntry> controls, const ControlEntry& label, int height,
              int dpi);

} // namespace mixora::ui
