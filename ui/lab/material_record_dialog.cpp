#include "material_record_dialog.h"

#include "control_text.h"
#include "form.h"
#include "lab_ids.h"
#include "material_text.h"
#include "form_dialog.h"
#include "modal_dialog.h"
#include "typed_number.h"
#include "utf.h"

namespace mixora::ui {

namespace {

using T = ControlType;
using namespace lab_ids;
using store::MaterialFields;
using store::PropertyInfo;
using store::PropertyType;

constexpr int kPropertyTop = 114, kPropertyStep = 18;
constexpr int P(int n) {
    return kPropertyTop + n * kPropertyStep;
}

#define MIXORA_PROPERTY(n)                                                                         \
    {T::Line, PropertyName(n), L"", 0, 8, P(n) + 2, 110, 10},                                      \
        {T::Text, PropertyText(n), L"", 0, 120, P(n), 110, 13},                                    \
        {T::Choice, PropertyChoice(n), L"", 0, 120, P(n), 110, 120}, {                             \
        T::Line, PropertyUnit(n), L"", 0, 234, P(n) + 2, 60, 10                                    \
    }

// clang-format off
constexpr ControlEntry kControls[] = {
    {T::Label,  kNoId,            L"种类：",         0, 8, 10, 56, 10},
    {T::Choice, kRecordKind,      L"",               0, 66, 8, 100, 120},
    {T::Label,  kNoId,            L"生产厂家：",     0, 8, 28, 56, 10},
    {T::Text,   kRecordMaker,     L"",               0, 66, 26, 100, 13},
    {T::Label,  kNoId,            L"品种规格：",     0, 172, 28, 50, 10},
    {T::Text,   kRecordProduct,   L"",               0, 224, 26, 100, 13},
    {T::Label,  kNoId,            L"批号：",         0, 8, 46, 56, 10},
    {T::Text,   kRecordBatch,     L"",               0, 66, 44, 100, 13},
    {T::Label,  kNoId,            L"取样日期：",     0, 172, 46, 50, 10},
    {T::Text,   kRecordSampled,   L"",               0, 224, 44, 100, 13},
    {T::Label,  kNoId,            L"检测报告编号：", 0, 8, 64, 56, 10},
    {T::Text,   kRecordReport,    L"",               0, 66, 62, 100, 13},
    {T::Label,  kNoId,            L"报告日期：",     0, 172, 64, 50, 10},
    {T::Text,   kRecordReportDate, L"",              0, 224, 62, 100, 13},
    {T::Label,  kNoId,            L"单价 元/t：",    0, 8, 82, 56, 10},
    {T::Text,   kRecordPrice,     L"",               0, 66, 80, 100, 13},
    {T::Label,  kNoId,            L"价格日期：",     0, 172, 82, 50, 10},
    {T::Text,   kRecordPriceDate, L"",               0, 224, 80, 100, 13},
    {T::Label,  kNoId,            L"检测性能（日期写作 2026-03-05）", 0, 8, 100, 200, 10},
    MIXORA_PROPERTY(0), MIXORA_PROPERTY(1), MIXORA_PROPERTY(2),
    MIXORA_PROPERTY(3), MIXORA_PROPERTY(4), MIXORA_PROPERTY(5),
    {T::Note,   kRecordVersion,   L"",               0, 8, P(6) + 2, 316, 20},
    {T::Command, IDOK,            L"保存",           0, 212, P(6) + 26, 54, 15},
    {T::Command, IDCANCEL,        L"取消",           0, 270, P(6) + 26, 54, 15},
};
// clang-format on
#undef MIXORA_PROPERTY

constexpr int kWidth = 332, kHeight = P(6) + 48;
constexpr FormLayout kForm = DialogForm(kControls, kWidth, kHeight);
constexpr DialogLayout kDialog = FixedDialog(kRecordTitle, kForm);

// The common text fields and their members.
struct TextField {
    int id;
    std::string MaterialFields::*member;
};
constexpr TextField kTextFields[] = {
    {kRecordMaker, &MaterialFields::maker},
    {kRecordProduct, &MaterialFields::product},
    {kRecordBatch, &MaterialFields::batch},
    {kRecordSampled, &MaterialFields::sampled_on},
    {kRecordReport, &MaterialFields::report_number},
    {kRecordReportDate, &MaterialFields::report_date},
    {kRecordPriceDate, &MaterialFields::price_date},
};

class RecordDialog final : public ModalDialog {
  public:
    RecordDialog(MaterialFields fields, const std::wstring& note, bool is_new,
                 const SaveRecord& save, MessageBoxes& boxes, bool skinned)
        : ModalDialog("原材料记录", skinned), fields_(std::move(fields)), note_(note),
          is_new_(is_new), save_(save), boxes_(boxes) {}
    bool Edit(HWND owner) { return Run(owner, kDialog) == IDOK; }

  private:
    HWND OnInit() override;
    bool OnCommand(int id, UINT code, HWND control) override;
    // The property rows for the kind chosen, with the values `fields` holds.
    void ShowProperties(store::MaterialKind kind, const MaterialFields& fields);
    // What the form holds, or nothing (the user told) when a number cannot be read.
    std::optional<MaterialFields> Collect();
    store::MaterialKind ChosenKind() const {
        return static_cast<store::MaterialKind>(SelectedValue(form_.Control(kRecordKind)));
    }
    void Refuse(int id, const std::string& why) {
        boxes_.Show(dialog(), Widen(why), kRecordTitle, MB_OK | MB_ICONWARNING);
        if (HWND control = form_.Control(id)) SetFocus(control);
    }

    MaterialFields fields_;
    std::wstring note_;
    bool is_new_;
    const SaveRecord& save_;
    MessageBoxes& boxes_;
    Form form_{kForm};
};

HWND RecordDialog::OnInit() {
    if (!form_.Create(dialog())) {
        Close(IDABORT);
        return nullptr;
    }
    HWND kinds = form_.Control(kRecordKind);
    for (const store::MaterialKindInfo& kind : store::AllMaterialKinds())
        AddChoice(kinds, Widen(kind.name), static_cast<LPARAM>(kind.kind));
    SelectValue(kinds, static_cast<LPARAM>(fields_.kind));
    EnableWindow(kinds, is_new_); // a record's kind never changes
    for (const TextField& field : kTextFields) {
        SendMessageW(form_.Control(field.id), EM_LIMITTEXT, 200, 0);
        form_.Write(field.id, Widen(fields_.*field.member));
    }
    form_.Write(kRecordPrice, fields_.price ? Widen(lab::NumberText(*fields_.price)) : L"");
    form_.Write(kRecordVersion, note_);
    ShowProperties(fields_.kind, fields_);
    return form_.Control(is_new_ ? kRecordKind : kRecordMaker);
}

void RecordDialog::ShowProperties(store::MaterialKind kind, const MaterialFields& fields) {
    const auto properties = store::InfoOf(kind).properties;
    for (int n = 0; n < kPropertyRows; ++n) {
        const PropertyInfo* property = static_cast<std::size_t>(n) < properties.size()
                                           ? &properties[static_cast<std::size_t>(n)]
                                           : nullptr;
        const bool choice = property && property->type == PropertyType::Choice;
        HWND text = form_.Control(PropertyText(n));
        HWND list = form_.Control(PropertyChoice(n));
        ShowWindow(text, property && !choice ? SW_SHOW : SW_HIDE);
        ShowWindow(list, choice ? SW_SHOW : SW_HIDE);
        form_.Write(PropertyName(n), property ? Widen(property->name) + L"：" : L"");
        form_.Write(PropertyUnit(n), property ? Widen(property->unit) : L"");
        form_.Write(PropertyText(n), L"");
        SendMessageW(list, CB_RESETCONTENT, 0, 0);
        if (!property) continue;
        const auto found = fields.properties.find(std::string(property->key));
        const store::PropertyValue* value =
            found == fields.properties.end() ? nullptr : &found->second;
        if (choice) {
            AddChoice(list, L"—", -1);
            for (std::size_t i = 0; i < property->choices.size(); ++i)
                AddChoice(list, Widen(property->choices[i].name), static_cast<LPARAM>(i));
            SelectValue(list, -1);
            if (const auto* key = value ? std::get_if<std::string>(value) : nullptr)
                for (std::size_t i = 0; i < property->choices.size(); ++i)
                    if (property->choices[i].key == *key) SelectValue(list, static_cast<LPARAM>(i));
        } else if (value) {
            const double* number = std::get_if<double>(value);
            form_.Write(PropertyText(n),
                        Widen(number ? lab::NumberText(*number) : std::get<std::string>(*value)));
        }
    }
}

std::optional<MaterialFields> RecordDialog::Collect() {
    MaterialFields fields;
    fields.kind = ChosenKind();
    for (const TextField& field : kTextFields)
        fields.*field.member = Narrow(form_.Text(field.id));
    if (const std::string price = Narrow(form_.Text(kRecordPrice));
        price.find_first_not_of(" ") != std::string::npos) {
        const calc::TypedNumber read = calc::ReadTypedNumber(price, "单价");
        if (!read.value) return Refuse(kRecordPrice, read.problem), std::nullopt;
        fields.price = read.value;
    }
    const auto properties = store::InfoOf(fields.kind).properties;
    for (std::size_t i = 0; i < properties.size() && i < kPropertyRows; ++i) {
        const PropertyInfo& property = properties[i];
        const int n = static_cast<int>(i);
        const std::string key(property.key);
        if (property.type == PropertyType::Choice) {
            const LRESULT chosen = SelectedValue(form_.Control(PropertyChoice(n)), -1);
            if (chosen >= 0)
                fields.properties[key] =
                    std::string(property.choices[static_cast<std::size_t>(chosen)].key);
            continue;
        }
        const std::string text = Narrow(form_.Text(PropertyText(n)));
        if (text.find_first_not_of(" ") == std::string::npos) continue;
        if (property.type == PropertyType::Text) {
            fields.properties[key] = text;
            continue;
        }
        const calc::TypedNumber read = calc::ReadTypedNumber(text, property.name);
        if (!read.value) return Refuse(PropertyText(n), read.problem), std::nullopt;
        fields.properties[key] = *read.value;
    }
    if (const std::string problem = store::ProblemOf(fields); !problem.empty())
        return Refuse(kRecordMaker, problem), std::nullopt;
    return fields;
}

bool RecordDialog::OnCommand(int id, UINT code, HWND) {
    if (id == kRecordKind && code == CBN_SELCHANGE) {
        ShowProperties(ChosenKind(), fields_);
        return true;
    }
    if (code != BN_CLICKED) return false;
    if (id == IDCANCEL) {
        Close(IDCANCEL);
        return true;
    }
    if (id != IDOK) return false;
    if (const auto fields = Collect()) {
        if (const std::string problem = save_(*fields); !problem.empty())
            boxes_.Show(dialog(), Widen(problem), kRecordTitle, MB_OK | MB_ICONWARNING);
        else
            Close(IDOK);
    }
    return true;
}

} // namespace

bool EditMaterialRecord(HWND owner, store::MaterialFields fields, const std::wstring& note,
                        bool is_new, const SaveRecord& save, MessageBoxes& boxes, bool skinned) {
    return RecordDialog(std::move(fields), note, is_new, save, boxes, skinned).Edit(owner);
}

} // namespace mixora::ui
