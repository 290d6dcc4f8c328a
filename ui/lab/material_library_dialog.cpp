#include "material_library_dialog.h"

#include "control_text.h"
#include "design_register.h"
#include "form.h"
#include "lab_ids.h"
#include "list_rows.h"
#include "material_record_dialog.h"
#include "material_text.h"
#include "form_dialog.h"
#include "modal_dialog.h"
#include "utf.h"

namespace mixora::ui {

namespace {

using T = ControlType;
using namespace lab_ids;

constexpr int kListLeft = 8, kListTop = 40;
// The columns' left edges in the list, and their headings above it.
constexpr int kStops[] = {36, 58, 112, 196, 262, 316, 366, 430, 470};
#define MIXORA_HEADING(text, at)                                                                   \
    { T::Label, kNoId, text, 0, kListLeft + 3 + (at), 28, 50, 10 }

// clang-format off
constexpr ControlEntry kControls[] = {
    {T::Label,   kNoId,           L"种类：",     0, 8, 10, 24, 10},
    {T::Choice,  kLibraryKind,    L"",           0, 34, 8, 84, 120},
    {T::Label,   kNoId,           L"生产厂家：", 0, 124, 10, 40, 10},
    {T::Text,    kLibraryMaker,   L"",           0, 166, 8, 80, 13},
    {T::Label,   kNoId,           L"取样日期：", 0, 252, 10, 40, 10},
    {T::Text,    kLibraryFrom,    L"",           0, 294, 8, 52, 13},
    {T::Label,   kNoId,           L"至",         0, 349, 10, 10, 10},
    {T::Text,    kLibraryTo,      L"",           0, 360, 8, 52, 13},
    {T::Label,   kNoId,           L"状态：",     0, 418, 10, 24, 10},
    {T::Choice,  kLibraryInUse,   L"",           0, 442, 8, 44, 60},
    {T::Command, kLibraryFind,    L"查询",       0, 490, 7, 38, 15},
    MIXORA_HEADING(L"编号", 0), MIXORA_HEADING(L"版本", 36), MIXORA_HEADING(L"种类", 58),
    MIXORA_HEADING(L"生产厂家", 112), MIXORA_HEADING(L"品种规格", 196), MIXORA_HEADING(L"批号", 262),
    MIXORA_HEADING(L"取样日期", 316), MIXORA_HEADING(L"报告编号", 366),
    MIXORA_HEADING(L"元/t", 430), MIXORA_HEADING(L"状态", 470),
    {T::List,    kLibraryList,    L"",           0, kListLeft, kListTop, 520, 160, nullptr, false, L"原材料记录"},
    {T::Line,    kLibraryCount,   L"",           0, 8, 204, 300, 10},
    {T::Lines,   kLibraryDetails, L"",           0, 8, 216, 520, 76, nullptr, false, L"记录详情"},
    {T::Command, kLibraryAdd,     L"新增…",      0, 8, 298, 54, 15},
    {T::Command, kLibraryEdit,    L"修改…",      0, 66, 298, 54, 15},
    {T::Command, kLibraryRetire,  L"停用",       0, 124, 298, 54, 15},
    {T::Command, IDCANCEL,        L"关闭",       0, 474, 298, 54, 15},
};
// clang-format on
#undef MIXORA_HEADING

constexpr int kWidth = 536, kHeight = 320;
constexpr FormLayout kForm = DialogForm(kControls, kWidth, kHeight);
constexpr DialogLayout kDialog = FixedDialog(kLibraryTitle, kForm);

constexpr LPARAM kAll = -1;

std::wstring Lines(const std::vector<std::string>& lines) {
    std::wstring text;
    for (const std::string& line : lines)
        text += Widen(line) + L"\r\n";
    return text;
}

class LibraryDialog final : public ModalDialog {
  public:
    LibraryDialog(LabAccess& lab, store::LabDatabase& database, bool skinned)
        : ModalDialog("原材料库", skinned), lab_(lab), skinned_(skinned),
          library_(*database.connection), designs_(*database.connection) {}
    void Show(HWND owner) { Run(owner, kDialog); }

  private:
    HWND OnInit() override;
    bool OnCommand(int id, UINT code, HWND control) override;
    void Refresh();
    void ShowDetails();
    void OnAdd();
    void OnEdit();
    void OnRetire();
    // The record selected, read now; none (the user told) when there is none.
    std::optional<store::MaterialRecord> Selected(bool say);
    bool Failed(const store::StoreError& error) {
        lab_.Failed(dialog(), error, Line());
        return false;
    }
    bool CanChange(const wchar_t* what) { return lab_.Writable(dialog(), what, Line()) != nullptr; }
    // The status line under the list, where a lost server's later refusals are said.
    HWND Line() const { return form_.Control(kLibraryCount); }

    LabAccess& lab_;
    bool skinned_;
    store::MaterialLibrary library_;
    store::DesignRegister designs_;
    Form form_{kForm};
    LPARAM shown_ = 0; // the record whose details show
};

HWND LibraryDialog::OnInit() {
    if (!form_.Create(dialog())) {
        Close(IDABORT);
        return nullptr;
    }
    HWND kinds = form_.Control(kLibraryKind);
    AddChoice(kinds, L"全部", kAll);
    for (const store::MaterialKindInfo& kind : store::AllMaterialKinds())
        AddChoice(kinds, Widen(kind.name), static_cast<LPARAM>(kind.kind));
    SelectValue(kinds, kAll);
    HWND in_use = form_.Control(kLibraryInUse);
    AddChoice(in_use, L"全部", kAll);
    AddChoice(in_use, L"在用", 1);
    AddChoice(in_use, L"已停用", 0);
    SelectValue(in_use, 1);
    SetListColumns(form_.Control(kLibraryList), kStops);
    Refresh();
    return form_.Control(kLibraryList);
}

void LibraryDialog::Refresh() {
    store::MaterialFilter filter;
    if (const LPARAM kind = SelectedValue(form_.Control(kLibraryKind), kAll); kind != kAll)
        filter.kind = static_cast<store::MaterialKind>(kind);
    filter.maker = Narrow(form_.Text(kLibraryMaker));
    filter.sampled_from = Narrow(form_.Text(kLibraryFrom));
    filter.sampled_to = Narrow(form_.Text(kLibraryTo));
    for (const auto* date : {&filter.sampled_from, &filter.sampled_to})
        if (!date->empty() && !store::IsDate(*date)) {
            lab_.Say(dialog(), "取样日期“" + *date + "”应写作 YYYY-MM-DD，例如 2026-03-05。");
            return;
        }
    if (const LPARAM in_use = SelectedValue(form_.Control(kLibraryInUse), kAll); in_use != kAll)
        filter.in_use = in_use == 1;
    if (lab_.RefusedWhileLost(dialog(), Line())) return;
    try {
        std::vector<ListRow> rows;
        for (const store::MaterialRecord& record : library_.List(filter))
            rows.push_back({Widen(lab::MaterialRow(record)), static_cast<LPARAM>(record.record)});
        HWND list = form_.Control(kLibraryList);
        ShowListRows(list, rows, SelectedRowValue(list, 0));
        form_.Write(kLibraryCount, L"共 " + std::to_wstring(rows.size()) + L" 条记录");
    } catch (const store::StoreError& error) {
        Failed(error);
    }
    ShowDetails();
}

std::optional<store::MaterialRecord> LibraryDialog::Selected(bool say) {
    const LPARAM record = SelectedRowValue(form_.Control(kLibraryList), 0);
    if (record == 0) {
        if (say) lab_.Say(dialog(), "请先在列表中选择一条原材料记录。");
        return std::nullopt;
    }
    if (lab_.RefusedWhileLost(dialog(), Line())) return std::nullopt;
    try {
        auto latest = library_.Latest(record);
        if (!latest && say) lab_.Say(dialog(), "原材料记录已不在数据库中。");
        return latest;
    } catch (const store::StoreError& error) {
        Failed(error);
        return std::nullopt;
    }
}

void LibraryDialog::ShowDetails() {
    // While the server is lost the details shown stay; another row's are not read.
    const LPARAM selected = SelectedRowValue(form_.Control(kLibraryList), 0);
    if (lab_.Lost()) {
        if (selected != shown_) lab_.RefusedWhileLost(dialog(), form_.Control(kLibraryDetails));
        return;
    }
    const auto record = Selected(false);
    if (!record) {
        if (!lab_.Lost()) form_.Write(kLibraryDetails, L"");
        return;
    }
    shown_ = selected;
    std::vector<std::string> lines = lab::MaterialDetails(*record);
    try {
        store::RegisterFilter citing;
        citing.material_record = record->record;
        const auto designs = designs_.List(citing);
        lines.push_back(designs.empty() ? "没有配合比引用此记录" : "引用此记录的配合比：");
        for (const store::RegisteredDesign& design : designs)
            lines.push_back("  " + design.number + " " + design.revision + " · " +
                            std::string(store::StateName(design.state)) + " · " + design.grade +
                            " · " + design.project);
    } catch (const store::StoreError& error) {
        Failed(error);
        lines.push_back("无法读取引用此记录的配合比");
    }
    form_.Write(kLibraryDetails, Lines(lines));
}

void LibraryDialog::OnAdd() {
    if (!CanChange(L"新增原材料记录")) return;
    const auto who = lab_.Person(dialog(), skinned_);
    if (!who) return;
    store::MaterialFields fields;
    if (const LPARAM kind = SelectedValue(form_.Control(kLibraryKind), kAll); kind != kAll)
        fields.kind = static_cast<store::MaterialKind>(kind);
    std::int64_t added = 0;
    const SaveRecord save = [&](const store::MaterialFields& given) -> std::string {
        try {
            added = library_.Add(given, *who).record;
            return {};
        } catch (const store::StoreError& error) {
            return lab_.Told(error);
        }
    };
    if (!EditMaterialRecord(dialog(), fields, L"保存后成为一条新记录（第 1 版）。", true, save,
                            lab_.boxes(), skinned_))
        return;
    // The new record shown: its kind, in use, selected.
    SelectValue(form_.Control(kLibraryInUse), 1);
    Refresh();
    HWND list = form_.Control(kLibraryList);
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        if (SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0) == added)
            SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    ShowDetails();
}

void LibraryDialog::OnEdit() {
    if (!CanChange(L"修改原材料记录")) return;
    const auto record = Selected(true);
    if (!record) return;
    const auto who = lab_.Person(dialog(), skinned_);
    if (!who) return;
    bool cited = false;
    try {
        store::RegisterFilter citing;
        citing.material_record = record->record;
        cited = !designs_.List(citing).empty();
    } catch (const store::StoreError& error) {
        Failed(error);
        return;
    }
    const std::wstring note = cited ? L"此记录已被配合比引用：保存后成为第 " +
                                          std::to_wstring(record->version + 1) + L" 版，引用的第 " +
                                          std::to_wstring(record->version) + L" 版保持不变。"
                                    : L"此记录未被配合比引用：保存后直接修改第 " +
                                          std::to_wstring(record->version) + L" 版。";
    const SaveRecord save = [&](const store::MaterialFields& given) -> std::string {
        try {
            library_.Edit(record->record, record->row_version, given, *who);
            return {};
        } catch (const store::StoreError& error) {
            return lab_.Told(error);
        }
    };
    if (EditMaterialRecord(dialog(), record->fields, note, false, save, lab_.boxes(), skinned_))
        Refresh();
}

void LibraryDialog::OnRetire() {
    if (!CanChange(L"停用原材料记录")) return;
    const auto record = Selected(true);
    if (!record) return;
    if (record->retired) {
        lab_.Say(dialog(), "原材料记录 " + record->Code() + " 已经停用。");
        return;
    }
    if (lab_.Ask(dialog(),
                 L"停用原材料记录 " + Widen(record->Code()) +
                     L"？\n\n停用后不再供新的设计选用；引用它的配合比不受影响。",
                 MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    const auto who = lab_.Person(dialog(), skinned_);
    if (!who) return;
    try {
        library_.Retire(record->record, record->row_version, *who);
    } catch (const store::StoreError& error) {
        Failed(error);
    }
    Refresh();
}

bool LibraryDialog::OnCommand(int id, UINT code, HWND) {
    if ((id == kLibraryKind || id == kLibraryInUse) && code == CBN_SELCHANGE) {
        Refresh();
        return true;
    }
    if (id == kLibraryList) {
        if (code == LBN_SELCHANGE) ShowDetails();
        if (code == LBN_DBLCLK) OnEdit();
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
    case kLibraryFind: Refresh(); return true;
    case kLibraryAdd: OnAdd(); return true;
    case kLibraryEdit: OnEdit(); return true;
    case kLibraryRetire: OnRetire(); return true;
    case IDCANCEL: Close(IDCANCEL); return true;
    }
    return false;
}

} // namespace

void ShowMaterialLibrary(HWND owner, LabAccess& lab, bool skinned) {
    store::LabDatabase* database = lab.Database(owner);
    if (!database) return;
    LibraryDialog(lab, *database, skinned).Show(owner);
}

} // namespace mixora::ui
