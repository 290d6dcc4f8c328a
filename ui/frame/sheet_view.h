#pragma once
// What a design window asks of the sheet it shows. The window (design_window.h) owns the
// top-level window, the menu bar, the title, the skin and the message loop, and its command
// objects the file and report commands; a sheet owns its form (its controls, made from its
// layout table) and what its controls do. The window never looks at a sheet's fields: it reads
// and writes the sheet's state through a document and asks it for its report.
#include "design_document.h"
#include "design_format.h"
#include "form.h"
#include "report_info.h"
#include "report_page.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace mixora::ui {

// The clipboard contents of 复制结果: UTF-8 text and an HTML table.
struct CopiedResult {
    std::string text;
    std::string html;
};

class SheetView {
  public:
    virtual ~SheetView() = default;

    // The kind of design it shows, which files it opens, and the program's title in its window.
    virtual document::DesignKind Kind() const = 0;
    virtual std::wstring_view ProgramTitle() const = 0;

    // Its controls: found, placed, focused and written through its form.
    virtual Form& form() = 0;
    virtual const Form& form() const = 0;
    // Creates the sheet's controls in `window`'s client area; false when one cannot be made.
    virtual bool Create(HWND window) = 0;
    // A sheet whose window may be resized and maximised, the sheet scrolling in a window smaller
    // than it: the top (in the form's units) of the strip along its foot that stays in view (its
    // status line). None: a window of the sheet's size, fixed.
    virtual std::optional<int> ScrollingStripTop() const { return std::nullopt; }
    // The control an arrow key moves to and clicks from control `id`, or 0.
    virtual int ArrowPartner(int id) const = 0;

    // A notification from one of its controls. `changed` is set when the sheet's state may
    // have changed (a field edited, an option clicked), so that the title can follow.
    virtual void OnControl(int id, UINT code, bool& changed) = 0;
    // Whether the sheet is inside a command of its own (a press showing a notice): its state
    // may be half written and must not be saved or lost until the command returns.
    virtual bool Busy() const = 0;

    // The sheet as a new design has it (新建, and once when the window loads).
    virtual void Reset() = 0;
    // 清除计算结果: every computed value goes (or is computed again where a value was typed
    // in place of it), every input stays.
    virtual void ClearResults() = 0;
    // Whether a sheet never saved holds work of the user's that closing it would lose (the
    // question before it goes). The cement-only sheet never asks without a file.
    virtual bool HasWork() const { return false; }
    // `base` with the sheet's state put in; and the sheet set to a document's state.
    virtual document::DesignDocument Put(document::DesignDocument base) const = 0;
    virtual void Take(const document::DesignDocument& document) = 0;

    // The report of the sheet as it shows now, and 复制结果's contents.
    virtual page::ReportPage Report(const report::ReportInfo& info) const = 0;
    virtual CopiedResult CopyResult() const = 0;
    // The batch ticket (配合比通知单) of a design with a trial procedure; a sheet that has one
    // says so before its window is made (its menu offers it).
    virtual bool HasBatchTicket() const { return false; }
    virtual page::ReportPage BatchTicket(const report::ReportInfo&) const { return {}; }
};

} // namespace mixora::ui
