#include "jgj55_sheet.h"

#include "batch_ticket.h"
#include "control_text.h"
#include "design.h"
#include "design_format.h"
#include "input_reading.h"
#include "jgj55_clipboard.h"
#include "jgj55_content.h"
#include "jgj55_ids.h"
#include "jgj55_report.h"
#include "material_values.h"
#include "requirement_rules.h"
#include "shown_value.h"
#include "trial_dialog.h"
#include "utf.h"

#include <cmath>
#include <span>
#include <string_view>

namespace mixora::ui {

namespace {

namespace ids = jgj55_ids;
using jgj55::Inputs;
using jgj55::Origin;
using jgj55::Quantity;

// A derived value the user may give: its field, the quantity it shows while 自动, the one
// whose origin it shows while 给定, and its input (number_inputs.h).
struct DerivedField {
    int id;
    Quantity shown;
    Quantity given;
    std::string_view key;
};
constexpr DerivedField kDerivedFields[] = {
    {ids::Sigma, Quantity::Sigma, Quantity::Sigma, "sigma"},
    {ids::CementSurplus, Quantity::CementSurplus, Quantity::CementSurplus, "cement_surplus"},
    {ids::CementStrength, Quantity::CementStrength, Quantity::CementStrength, "cement_strength"},
    {ids::FlyAshFactor, Quantity::FlyAshFactor, Quantity::FlyAshFactor, "fly_ash_factor"},
    {ids::SlagFactor, Quantity::SlagFactor, Quantity::SlagFactor, "slag_factor"},
    {ids::BinderStrength, Quantity::BinderStrength, Quantity::BinderStrength, "binder_strength"},
    {ids::AlphaA, Quantity::AlphaA, Quantity::AlphaA, "alpha_a"},
    {ids::AlphaB, Quantity::AlphaB, Quantity::AlphaB, "alpha_b"},
    {ids::WaterBinder, Quantity::WaterBinder, Quantity::WaterBinderByStrength, "water_binder"},
    {ids::WaterBeforeReducer, Quantity::WaterBeforeReducer, Quantity::WaterBeforeReducer,
     "water_before_reducer"},
    {ids::Water, Quantity::Water, Quantity::Water, "water"},
    {ids::Binder, Quantity::Binder, Quantity::Binder, "binder"},
    {ids::SandRatio, Quantity::SandRatio, Quantity::SandRatio, "sand_ratio"},
};

const DerivedField* FindDerived(int id) {
    for (const DerivedField& field : kDerivedFields)
        if (field.id == id) return &field;
    return nullptr;
}

// A number the user always types, and its input (number_inputs.h).
struct PlainField {
    int id;
    std::string_view key;
};
constexpr PlainField kPlainFields[] = {
    {ids::Slump, "slump"},
    {ids::AssumedMass, "assumed_mass"},
    {ids::FlyAshShare, "fly_ash_share"},
    {ids::SlagShare, "slag_share"},
    {ids::SilicaFumeShare, "silica_fume_share"},
    {ids::SilicaFumeDensity, "silica_fume_density"},
    {ids::Dosage, "admixture_dosage"},
    {ids::WaterReduction, "water_reduction"},
    {ids::CementDensity, "cement_density"},
    {ids::FlyAshDensity, "fly_ash_density"},
    {ids::SlagDensity, "slag_density"},
    {ids::SandDensity, "sand_density"},
    {ids::StoneDensity, "stone_density"},
    {ids::WaterDensity, "water_density"},
    {ids::AirPercent, "air_percent"},
};

const jgj55::NumberInput& InputOf(std::string_view key) {
    return *jgj55::FindNumberInput(key); // every key above names one (the sheet's test reads all)
}

// The results shown without a mark, and the ones with one.
constexpr std::pair<int, Quantity> kAmounts[] = {
    {ids::Cement, Quantity::Cement},
    {ids::FlyAsh, Quantity::FlyAsh},
    {ids::Slag, Quantity::Slag},
    {ids::WaterAmount, Quantity::Water},
    {ids::Sand, Quantity::Sand},
    {ids::Stone, Quantity::Stone},
    {ids::Admixture, Quantity::Admixture},
    {ids::Density, Quantity::Density},
    {ids::SilicaFume, Quantity::SilicaFume},
};
constexpr std::pair<int, Quantity> kMarkedResults[] = {
    {ids::TargetStrength, Quantity::TargetStrength},
};

// The numbers of 特殊要求, empty when not given, each under its key (requirements.h).
constexpr std::pair<int, std::string_view> kRequirementFields[] = {
    {ids::PumpHeight, "pump_height"},
    {ids::PipeBore, "pipe_bore"},
    {ids::ImpermeabilityValue, "impermeability_value"},
    {ids::FrostValue, "frost_value"},
    {ids::AirContent, "air_content"},
};
// The chloride list's first entry: the row proposed from the environment class.
constexpr LPARAM kProposedChloride = -1;

// The option sets, each in its order on screen.
constexpr int kCoarseOptions[] = {ids::Gravel, ids::Crushed};
constexpr int kSandOptions[] = {ids::FineSand, ids::MediumSand, ids::CoarseSand};
constexpr int kMethodOptions[] = {ids::VolumeMethod, ids::MassMethod};
constexpr std::span<const int> kOptionSets[] = {kCoarseOptions, kSandOptions, kMethodOptions};

// "自动 · 表 5.1.3（…）", "给定", "无法计算：等待 fb（…）"; a note follows.
std::string MarkText(const jgj55::Parameter& parameter) {
    std::string text(jgj55::OriginName(parameter.origin));
    switch (parameter.origin) {
    case Origin::Automatic: text += " · " + parameter.source; break;
    case Origin::Given: break;
    case Origin::NotNeeded:
    case Origin::Unavailable: text += "：" + parameter.reason; break;
    }
    if (!parameter.note.empty()) text += "；" + parameter.note;
    return text;
}

std::string ChecksText(const jgj55::Result& result) {
    std::string text;
    for (const jgj55::Check& check : result.checks) {
        if (!text.empty()) text += "\r\n";
        text += "【" + std::string(jgj55::VerdictName(check.verdict)) + "】" + check.item;
        if (!check.value.empty()) text += "：" + check.value;
        if (!check.limit.empty()) text += "，限值 " + check.limit;
        if (!check.source.empty()) text += "（" + check.source + "）";
        if (!check.reason.empty()) text += "；" + check.reason;
    }
    return text;
}

std::string StatusText(const jgj55::Result& result, const std::string& problem) {
    if (!problem.empty()) return "输入有误：" + problem;
    for (const jgj55::QuantityInfo& info : jgj55::AllQuantities()) {
        const jgj55::Parameter& parameter = result[info.quantity];
        if (parameter.origin == Origin::Unavailable)
            return "无法计算 " + std::string(info.symbol) + "（" + std::string(info.name) + "）：" +
                   parameter.reason;
    }
    int fails = 0;
    for (const jgj55::Check& check : result.checks)
        fails += check.verdict == jgj55::Verdict::Fails;
    std::string text = "计算完成：胶凝材料 : 砂 : 石 : 水 = " + result.mass_ratio;
    if (fails) text += "；" + std::to_string(fails) + " 项校核不符合";
    return text;
}

// The unit of the number a field shows, as the design's tables keep it (a quantity's, or an
// input's range); empty for a ratio, a coefficient or a field of no number.
std::string_view UnitOf(int id) {
    if (const DerivedField* field = FindDerived(id)) return jgj55::InfoOf(field->shown).unit;
    for (const PlainField& field : kPlainFields)
        if (field.id == id) return InputOf(field.key).range->unit;
    using Results = std::span<const std::pair<int, Quantity>>;
    for (const Results results : {Results(kMarkedResults), Results(kAmounts)})
        for (const auto& [result, quantity] : results)
            if (result == id) return jgj55::InfoOf(quantity).unit;
    return {};
}

template <class E> void AddChoices(HWND list, E current) {
    for (const auto& choice : jgj55::ChoicesOf(current))
        AddChoice(list, Widen(choice.name), static_cast<LPARAM>(choice.value));
}

template <class E> E SelectedChoice(HWND list) {
    return static_cast<E>(SelectedValue(list));
}

} // namespace

Jgj55Sheet::Jgj55Sheet(SheetHost& host) : host_(host) {
    result_ = jgj55::ComputeDesign(inputs_);
}

bool Jgj55Sheet::Create(HWND window) {
    if (!form_.Create(window)) return false;
    ShowUnits();
    FillLists();
    // No value needs more; a longer text (a huge paste) would only slow the window down and
    // could not be saved.
    for (const ControlEntry& entry : form_.Entries())
        if (entry.type == ControlType::Text)
            SendMessageW(Control(entry.id), EM_SETLIMITTEXT, document::kMaxDesignTextLength, 0);
    return true;
}

// A label is made right before the field it names: its caption is followed by the field's unit,
// unless its group's caption names that unit for all of them (每立方米用量 kg/m³).
void Jgj55Sheet::ShowUnits() {
    const auto entries = form_.Entries();
    for (std::size_t i = 1; i < entries.size(); ++i) {
        const ControlEntry& label = entries[i - 1];
        if (label.type != ControlType::Label || label.id == kNoId) continue;
        const std::wstring unit = Widen(UnitOf(entries[i].id));
        const ControlEntry* group = form_.Entry(label.parent);
        if (unit.empty() ||
            (group && std::wstring_view(group->caption).find(unit) != std::wstring_view::npos))
            continue;
        form_.Write(label.id, std::wstring(label.caption) + L" " + unit);
    }
}

std::optional<int> Jgj55Sheet::ScrollingStripTop() const {
    return form_.Entry(ids::Status)->top;
}

// Arrows move to the next option of a set, round to its first.
int Jgj55Sheet::ArrowPartner(int id) const {
    for (const std::span<const int> set : kOptionSets)
        for (std::size_t i = 0; i < set.size(); ++i)
            if (set[i] == id) return set[(i + 1) % set.size()];
    return 0;
}

void Jgj55Sheet::FillLists() {
    for (const int value : jgj55::kStrengthGrades)
        AddChoice(Control(ids::Grade), Widen(jgj55::GradeName(value)), value);
    AddChoices(Control(ids::CementKind), jgj55::CementKind{});
    AddChoices(Control(ids::CementGrade), jgj55::CementGrade{});
    AddChoices(Control(ids::FlyAshGrade), jgj55::FlyAshGrade{});
    AddChoices(Control(ids::SlagGrade), jgj55::SlagGrade{});
    AddChoices(Control(ids::Environment), jgj55::EnvironmentClass{});
    AddChoices(Control(ids::Structure), jgj55::StructureType{});
    AddChoices(Control(ids::Impermeability), jgj55::ImpermeabilityGrade{});
    AddChoices(Control(ids::Frost), jgj55::FrostGrade{});
    AddChoices(Control(ids::AirExposure), jgj55::AirExposure{});
    AddChoice(Control(ids::Chloride), L"按环境类别建议", kProposedChloride);
    AddChoices(Control(ids::Chloride), jgj55::ChlorideEnvironment{});
}

void Jgj55Sheet::ShowRequirements(const Inputs& inputs) {
    const jgj55::Requirements& req = inputs.requirements;
    SetChecked(Control(ids::Pumped), req.pumped);
    SetChecked(Control(ids::AirEntrained), req.air_entrained);
    SetChecked(Control(ids::MassConcrete), req.mass);
    SelectValue(Control(ids::Impermeability), static_cast<LPARAM>(req.impermeability));
    SelectValue(Control(ids::Frost), static_cast<LPARAM>(req.frost));
    SelectValue(Control(ids::AirExposure), static_cast<LPARAM>(req.air_exposure));
    SelectValue(Control(ids::Chloride),
                req.chloride ? static_cast<LPARAM>(*req.chloride) : kProposedChloride);
    for (const auto& [id, key] : kRequirementFields) {
        const jgj55::RequirementNumber& number = *jgj55::FindRequirementNumber(key);
        const auto unread = inputs.unread.find(jgj55::UnreadKey(number));
        const std::optional<double>& value = req.*number.member;
        Write(id, unread != inputs.unread.end() ? unread->second
                  : value                       ? jgj55::FormatGiven(*value, 0)
                                                : "");
    }
}

void Jgj55Sheet::ReadRequirements(Inputs& inputs) const {
    jgj55::Requirements& req = inputs.requirements;
    req.pumped = IsChecked(Control(ids::Pumped));
    req.air_entrained = IsChecked(Control(ids::AirEntrained));
    req.mass = IsChecked(Control(ids::MassConcrete));
    req.impermeability = SelectedChoice<jgj55::ImpermeabilityGrade>(Control(ids::Impermeability));
    req.frost = SelectedChoice<jgj55::FrostGrade>(Control(ids::Frost));
    req.air_exposure = SelectedChoice<jgj55::AirExposure>(Control(ids::AirExposure));
    const LPARAM chloride = SelectedValue(Control(ids::Chloride));
    req.chloride = chloride == kProposedChloride
                       ? std::nullopt
                       : std::optional(static_cast<jgj55::ChlorideEnvironment>(chloride));
    for (const auto& [id, key] : kRequirementFields)
        jgj55::PutRequirementNumber(req, inputs.unread, *jgj55::FindRequirementNumber(key),
                                    Narrow(Text(id)));
}

// The sizes the kind offers; `wanted` when it is one of them, else the nearest.
void Jgj55Sheet::FillMaxSizes(jgj55::CoarseKind kind, jgj55::MaxSize wanted) {
    HWND combo = Control(ids::MaxSize);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    const auto sizes = jgj55::MaxSizesOf(kind);
    jgj55::MaxSize chosen = sizes.empty() ? wanted : sizes.front();
    for (const jgj55::MaxSize size : sizes) {
        AddChoice(combo, Widen(jgj55::NameOf(size)), static_cast<LPARAM>(size));
        if (std::abs(jgj55::MaxSizeMm(size) - jgj55::MaxSizeMm(wanted)) <
            std::abs(jgj55::MaxSizeMm(chosen) - jgj55::MaxSizeMm(wanted)))
            chosen = size;
    }
    SelectValue(combo, static_cast<LPARAM>(chosen));
}

void Jgj55Sheet::Write(int id, const std::string& text) {
    form_.Write(id, Widen(text));
}

void Jgj55Sheet::ShowInputs(const Inputs& inputs) {
    SelectValue(Control(ids::Grade), inputs.grade);
    SelectValue(Control(ids::CementKind), static_cast<LPARAM>(inputs.cement_kind));
    SelectValue(Control(ids::CementGrade), static_cast<LPARAM>(inputs.cement_grade));
    SelectValue(Control(ids::FlyAshGrade), static_cast<LPARAM>(inputs.fly_ash_grade));
    SelectValue(Control(ids::SlagGrade), static_cast<LPARAM>(inputs.slag_grade));
    SelectValue(Control(ids::Environment), static_cast<LPARAM>(inputs.environment));
    SelectValue(Control(ids::Structure), static_cast<LPARAM>(inputs.structure));
    FillMaxSizes(inputs.coarse, inputs.max_size);
    const auto check = [this](int id, bool on) { SetChecked(Control(id), on); };
    check(ids::Gravel, inputs.coarse == jgj55::CoarseKind::Gravel);
    check(ids::Crushed, inputs.coarse == jgj55::CoarseKind::Crushed);
    check(ids::FineSand, inputs.sand == jgj55::SandFineness::Fine);
    check(ids::MediumSand, inputs.sand == jgj55::SandFineness::Medium);
    check(ids::CoarseSand, inputs.sand == jgj55::SandFineness::Coarse);
    check(ids::VolumeMethod, inputs.method == jgj55::Method::Volume);
    check(ids::MassMethod, inputs.method == jgj55::Method::Mass);
    ShowRequirements(inputs);

    for (const PlainField& field : kPlainFields)
        Write(field.id, jgj55::InputText(inputs, InputOf(field.key)));
    for (const DerivedField& field : kDerivedFields) {
        const std::string text = jgj55::InputText(inputs, InputOf(field.key));
        given_[field.id] = !text.empty();
        Write(field.id, text);
    }
}

Inputs Jgj55Sheet::ReadInputs() const {
    Inputs inputs;
    inputs.strength_results = inputs_.strength_results; // kept from the file; not on the sheet
    inputs.grade = static_cast<int>(SelectedValue(Control(ids::Grade)));
    inputs.cement_kind = SelectedChoice<jgj55::CementKind>(Control(ids::CementKind));
    inputs.cement_grade = SelectedChoice<jgj55::CementGrade>(Control(ids::CementGrade));
    inputs.fly_ash_grade = SelectedChoice<jgj55::FlyAshGrade>(Control(ids::FlyAshGrade));
    inputs.slag_grade = SelectedChoice<jgj55::SlagGrade>(Control(ids::SlagGrade));
    inputs.environment = SelectedChoice<jgj55::EnvironmentClass>(Control(ids::Environment));
    inputs.structure = SelectedChoice<jgj55::StructureType>(Control(ids::Structure));
    inputs.max_size = SelectedChoice<jgj55::MaxSize>(Control(ids::MaxSize));
    inputs.coarse =
        IsChecked(Control(ids::Gravel)) ? jgj55::CoarseKind::Gravel : jgj55::CoarseKind::Crushed;
    inputs.sand = IsChecked(Control(ids::FineSand))     ? jgj55::SandFineness::Fine
                  : IsChecked(Control(ids::CoarseSand)) ? jgj55::SandFineness::Coarse
                                                        : jgj55::SandFineness::Medium;
    inputs.method =
        IsChecked(Control(ids::MassMethod)) ? jgj55::Method::Mass : jgj55::Method::Volume;

    ReadRequirements(inputs);
    // Each field read as the file reads it: what does not read is kept as typed.
    for (const PlainField& field : kPlainFields)
        jgj55::PutInput(inputs, InputOf(field.key), Narrow(Text(field.id)));
    for (const DerivedField& field : kDerivedFields)
        if (const auto given = given_.find(field.id); given != given_.end() && given->second)
            jgj55::PutInput(inputs, InputOf(field.key), Narrow(Text(field.id)));
    return inputs;
}

void Jgj55Sheet::Recompute() {
    inputs_ = ReadInputs();
    result_ = jgj55::ComputeDesign(inputs_);
    ShowResult(result_, jgj55::FirstInputProblem(inputs_));
}

void Jgj55Sheet::ShowResult(const jgj55::Result& result, const std::string& problem) {
    HWND focus = GetFocus();
    for (const DerivedField& field : kDerivedFields) {
        const bool given = given_[field.id];
        const jgj55::Parameter& shown = result[field.shown];
        if (!given) {
            const std::string text = shown.value ? shown.text : "";
            const bool was_empty = Text(field.id).empty();
            Write(field.id, text);
            // The user cleared the field: what they type next replaces the computed value.
            if (was_empty && Control(field.id) == focus) SendMessageW(focus, EM_SETSEL, 0, -1);
        }
        std::string mark = MarkText(given ? result[field.given] : shown);
        // Typed where the design does not take it (mb0 beside a given mw0): say what it uses.
        if (given && field.shown == field.given && shown.origin == Origin::Automatic)
            mark = "给定值未采用；" + MarkText(shown);
        // A value from the cement's record names it as its source.
        if (given && field.id == ids::CementStrength)
            if (const std::string source = picks_.CementSource(inputs_.cement_strength);
                !source.empty())
                mark += " · " + source;
        if (given && field.shown != field.given && shown.value &&
            shown.text != result[field.given].text)
            mark += "；采用 " + shown.text + "（" + shown.note + "）";
        Write(ids::Mark(field.id), mark);
    }
    for (const auto& [id, quantity] : kMarkedResults) {
        Write(id, result[quantity].value ? result[quantity].text : "");
        Write(ids::Mark(id), MarkText(result[quantity]));
    }
    for (const auto& [id, quantity] : kAmounts)
        Write(id, result[quantity].value ? result[quantity].text : "");
    Write(ids::MassRatio, result.mass_ratio);
    Write(ids::Checks, ChecksText(result));
    Write(ids::HighStrength, jgj55::IsHighStrength(inputs_.grade)
                                 ? "高强（C60 及以上）：按第 7.3 节，表 7.3.2 取值应经试配确定"
                                 : "高强：—（C60 及以上自动适用）");
    std::string notes;
    for (const std::string& advice : jgj55::RequirementAdvice(inputs_))
        notes += (notes.empty() ? "" : "\r\n") + ("建议：" + advice);
    for (const std::string& note : jgj55::RequirementTrialNotes(inputs_))
        notes += (notes.empty() ? "" : "\r\n") + ("试配：" + note);
    Write(ids::RequirementNotes, notes);
    Write(ids::Status, StatusText(result, problem));
    picks_.ShowCost(result);
}

void Jgj55Sheet::OnControl(int id, UINT code, bool& changed) {
    if (form_.Writing()) return;
    if (id == ids::Trial) {
        if (code == BN_CLICKED) OnTrial(changed);
        return;
    }
    if (code == EN_SETFOCUS) {
        // A source mark too long for its column is read whole on the status line (only a derived
        // field has a mark: the ids 400 above the others belong to other controls).
        if (FindDerived(id) && form_.Entry(ids::Mark(id)))
            if (const std::wstring mark = Text(ids::Mark(id)); !mark.empty())
                Write(ids::Status, "来源：" + Narrow(mark));
        return;
    }
    if (id == ids::TakeNewer) {
        if (code == BN_CLICKED) OnTakeNewer(changed);
        return;
    }
    if (const auto role = MaterialPicks::RoleOf(id)) {
        if (code == CBN_DROPDOWN) picks_.Fill(*role);
        if (code == CBN_SELCHANGE) OnMaterial(*role, changed);
        return;
    }
    switch (code) {
    case EN_CHANGE: {
        const ControlEntry* entry = form_.Entry(id);
        if (!entry || entry->type != ControlType::Text || CutToLimit(Control(id))) return;
        if (FindDerived(id)) given_[id] = !Text(id).empty(); // typed: 给定; cleared: 自动
        break;
    }
    case CBN_SELCHANGE: break;
    case BN_CLICKED:
        if (id == ids::Pumped || id == ids::AirEntrained || id == ids::MassConcrete) break;
        if (!ArrowPartner(id)) return;
        if (id == ids::Gravel || id == ids::Crushed)
            FillMaxSizes(id == ids::Gravel ? jgj55::CoarseKind::Gravel : jgj55::CoarseKind::Crushed,
                         SelectedChoice<jgj55::MaxSize>(Control(ids::MaxSize)));
        break;
    default: return;
    }
    changed = true;
    Recompute();
}

void Jgj55Sheet::OnTrial(bool& changed) {
    // The design as the sheet shows it: when it cannot be computed the dialog still opens,
    // its entries editable, and says why its stages lack a basis.
    const TrialDesign design{trial::DesignBasisOf(inputs_, result_),
                             trial::AggregateMethodOf(inputs_)};
    trial::TrialEntries entries = trial_entries_;
    struct OpenWhile {
        bool& open;
        explicit OpenWhile(bool& flag) : open(flag) { open = true; }
        ~OpenWhile() { open = false; }
    };
    bool accepted = false;
    {
        const OpenWhile up(trial_open_);
        accepted = EditTrial(host_.Window(), design, entries, host_.Boxes(), host_.Skinned());
    }
    if (!accepted) return;
    trial_entries_ = std::move(entries);
    changed = true;
}

void Jgj55Sheet::OnMaterial(lab::MaterialRole role, bool& changed) {
    bool cleared = false;
    if (auto record = picks_.Chosen(role, cleared)) {
        Apply({{role, std::move(*record)}});
        changed = true;
        return;
    }
    if (!cleared) return;
    changed = true;
    picks_.ShowNotes({});
    Recompute();
}

void Jgj55Sheet::OnTakeNewer(bool& changed) {
    const auto newer = picks_.Newer();
    if (newer.empty()) return;
    Apply(newer);
    changed = true;
}

void Jgj55Sheet::Apply(
    const std::vector<std::pair<lab::MaterialRole, store::MaterialRecord>>& records) {
    // The sheet's inputs as they stand, a field that does not read kept as typed.
    Inputs inputs = ReadInputs();
    std::vector<std::string> notes;
    for (const auto& [role, record] : records) {
        for (std::string& note : lab::ApplyRecord(role, record, inputs))
            notes.push_back(std::move(note));
        picks_.Cite(role, record);
    }
    ShowInputs(inputs);
    picks_.ShowNotes(notes);
    Recompute();
}

// Every value typed in place of a computed one is computed again (自动); the inputs stay.
void Jgj55Sheet::ClearResults() {
    for (const DerivedField& field : kDerivedFields) {
        given_[field.id] = false;
        Write(field.id, "");
    }
    Recompute();
}

bool Jgj55Sheet::HasWork() const {
    return !(inputs_ == Inputs{}) || !(trial_entries_ == trial::TrialEntries{}) ||
           !picks_.materials().empty();
}

void Jgj55Sheet::Reset() {
    trial_entries_ = {};
    picks_.Take(nlohmann::json::array());
    inputs_ = Inputs{}; // nothing of the design before, the past results it kept included
    ShowInputs(inputs_);
    Recompute();
}

document::DesignDocument Jgj55Sheet::Put(document::DesignDocument base) const {
    document::DesignDocument design =
        session::WithJgj55Content(std::move(base), {inputs_, trial_entries_});
    // The citations beside the rest of "extra"; a design that cites none keeps it as it was.
    nlohmann::json extra = design.extra();
    if (!picks_.materials().empty())
        extra["materials"] = picks_.materials();
    else
        extra.erase("materials");
    design.set_extra(std::move(extra));
    return design;
}

void Jgj55Sheet::Take(const document::DesignDocument& document) {
    session::Jgj55Content content = session::Jgj55ContentOf(document);
    trial_entries_ = std::move(content.trial);
    inputs_ = content.inputs;
    ShowInputs(inputs_);
    const auto materials = document.extra().find("materials");
    picks_.Take(materials == document.extra().end() ? nlohmann::json::array() : *materials);
    Recompute();
}

// The report is of the design as it is saved: a field that does not read is named there, in
// place of everything computed from it.
page::ReportPage Jgj55Sheet::Report(const report::ReportInfo& info) const {
    const jgj55::Result result = jgj55::ComputeDesign(inputs_);
    return jgj55_report::BuildJgj55Report(inputs_, result, trial_entries_, info,
                                          lab::CitedMaterialsOf(picks_.materials(), result));
}

page::ReportPage Jgj55Sheet::BatchTicket(const report::ReportInfo& info) const {
    const jgj55::Result result = jgj55::ComputeDesign(inputs_);
    return jgj55_report::BuildBatchTicket(inputs_, result, trial_entries_, info,
                                          lab::CitedMaterialsOf(picks_.materials(), result));
}

CopiedResult Jgj55Sheet::CopyResult() const {
    return {jgj55_report::Jgj55ClipboardText(result_), jgj55_report::Jgj55ClipboardHtml(result_)};
}

} // namespace mixora::ui
