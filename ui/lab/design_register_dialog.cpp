#include "design_register_dialog.h"

#include "control_text.h"
#include "design_diff.h"
#include "design_reading.h"
#include "design_register.h"
#include "form.h"
#include "lab_ids.h"
#include "list_rows.h"
#include "material_text.h"
#include "form_dialog.h"
#include "modal_dialog.h"
#include "utf.h"

namespace mixora::ui {

namespace {

using T = ControlType;
using namespace lab_ids;
using store::DesignStep;
using store::RegisteredDesign;

constexpr int kListLeft = 8, kListTop = 58;
constexpr int kStops[] = {64, 88, 124, 164, 440};
#define MIXORA_HEADING(text, at)                                                                   \
    { T::Label, kNoId, text, 0, kListLeft + 3 + (at), 46, 50, 10 }

// clang-format off
constexpr ControlEntry kControls[] = {
    {T::Label,   kNoId,                L"强度等级：", 0, 8, 10, 40, 10},
    {T::Text,    kRegisterGrade,       L"",           0, 50, 8, 40, 13},
    {T::Label,   kNoId,                L"状态：",     0, 98, 10, 24, 10},
    {T::Choice,  kRegisterState,       L"",           0, 124, 8, 56, 90},
    {T::Label,   kNoId,                L"登记日期：", 0, 188, 10, 40, 10},
    {T::Text,    kRegisterFrom,        L"",           0, 230, 8, 52, 13},
    {T::Label,   kNoId,                L"至",         0, 285, 10, 10, 10},
    {T::Text,    kRegisterTo,          L"",           0, 296, 8, 52, 13},
    {T::Label,   kNoId,                L"原材料：",   0, 8, 28, 40, 10},
    {T::Text,    kRegisterMaterial,    L"",           0, 50, 26, 40, 13},
    {T::Label,   kNoId,                L"特殊要求：", 0, 98, 28, 40, 10},
    {T::Text,    kRegisterRequirement, L"",           0, 140, 26, 60, 13},
    {T::Label,   kNoId,                L"编号或工程：", 0, 208, 28, 50, 10},
    {T::Text,    kRegisterSearch,      L"",           0, 260, 26, 120, 13},
    {T::Command, kRegisterFind,        L"查询",       0, 388, 25, 40, 15},
    MIXORA_HEADING(L"编号", 0), MIXORA_HEADING(L"修订", 64), MIXORA_HEADING(L"状态", 88),
    MIXORA_HEADING(L"强度等级", 124), MIXORA_HEADING(L"工程名称", 164),
    MIXORA_HEADING(L"登记日期", 440),
    {T::List,    kRegisterList,        L"",           0, kListLeft, kListTop, 520, 140, nullptr, false, L"配合比"},
    {T::Line,    kRegisterCount,       L"",           0, 8, 202, 300, 10},
    {T::Lines,   kRegisterDetails,     L"",           0, 8, 214, 520, 80, nullptr, false, L"修订与记录"},
    {T::Command, kRegisterOpen,        L"打开",       0, 8, 300, 50, 15},
    {T::Command, kRegisterReview,      L"审核",       0, 62, 300, 50, 15},
    {T::Command, kRegisterApprove,     L"批准",       0, 116, 300, 50, 15},
    {T::Command, kRegisterWithdraw,    L"停用",       0, 170, 300, 50, 15},
    {T::Command, kRegisterDiff,        L"与上一修订对比", 0, 224, 300, 70, 15},
    {T::Command, IDCANCEL,             L"关闭",       0, 474, 300, 54, 15},
};
// clang-format on
#undef MIXORA_HEADING

constexpr int kWidth = 536, kHeight = 322;
constexpr FormLayout kForm = DialogForm(kControls, kWidth, kHeight);
constexpr DialogLayout kDialog = FixedDialog(kRegisterTitle, kForm);

constexpr LPARAM kAll = -1;

std::string Row(const RegisteredDesign& design) {
    return design.number + "\t" + design.revision + "\t" +
           std::string(store::StateName(design.state)) + "\t" + design.grade + "\t" +
           design.project + "\t" + design.registered.at.substr(0, 10);
}

// "A · 已批准 · 登记 张三 2026-03-05T… · 审核 …": a revision and who took each step.
std::string RevisionLine(const RegisteredDesign& design) {
    std::string line = design.revision + " · " + std::string(store::StateName(design.state)) +
                       " · 登记 " + design.registered.by + " " + design.registered.at;
    const auto step = [&line](std::string_view name, const std::optional<store::Stamp>& stamp) {
        if (stamp) line += " · " + std::string(name) + " " + stamp->by + " " + stamp->at;
    };
    step("审核", design.reviewed);
    step("批准", design.approved);
    step("停用", design.withdrawn);
    return line;
}

class RegisterDialog final : public ModalDialog {
  public:
    RegisterDialog(LabAccess& lab, store::LabDatabase& database, bool skinned)
        : ModalDialog("配合比台账", skinned), lab_(lab), skinned_(skinned),
          designs_(*database.connection) {}
    std::optional<std::int64_t> Show(HWND owner) {
        Run(owner, kDialog);
        return to_open_;
    }

  private:
    HWND OnInit() override;
    bool OnCommand(int id, UINT code, HWND control) override;
    void Refresh();
    void ShowDetails(const std::vector<std::string>& more = {});
    std::optional<RegisteredDesign> Selected(bool say);
    void OnStep(DesignStep step);
    void OnDiff();
    void OnOpen();
    void Failed(const store::StoreError& error) { lab_.Failed(dialog(), error, Line()); }
    // The status line under the list, where a lost server's later refusals are said.
    HWND Line() const { return form_.Control(kRegisterCount); }

    LabAccess& lab_;
    bool skinned_;
    store::DesignRegister designs_;
    Form form_{kForm};
    std::optional<std::int64_t> to_open_;
    LPARAM shown_ = 0; // the design whose revisions show
};

HWND RegisterDialog::OnInit() {
    if (!form_.Create(dialog())) {
        Close(IDABORT);
        return nullptr;
    }
    HWND states = form_.Control(kRegisterState);
    AddChoice(states, L"全部", kAll);
    for (const store::DesignStateInfo& state : store::AllDesignStates())
        AddChoice(states, Widen(state.name), static_cast<LPARAM>(state.state));
    SelectValue(states, kAll);
    SetListColumns(form_.Control(kRegisterList), kStops);
    Refresh();
    return form_.Control(kRegisterList);
}

void RegisterDialog::Refresh() {
    store::RegisterFilter filter;
    filter.grade = Narrow(form_.Text(kRegisterGrade));
    if (const LPARAM state = SelectedValue(form_.Control(kRegisterState), kAll); state != kAll)
        filter.state = static_cast<store::DesignState>(state);
    filter.registered_from = Narrow(form_.Text(kRegisterFrom));
    filter.registered_to = Narrow(form_.Text(kRegisterTo));
    for (const auto* date : {&filter.registered_from, &filter.registered_to})
        if (!date->empty() && !store::IsDate(*date)) {
            lab_.Say(dialog(), "登记日期“" + *date + "”应写作 YYYY-MM-DD，例如 2026-03-05。");
            return;
        }
    if (const std::string code = Narrow(form_.Text(kRegisterMaterial)); !code.empty()) {
        filter.material_record = lab::RecordNumberOfCode(code);
        if (!filter.material_record) {
            lab_.Say(dialog(), "原材料“" + code + "”不是记录的编号：应写作 C-0001 这样的编号。");
            return;
        }
    }
    filter.requirement = Narrow(form_.Text(kRegisterRequirement));
    filter.search = Narrow(form_.Text(kRegisterSearch));
    if (lab_.RefusedWhileLost(dialog(), Line())) return;
    try {
        std::vector<ListRow> rows;
        for (const RegisteredDesign& design : designs_.List(filter))
            rows.push_back({Widen(Row(design)), static_cast<LPARAM>(design.id)});
        HWND list = form_.Control(kRegisterList);
        ShowListRows(list, rows, SelectedRowValue(list, 0));
        form_.Write(kRegisterCount, L"共 " + std::to_wstring(rows.size()) + L" 个配合比");
    } catch (const store::StoreError& error) {
        Failed(error);
    }
    ShowDetails();
}

std::optional<RegisteredDesign> RegisterDialog::Selected(bool say) {
    const LPARAM id = SelectedRowValue(form_.Control(kRegisterList), 0);
    if (id == 0) {
        if (say) lab_.Say(dialog(), "请先在列表中选择一个配合比。");
        return std::nullopt;
    }
    if (lab_.RefusedWhileLost(dialog(), Line())) return std::nullopt;
    try {
        auto found = designs_.Find(id);
        if (!found && say) lab_.Say(dialog(), "此配合比已不在台账中。");
        return found;
    } catch (const store::StoreError& error) {
        Failed(error);
        return std::nullopt;
    }
}

void RegisterDialog::ShowDetails(const std::vector<std::string>& more) {
    // While the server is lost the details shown stay; another row's are not read.
    const LPARAM selected = SelectedRowValue(form_.Control(kRegisterList), 0);
    if (lab_.Lost()) {
        if (selected != shown_) lab_.RefusedWhileLost(dialog(), form_.Control(kRegisterDetails));
        return;
    }
    const auto design = Selected(false);
    if (!design) {
        if (!lab_.Lost()) form_.Write(kRegisterDetails, L"");
        return;
    }
    shown_ = selected;
    std::wstring text = Widen(design->number + " 的修订：") + L"\r\n";
    try {
        for (const RegisteredDesign& revision : designs_.Revisions(design->number))
            text += Widen("  " + RevisionLine(revision)) + L"\r\n";
    } catch (const store::StoreError& error) {
        Failed(error);
        text += L"无法读取修订\r\n";
    }
    for (const std::string& line : more)
        text += Widen(line) + L"\r\n";
    form_.Write(kRegisterDetails, text);
}

void RegisterDialog::OnStep(DesignStep step) {
    const store::DesignStepInfo& info = store::InfoOf(step);
    const std::wstring what = Widen(info.name) + L"配合比";
    if (!lab_.Writable(dialog(), what.c_str(), Line())) return;
    const auto design = Selected(true);
    if (!design) return;
    if (step == DesignStep::Withdraw &&
        lab_.Ask(dialog(),
                 L"停用配合比 " + Widen(design->number) + L" 修订 " + Widen(design->revision) +
                     L"？\n\n停用后不再用于生产，记录保留。",
                 MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    const auto who = lab_.Person(dialog(), skinned_);
    if (!who) return;
    std::vector<std::string> said;
    try {
        const RegisteredDesign taken = designs_.Take(step, design->id, design->row_version, *who);
        said.push_back(std::string(info.name) + "完成：" + taken.number + " 修订 " +
                       taken.revision + " 现为" + std::string(store::StateName(taken.state)) +
                       "（" + *who + "）");
    } catch (const store::StoreError& error) {
        Failed(error);
    }
    Refresh();
    ShowDetails(said);
}

void RegisterDialog::OnDiff() {
    const auto design = Selected(true);
    if (!design) return;
    try {
        const auto revisions = designs_.Revisions(design->number);
        if (revisions.size() < 2) {
            ShowDetails(
                {design->number + " 只有修订 " + design->revision + "，没有可对比的修订。"});
            return;
        }
        const RegisteredDesign& before = revisions[revisions.size() - 2];
        const RegisteredDesign& after = revisions.back();
        const auto read = [this](const RegisteredDesign& revision) {
            auto result = session::ReadDesignDocument(designs_.Document(revision.id));
            if (auto* document = std::get_if<document::DesignDocument>(&result))
                return std::optional(std::move(*document));
            return std::optional<document::DesignDocument>();
        };
        const auto old_document = read(before), new_document = read(after);
        if (!old_document || !new_document) {
            lab_.Say(dialog(), "无法读取台账中 " + design->number + " 的设计文件，不能对比。");
            return;
        }
        std::vector<std::string> lines{"修订 " + before.revision + " → " + after.revision +
                                       " 的差异："};
        for (const lab::DesignDifference& d : lab::DiffDesigns(*old_document, *new_document))
            lines.push_back("  " + d.section + " · " + d.item + "：" + d.before + " → " + d.after);
        if (lines.size() == 1) lines.push_back("  两个修订的输入和结果相同");
        ShowDetails(lines);
    } catch (const store::StoreError& error) {
        Failed(error);
    }
}

void RegisterDialog::OnOpen() {
    const auto design = Selected(true);
    if (!design) return;
    to_open_ = design->id;
    Close(IDOK);
}

bool RegisterDialog::OnCommand(int id, UINT code, HWND) {
    if (id == kRegisterState && code == CBN_SELCHANGE) {
        Refresh();
        return true;
    }
    if (id == kRegisterList) {
        if (code == LBN_SELCHANGE) ShowDetails();
        if (code == LBN_DBLCLK) OnOpen();
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
    case kRegisterFind: Refresh(); return true;
    case kRegisterOpen: OnOpen(); return true;
    case kRegisterReview: OnStep(DesignStep::Review); return true;
    case kRegisterApprove: OnStep(DesignStep::Approve); return true;
    case kRegisterWithdraw: OnStep(DesignStep::Withdraw); return true;
    case kRegisterDiff: OnDiff(); return true;
    case IDCANCEL: Close(IDCANCEL); return true;
    }
    return false;
}

} // namespace

std::optional<std::int64_t> ShowDesignRegister(HWND owner, LabAccess& lab, bool skinned) {
    store::LabDatabase* database = lab.Database(owner);
    if (!database) return std::nullopt;
    return RegisterDialog(lab, *database, skinned).Show(owner);
}

} // namespace mixora::ui
