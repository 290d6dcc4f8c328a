#pragma once
// The design as a document: 新建, 打开, 保存, 另存为, the recent designs, a dropped file, the
// question before the sheet's differences from its file are lost, and the title that names the
// file.
#include "design_document.h"
#include "design_format.h"
#include "file_io.h"
#include "frame_state.h"

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

namespace mixora::ui {

class FileCommands {
  public:
    // Posted so that a burst of changes (a press writes many fields) updates the title once; the
    // window hands it to UpdateTitle.
    static constexpr UINT kTitleDueMessage = WM_APP + 1;

    // `open_window` makes a new design window of a kind and gives its file commands (nullptr,
    // the user told, when it cannot): a file of another kind opens there.
    using WindowOpener = std::function<FileCommands*(document::DesignKind kind)>;
    FileCommands(FrameState& frame, WindowOpener open_window);

    // Runs a menu command of 文件 that is this object's; false for any other.
    bool Run(int id);

    // Each asks first (保存 / 不保存 / 取消) when the sheet differs from the file it is tied to;
    // Open reports a file it cannot open in a message box and leaves the sheet as it was; Save
    // asks (覆盖 / 另存为 / 取消) before it replaces a file another program has changed. A
    // relative path is taken against the current folder and kept absolute. True when the
    // command was carried out.
    bool New();
    // A file of another kind than the sheet's opens in a new window of its kind, this one
    // staying as it was.
    bool Open(const std::wstring& path);
    bool Save();
    bool SaveAs();
    // The file read and shown in this window, which shows its kind.
    bool Adopt(const std::wstring& path, document::DesignDocument document, FileStamp stamp);

    // False when the user chose 取消 or the save failed: the command that asked must stop.
    bool ConfirmDiscard();
    // The sheet, and the report's header when it was given, against the file.
    bool IsModified() const;

    // A file dropped on the window, and the recent designs listed when 文件 opens.
    void OnDrop(HDROP drop);
    void ShowRecent(HMENU menu_bar);

    // The title names the file, with an asterisk while the sheet differs from it: now, or once
    // the posted kTitleDueMessage comes (OnTitleDue).
    void UpdateTitle();
    void ScheduleTitle();
    void OnTitleDue();
    // What the title names after the program's title while the design is tied to the lab's
    // register ("PB-2026-0001 B"); empty while it is tied to none, and the title is as ever.
    void NameTiedBy(std::function<std::string()> tied) { tied_ = std::move(tied); }

  private:
    void OnOpenCommand();
    void OnOpenRecent(int index);
    // A file named by the user (a recent design, a drop): the question first when it would
    // replace this sheet's design, none when it opens in a window of its own.
    void OpenAsked(const std::wstring& path);
    bool SaveTo(const std::wstring& path);
    void Remember(const std::wstring& path);

    FrameState& frame_;
    WindowOpener open_window_;
    bool title_due_ = false;
    std::function<std::string()> tied_;
};

} // namespace mixora::ui
