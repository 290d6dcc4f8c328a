#include "lab_commands.h"

#include "design_file.h"
#include "design_reading.h"
#include "design_register.h"
#include "design_register_dialog.h"
#include "lab_ids.h"
#include "material_library_dialog.h"
#include "register_entry.h"
#include "utf.h"

namespace mixora::ui {

namespace {

using store::RegisteredDesign;

std::wstring Named(const RegisteredDesign& design) {
    return Widen(design.number) + L" 修订 " + Widen(design.revision) + L"（" +
           Widen(store::StateName(design.state)) + L"）";
}

} // namespace

LabCommands::LabCommands(FrameState& frame, FileCommands& files, WindowOpener open_window)
    : frame_(frame), files_(files), open_window_(std::move(open_window)),
      lab_(frame.options.settings_key, *frame.options.message_boxes) {
    files_.NameTiedBy([this] { return TiedLabel(); });
}

bool LabCommands::Run(int id) {
    switch (id) {
    case lab_ids::kRegisterDesign: RegisterDesign(); return true;
    case lab_ids::kRegister: OpenRegister(); return true;
    case lab_ids::kBackup: Backup(); return true;
    case lab_ids::kRestore: Restore(); return true;
    case lab_ids::kLibrary: ShowMaterialLibrary(frame_.hwnd, lab_, frame_.skinned); return true;
    }
    return false;
}

const LabCommands::Tie* LabCommands::CurrentTie() const {
    if (!tie_) return nullptr;
    const auto& path = frame_.session.path();
    if (tie_->path) return path == tie_->path ? &*tie_ : nullptr;
    return !path && frame_.session.stored() == tie_->document ? &*tie_ : nullptr;
}

std::string LabCommands::TiedNumber() const {
    const Tie* tie = CurrentTie();
    return tie ? tie->number : std::string();
}

std::string LabCommands::TiedLabel() const {
    // The cement-only sheet's title is its own whatever it shows.
    if (frame_.sheet->Kind() == document::DesignKind::Cement) return {};
    const Tie* tie = CurrentTie();
    return tie ? tie->number + " " + tie->revision : std::string();
}

void LabCommands::ShowRegistered(const RegisteredDesign& registered,
                                 document::DesignDocument design) {
    frame_.session.Adopted(std::move(design));
    frame_.sheet->Take(frame_.session.stored());
    tie_ = Tie{registered.id,          registered.number, registered.revision,
               registered.row_version, std::nullopt,      frame_.session.stored()};
    files_.UpdateTitle();
}

bool LabCommands::RegisterDesign() {
    store::LabDatabase* database = lab_.Writable(frame_.hwnd, L"登记到台账");
    if (!database) return false;
    const auto who = lab_.Person(frame_.hwnd, frame_.skinned);
    if (!who) return false;
    const document::DesignDocument design =
        frame_.session.ToSave(frame_.sheet->Put(frame_.session.stored()));
    const document::WriteResult written = document::WriteDesign(design);
    if (const auto* refused = std::get_if<document::DocumentError>(&written)) {
        Say(L"无法登记到台账：设计无法写成设计文件：\n" + Widen(document::ErrorMessage(*refused)),
            MB_OK | MB_ICONWARNING);
        return false;
    }
    const store::DesignEntry entry = lab::RegisterEntryOf(design, std::get<std::string>(written));
    store::DesignRegister designs(*database->connection);
    const Tie* tie = CurrentTie();
    try {
        std::optional<RegisteredDesign> latest = tie ? designs.Latest(tie->number) : std::nullopt;
        // Changed in the register since this window read it: the user chooses, nothing is
        // written over.
        if (latest && (latest->id != tie->id || latest->row_version != tie->row_version)) {
            const std::wstring question =
                L"台账中的配合比 " + Named(*latest) + L" 在本窗口读取之后已被修改（" +
                Widen(latest->changed.by) + L"，" + Widen(latest->changed.at) +
                L"）。\n\n选“是”把本窗口的设计登记为一个新编号；选“否”不登记，台账中的版本保持不变"
                L"（可在“台账…”中打开最新修订后再修改）。";
            if (lab_.Ask(frame_.hwnd, question, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
                return false;
            latest.reset();
        }
        RegisteredDesign made;
        std::wstring said;
        if (!latest) {
            made = designs.Register(entry, *who);
            said = L"已登记到台账：编号 " + Named(made) + L"。";
        } else if (store::IsEditable(latest->state)) {
            made = designs.Edit(latest->id, latest->row_version, entry, *who);
            said = L"已更新台账中的 " + Named(made) + L"。";
        } else {
            made = designs.Revise(latest->id, latest->row_version, entry, *who);
            said = L"台账中的 " + Widen(latest->number) + L" 修订 " + Widen(latest->revision) +
                   L" 已批准或停用，不能修改：本设计登记为 " + Named(made) + L"，批准后替代修订 " +
                   Widen(latest->revision) + L"。";
        }
        tie_ = Tie{made.id,          made.number,           made.revision,
                   made.row_version, frame_.session.path(), frame_.session.stored()};
        files_.UpdateTitle();
        Say(said);
        return true;
    } catch (const store::StoreError& error) {
        lab_.Failed(frame_.hwnd, error);
        return false;
    }
}

void LabCommands::OpenRegister() {
    const auto chosen = ShowDesignRegister(frame_.hwnd, lab_, frame_.skinned);
    if (!chosen) return;
    store::LabDatabase* database = lab_.Database(frame_.hwnd);
    if (!database) return;
    try {
        store::DesignRegister designs(*database->connection);
        const auto design = designs.Find(*chosen);
        if (!design) {
            lab_.Say(frame_.hwnd, "此配合比已不在台账中。");
            return;
        }
        auto read = session::ReadDesignDocument(designs.Document(design->id));
        if (const auto* problem = std::get_if<document::DocumentError>(&read)) {
            Say(L"无法打开台账中的 " + Named(*design) + L"：\n" +
                    Widen(document::ErrorMessage(*problem)),
                MB_OK | MB_ICONWARNING);
            return;
        }
        auto document = std::get<document::DesignDocument>(std::move(read));
        if (LabCommands* window = open_window_(document.kind()))
            window->ShowRegistered(*design, std::move(document));
    } catch (const store::StoreError& error) {
        lab_.Failed(frame_.hwnd, error);
    }
}

void LabCommands::Backup() {
    store::LabDatabase* database = lab_.Database(frame_.hwnd);
    if (!database) return;
    int type = 0;
    const auto path =
        frame_.Dialogs().ChooseSave(frame_.hwnd, L"实验室数据备份.sqlite", &kLabCopyType, 1, &type);
    if (!path) return;
    try {
        store::BackupLab(*database, Narrow(FullPathOf(*path)));
        Say(L"实验室数据已备份到“" + FullPathOf(*path) + L"”。");
    } catch (const store::StoreError& error) {
        lab_.Failed(frame_.hwnd, error);
    }
}

void LabCommands::Restore() {
    store::LabDatabase* database = lab_.Writable(frame_.hwnd, L"恢复实验室数据");
    if (!database) return;
    const auto chosen = frame_.Dialogs().ChooseLabCopy(frame_.hwnd);
    if (!chosen) return;
    const std::wstring path = FullPathOf(*chosen);
    if (lab_.Ask(frame_.hwnd,
                 L"用备份“" + path +
                     L"”替换实验室数据库的全部内容？\n\n备份之后登记的配合比和原材料记录将丢失。",
                 MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) != IDOK)
        return;
    try {
        store::RestoreLab(*database, Narrow(path));
        tie_.reset(); // the register's rows are the copy's now
        Say(L"实验室数据已从“" + path + L"”恢复。");
    } catch (const store::StoreError& error) {
        lab_.Failed(frame_.hwnd, error);
    }
}

} // namespace mixora::ui
