#include "trial_json.h"

#include "decimal_rounding.h"

#include <array>
#include <string_view>

namespace mixora::trial {

namespace {

using nlohmann::json;

// The members of a MixTexts with their keys, for writing and reading alike.
constexpr auto& Fixed = calc::ExactText;

template <class Texts> auto MixMembers(Texts& t) {
    return std::array{std::pair{"cement", &t.cement},      std::pair{"fly_ash", &t.fly_ash},
                      std::pair{"slag", &t.slag},          std::pair{"water", &t.water},
                      std::pair{"sand", &t.sand},          std::pair{"stone", &t.stone},
                      std::pair{"admixture", &t.admixture}};
}

std::string_view KindText(AdjustmentKind kind) {
    return NamesOf(kind).key;
}

json MixToJson(const MixTexts& texts) {
    json object = json::object();
    for (const auto& [key, member] : MixMembers(texts))
        object[key] = *member;
    return object;
}

json GroupToJson(const GroupEntry& group) {
    return json{{"strengths", group.strengths}, {"density", group.density}};
}

// "strength.groups[1]" and "density": a member's path for the messages.
std::string Join(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

// Reads members of one JSON object, remembering the first problem with the path it lies at.
class Reader {
  public:
    bool ok() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }

    // The object at key of parent, or null when it is missing or not an object (named).
    const json* Object(const json& parent, std::string_view key, const std::string& path) {
        const json* value = Member(parent, key);
        if (!value) return nullptr;
        if (!value->is_object()) return Fail(Join(path, key), "应为对象");
        return value;
    }
    const json* Array(const json& parent, std::string_view key, std::size_t size,
                      const std::string& path) {
        const json* value = Member(parent, key);
        if (!value) return nullptr;
        if (!value->is_array() || value->size() != size)
            return Fail(Join(path, key), "应为 " + std::to_string(size) + " 项的数组");
        return value;
    }
    void Text(const json& value, std::string& into, const std::string& path) {
        if (value.is_string())
            into = value.get<std::string>();
        else if (value.is_number_integer())
            into = value.dump(); // every digit, as written
        else if (value.is_number())
            into = Fixed(value.get<double>()); // 1e-7 as "0.0000001", which its stage reads
        else
            Fail(path, "应为文本");
    }
    void Text(const json& parent, std::string_view key, std::string& into,
              const std::string& path) {
        if (const json* value = Member(parent, key)) Text(*value, into, Join(path, key));
    }
    const json* Fail(const std::string& path, const std::string& what) {
        if (problem_.empty()) problem_ = "试配记录中 " + path + " " + what;
        return nullptr;
    }

  private:
    static const json* Member(const json& parent, std::string_view key) {
        const auto found = parent.find(std::string(key));
        return found == parent.end() || found->is_null() ? nullptr : &*found;
    }

    std::string problem_;
};

void ReadAdjustment(Reader& r, const json& object, AdjustmentEntry& a) {
    const std::string path = "adjustment";
    std::string kind(KindText(a.kind));
    r.Text(object, "kind", kind, path);
    bool known = false;
    for (const AdjustmentKindName& row : kAdjustmentKinds)
        if (row.key == kind) {
            a.kind = row.kind;
            known = true;
        }
    if (!known) r.Fail(path + ".kind", "“" + kind + "”不是可选的调整方式");
    if (const json* masses = r.Object(object, "batch_masses", path))
        for (const auto& [key, member] : MixMembers(a.batch_masses))
            r.Text(*masses, key, *member, path + ".batch_masses");
    r.Text(object, "water", a.water, path);
    r.Text(object, "admixture", a.admixture, path);
    r.Text(object, "sand_ratio_percent", a.sand_ratio_percent, path);
    r.Text(object, "slump_mm", a.slump_mm, path);
}

void ReadStrength(Reader& r, const json& object, StrengthEntry& s) {
    const std::string path = "strength";
    std::string name;
    for (const SpecimenSizeRow& row : kSpecimenSizes)
        if (row.size == s.specimen) name = row.name;
    r.Text(object, "specimen", name, path);
    bool known = false;
    for (const SpecimenSizeRow& row : kSpecimenSizes)
        if (row.name == name) {
            s.specimen = row.size;
            known = true;
        }
    if (!known) r.Fail(path + ".specimen", "“" + name + "”不是可选的试件尺寸");
    r.Text(object, "age_days", s.age_days, path);
    const json* groups = r.Array(object, "groups", s.groups.size(), path);
    if (!groups) return;
    for (std::size_t i = 0; i < s.groups.size(); ++i) {
        const std::string at = path + ".groups[" + std::to_string(i) + "]";
        const json& group = (*groups)[i];
        if (!group.is_object()) {
            r.Fail(at, "应为对象");
            return;
        }
        if (const json* cubes = r.Array(group, "strengths", 3, at))
            for (std::size_t k = 0; k < 3; ++k)
                r.Text((*cubes)[k], s.groups[i].strengths[k],
                       at + ".strengths[" + std::to_string(k) + "]");
        r.Text(group, "density", s.groups[i].density, at);
    }
}

} // namespace

nlohmann::json TrialEntriesToJson(const TrialEntries& e) {
    json strength_groups = json::array();
    for (const GroupEntry& group : e.strength.groups)
        strength_groups.push_back(GroupToJson(group));
    const AdjustmentEntry& a = e.adjustment;
    const ProductionEntry& p = e.production;
    std::string_view specimen = kSpecimenSizes.front().name;
    for (const SpecimenSizeRow& row : kSpecimenSizes)
        if (row.size == e.strength.specimen) specimen = row.name;
    return json{
        {"batch", {{"litres", e.batch.litres}}},
        {"adjustment",
         {{"kind", KindText(a.kind)},
          {"batch_masses", MixToJson(a.batch_masses)},
          {"water", a.water},
          {"admixture", a.admixture},
          {"sand_ratio_percent", a.sand_ratio_percent},
          {"slump_mm", a.slump_mm}}},
        {"strength",
         {{"specimen", specimen}, {"age_days", e.strength.age_days}, {"groups", strength_groups}}},
        {"density", {{"measured", e.density.measured}}},
        {"production",
         {{"sand_moisture_percent", p.sand_moisture_percent},
          {"stone_moisture_percent", p.stone_moisture_percent},
          {"measured_at", p.measured_at},
          {"mixer_capacity_m3", p.mixer_capacity_m3}}},
    };
}

Computed<TrialEntries> TrialEntriesFromJson(const nlohmann::json& object) {
    if (!object.is_object()) return Computed<TrialEntries>::Lacking("试配记录应为 JSON 对象");
    TrialEntries e;
    Reader r;
    if (const json* batch = r.Object(object, "batch", ""))
        r.Text(*batch, "litres", e.batch.litres, "batch");
    if (const json* adjustment = r.Object(object, "adjustment", ""))
        ReadAdjustment(r, *adjustment, e.adjustment);
    if (const json* strength = r.Object(object, "strength", ""))
        ReadStrength(r, *strength, e.strength);
    if (const json* density = r.Object(object, "density", ""))
        r.Text(*density, "measured", e.density.measured, "density");
    if (const json* production = r.Object(object, "production", "")) {
        ProductionEntry& p = e.production;
        r.Text(*production, "sand_moisture_percent", p.sand_moisture_percent, "production");
        r.Text(*production, "stone_moisture_percent", p.stone_moisture_percent, "production");
        r.Text(*production, "measured_at", p.measured_at, "production");
        r.Text(*production, "mixer_capacity_m3", p.mixer_capacity_m3, "production");
    }
    if (!r.ok()) return Computed<TrialEntries>::Lacking(r.problem());
    return Computed<TrialEntries>::Of(e);
}

} // namespace mixora::trial
