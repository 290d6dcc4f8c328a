#pragma once
// A material record as the windows show it: a number as typed, a property with its unit or
// its choice's name, the record's row in the library's list and its lines of details.
#include "material_library.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::lab {

// A record's version as every window and page names it: "C-0001 第 2 版".
std::string VersionName(std::string_view code, std::int64_t version);

// The shortest text that reads back the same number: "42.5", "3100", "0.25".
std::string NumberText(double value);

// "52.5 MPa", "Ⅱ级", "聚羧酸高性能减水剂"; a choice's key the table does not know, as stored.
std::string PropertyValueText(const store::PropertyInfo& property,
                              const store::PropertyValue& value);

// The library's row: code, version, kind, maker, product, batch, date sampled, report number,
// price, state — separated by tabs.
std::string MaterialRow(const store::MaterialRecord& record);

// Each field and property given, "name：value", then who changed it last and whether retired.
std::vector<std::string> MaterialDetails(const store::MaterialRecord& record);

// The record named by a code the user typed ("C-0012", "c-12", "12"): its number, or none.
std::optional<std::int64_t> RecordNumberOfCode(std::string_view code);

} // namespace mixora::lab
