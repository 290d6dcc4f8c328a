#pragma once
// The rows the trial's report sections and the batch ticket are made of: a value with where it
// comes from (给定 for what the laboratory recorded, 自动 with its rule for what was computed),
// a mix across the materials, what a stage still lacks.
#include "materials.h"
#include "mix_types.h"
#include "trial_entries.h"
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
    std::string trial::MixTexts::*typed;
};
inline constexpr std::array<MaterialColumn, 8> kMaterialColumns = {{
    {"水泥", &trial::Mix::cement, &trial::MixTexts::cement},
    {"粉煤灰", &trial::Mix::fly_ash, &trial::MixTexts::fly_ash},
    {standards::kSlagName, &trial::Mix::slag, &trial::MixTexts::slag},
    {standards::kSilicaFumeName, &trial::Mix::silica_fume, &trial::MixTexts::silica_fume},
    {"水", &trial::Mix::water, &trial::MixTexts::water},
    {"砂", &trial::Mix::sand, &trial::MixTexts::sand},
    {"石", &trial::Mix::stone, &trial::MixTexts::stone},
    {"外加剂", &trial::Mix::admixture, &trial::MixTexts::admixture},
}};

// A table of values with their sources: the header, then one row per value.
page::Row SourcedHeader();
page::Row Sourced(std::string_view caption, std::string value, std::string_view unit,
                  std::string source);
// "自动（rule）".
std::string Automatic(std::string_view rule);

// A table of mixes: the header (first, then the materials) and one row per mix, each material
// to `decimals` places and the admixture to `admixture_decimals`. 硅灰 is a column only for a
// design that has some, as in the design's own mix.
class MixTable {
  public:
    explicit MixTable(bool silica_fume) : silica_fume_(silica_fume) {}
    page::Row Header(std::string_view first) const;
    page::Row Amounts(std::string label, const trial::Mix& mix, int decimals,
                      int admixture_decimals) const;
    // A mix as typed.
    page::Row Typed(std::string label, const trial::MixTexts& texts) const;

  private:
    bool Shows(const MaterialColumn& column) const;
    bool silica_fume_;
};
// The table for the mixes of a trial of this design.
MixTable MixTableOf(const trial::DesignBasis& basis);

// "180 ± 30 mm": a design slump with what GB/T 14902-2012 lets a delivery differ by; where the
// standard gives no band, it says so.
std::string SlumpWithTolerance(double slump_mm);

// The rows that say why a trial of a changed design still holds; none when nothing changed.
std::vector<page::Row> StillHolds(const trial::TrialMatch& match);

// What the user typed, without the blanks around it.
std::string Typed(std::string_view text);

} // namespace mixora::jgj55_report
