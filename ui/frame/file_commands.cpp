// The design as a document: 新建, 打开, 保存, 另存为, the recent designs, a dropped file, and the
// question before the sheet's differences from its file are lost.
#include "design_window.h"

#include "design_file.h"
#include "design_file_messages.h"
#include "design_file_read.h"
#include "design_format.h"
#include "file_io.h"
#include "recent_list.h"
#include "menu_bar.h"
#include "menu_ids.h"
#include "press.h"
#include "recent_store.h"
#include "report_document.h"
#include "utf.h"

#include <shellapi.h>

namespace mixora::ui {

FileDialogs& DesignWindow::Dialogs() {
    return options_.file_dialogs ? *options_.file_dialogs : system_dialogs_;
}

// The sheet, and the report's header when it was given, against the file.
bool DesignWindow::IsModified() const {
    return session_.IsModified(sheet_->Put(session_.stored()));
}

void DesignWindow::ScheduleTitle() {
    if (!session_.path() || title_due_ || !hwnd_) return;
    title_due_ = PostMessageW(hwnd_, kTitleDueMessage, 0, 0) != FALSE;
}

LRESULT DesignWindow::OnTitleDue() {
    title_due_ = false;
    UpdateTitle();
    return 0;
}

void DesignWindow::UpdateTitle() {
    if (!hwnd_) return;
    const std::wstring title = session_.Title(sheet_->ProgramTitle(), IsModified());
    wchar_t current[1024]{};
    GetWindowTextW(hwnd_, current, 1024);
    if (title != current) SetWindowTextW(hwnd_, title.c_str());
}

bool DesignWindow::ConfirmDiscard() {
    if (!IsModified()) return true;
    const std::wstring question =
        L"设计“" + FileNameOf(*session_.path()) + L"”已修改。\n\n是否保存更改？";
    switch (options_.message_boxes->Show(hwnd_, question, kProgramTitle, kSavePromptStyle)) {
    case IDYES: return SaveDesign();
    case IDNO: return true;
    default: return false;
    }
}

bool DesignWindow::NewDesign() {
    if (!ConfirmDiscard()) return false;
    sheet_->Reset();
    session_.Clear();
    UpdateTitle();
    return true;
}

// The question comes before the dialog, as the sheet may be replaced; a file of another kind
// then opens in a window of its own all the same.
void DesignWindow::OnOpenCommand() {
    if (!ConfirmDiscard()) return;
    if (const auto path = Dialogs().ChooseOpen(hwnd_)) OpenDesign(*path);
}

bool DesignWindow::OpenDesign(const std::wstring& given) {
    // Absolute, so that the path kept (and listed in the recent designs) names this file
    // whatever the current folder is later.
    const std::wstring path = FullPathOf(given);
    FileStamp stamp;
    auto read = ReadDesignFile(path, &stamp);
    if (const auto* problem = std::get_if<std::wstring>(&read)) {
        options_.message_boxes->Show(hwnd_, L"无法打开设计文件“" + path + L"”：\n" + *problem,
                                     kProgramTitle, MB_OK | MB_ICONWARNING);
        return false;
    }
    auto& document = std::get<document::DesignDocument>(read);
    if (document.kind() == kind()) return Adopt(path, std::move(document), stamp);
    DesignWindow* other = OpenWindowOf(document.kind());
    return other && other->Adopt(path, std::move(document), stamp);
}

void DesignWindow::OpenAsked(const std::wstring& path) {
    // Read once to learn the kind; the window that shows it reads it again after the question,
    // since saving this design may have written that very file.
    const auto read = ReadDesignFile(FullPathOf(path), nullptr);
    const auto* document = std::get_if<document::DesignDocument>(&read);
    if (document && document->kind() != kind()) {
        OpenDesign(path);
        return;
    }
    if (ConfirmDiscard()) OpenDesign(path);
}

bool DesignWindow::Adopt(const std::wstring& path, document::DesignDocument document,
                         FileStamp stamp) {
    session_.Opened(path, std::move(document));
    sheet_->Take(session_.stored());
    // The design opens all the same; the stored header stays in the file until 报告信息 replaces
    // it.
    if (const std::string problem = session_.StoredReportInfoProblem(); !problem.empty())
        options_.message_boxes->Show(hwnd_,
                                     L"设计文件“" + path + L"”中的报告信息无法读取：\n" +
                                         Widen(problem) + L"。\n\n报告将使用默认的报告信息。",
                                     kProgramTitle, MB_OK | MB_ICONWARNING);
    disk_stamp_ = stamp;
    Remember(path);
    UpdateTitle();
    return true;
}

bool DesignWindow::SaveDesign() {
    const std::optional<std::wstring>& path = session_.path();
    if (!path) return SaveDesignAs();
    // Another program wrote the file since this window read or saved it.
    if (const auto now = StampOf(*path); now && *now != disk_stamp_) {
        switch (options_.message_boxes->Show(hwnd_, ChangedOnDiskQuestion(*path), kProgramTitle,
                                             kChangedOnDiskStyle)) {
        case IDYES: break;
        case IDNO: return SaveDesignAs();
        default: return false;
        }
    }
    return SaveTo(*path);
}

bool DesignWindow::SaveDesignAs() {
    int type = 0;
    const std::wstring suggested =
        session_.path() ? *session_.path() : L"设计." + std::wstring(kDesignExtension);
    const auto path = Dialogs().ChooseSave(hwnd_, suggested, &kDesignFileType, 1, &type);
    return path && SaveTo(*path);
}

bool DesignWindow::SaveTo(const std::wstring& given) {
    const std::wstring path = FullPathOf(given);
    document::DesignDocument saved = session_.ToSave(sheet_->Put(session_.stored()));
    const document::WriteResult written = document::WriteDesign(saved);
    if (const auto* refused = std::get_if<document::DocumentError>(&written)) {
        options_.message_boxes->Show(
            hwnd_, L"无法保存设计文件“" + path + L"”：\n" + Widen(document::ErrorMessage(*refused)),
            kProgramTitle, MB_OK | MB_ICONWARNING);
        return false;
    }
    FileStamp stamp;
    if (const auto error = WriteFileReplacing(path, std::get<std::string>(written), &stamp)) {
        options_.message_boxes->Show(hwnd_, SaveFailureMessage(*error), kProgramTitle,
                                     MB_OK | MB_ICONWARNING);
        return false;
    }
    session_.Saved(path, std::move(saved));
    disk_stamp_ = stamp;
    Remember(path);
    UpdateTitle();
    return true;
}

// Most recent first, at most eight, the same file once.
void DesignWindow::Remember(const std::wstring& path) {
    std::vector<std::string> stored;
    for (const std::wstring& p : LoadRecentDesigns(options_.settings_key))
        stored.push_back(Narrow(p));
    document::RecentList recent(stored);
    recent.add(Narrow(path));
    std::vector<std::wstring> paths;
    for (const std::string& p : recent.entries())
        paths.push_back(Widen(p));
    SaveRecentDesigns(options_.settings_key, paths);
}

void DesignWindow::OnOpenRecent(int index) {
    std::vector<std::wstring> paths = LoadRecentDesigns(options_.settings_key);
    if (index < 0 || static_cast<size_t>(index) >= paths.size()) return;
    const std::wstring path = paths[static_cast<size_t>(index)];
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
            paths.erase(paths.begin() + index);
            SaveRecentDesigns(options_.settings_key, paths);
            options_.message_boxes->Show(
                hwnd_, L"找不到设计文件“" + path + L"”，已将它从最近的设计中删除。", kProgramTitle,
                MB_OK | MB_ICONWARNING);
            return;
        }
    }
    OpenAsked(path);
}

LRESULT DesignWindow::OnDropFiles(WPARAM wparam) {
    HDROP drop = reinterpret_cast<HDROP>(wparam);
    std::wstring path;
    if (const UINT length = DragQueryFileW(drop, 0, nullptr, 0); length > 0) {
        path.resize(length + 1);
        path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
    }
    DragFinish(drop);
    if (!path.empty()) OpenAsked(path);
    return 0;
}

// The recent designs are read when the 文件 menu opens: nothing is read at start.
LRESULT DesignWindow::OnInitMenuPopup(WPARAM wparam, LPARAM lparam) {
    HMENU bar = GetMenu(hwnd_);
    if (bar && reinterpret_cast<HMENU>(wparam) == GetSubMenu(bar, 0) && !HIWORD(lparam))
        ShowRecentDesigns(bar, LoadRecentDesigns(options_.settings_key));
    return 0;
}

} // namespace mixora::ui
