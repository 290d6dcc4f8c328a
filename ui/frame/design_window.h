#pragma once
// A design window: the top-level window "Form" with its menu bar and shortcuts, the file and
// report commands, the question before changes are lost, the title, drops, high contrast, DPI
// changes and the message loop, around the sheet it shows (sheet_view.h). Several may be open
// in one process; the process ends when the last one closes.
#include "design_session.h"
#include "file_dialogs.h"
#include "file_io.h"
#include "handles.h"
#include "high_contrast.h"
#include "message_boxes.h"
#include "printing.h"
#include "program_titles.h"
#include "report_info.h"
#include "sheet_host.h"
#include "sheet_kinds.h"
#include "sheet_view.h"

#include "conversions.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <windows.h>

namespace mixora::ui {

// ShellExecute's "open".
bool OpenInShell(const std::wstring& path);

// Lets go of the windows opened from another that have been closed since (the message loop
// calls it).
void ReleaseClosedWindows();

struct DesignWindowOptions {
    MessageBoxes* message_boxes = nullptr; // required; outlives the window
    // "退出": ends the program at once, without unloading the window.
    std::function<void()> exit_program = [] { ExitProcess(0); };
    bool quit_on_destroy = true; // post WM_QUIT when the last window goes
    bool install_skin = true;    // false: the system's own look (benchmarks)
    // Whether a high-contrast theme is on, asked at load and whenever a setting or the system
    // colours change; while it is, the skin stays off.
    std::function<bool()> high_contrast = HighContrastOn;
    calc::NumberFormat number_format;
    FileDialogs* file_dialogs = nullptr;             // nullptr: the system's common dialogs
    std::wstring settings_key = L"Software\\Mixora"; // under HKEY_CURRENT_USER
    Printers* printers = nullptr;                    // nullptr: the system's printers
    // Opens a document in the program the user has for it (the guide in a browser); false
    // when it cannot.
    std::function<bool(const std::wstring& path)> open_document = OpenInShell;
    // The sheet the window shows; nullptr: the cement-only sheet.
    SheetFactory make_sheet;
};

// The pages the report commands act on: the design's report, or its batch ticket
// (配合比通知单) when the sheet has one.
enum class ReportKind { Design, BatchTicket };

class DesignWindow final : private SheetHost {
  public:
    // Creates the window with its sheet and loads it (skin, then the sheet as a new design has
    // it); not yet shown. nullptr when the window cannot be created.
    static std::unique_ptr<DesignWindow> Create(HINSTANCE instance, DesignWindowOptions options);
    ~DesignWindow() override;
    DesignWindow(const DesignWindow&) = delete;
    DesignWindow& operator=(const DesignWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND Control(int id) const;
    int dpi() const { return dpi_; }

    // Shows the window and puts the focus on the first control of the focus order.
    void Show(int show_command);

    // Keyboard navigation of the message loop: Tab and Shift+Tab follow the focus order,
    // arrows move within an option group, Enter and Escape press nothing. True when the
    // message was handled and must not be dispatched.
    bool PreTranslateMessage(const MSG& message);
    // The program's message loop around its windows; the exit code WM_QUIT carries.
    int RunMessageLoop();
    void MoveFocus(bool backward);

    // The sheet's button actions, as a click on each button runs them.
    void OnCalculate();
    void OnHelp();
    void OnReset();
    void OnExit();

    // The design file commands. Each asks first (保存 / 不保存 / 取消) when the sheet differs from
    // the file it is tied to; OpenDesign reports a file it cannot open in a message box and
    // leaves the sheet as it was; SaveDesign asks (覆盖 / 另存为 / 取消) before it replaces a file
    // another program has changed. A relative path is taken against the current folder and
    // kept absolute. True when the command was carried out.
    bool NewDesign();
    // A file of another kind than the sheet's opens in a new window of its kind, this one
    // staying as it was.
    bool OpenDesign(const std::wstring& path);
    // A new window with the same options, showing a new design of `kind`; it lives until it is
    // closed. nullptr (the user told) when it cannot be made.
    DesignWindow* OpenWindowOf(document::DesignKind kind);
    document::DesignKind kind() const { return sheet_->Kind(); }
    bool SaveDesign();
    bool SaveDesignAs();
    // The design file the sheet is tied to, and whether the sheet differs from it.
    const std::optional<std::wstring>& design_path() const { return session_.path(); }
    bool IsModified() const;

    // The report commands (report_commands.cpp). 复制结果 puts the sheet on the clipboard as text
    // and as an HTML table; 导出 writes the report as CSV or HTML and offers to open it; 报告信息
    // edits the report's header (true when the user chose 确定); 打印预览 shows the pages as they
    // will print; 打印 prints them (true when they were sent), from `owner`'s point of view.
    void OnCopyResult();
    bool OnExport(ReportKind kind = ReportKind::Design);
    bool OnReportInfo();
    void OnPrintPreview(ReportKind kind = ReportKind::Design);
    bool PrintFrom(HWND owner, ReportKind kind = ReportKind::Design);
    // The report's header: as given in 报告信息 or read from the design file, otherwise the
    // defaults with today's date. Setting it makes the sheet differ from its file.
    report::ReportInfo report_info() const;
    void set_report_info(report::ReportInfo info);

  private:
    explicit DesignWindow(DesignWindowOptions options);

    // Posted so that a burst of changes (a press writes many fields) updates the title once.
    static constexpr UINT kTitleDueMessage = WM_APP + 1;

    // SheetHost
    HWND Window() const override { return hwnd_; }
    MessageBoxes& Boxes() const override { return *options_.message_boxes; }
    void ExitProgram() override;

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
    LRESULT OnTitleDue();
    void OnMenuCommand(int id);
    void OnEditCommand(UINT message, WPARAM wparam, LPARAM lparam);
    void OnAbout();
    void OnGuide();
    void OnOpenCommand();
    void OnOpenRecent(int index);
    // A file named by the user (a recent design, a drop): the question first when it would
    // replace this sheet's design, none when it opens in a window of its own.
    void OpenAsked(const std::wstring& path);
    // The file read and shown in this window, which shows its kind.
    bool Adopt(const std::wstring& path, document::DesignDocument document, FileStamp stamp);

    // False when the user chose 取消 or the save failed: the command that asked must stop.
    bool ConfirmDiscard();
    bool SaveTo(const std::wstring& path);
    void Remember(const std::wstring& path);
    void ScheduleTitle();
    void UpdateTitle();
    FileDialogs& Dialogs();
    Printers& PrinterAccess();
    report::ReportPage PageOf(ReportKind kind) const;

    void ApplyFont(int dpi);
    void ApplyLayout(const RECT* suggested);
    void Load();
    void FollowHighContrast();

    DesignWindowOptions options_;
    HWND hwnd_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    base::unique_hfont font_;
    std::unique_ptr<SheetView> sheet_;
    HWND last_focus_ = nullptr; // the control that had the focus when the window was left
    session::DesignSession session_;
    FileStamp disk_stamp_; // the file as last read or written here
    bool title_due_ = false;
    bool close_due_ = false; // a close asked for while the sheet was busy
    base::unique_haccel accelerators_;
    SystemFileDialogs system_dialogs_;
    SystemPrinters system_printers_;
    bool skinned_ = false;
};

} // namespace mixora::ui
