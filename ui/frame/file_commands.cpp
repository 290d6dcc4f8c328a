#include "file_commands.h"

#include "design_file.h"
#include "design_file_messages.h"
#include "design_file_read.h"
#include "design_format.h"
#include "device_names.h"
#include "file_io.h"
#include "open_windows.h"
#include "menu_bar.h"
#include "recent_list.h"
#include "menu_ids.h"
#include "recent_store.h"
#include "control_text.h"
#include "utf.h"

#include <shellapi.h>

namespace mixora::ui {

FileCommands::FileCommands(FrameState& frame, WindowOpener open_window)
    : frame_(frame), open_window_(std::move(open_window)) {}

bool FileCommands::Run(int id) {
    using namespace menu_ids;
    if (IsRecent(id)) {
        OnOpenRecent(id - kRecentFirst);
        return true;
    }
    switch (id) {
    case kNew: New(); return true;
    case kNewJgj55: open_window_(document::DesignKind::Jgj55); return true;
    case kNewCement: open_window_(document::DesignKind::Cement); return true;
    case kOpen: OnOpenCommand(); return true;
    case kSave: Save(); return true;
    case kSaveAs: SaveAs(); return true;
    }
    return false;
}

bool FileCommands::IsModified() const {
    return frame_.session.IsModified(frame_.sheet->Put(frame_.session.stored()));
}

void FileCommands::ScheduleTitle() {
    if (!frame_.session.path() || title_due_ || !frame_.hwnd) return;
    title_due_ = PostMessageW(frame_.hwnd, kTitleDueMessage, 0, 0) != FALSE;
}

void FileCommands::OnTitleDue() {
    title_due_ = false;
    UpdateTitle();
}

void FileCommands::UpdateTitle() {
    if (!frame_.hwnd) return;
    std::wstring program(frame_.sheet->ProgramTitle());
    if (const std::string tied = tied_ ? tied_() : std::string(); !tied.empty())
        program += L" " + Widen(tied);
    const std::wstring title = frame_.session.Title(program, IsModified());
    if (title != ReadText(frame_.hwnd)) WriteText(frame_.hwnd, title);
}

bool FileCommands::ConfirmDiscard() {
    if (!frame_.hwnd) return true; // a window that has gone has nothing left to lose
    std::wstring question;
    if (frame_.session.path()) {
        if (!IsModified()) return true;
        question = L"设计“" + FileNameOf(*frame_.session.path()) + L"”已修改。\n\n是否保存更改？";
    } else {
        if (!frame_.sheet->HasWork()) return true;
        question = L"新的设计尚未保存，其中录入的内容将会丢失。\n\n是否保存？";
    }
    switch (frame_.Say(question, kSavePromptStyle)) {
    case IDYES: return Save();
    case IDNO: return true;
    default: return false;
    }
}

bool FileCommands::New() {
    if (!ConfirmDiscard()) return false;
    frame_.sheet->Reset();
    frame_.session.Clear();
    UpdateTitle();
    return true;
}

// The question comes before the dialog, as the sheet may be replaced; a file of another kind
// then opens in a window of its own all the same.
void FileCommands::OnOpenCommand() {
    if (!ConfirmDiscard()) return;
    if (const auto path = frame_.Dialogs().ChooseOpen(frame_.hwnd)) Open(*path);
}

bool FileCommands::Open(const std::wstring& given) {
    if (const auto device = session::DeviceNameProblem(given)) {
        frame_.Say(L"无法打开设计文件：" + *device, MB_OK | MB_ICONWARNING);
        return false;
    }
    // Absolute, so that the path kept (and listed in the recent designs) names this file
    // whatever the current folder is later.
    const std::wstring path = FullPathOf(given);
    FileStamp stamp;
    auto read = ReadDesignFile(path, &stamp);
    if (const auto* problem = std::get_if<std::wstring>(&read)) {
        frame_.Say(L"无法打开设计文件“" + path + L"”：\n" + *problem, MB_OK | MB_ICONWARNING);
        return false;
    }
    auto& document = std::get<document::DesignDocument>(read);
    if (document.kind() == frame_.sheet->Kind()) return Adopt(path, std::move(document), stamp);
    FileCommands* other = open_window_(document.kind());
    return other && other->Adopt(path, std::move(document), stamp);
}

void FileCommands::OpenAsked(const std::wstring& path) {
    // Read once to learn the kind; the window that shows it reads it again after the question,
    // since saving this design may have written that very file.
    const auto read = ReadDesignFile(FullPathOf(path), nullptr);
    const auto* document = std::get_if<document::DesignDocument>(&read);
    if (document && document->kind() != frame_.sheet->Kind()) {
        Open(path);
        return;
    }
    if (ConfirmDiscard()) Open(path);
}

bool FileCommands::Adopt(const std::wstring& path, document::DesignDocument document,
                         FileStamp stamp) {
    frame_.session.Opened(path, std::move(document));
    frame_.sheet->Take(frame_.session.stored());
    // The design opens all the same; the stored header stays in the file until 报告信息 replaces
    // it.
    if (const std::string problem = frame_.session.StoredReportInfoProblem(); !problem.empty())
        frame_.Say(L"设计文件“" + path + L"”中的报告信息无法读取：\n" + Widen(problem) +
                       L"。\n\n报告将使用默认的报告信息。",
                   MB_OK | MB_ICONWARNING);
    frame_.disk_stamp = stamp;
    Remember(path);
    UpdateTitle();
    return true;
}

bool FileCommands::Save() {
    const std::optional<std::wstring>& path = frame_.session.path();
    if (!path) return SaveAs();
    // Another program wrote the file since this window read or saved it.
    if (const auto now = StampOf(*path); now && *now != frame_.disk_stamp) {
        const bool ours = WrittenByAnotherWindow(frame_.hwnd, *path, *now);
        switch (frame_.Say(ChangedOnDiskQuestion(*path, ours), kChangedOnDiskStyle)) {
        case IDYES: break;
        case IDNO: return SaveAs();
        default: return false;
        }
    }
    return SaveTo(*path);
}

bool FileCommands::SaveAs() {
    int type = 0;
    const std::wstring suggested =
        frame_.session.path() ? *frame_.session.path() : L"设计." + std::wstring(kDesignExtension);
    const auto path =
        frame_.Dialogs().ChooseSave(frame_.hwnd, suggested, &kDesignFileType, 1, &type);
    return path && SaveTo(*path);
}

bool FileCommands::SaveTo(const std::wstring& given) {
    if (const auto device = session::DeviceNameProblem(given)) {
        frame_.Say(L"无法保存设计文件：" + *device, MB_OK | MB_ICONWARNING);
        return false;
    }
    const std::wstring path = FullPathOf(given);
    document::DesignDocument saved =
        frame_.session.ToSave(frame_.sheet->Put(frame_.session.stored()));
    const document::WriteResult written = document::WriteDesign(saved);
    if (const auto* refused = std::get_if<document::DocumentError>(&written)) {
        frame_.Say(L"无法保存设计文件“" + path + L"”：\n" + Widen(document::ErrorMessage(*refused)),
                   MB_OK | MB_ICONWARNING);
        return false;
    }
    FileStamp stamp;
    if (const auto error = WriteFileReplacing(path, std::get<std::string>(written), &stamp)) {
        frame_.Say(SaveFailureMessage(*error), MB_OK | MB_ICONWARNING);
        return false;
    }
    frame_.session.Saved(path, std::move(saved));
    frame_.disk_stamp = stamp;
    Remember(path);
    UpdateTitle();
    return true;
}

// Most recent first, at most eight, the same file once.
void FileCommands::Remember(const std::wstring& path) {
    std::vector<std::string> stored;
    for (const std::wstring& p : LoadRecentDesigns(frame_.options.settings_key))
        stored.push_back(Narrow(p));
    document::RecentList recent(stored);
    recent.add(Narrow(path));
    std::vector<std::wstring> paths;
    for (const std::string& p : recent.entries())
        paths.push_back(Widen(p));
    SaveRecentDesigns(frame_.options.settings_key, paths);
}

void FileCommands::OnOpenRecent(int index) {
    std::vector<std::wstring> paths = LoadRecentDesigns(frame_.options.settings_key);
    if (index < 0 || static_cast<size_t>(index) >= paths.size()) return;
    const std::wstring path = paths[static_cast<size_t>(index)];
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
            paths.erase(paths.begin() + index);
            SaveRecentDesigns(frame_.options.settings_key, paths);
            frame_.Say(L"找不到设计文件“" + path + L"”，已将它从最近的设计中删除。",
                       MB_OK | MB_ICONWARNING);
            return;
        }
    }
    OpenAsked(path);
}

void FileCommands::OnDrop(HDROP drop) {
    std::wstring path;
    if (const UINT length = DragQueryFileW(drop, 0, nullptr, 0); length > 0) {
        path.resize(length + 1);
        path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
    }
    DragFinish(drop);
    if (!path.empty()) OpenAsked(path);
}

// The recent designs are read when the 文件 menu opens: nothing is read at start.
void FileCommands::ShowRecent(HMENU menu_bar) {
    ShowRecentDesigns(menu_bar, LoadRecentDesigns(frame_.options.settings_key));
}

} // namespace mixora::ui
