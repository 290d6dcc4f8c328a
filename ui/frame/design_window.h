#pragma once
// A design window: the top-level window "Form" with its menu bar, around the sheet it shows
// (sheet_view.h): its message procedure, its font, layout and DPI, the skin and high contrast,
// the focus it comes back to, and the message loop. Its commands live in objects of their own
// (file_commands.h, report_commands.h, edit_commands.h, help_commands.h, lab_commands.h,
// database_commands.h, navigation.h); the window hands each menu command to them. Several windows
// may be open in one process; the process ends when the last one closes.
#include "design_window_options.h"
#include "edit_commands.h"
#include "file_commands.h"
#include "frame_state.h"
#include "handles.h"
#include "help_commands.h"
#include "database_commands.h"
#include "lab_commands.h"
#include "navigation.h"
#include "program_titles.h"
#include "report_commands.h"
#include "scroll_area.h"
#include "sheet_host.h"

#include <memory>
#include <optional>
#include <string>
#include <windows.h>

namespace mixora::ui {

// Lets go of the windows opened from another that have been closed since (the message loop
// calls it).
void ReleaseClosedWindows();

class DesignWindow final : private SheetHost {
  public:
    // Creates the window with its sheet and loads it (skin, then the sheet as a new design has
    // it); not yet shown. nullptr when the window cannot be created.
    static std::unique_ptr<DesignWindow> Create(HINSTANCE instance, DesignWindowOptions options);
    ~DesignWindow() override;
    DesignWindow(const DesignWindow&) = delete;
    DesignWindow& operator=(const DesignWindow&) = delete;

    HWND hwnd() const { return frame_.hwnd; }
    HWND Control(int id) const;
    int dpi() const { return dpi_; }
    document::DesignKind kind() const { return frame_.sheet->Kind(); }

    // Shows the window and puts the focus on the first control of the focus order.
    void Show(int show_command);
    // The program's message loop around its windows; the exit code WM_QUIT carries.
    int RunMessageLoop();
    // A new window with the same options, showing a new design of `kind`; it lives until it is
    // closed. nullptr (the user told) when it cannot be made.
    DesignWindow* OpenWindowOf(document::DesignKind kind);

    // The window's command objects.
    FileCommands& files() { return files_; }
    ReportCommands& reports() { return reports_; }
    LabCommands& labs() { return labs_; }

    // What its commands do, as a user's action runs them (file_commands.h, report_commands.h,
    // navigation.h).
    // Each brings the focused control into view.
    bool PreTranslateMessage(const MSG& message);
    void MoveFocus(bool backward);
    bool NewDesign() { return files_.New(); }
    bool OpenDesign(const std::wstring& path) { return files_.Open(path); }
    bool SaveDesign() { return files_.Save(); }
    bool SaveDesignAs() { return files_.SaveAs(); }
    // The design file the sheet is tied to, and whether the sheet differs from it.
    const std::optional<std::wstring>& design_path() const { return frame_.session.path(); }
    // The design file as this window last read or wrote it.
    const FileStamp& disk_stamp() const { return frame_.disk_stamp; }
    bool IsModified() const { return files_.IsModified(); }
    void OnCopyResult() { reports_.CopyResult(); }
    bool OnExport(ReportKind kind = ReportKind::Design) { return reports_.Export(kind); }
    bool OnReportInfo() { return reports_.EditInfo(); }
    void OnPrintPreview(ReportKind kind = ReportKind::Design) { reports_.PrintPreview(kind); }
    bool PrintFrom(HWND owner, ReportKind kind = ReportKind::Design) {
        return reports_.PrintFrom(owner, kind);
    }
    report::ReportInfo report_info() const { return reports_.info(); }
    void set_report_info(report::ReportInfo info) { reports_.set_info(std::move(info)); }
    // The cement sheet's buttons, as a click on each runs them.
    void OnCalculate();
    void OnHelp();
    void OnReset();
    void OnExit() { ExitProgram(); }

  private:
    explicit DesignWindow(DesignWindowOptions options);

    // SheetHost
    HWND Window() const override { return frame_.hwnd; }
    MessageBoxes& Boxes() const override { return *frame_.options.message_boxes; }
    bool Skinned() const override { return frame_.skinned; }
    void ExitProgram() override;
    LabAccess* Lab() override { return &labs_.access(); }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnCommand(WPARAM wparam, LPARAM lparam);
    LRESULT OnClose();
    LRESULT OnDestroy();
    LRESULT OnNcDestroy();
    LRESULT OnDpiChanged(WPARAM wparam, LPARAM lparam);
    LRESULT OnActivate(WPARAM wparam, LPARAM lparam);
    LRESULT OnDropFiles(WPARAM wparam);
    LRESULT OnInitMenuPopup(WPARAM wparam, LPARAM lparam);
    LRESULT OnSystemLookChange(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnGetMinMaxInfo(LPARAM lparam);
    void OnMenuCommand(int id);
    void ClickSheetButton(int id);

    void ApplyFont(int dpi);
    void ApplyLayout(const RECT* suggested);
    void FollowHighContrast();

    FrameState frame_;
    FileCommands files_;
    ReportCommands reports_;
    EditCommands edits_;
    HelpCommands help_;
    LabCommands labs_;
    DatabaseCommands databases_;
    KeyboardNavigation keys_;
    ScrollArea scroll_; // a sheet that scrolls (ScrollingStripTop); idle for another
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    base::unique_hfont font_;
    HWND last_focus_ = nullptr; // the control that had the focus when the window was left
    bool close_due_ = false;    // a close asked for while the sheet was busy
};

} // namespace mixora::ui
