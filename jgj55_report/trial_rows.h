#pragma once
// The rows the trial's report sections and the batch ticket are made of: a value with where it
// comes from (给定 for what the laboratory recorded, 自动 with its rule for what was computed),
// a mix across the materials, what a stage still lacks.
#include "materials.h"
#include "mix_types.h"
#include "trial_match.h"
#include "report_page.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::jgj55_report {

inline constexpr std::string_view kGiven = "给定";

// The materials of a mix in the order the design report lists them.
struct MaterialColumn {
    std::string_view name;
    double trial::Mix::*amount;
};
inline constexpr std::array<MaterialColumn, 7> kMaterialColumns = {{
    {"水泥", &trial::Mix::cement},
    {"粉煤灰", &trial::Mix::fly_ash},
    {standards::kSlagName, &trial::Mix::slag},
    {"水", &trial::Mix::water},
    {"砂", &trial::Mix::sand},
    {"石", &trial::Mix::stone},
    {"外加剂", &trial::Mix::admixture},
}};

// A table of values with their sources: the header, then one row per value.
page::Row SourcedHeader();
page::Row Sourced(std::string_view caption, std::string value, std::string_view unit,
                  std::string source);
// "自动（rule）".
std::string Automatic(std::string_view rule);

// A table of mixes: the header (first, then the materials) and one row per mix, each material
// to `decimals` places and the admixture to `admixture_decimals`.
page::Row MixHeader(std::string_view first);
page::Row MixRow(std::string label, const trial::Mix& mix, int decimals, int admixture_decimals);
// A mix as typed, one text per material in kMaterialColumns' order.
page::Row TextRow(std::string label, const std::array<std::string, 7>& texts);

// "180 ± 30 mm": a design slump with what GB/T 14902-2012 lets a delivery differ by; where the
// standard gives no band, it says so.
std::string SlumpWithTolerance(double slump_mm);

// The rows that say why a trial of a changed design still holds; none when nothing changed.
std::vector<page::Row> StillHolds(const trial::TrialMatch& match);

// What the user typed, without the blanks around it.
std::string Typed(std::string_view text);

} // namespace mixora::jgj55_report
