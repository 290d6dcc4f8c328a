#pragma once
// The lab's commands of a design window: 文件 → 登记到台账, 台账…, 备份实验室数据…,
// 恢复实验室数据…, and 材料 → 原材料库…. The lab's database is opened when one of them first
// needs it. A window whose design came from the register, or was registered from it, stays tied
// to that number: registering it again changes its 草稿 in place or, once approved, makes its
// next revision; a change made elsewhere since is never written over (the user chooses).
#include "design_document.h"
#include "design_register.h"
#include "file_commands.h"
#include "frame_state.h"
#include "lab_access.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace mixora::ui {

class LabCommands {
  public:
    // `open_window` makes a new design window of a kind and gives its lab commands (nullptr, the
    // user told, when it cannot): a design opened from the register shows there.
    using WindowOpener = std::function<LabCommands*(document::DesignKind kind)>;
    LabCommands(FrameState& frame, FileCommands& files, WindowOpener open_window);

    // Runs a menu command that is this object's; false for any other.
    bool Run(int id);

    // 登记到台账: the design as the window shows it; true when it was registered.
    bool RegisterDesign();
    // Shows a registered revision in this window, tied to it.
    void ShowRegistered(const store::RegisteredDesign& registered, document::DesignDocument design);
    // The register's number this window's design is tied to, or empty.
    std::string TiedNumber() const;
    // Its number and revision, as the window's title names them ("PB-2026-0001 B"), or empty
    // (always for the cement-only sheet).
    std::string TiedLabel() const;

    LabAccess& access() { return lab_; }

  private:
    struct Tie {
        std::int64_t id = 0;
        std::string number;
        std::string revision;
        std::int64_t row_version = 0;
        std::optional<std::wstring> path;  // the window's file then
        document::DesignDocument document; // what the window held then, without a file
    };
    // The tie while the window still shows that design (the same file, or no file and the same
    // document).
    const Tie* CurrentTie() const;
    void OpenRegister();
    void Backup();
    void Restore();
    void Say(const std::wstring& text, UINT style = MB_OK | MB_ICONINFORMATION) {
        lab_.Ask(frame_.hwnd, text, style);
    }

    FrameState& frame_;
    FileCommands& files_;
    WindowOpener open_window_;
    LabAccess lab_;
    std::optional<Tie> tie_;
};

} // namespace mixora::ui
