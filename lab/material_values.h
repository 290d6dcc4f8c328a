#pragma once
// What a JGJ 55-2011 design takes from the materials library: one record for each of its
// materials (cement, fly ash, slag, sand, stone, admixture), the values it fills in the design's
// inputs, the copy of them the design keeps under "extra": {"materials": [...]} beside the
// record's id and version (so the file reads the same elsewhere), the source a given value
// names, the cost per m³ from the records' prices, and the records as the design's documents
// list them.
#include "cited_materials.h"
#include "design_document.h"
#include "inputs.h"
#include "material_library.h"
#include "result.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::lab {

// 硅灰, added later, last: the roles index the documents' slots and the sheet's lists.
enum class MaterialRole { Cement, FlyAsh, Slag, Sand, Stone, Admixture, SilicaFume };

struct MaterialRoleInfo {
    MaterialRole role;
    std::string_view key;  // kept in the citation: "cement"
    std::string_view name; // shown: "水泥"
    store::MaterialKind kind;
    jgj55::Quantity amount; // its amount per m³ in the result
};
std::span<const MaterialRoleInfo> AllMaterialRoles();
const MaterialRoleInfo& InfoOf(MaterialRole role);

// Fills what the record gives into `inputs` (cement: type, strength class, measured fce as
// given, density; fly ash and slag: grade, density; 硅灰: density ρsf; sand and stone: apparent
// density, stone's kind and largest size; admixture: dosage, water reduction). What the design
// offers no place for is left as it was and named in the notes returned (Chinese).
std::vector<std::string> ApplyRecord(MaterialRole role, const store::MaterialRecord& record,
                                     jgj55::Inputs& inputs);

// The citation the design keeps: {"record", "version", "role", "code", "maker", "product",
// "batch", "report", "report_date", "price", "price_date", "values": {property: value}}.
nlohmann::json CitationOf(MaterialRole role, const store::MaterialRecord& record);
// The citation of a role in "materials", or null.
const nlohmann::json* CitedFor(const nlohmann::json& materials, MaterialRole role);
// "原材料 C-0001 检测报告 JC-2026-031": what a value taken from the citation names as its source.
std::string SourceOf(const nlohmann::json& citation);

using jgj55_report::MaterialCost;
// The cost per m³ of the cited materials at their prices (元/t), by the result's amounts; none
// when no cited material is used with a price.
std::optional<MaterialCost> CostOf(const nlohmann::json& materials, const jgj55::Result& result);

// The cited records as the report and the batch ticket list them (identity, test data as
// texts in the kind's order), with the cost by the result's amounts. A citation that does not
// read as one (no known role) is left out; a member of the wrong type reads as not given.
jgj55_report::CitedMaterials CitedMaterialsOf(const nlohmann::json& materials,
                                              const jgj55::Result& result);
// Those of a design document's "extra.materials", by the result of its inputs; none for a
// design that cites none or is not a JGJ 55-2011 design.
jgj55_report::CitedMaterials CitedMaterialsOf(const document::DesignDocument& document);

} // namespace mixora::lab
