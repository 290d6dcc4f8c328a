#include "report_info_dialog.h"

#include "control_text.h"
#include "form.h"
#include "form_dialog.h"
#include "modal_dialog.h"
#include "least_batch.h"
#include "utf.h"

#include <array>

namespace mixora::ui {

namespace {

using namespace report_info_ids;
using report::ReportInfo;

using T = ControlType;

// A material's row of the 原材料 group (the row-th): its name, then its maker and batch, named
// for a screen reader by the material and the column.
#define MIXORA_SOURCE(n, row, caption, maker, batch)                                               \
    {T::Label, kNoId, caption, kMaterialsGroup, 8, 24 + 16 * (row), 50, 10},                       \
        {T::Text, MakerOf(n), L"",     kMaterialsGroup, 60,   22 + 16 * (row),                     \
         140,     13,         nullptr, false,           maker},                                    \
    {                                                                                              \
        T::Text, BatchOf(n), L"", kMaterialsGroup, 206, 22 + 16 * (row), 80, 13, nullptr, false,   \
            batch                                                                                  \
    }

// clang-format off
constexpr ControlEntry kControls[] = {
    {T::Label,   kNoId,         L"工程名称：", 0, 8, 10, 46, 10},
    {T::Text,    kProject,      L"",           0, 56, 8, 236, 13},
    {T::Label,   kNoId,         L"委托单位：", 0, 8, 28, 46, 10},
    {T::Text,    kClient,       L"",           0, 56, 26, 236, 13},
    {T::Label,   kNoId,         L"使用部位：", 0, 8, 46, 46, 10},
    {T::Text,    kLocation,     L"",           0, 56, 44, 236, 13},
    {T::Label,   kNoId,         L"报告编号：", 0, 8, 64, 46, 10},
    {T::Text,    kReportNumber, L"",           0, 56, 62, 100, 13},
    {T::Label,   kNoId,         L"日期：",     0, 164, 64, 42, 10},
    {T::Text,    kDate,         L"",           0, 208, 62, 84, 13},
    {T::Label,   kNoId,         L"环境类别：", 0, 8, 82, 46, 10},
    {T::Choice,  kEnvironment,  L"",           0, 56, 80, 100, 90},
    {T::Label,   kNoId,         L"结构类型：", 0, 164, 82, 42, 10},
    {T::Choice,  kStructure,    L"",           0, 208, 80, 84, 90},
    {T::Label,   kNoId,         L"试拌体积：", 0, 8, 100, 46, 10},
    {T::Text,    kTrialVolume,  L"",           0, 56, 98, 60, 13},
    {T::Label,   kNoId,         L"L",          0, 120, 100, 12, 10},
    {T::Note,    kTrialMinimum, L"",           0, 56, 114, 236, 10}, // the least volumes
    {T::Label,   kNoId,         L"试验：",     0, 8, 132, 46, 10},
    {T::Text,    kTestedBy,     L"",           0, 56, 130, 56, 13},
    {T::Label,   kNoId,         L"审核：",     0, 120, 132, 26, 10},
    {T::Text,    kReviewedBy,   L"",           0, 146, 130, 56, 13},
    {T::Label,   kNoId,         L"批准：",     0, 210, 132, 26, 10},
    {T::Text,    kApprovedBy,   L"",           0, 236, 130, 56, 13},
    {T::Label,   kNoId,         L"备注：",     0, 8, 150, 46, 10},
    {T::Memo,    kRemarks,      L"",           0, 56, 148, 236, 40},
    {T::Label,   kNoId,         L"配合比编号：", 0, 304, 10, 50, 10},
    {T::Text,    kMixNumber,    L"",           0, 356, 8, 100, 13},
    {T::Label,   kNoId,         L"浇筑方式：", 0, 462, 10, 40, 10},
    {T::Text,    kPlacingMethod, L"",          0, 504, 8, 88, 13},
    {T::Label,   kNoId,         L"签发时间：", 0, 304, 28, 50, 10},
    {T::Text,    kIssuedAt,     L"",           0, 356, 26, 100, 13},
    {T::Label,   kNoId,         L"接收：",     0, 462, 28, 40, 10},
    {T::Text,    kReceivedBy,   L"",           0, 504, 26, 88, 13},
    {T::Frame,   kMaterialsGroup, L"原材料",   0, 300, 44, 294, 158},
    {T::Header,  kNoId,         L"生产厂家",   kMaterialsGroup, 60, 10, 140, 9},
    {T::Header,  kNoId,         L"批号",       kMaterialsGroup, 206, 10, 80, 9},
    MIXORA_SOURCE(0, 0, L"水泥：", L"水泥 生产厂家", L"水泥 批号"),
    MIXORA_SOURCE(1, 1, L"粉煤灰：", L"粉煤灰 生产厂家", L"粉煤灰 批号"),
    MIXORA_SOURCE(2, 2, L"矿粉：", L"矿粉 生产厂家", L"矿粉 批号"),
    MIXORA_SOURCE(6, 3, L"硅灰：", L"硅灰 生产厂家", L"硅灰 批号"),
    MIXORA_SOURCE(3, 4, L"砂：", L"砂 生产厂家", L"砂 批号"),
    MIXORA_SOURCE(4, 5, L"石：", L"石 生产厂家", L"石 批号"),
    MIXORA_SOURCE(5, 6, L"外加剂：", L"外加剂 生产厂家", L"外加剂 批号"),
    {T::Label,   kNoId,         L"外加剂品种：", kMaterialsGroup, 8, 136, 50, 10},
    {T::Text,    kAdmixtureType, L"",          kMaterialsGroup, 60, 134, 140, 13},
    {T::Label,   kNoId,         L"固含量 %：", kMaterialsGroup, 206, 136, 40, 10},
    {T::Text,    kAdmixtureSolid, L"",         kMaterialsGroup, 248, 134, 38, 13},
    {T::Command, IDOK,          L"确定",       0, 480, 214, 54, 15},
    {T::Command, IDCANCEL,      L"取消",       0, 538, 214, 54, 15},
};
#undef MIXORA_SOURCE
// clang-format on

constexpr int kWidth = 600, kHeight = 237;

// No control starts a group: the arrows move through the whole dialog.
constexpr FormLayout kForm = DialogForm(kControls, kWidth, kHeight);

constexpr DialogLayout kDialog = FixedDialog(kReportInfoTitle, kForm);

// The plain texts of the header and the field that shows each.
struct TextField {
    int id;
    std::string ReportInfo::*member;
    int limit; // characters
};
constexpr TextField kTextFields[] = {
    {kProject, &ReportInfo::project, 200},
    {kClient, &ReportInfo::client, 200},
    {kLocation, &ReportInfo::location, 200},
    {kReportNumber, &ReportInfo::report_number, 100},
    {kDate, &ReportInfo::date, 100},
    {kTestedBy, &ReportInfo::tested_by, 50},
    {kReviewedBy, &ReportInfo::reviewed_by, 50},
    {kApprovedBy, &ReportInfo::approved_by, 50},
    {kRemarks, &ReportInfo::remarks, 2000},
    {kMixNumber, &ReportInfo::mix_number, 50},
    {kPlacingMethod, &ReportInfo::placing_method, 50},
    {kIssuedAt, &ReportInfo::issued_at, 50},
    {kReceivedBy, &ReportInfo::received_by, 50},
    {kAdmixtureType, &ReportInfo::admixture_type, 100},
    {kAdmixtureSolid, &ReportInfo::admixture_solid_percent, 20},
};

// Each material's maker and batch, and the field that shows it.
struct SourceField {
    int id;
    std::size_t slot;
    std::string report::MaterialSource::*member;
    int limit; // characters
};
constexpr std::array<SourceField, 2 * report::kMaterialSlotCount> SourceFields() {
    std::array<SourceField, 2 * report::kMaterialSlotCount> fields{};
    for (std::size_t n = 0; n < report::kMaterialSlotCount; ++n) {
        fields[2 * n] = {MakerOf(static_cast<int>(n)), n, &report::MaterialSource::maker, 100};
        fields[2 * n + 1] = {BatchOf(static_cast<int>(n)), n, &report::MaterialSource::batch, 50};
    }
    return fields;
}
constexpr auto kSourceFields = SourceFields();

// The edit control writes line breaks as CR LF; the header keeps LF.
std::string FromEdit(const std::wstring& text) {
    std::wstring plain;
    for (const wchar_t c : text)
        if (c != L'\r') plain += c;
    return Narrow(plain);
}

std::wstring ToEdit(const std::string& text) {
    std::wstring shown;
    for (const wchar_t c : Widen(text)) {
        if (c == L'\n') shown += L'\r';
        if (c != L'\r') shown += c;
    }
    return shown;
}

template <typename E, size_t N>
void FillList(HWND list, const std::array<standards::Choice<E>, N>& choices, E chosen) {
    for (size_t i = 0; i < N; ++i)
        AddChoice(list, Widen(choices[i].name), static_cast<LPARAM>(i));
    for (size_t i = 0; i < N; ++i)
        if (choices[i].value == chosen) SelectValue(list, static_cast<LPARAM>(i));
}

template <typename E, size_t N>
E ListChoice(HWND list, const std::array<standards::Choice<E>, N>& choices, E fallback) {
    const LRESULT index = SelectedValue(list, -1);
    return index >= 0 && static_cast<size_t>(index) < N ? choices[static_cast<size_t>(index)].value
                                                        : fallback;
}

class ReportInfoDialog final : public ModalDialog {
  public:
    ReportInfoDialog(ReportInfo& info, MessageBoxes& boxes, bool skinned)
        : ModalDialog("报告信息", skinned), info_(info), boxes_(boxes) {}

    bool Edit(HWND owner) { return Run(owner, kDialog) == IDOK; }

  private:
    HWND OnInit() override;
    bool OnCommand(int id, UINT code, HWND control) override;
    std::optional<ReportInfo> Collect();
    HWND Control(int id) const { return form_.Control(id); }

    ReportInfo& info_;
    MessageBoxes& boxes_;
    Form form_{kForm};
};

HWND ReportInfoDialog::OnInit() {
    if (!form_.Create(dialog())) {
        Close(IDABORT);
        return nullptr;
    }
    for (const TextField& field : kTextFields) {
        SendMessageW(Control(field.id), EM_LIMITTEXT, static_cast<WPARAM>(field.limit), 0);
        form_.Write(field.id, ToEdit(info_.*field.member));
    }
    for (const SourceField& field : kSourceFields) {
        SendMessageW(Control(field.id), EM_LIMITTEXT, static_cast<WPARAM>(field.limit), 0);
        form_.Write(field.id, Widen(info_.materials[field.slot].*field.member));
    }
    FillList(Control(kEnvironment), standards::kEnvironmentClasses, info_.environment);
    FillList(Control(kStructure), standards::kStructureTypes, info_.structure);
    form_.Write(kTrialMinimum, Widen(report::TrialMinimumHint()));
    SendMessageW(Control(kTrialVolume), EM_LIMITTEXT, 20, 0);
    form_.Write(kTrialVolume, Widen(report::LitresText(info_.trial_volume_litres)));
    return nullptr; // the dialog's first field, its text selected
}

// What the dialog shows, or nothing (after saying why) when the trial volume is wrong.
std::optional<ReportInfo> ReportInfoDialog::Collect() {
    ReportInfo info = info_;
    const std::wstring volume = form_.Text(kTrialVolume);
    const auto litres = ReadTrialVolume(volume);
    if (!litres) {
        boxes_.Show(dialog(), L"“试拌体积”必须是大于 0 的数（单位：L），现在是“" + volume + L"”。",
                    kReportInfoTitle, MB_OK | MB_ICONWARNING);
        HWND field = Control(kTrialVolume);
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        return std::nullopt;
    }
    info.trial_volume_litres = *litres;
    for (const TextField& field : kTextFields)
        info.*field.member = FromEdit(form_.Text(field.id));
    for (const SourceField& field : kSourceFields)
        info.materials[field.slot].*field.member = Narrow(form_.Text(field.id));
    info.environment =
        ListChoice(Control(kEnvironment), standards::kEnvironmentClasses, info.environment);
    info.structure = ListChoice(Control(kStructure), standards::kStructureTypes, info.structure);
    return info;
}

bool ReportInfoDialog::OnCommand(int id, UINT code, HWND) {
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        if (auto info = Collect()) {
            info_ = std::move(*info);
            Close(IDOK);
        }
        return true;
    }
    if (id == IDCANCEL) {
        Close(IDCANCEL);
        return true;
    }
    return false;
}

} // namespace

bool EditReportInfo(HWND owner, ReportInfo& info, MessageBoxes& boxes, bool skinned) {
    return ReportInfoDialog(info, boxes, skinned).Edit(owner);
}

std::optional<double> ReadTrialVolume(std::wstring_view text) {
    return report::ReadTrialVolume(Narrow(text));
}

std::string TodayText() {
    wchar_t text[32]{};
    if (GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, L"yyyy-MM-dd", text, 32, nullptr) ==
        0)
        return {};
    return Narrow(text);
}

} // namespace mixora::ui
