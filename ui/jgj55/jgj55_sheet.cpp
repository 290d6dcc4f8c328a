#include "jgj55_sheet.h"

#include "batch_ticket.h"
#include "control_text.h"
#include "design.h"
#include "inputs_json.h"
#include "jgj55_clipboard.h"
#include "jgj55_content.h"
#include "jgj55_ids.h"
#include "jgj55_report.h"
#include "requirement_rules.h"
#include "shown_value.h"
#include "trial_dialog.h"
#include "typed_number.h"
#include "utf.h"

#include <cmath>

namespace mixora::ui {

namespace {

namespace ids = jgj55_ids;
using jgj55::Inputs;
using jgj55::Origin;
using jgj55::Quantity;

// A derived value the user may give: its field, the quantity it shows while 自动, the one
// whose origin it shows while 给定, and where the inputs keep a given value.
struct DerivedField {
    int id;
    Quantity shown;
    Quantity given;
    std::optional<double> Inputs::*member;
};
constexpr DerivedField kDerivedFields[] = {
    {ids::Sigma, Quantity::Sigma, Quantity::Sigma, &Inputs::sigma},
    {ids::CementSurplus, Quantity::CementSurplus, Quantity::CementSurplus, &Inputs::cement_surplus},
    {ids::CementStrength, Quantity::CementStrength, Quantity::CementStrength,
     &Inputs::cement_strength},
    {ids::FlyAshFactor, Quantity::FlyAshFactor, Quantity::FlyAshFactor, &Inputs::fly_ash_factor},
    {ids::SlagFactor, Quantity::SlagFactor, Quantity::SlagFactor, &Inputs::slag_factor},
    {ids::BinderStrength, Quantity::BinderStrength, Quantity::BinderStrength,
     &Inputs::binder_strength},
    {ids::AlphaA, Quantity::AlphaA, Quantity::AlphaA, &Inputs::alpha_a},
    {ids::AlphaB, Quantity::AlphaB, Quantity::AlphaB, &Inputs::alpha_b},
    {ids::WaterBinder, Quantity::WaterBinder, Quantity::WaterBinderByStrength,
     &Inputs::water_binder},
    {ids::WaterBeforeReducer, Quantity::WaterBeforeReducer, Quantity::WaterBeforeReducer,
     &Inputs::water_before_reducer},
    {ids::Water, Quantity::Water, Quantity::Water, &Inputs::water},
    {ids::SandRatio, Quantity::SandRatio, Quantity::SandRatio, &Inputs::sand_ratio},
};

const DerivedField* FindDerived(int id) {
    for (const DerivedField& field : kDerivedFields)
        if (field.id == id) return &field;
    return nullptr;
}

// A number the user always types, with the name a problem gives it.
struct PlainField {
    int id;
    std::string_view name;
    double& (*member)(Inputs&);
};
constexpr PlainField kPlainFields[] = {
    {ids::Slump, "坍落度", [](Inputs& i) -> double& { return i.slump; }},
    {ids::AssumedMass, "假定容重", [](Inputs& i) -> double& { return i.assumed_mass; }},
    {ids::FlyAshShare, "粉煤灰掺量", [](Inputs& i) -> double& { return i.fly_ash_share; }},
    {ids::SlagShare, "矿粉掺量", [](Inputs& i) -> double& { return i.slag_share; }},
    {ids::Dosage, "外加剂掺量", [](Inputs& i) -> double& { return i.admixture_dosage; }},
    {ids::WaterReduction, "减水率", [](Inputs& i) -> double& { return i.water_reduction; }},
    {ids::CementDensity, "水泥密度", [](Inputs& i) -> double& { return i.volume.cement_density; }},
    {ids::FlyAshDensity, "粉煤灰密度",
     [](Inputs& i) -> double& { return i.volume.fly_ash_density; }},
    {ids::SlagDensity, "矿粉密度", [](Inputs& i) -> double& { return i.volume.slag_density; }},
    {ids::SandDensity, "砂表观密度", [](Inputs& i) -> double& { return i.volume.sand_density; }},
    {ids::StoneDensity, "石表观密度", [](Inputs& i) -> double& { return i.volume.stone_density; }},
    {ids::WaterDensity, "水密度", [](Inputs& i) -> double& { return i.volume.water_density; }},
    {ids::AirPercent, "含气量", [](Inputs& i) -> double& { return i.volume.air_percent; }},
};

// The results shown without a mark, and the ones with one.
constexpr std::pair<int, Quantity> kAmounts[] = {
    {ids::Cement, Quantity::Cement},       {ids::FlyAsh, Quantity::FlyAsh},
    {ids::Slag, Quantity::Slag},           {ids::WaterAmount, Quantity::Water},
    {ids::Sand, Quantity::Sand},           {ids::Stone, Quantity::Stone},
    {ids::Admixture, Quantity::Admixture}, {ids::Density, Quantity::Density},
};
constexpr std::pair<int, Quantity> kMarkedResults[] = {
    {ids::TargetStrength, Quantity::TargetStrength},
    {ids::Binder, Quantity::Binder},
};

// The numbers of 特殊要求, empty when not given.
struct RequirementField {
    int id;
    std::string_view name;
    std::optional<double> jgj55::Requirements::*member;
};
constexpr RequirementField kRequirementFields[] = {
    {ids::PumpHeight, "泵送高度", &jgj55::Requirements::pump_height},
    {ids::PipeBore, "输送管径", &jgj55::Requirements::pipe_bore},
    {ids::ImpermeabilityValue, "抗渗等级数值", &jgj55::Requirements::impermeability_value},
    {ids::FrostValue, "抗冻等级数值", &jgj55::Requirements::frost_value},
    {ids::AirContent, "目标含气量", &jgj55::Requirements::air_content},
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

// A result in which nothing could be computed, for inputs that cannot be read.
jgj55::Result Unreadable() {
    jgj55::Result result;
    for (jgj55::Parameter& parameter : result.parameters) {
        parameter.origin = Origin::Unavailable;
        parameter.reason = "输入有误";
    }
    return result;
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
    FillLists();
    return true;
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

void Jgj55Sheet::ShowRequirements(const jgj55::Requirements& req) {
    SetChecked(Control(ids::Pumped), req.pumped);
    SetChecked(Control(ids::AirEntrained), req.air_entrained);
    SetChecked(Control(ids::MassConcrete), req.mass);
    SelectValue(Control(ids::Impermeability), static_cast<LPARAM>(req.impermeability));
    SelectValue(Control(ids::Frost), static_cast<LPARAM>(req.frost));
    SelectValue(Control(ids::AirExposure), static_cast<LPARAM>(req.air_exposure));
    SelectValue(Control(ids::Chloride),
                req.chloride ? static_cast<LPARAM>(*req.chloride) : kProposedChloride);
    for (const RequirementField& field : kRequirementFields) {
        const std::optional<double>& value = req.*field.member;
        Write(field.id, value ? jgj55::FormatGiven(*value, 0) : "");
    }
}

bool Jgj55Sheet::ReadRequirements(jgj55::Requirements& req, std::string& problem) const {
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
    for (const RequirementField& field : kRequirementFields) {
        const std::string typed = Narrow(Text(field.id));
        req.*field.member = std::nullopt;
        if (typed.empty()) continue;
        calc::TypedNumber read = calc::ReadTypedNumber(typed, field.name);
        if (!read.value) {
            problem = std::move(read.problem);
            return false;
        }
        req.*field.member = *read.value;
    }
    return true;
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
    ShowRequirements(inputs.requirements);

    Inputs copy = inputs;
    for (const PlainField& field : kPlainFields)
        Write(field.id, jgj55::FormatGiven(field.member(copy), 0));
    for (const DerivedField& field : kDerivedFields) {
        const std::optional<double>& given = inputs.*field.member;
        given_[field.id] = given.has_value();
        Write(field.id,
              given ? jgj55::FormatGiven(*given, jgj55::InfoOf(field.shown).decimals) : "");
    }
}

std::optional<Inputs> Jgj55Sheet::ReadInputs(std::string& problem) const {
    Inputs inputs;
    inputs.strength_results = inputs_.strength_results; // kept from the file; not on the sheet
    inputs.binder = inputs_.binder;                     // the same
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

    if (!ReadRequirements(inputs.requirements, problem)) return std::nullopt;
    for (const PlainField& field : kPlainFields) {
        calc::TypedNumber read = calc::ReadTypedNumber(Narrow(Text(field.id)), field.name);
        if (!read.value) {
            problem = std::move(read.problem);
            return std::nullopt;
        }
        field.member(inputs) = *read.value;
    }
    for (const DerivedField& field : kDerivedFields) {
        const auto given = given_.find(field.id);
        if (given == given_.end() || !given->second) continue;
        const jgj55::QuantityInfo& info = jgj55::InfoOf(field.shown);
        calc::TypedNumber read = calc::ReadTypedNumber(
            Narrow(Text(field.id)), std::string(info.name) + " " + std::string(info.symbol));
        if (!read.value) {
            problem = std::move(read.problem);
            return std::nullopt;
        }
        inputs.*field.member = *read.value;
    }
    return inputs;
}

void Jgj55Sheet::Recompute() {
    std::string problem;
    if (const auto inputs = ReadInputs(problem)) {
        inputs_ = *inputs;
        result_ = jgj55::ComputeDesign(inputs_);
    } else {
        result_ = Unreadable();
    }
    ShowResult(result_, problem);
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
}

void Jgj55Sheet::OnControl(int id, UINT code, bool& changed) {
    if (form_.Writing()) return;
    if (id == ids::Trial) {
        if (code == BN_CLICKED) OnTrial(changed);
        return;
    }
    switch (code) {
    case EN_CHANGE: {
        const ControlEntry* entry = form_.Entry(id);
        if (!entry || entry->type != ControlType::Text) return;
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
        accepted = EditTrial(host_.Window(), design, entries, host_.Skinned());
    }
    if (!accepted) return;
    trial_entries_ = std::move(entries);
    changed = true;
}

void Jgj55Sheet::Reset() {
    trial_entries_ = {};
    ShowInputs(Inputs{});
    Recompute();
}

document::DesignDocument Jgj55Sheet::Put(document::DesignDocument base) const {
    return session::WithJgj55Content(std::move(base), {inputs_, trial_entries_});
}

void Jgj55Sheet::Take(const document::DesignDocument& document) {
    session::Jgj55Content content = session::Jgj55ContentOf(document);
    trial_entries_ = std::move(content.trial);
    inputs_ = content.inputs;
    ShowInputs(inputs_);
    Recompute();
}

// The report is of the design as it is saved: the last inputs that could be read (result_ says
// "输入有误" while a field cannot be read).
page::ReportPage Jgj55Sheet::Report(const report::ReportInfo& info) const {
    return jgj55_report::BuildJgj55Report(inputs_, jgj55::ComputeDesign(inputs_), trial_entries_,
                                          info);
}

page::ReportPage Jgj55Sheet::BatchTicket(const report::ReportInfo& info) const {
    return jgj55_report::BuildBatchTicket(inputs_, jgj55::ComputeDesign(inputs_), trial_entries_,
                                          info);
}

CopiedResult Jgj55Sheet::CopyResult() const {
    return {jgj55_report::Jgj55ClipboardText(result_), jgj55_report::Jgj55ClipboardHtml(result_)};
}

} // namespace mixora::ui
