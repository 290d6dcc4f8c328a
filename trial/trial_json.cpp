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
    return std::array{
        std::pair{"cement", &t.cement},       std::pair{"fly_ash", &t.fly_ash},
        std::pair{"slag", &t.slag},           std::pair{"water", &t.water},
        std::pair{"sand", &t.sand},           std::pair{"stone", &t.stone},
        std::pair{"admixture", &t.admixture}, std::pair{"silica_fume", &t.silica_fume}};
}

// 硅灰 came after files were written: left out when there is none, so that a trial without it
// writes its file as before.
bool Omitted(std::string_view key, const std::string& text) {
    return key.starts_with("silica_fume") && text.empty();
}
bool Omitted(std::string_view key, double number) {
    return key.starts_with("silica_fume") && number == 0;
}

std::string_view KindText(AdjustmentKind kind) {
    return NamesOf(kind).key;
}

json MixToJson(const MixTexts& texts) {
    json object = json::object();
    for (const auto& [key, member] : MixMembers(texts))
        if (!Omitted(key, *member)) object[key] = *member;
    return object;
}

json GroupToJson(const GroupEntry& group) {
    return json{{"strengths", group.strengths},
                {"density", group.density},
                {"made_on", group.made_on},
                {"specimen_numbers", group.specimen_numbers}};
}

// The numbers of a recorded mix with their keys, for writing and reading alike.
template <class M> auto AmountMembers(M& m) {
    return std::array{
        std::pair{"cement", &m.cement},       std::pair{"fly_ash", &m.fly_ash},
        std::pair{"slag", &m.slag},           std::pair{"water", &m.water},
        std::pair{"sand", &m.sand},           std::pair{"stone", &m.stone},
        std::pair{"admixture", &m.admixture}, std::pair{"silica_fume", &m.silica_fume}};
}
template <class R> auto RatioMembers(R& r) {
    return std::array{std::pair{"water_binder", &r.water_binder},
                      std::pair{"sand_ratio_percent", &r.sand_ratio_percent},
                      std::pair{"fly_ash_percent", &r.fly_ash_percent},
                      std::pair{"slag_percent", &r.slag_percent},
                      std::pair{"admixture_percent", &r.admixture_percent},
                      std::pair{"silica_fume_percent", &r.silica_fume_percent}};
}
template <class Members> json NumbersToJson(const Members& members) {
    json object = json::object();
    for (const auto& [key, member] : members)
        if (!Omitted(key, *member)) object[key] = *member;
    return object;
}

json RecordedToJson(const RecordedMix& mix) {
    return json{{"ratios", NumbersToJson(RatioMembers(mix.ratios))},
                {"per_m3", NumbersToJson(AmountMembers(mix.per_cubic_metre))},
                {"litres", mix.litres},
                {"batch", NumbersToJson(AmountMembers(mix.batch))}};
}

json StampToJson(const DesignStamp& stamp) {
    json items = json::array();
    for (const StampItem& item : stamp)
        items.push_back(json{{"key", item.key}, {"name", item.name}, {"text", item.text}});
    return items;
}

json CastToJson(const CastRecord& cast) {
    json batches = json::array();
    for (const CastBatch& b : cast.batches)
        batches.push_back(json{{"kind", b.kind},
                               {"index", b.index},
                               {"mix", RecordedToJson(b.mix)},
                               {"made_on", b.made_on},
                               {"specimen_numbers", b.specimen_numbers},
                               {"age_days", b.age_days}});
    return json{{"design", StampToJson(cast.design)},
                {"trial_mix", RecordedToJson(cast.trial_mix)},
                {"note", cast.note},
                {"batches", batches},
                {"accepted",
                 {{"reason", cast.accepted.reason},
                  {"design", StampToJson(cast.accepted.design)},
                  {"trial_mix", RecordedToJson(cast.accepted.trial_mix)}}}};
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
    void Number(const json& parent, std::string_view key, double& into, const std::string& path) {
        const json* value = Member(parent, key);
        if (!value) return;
        if (value->is_number())
            into = value->get<double>();
        else
            Fail(Join(path, key), "应为数字");
    }
    // An array of any length, or null when it is missing or not an array (named).
    const json* List(const json& parent, std::string_view key, const std::string& path) {
        const json* value = Member(parent, key);
        if (!value) return nullptr;
        if (!value->is_array()) return Fail(Join(path, key), "应为数组");
        return value;
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

// Three groups of cubes at key of object.
void ReadGroups(Reader& r, const json& object, std::string_view key,
                std::array<GroupEntry, 3>& into, const std::string& path) {
    const json* groups = r.Array(object, key, into.size(), path);
    if (!groups) return;
    for (std::size_t i = 0; i < into.size(); ++i) {
        const std::string at = Join(path, key) + "[" + std::to_string(i) + "]";
        const json& group = (*groups)[i];
        if (!group.is_object()) {
            r.Fail(at, "应为对象");
            return;
        }
        if (const json* cubes = r.Array(group, "strengths", 3, at))
            for (std::size_t k = 0; k < 3; ++k)
                r.Text((*cubes)[k], into[i].strengths[k],
                       at + ".strengths[" + std::to_string(k) + "]");
        r.Text(group, "density", into[i].density, at);
        r.Text(group, "made_on", into[i].made_on, at);
        r.Text(group, "specimen_numbers", into[i].specimen_numbers, at);
    }
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
    ReadGroups(r, object, "groups", s.groups, path);
}

std::string At(const std::string& path, std::size_t i) {
    return path + "[" + std::to_string(i) + "]";
}

void ReadRecorded(Reader& r, const json& parent, std::string_view key, RecordedMix& mix,
                  const std::string& path) {
    const json* object = r.Object(parent, key, path);
    if (!object) return;
    const std::string at = Join(path, key);
    if (const json* ratios = r.Object(*object, "ratios", at))
        for (const auto& [k, member] : RatioMembers(mix.ratios))
            r.Number(*ratios, k, *member, at + ".ratios");
    if (const json* per_m3 = r.Object(*object, "per_m3", at))
        for (const auto& [k, member] : AmountMembers(mix.per_cubic_metre))
            r.Number(*per_m3, k, *member, at + ".per_m3");
    r.Number(*object, "litres", mix.litres, at);
    if (const json* batch = r.Object(*object, "batch", at))
        for (const auto& [k, member] : AmountMembers(mix.batch))
            r.Number(*batch, k, *member, at + ".batch");
}

void ReadStamp(Reader& r, const json& parent, std::string_view key, DesignStamp& stamp,
               const std::string& path) {
    const json* items = r.List(parent, key, path);
    if (!items) return;
    for (std::size_t i = 0; i < items->size(); ++i) {
        const std::string at = At(Join(path, key), i);
        if (!(*items)[i].is_object()) {
            r.Fail(at, "应为对象");
            return;
        }
        StampItem item;
        r.Text((*items)[i], "key", item.key, at);
        r.Text((*items)[i], "name", item.name, at);
        r.Text((*items)[i], "text", item.text, at);
        stamp.push_back(std::move(item));
    }
}

void ReadCast(Reader& r, const json& object, CastRecord& cast, const std::string& path) {
    ReadStamp(r, object, "design", cast.design, path);
    ReadRecorded(r, object, "trial_mix", cast.trial_mix, path);
    r.Text(object, "note", cast.note, path);
    if (const json* batches = r.List(object, "batches", path))
        for (std::size_t i = 0; i < batches->size(); ++i) {
            const std::string at = At(path + ".batches", i);
            const json& item = (*batches)[i];
            if (!item.is_object()) {
                r.Fail(at, "应为对象");
                return;
            }
            CastBatch b;
            r.Text(item, "kind", b.kind, at);
            double index = 0;
            r.Number(item, "index", index, at);
            b.index = static_cast<int>(index);
            if (index != b.index || index < 0 || index > 2) r.Fail(at + ".index", "应为 0～2");
            ReadRecorded(r, item, "mix", b.mix, at);
            r.Text(item, "made_on", b.made_on, at);
            r.Text(item, "specimen_numbers", b.specimen_numbers, at);
            r.Text(item, "age_days", b.age_days, at);
            cast.batches.push_back(std::move(b));
        }
    if (const json* accepted = r.Object(object, "accepted", path)) {
        const std::string at = path + ".accepted";
        r.Text(*accepted, "reason", cast.accepted.reason, at);
        ReadStamp(r, *accepted, "design", cast.accepted.design, at);
        ReadRecorded(r, *accepted, "trial_mix", cast.accepted.trial_mix, at);
    }
}

json GroupsToJson(const std::array<GroupEntry, 3>& groups) {
    json array = json::array();
    for (const GroupEntry& group : groups)
        array.push_back(GroupToJson(group));
    return array;
}

json SpecialToJson(const SpecialEntry& s) {
    return json{{"wait_minutes", s.wait_minutes},
                {"slump_after_wait_mm", s.slump_after_wait_mm},
                {"seepage_pressure_mpa", s.seepage_pressure_mpa},
                {"seepage", NamesOf(s.seepage).key},
                {"repeats", GroupsToJson(s.repeats)},
                {"temperature_rise", s.temperature_rise},
                {"air_percent", s.air_percent},
                {"chloride_percent", s.chloride_percent}};
}

void ReadSpecial(Reader& r, const json& object, SpecialEntry& s, const std::string& path) {
    r.Text(object, "wait_minutes", s.wait_minutes, path);
    r.Text(object, "slump_after_wait_mm", s.slump_after_wait_mm, path);
    r.Text(object, "seepage_pressure_mpa", s.seepage_pressure_mpa, path);
    std::string seepage(NamesOf(s.seepage).key);
    r.Text(object, "seepage", seepage, path);
    bool known = false;
    for (const SeepageResultName& row : kSeepageResults)
        if (row.key == seepage) {
            s.seepage = row.result;
            known = true;
        }
    if (!known) r.Fail(Join(path, "seepage"), "“" + seepage + "”不是可选的抗渗试验结果");
    ReadGroups(r, object, "repeats", s.repeats, path);
    r.Text(object, "temperature_rise", s.temperature_rise, path);
    r.Text(object, "air_percent", s.air_percent, path);
    r.Text(object, "chloride_percent", s.chloride_percent, path);
}

json AttemptToJson(const TrialAttempt& e) {
    const json strength_groups = GroupsToJson(e.strength.groups);
    const AdjustmentEntry& a = e.adjustment;
    const ProductionEntry& p = e.production;
    std::string_view specimen = kSpecimenSizes.front().name;
    for (const SpecimenSizeRow& row : kSpecimenSizes)
        if (row.size == e.strength.specimen) specimen = row.name;
    json object{
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
        {"special", SpecialToJson(e.special)},
    };
    if (e.cast) object["cast"] = CastToJson(*e.cast);
    return object;
}

void ReadAttempt(Reader& r, const json& object, TrialAttempt& e, const std::string& path) {
    const auto at = [&](std::string_view key) { return Join(path, key); };
    if (const json* batch = r.Object(object, "batch", path))
        r.Text(*batch, "litres", e.batch.litres, at("batch"));
    if (const json* adjustment = r.Object(object, "adjustment", path))
        ReadAdjustment(r, *adjustment, e.adjustment);
    if (const json* strength = r.Object(object, "strength", path))
        ReadStrength(r, *strength, e.strength);
    if (const json* density = r.Object(object, "density", path))
        r.Text(*density, "measured", e.density.measured, at("density"));
    if (const json* production = r.Object(object, "production", path)) {
        ProductionEntry& p = e.production;
        r.Text(*production, "sand_moisture_percent", p.sand_moisture_percent, at("production"));
        r.Text(*production, "stone_moisture_percent", p.stone_moisture_percent, at("production"));
        r.Text(*production, "measured_at", p.measured_at, at("production"));
        r.Text(*production, "mixer_capacity_m3", p.mixer_capacity_m3, at("production"));
    }
    if (const json* special = r.Object(object, "special", path))
        ReadSpecial(r, *special, e.special, at("special"));
    if (const json* cast = r.Object(object, "cast", path)) {
        e.cast.emplace();
        ReadCast(r, *cast, *e.cast, at("cast"));
    }
}

} // namespace

nlohmann::json TrialEntriesToJson(const TrialEntries& e) {
    json object = AttemptToJson(e);
    if (!e.history.empty()) {
        json history = json::array();
        for (const TrialAttempt& past : e.history)
            history.push_back(AttemptToJson(past));
        object["history"] = history;
    }
    return object;
}

bool IsTrialEntriesKey(std::string_view key) {
    static const json written = TrialEntriesToJson({});
    return written.contains(key) || key == "cast" || key == "history";
}

Computed<TrialEntries> TrialEntriesFromJson(const nlohmann::json& object) {
    if (!object.is_object()) return Computed<TrialEntries>::Lacking("试配记录应为 JSON 对象");
    TrialEntries e;
    Reader r;
    ReadAttempt(r, object, e, "");
    if (const json* history = r.List(object, "history", ""))
        for (std::size_t i = 0; i < history->size() && r.ok(); ++i) {
            const std::string at = At("history", i);
            if (!(*history)[i].is_object()) {
                r.Fail(at, "应为对象");
                break;
            }
            ReadAttempt(r, (*history)[i], e.history.emplace_back(), at);
        }
    if (!r.ok()) return Computed<TrialEntries>::Lacking(r.problem());
    return Computed<TrialEntries>::Of(e);
}

} // namespace mixora::trial
