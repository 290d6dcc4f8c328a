#include "report_info_json.h"

#include "design_format.h"
#include "text_position.h"

namespace mixora::report {

namespace {

using nlohmann::json;

struct TextKey {
    const char* key;
    std::string_view caption;
    std::string ReportInfo::*member;
};
constexpr TextKey kTextKeys[] = {
    {"project", "工程名称", &ReportInfo::project},
    {"client", "委托单位", &ReportInfo::client},
    {"location", "使用部位", &ReportInfo::location},
    {"report_number", "报告编号", &ReportInfo::report_number},
    {"date", "日期", &ReportInfo::date},
    {"tested_by", "试验", &ReportInfo::tested_by},
    {"reviewed_by", "审核", &ReportInfo::reviewed_by},
    {"approved_by", "批准", &ReportInfo::approved_by},
    {"remarks", "备注", &ReportInfo::remarks},
    {"mix_number", "配合比编号", &ReportInfo::mix_number},
    {"placing_method", "浇筑方式", &ReportInfo::placing_method},
    {"issued_at", "签发时间", &ReportInfo::issued_at},
    {"received_by", "接收", &ReportInfo::received_by},
    {"admixture_type", "外加剂品种", &ReportInfo::admixture_type},
    {"admixture_solid_percent", "外加剂固含量", &ReportInfo::admixture_solid_percent},
};
// "materials": {"cement": {"maker": …, "batch": …}, …}, in MaterialSlot's order.
constexpr const char* kMaterialsKey = "materials";
constexpr const char* kMaterialKeys[kMaterialSlotCount] = {
    "cement", "fly_ash", "slag", "sand", "stone", "admixture", "silica_fume"};
struct SourceKey {
    const char* key;
    std::string_view caption;
    std::string MaterialSource::*member;
};
constexpr SourceKey kSourceKeys[] = {
    {"maker", "生产厂家", &MaterialSource::maker},
    {"batch", "批号", &MaterialSource::batch},
};
constexpr const char* kEnvironmentKey = "environment_class";
constexpr const char* kStructureKey = "structure_type";
constexpr const char* kVolumeKey = "trial_volume_litres";

std::string_view KindOf(const json& value) {
    switch (value.type()) {
    case json::value_t::null: return "空值";
    case json::value_t::boolean: return "真假值";
    case json::value_t::string: return "文字";
    case json::value_t::array: return "数组";
    case json::value_t::object: return "对象";
    case json::value_t::binary: return "二进制数据";
    default: return "数";
    }
}

[[noreturn]] void Refuse(const std::string& key, std::string_view caption,
                         std::string_view expected, const json& value) {
    throw ReportInfoError(key, "报告信息「" + std::string(caption) + "」（" + key + "）应为" +
                                   std::string(expected) + "，而不是" + std::string(KindOf(value)));
}

// A text of the header, no longer than a field's: a header is never near it, and an edit
// control showing a far longer text holds the window up.
void ReadText(const json& object, const char* key, const std::string& where,
              std::string_view caption, std::string& out) {
    const auto found = object.find(key);
    if (found == object.end()) return;
    if (!found->is_string()) Refuse(where, caption, "文字", *found);
    const std::string& text = found->get_ref<const std::string&>();
    if (document::CountCharacters(text) > document::kMaxDesignTextLength)
        throw ReportInfoError(
            where, "报告信息「" + std::string(caption) + "」（" + where + "）的文字过长（超过 " +
                       std::to_string(document::kMaxDesignTextLength) + " 个字符）");
    out = text;
}

void ReadSources(const json& object, ReportInfo& info) {
    const auto found = object.find(kMaterialsKey);
    if (found == object.end()) return;
    if (!found->is_object()) Refuse(kMaterialsKey, "原材料", "对象", *found);
    for (std::size_t i = 0; i < kMaterialSlotCount; ++i) {
        const auto material = found->find(kMaterialKeys[i]);
        if (material == found->end()) continue;
        const std::string where = std::string(kMaterialsKey) + "." + kMaterialKeys[i];
        if (!material->is_object()) Refuse(where, "原材料", "对象", *material);
        for (const SourceKey& source : kSourceKeys)
            ReadText(*material, source.key, where + "." + source.key, source.caption,
                     info.materials[i].*source.member);
    }
}

template <class Enum> std::string Choices() {
    std::string text;
    for (const auto& choice : ChoicesOf(Enum{}))
        text += (text.empty() ? "" : "、") + std::string(choice.name);
    return text;
}

// An enumeration stored by its Chinese name.
template <class Enum>
void ReadChoice(const json& object, const char* key, std::string_view caption, Enum& out) {
    const auto found = object.find(key);
    if (found == object.end()) return;
    const std::string expected = Choices<Enum>() + " 之一";
    if (!found->is_string()) Refuse(key, caption, expected, *found);
    const std::string& text = found->template get_ref<const std::string&>();
    const std::optional<Enum> value = standards::FromName<Enum>(text);
    if (!value)
        throw ReportInfoError(key, "报告信息「" + std::string(caption) + "」（" + key + "）的值「" +
                                       text + "」无效，应为" + expected);
    out = *value;
}

} // namespace

json ReportInfoToJson(const ReportInfo& info) {
    json object = json::object();
    for (const TextKey& entry : kTextKeys)
        object[entry.key] = info.*entry.member;
    // Only the materials whose source is known: a header without any has no "materials".
    json materials = json::object();
    for (std::size_t i = 0; i < kMaterialSlotCount; ++i)
        if (info.materials[i] != MaterialSource{})
            for (const SourceKey& source : kSourceKeys)
                materials[kMaterialKeys[i]][source.key] = info.materials[i].*source.member;
    if (!materials.empty()) object[kMaterialsKey] = std::move(materials);
    object[kEnvironmentKey] = standards::NameOf(info.environment);
    object[kStructureKey] = standards::NameOf(info.structure);
    object[kVolumeKey] = info.trial_volume_litres;
    return object;
}

ReportInfo ReportInfoFromJson(const json& object) {
    if (!object.is_object())
        throw ReportInfoError("", "报告信息应为对象，而不是" + std::string(KindOf(object)));
    ReportInfo info;
    for (const TextKey& entry : kTextKeys)
        ReadText(object, entry.key, entry.key, entry.caption, info.*entry.member);
    ReadSources(object, info);
    ReadChoice(object, kEnvironmentKey, "环境类别", info.environment);
    ReadChoice(object, kStructureKey, "结构类型", info.structure);
    if (const auto found = object.find(kVolumeKey); found != object.end()) {
        constexpr std::string_view expected = "大于 0 的数（升）";
        if (!found->is_number()) Refuse(kVolumeKey, "试拌体积", expected, *found);
        const double litres = found->get<double>();
        if (!(litres > 0.0))
            throw ReportInfoError(kVolumeKey, "报告信息「试拌体积」（" + std::string(kVolumeKey) +
                                                  "）的值 " + found->dump() + " 无效，应为" +
                                                  std::string(expected));
        info.trial_volume_litres = litres;
    }
    return info;
}

} // namespace mixora::report
