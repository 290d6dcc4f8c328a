#include "material_picks.h"

#include "control_text.h"
#include "decimal_rounding.h"
#include "jgj55_ids.h"
#include "lab_access.h"
#include "material_text.h"
#include "utf.h"

#include <cstdint>

namespace mixora::ui {

namespace {

namespace ids = jgj55_ids;
using lab::MaterialRole;

constexpr LPARAM kNone = 0; // "不引用"

int RoleIndex(MaterialRole role) {
    return static_cast<int>(role);
}

std::wstring Shown(const nlohmann::json& citation) {
    return Widen(lab::VersionName(citation.value("code", std::string()),
                                  citation.value("version", std::int64_t{0})) +
                 " " + citation.value("maker", std::string()) + " " +
                 citation.value("product", std::string()));
}

std::wstring Shown(const store::MaterialRecord& record) {
    return Widen(lab::VersionName(record.Code(), record.version) + " " + record.fields.maker + " " +
                 record.fields.product);
}

} // namespace

std::optional<MaterialRole> MaterialPicks::RoleOf(int id) {
    for (const lab::MaterialRoleInfo& info : lab::AllMaterialRoles())
        if (ids::Material(RoleIndex(info.role)) == id) return info.role;
    return std::nullopt;
}

void MaterialPicks::ShowCited(MaterialRole role) {
    HWND list = form_.Control(ids::Material(RoleIndex(role)));
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    AddChoice(list, L"不引用", kNone);
    if (const nlohmann::json* cited = lab::CitedFor(materials_, role)) {
        const auto record = cited->value("record", std::int64_t{0});
        AddChoice(list, Shown(*cited), static_cast<LPARAM>(record));
        SelectValue(list, static_cast<LPARAM>(record));
    } else {
        SelectValue(list, kNone);
    }
}

void MaterialPicks::Take(const nlohmann::json& materials) {
    materials_ = materials.is_array() ? materials : nlohmann::json::array();
    for (const lab::MaterialRoleInfo& info : lab::AllMaterialRoles())
        ShowCited(info.role);
    newer_.clear();
    if (!materials_.empty()) CheckNewer();
    ShowNotes({});
}

void MaterialPicks::CheckNewer() {
    LabAccess* lab = host_.Lab();
    store::LabDatabase* database = lab ? lab->Database(host_.Window()) : nullptr;
    if (!database) return;
    try {
        store::MaterialLibrary library(*database->connection);
        for (const nlohmann::json& cited : materials_) {
            const auto record = cited.value("record", std::int64_t{0});
            const auto latest = library.Latest(record);
            if (latest && latest->version > cited.value("version", std::int64_t{0}))
                newer_.push_back("原材料 " + latest->Code() + " 已有第 " +
                                 std::to_string(latest->version) + " 版（本设计引用第 " +
                                 std::to_string(cited.value("version", 0)) + " 版）");
        }
    } catch (const store::StoreError& error) {
        lab->Failed(host_.Window(), error);
    }
}

void MaterialPicks::Fill(MaterialRole role) {
    LabAccess* lab = host_.Lab();
    store::LabDatabase* database = lab ? lab->Database(host_.Window()) : nullptr;
    if (!database) return;
    HWND list = form_.Control(ids::Material(RoleIndex(role)));
    const LPARAM chosen = SelectedValue(list, kNone);
    try {
        store::MaterialFilter filter;
        filter.kind = lab::InfoOf(role).kind;
        filter.in_use = true;
        const auto records = store::MaterialLibrary(*database->connection).List(filter);
        SendMessageW(list, CB_RESETCONTENT, 0, 0);
        AddChoice(list, L"不引用", kNone);
        bool listed = false;
        for (const store::MaterialRecord& record : records) {
            AddChoice(list, Shown(record), static_cast<LPARAM>(record.record));
            listed |= record.record == chosen;
        }
        // The record cited stays offered, retired or not.
        if (const nlohmann::json* cited = lab::CitedFor(materials_, role); cited && !listed)
            AddChoice(list, Shown(*cited), static_cast<LPARAM>(cited->value("record", 0)));
        SelectValue(list, chosen);
    } catch (const store::StoreError& error) {
        lab->Failed(host_.Window(), error);
    }
}

std::optional<store::MaterialRecord> MaterialPicks::Chosen(MaterialRole role, bool& cleared) {
    const LPARAM record = SelectedValue(form_.Control(ids::Material(RoleIndex(role))), kNone);
    const nlohmann::json* cited = lab::CitedFor(materials_, role);
    if (record == kNone) {
        if (cited) {
            materials_.erase(static_cast<std::size_t>(cited - &materials_[0]));
            cleared = true;
        }
        return std::nullopt;
    }
    if (cited && cited->value("record", std::int64_t{0}) == record) return std::nullopt;
    LabAccess* lab = host_.Lab();
    store::LabDatabase* database = lab ? lab->Database(host_.Window()) : nullptr;
    if (!database) return std::nullopt;
    try {
        auto found = store::MaterialLibrary(*database->connection).Latest(record);
        if (!found) lab->Say(host_.Window(), "所选原材料记录已不在数据库中。");
        return found;
    } catch (const store::StoreError& error) {
        lab->Failed(host_.Window(), error);
        return std::nullopt;
    }
}

void MaterialPicks::Cite(MaterialRole role, const store::MaterialRecord& record) {
    if (const nlohmann::json* cited = lab::CitedFor(materials_, role))
        materials_.erase(static_cast<std::size_t>(cited - &materials_[0]));
    materials_.push_back(lab::CitationOf(role, record));
    std::erase_if(newer_, [&record](const std::string& line) {
        return line.find(record.Code()) != std::string::npos;
    });
    ShowCited(role);
}

std::vector<std::pair<MaterialRole, store::MaterialRecord>> MaterialPicks::Newer() {
    std::vector<std::pair<MaterialRole, store::MaterialRecord>> newer;
    LabAccess* lab = host_.Lab();
    store::LabDatabase* database = lab ? lab->Database(host_.Window()) : nullptr;
    if (!database) return newer;
    try {
        store::MaterialLibrary library(*database->connection);
        for (const lab::MaterialRoleInfo& info : lab::AllMaterialRoles()) {
            const nlohmann::json* cited = lab::CitedFor(materials_, info.role);
            if (!cited) continue;
            auto latest = library.Latest(cited->value("record", std::int64_t{0}));
            if (latest && latest->version > cited->value("version", std::int64_t{0}))
                newer.emplace_back(info.role, std::move(*latest));
        }
    } catch (const store::StoreError& error) {
        lab->Failed(host_.Window(), error);
    }
    return newer;
}

void MaterialPicks::ShowNotes(const std::vector<std::string>& notes) {
    std::wstring text;
    for (const std::vector<std::string>* lines : {&std::as_const(newer_), &notes})
        for (const std::string& line : *lines)
            text += Widen(line) + L"\r\n";
    form_.Write(ids::MaterialNotice, text);
    EnableWindow(form_.Control(ids::TakeNewer), !newer_.empty());
}

void MaterialPicks::ShowCost(const jgj55::Result& result) {
    const auto cost = lab::CostOf(materials_, result);
    std::string text;
    if (cost) {
        text = "材料成本 " + calc::FormatFixed(cost->yuan_per_m3, 2) + " 元/m³";
        if (!cost->price_dates.empty()) text += "（价格日期 " + cost->price_dates + "）";
        for (const std::string& name : cost->missing)
            text += "；" + name + "无单价，未计入";
    }
    form_.Write(ids::MaterialCost, Widen(text));
}

std::string MaterialPicks::CementSource(std::optional<double> fce) const {
    const nlohmann::json* cited = lab::CitedFor(materials_, MaterialRole::Cement);
    if (!cited || !fce) return {};
    const auto values = cited->find("values");
    if (values == cited->end() || !values->contains("strength_28d") ||
        !(*values)["strength_28d"].is_number() || (*values)["strength_28d"].get<double>() != *fce)
        return {};
    return lab::SourceOf(*cited);
}

} // namespace mixora::ui
