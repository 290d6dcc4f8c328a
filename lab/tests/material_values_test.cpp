// What a design takes from a material record, the copy it keeps, and the cost per m³.
#include "material_text.h"
#include "material_values.h"

#include <gtest/gtest.h>

namespace mixora::lab {
namespace {

using store::MaterialKind;
using store::MaterialRecord;

MaterialRecord Record(MaterialKind kind, std::int64_t number,
                      std::map<std::string, store::PropertyValue> properties) {
    MaterialRecord record;
    record.record = number;
    record.version = 2;
    record.fields.kind = kind;
    record.fields.maker = "海螺水泥";
    record.fields.report_number = "JC-031";
    record.fields.properties = std::move(properties);
    return record;
}

TEST(MaterialValues, ARecordFillsWhatTheDesignOffersAndNamesWhatItCannot) {
    jgj55::Inputs inputs;
    const MaterialRecord cement = Record(MaterialKind::Cement, 12,
                                         {{"type", std::string("P.O")},
                                          {"strength_class", std::string("52.5R")},
                                          {"strength_28d", 55.3},
                                          {"density", 3050.0}});
    EXPECT_TRUE(ApplyRecord(MaterialRole::Cement, cement, inputs).empty());
    EXPECT_EQ(inputs.cement_grade, jgj55::CementGrade::G52_5);
    EXPECT_EQ(inputs.cement_strength, 55.3);
    EXPECT_EQ(inputs.volume.cement_density, 3050.0);

    // A slag cement and a 5–25 mm stone are not choices of the design: kept as they were, said.
    jgj55::Inputs before = inputs;
    const MaterialRecord slag_cement =
        Record(MaterialKind::Cement, 13, {{"type", std::string("P.S.A")}});
    const auto notes = ApplyRecord(MaterialRole::Cement, slag_cement, inputs);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("C-0013"), std::string::npos);
    EXPECT_EQ(inputs, before);

    const MaterialRecord stone = Record(MaterialKind::Stone, 3,
                                        {{"type", std::string("gravel")},
                                         {"size_range", std::string("5-31.5")},
                                         {"apparent_density", 2680.0}});
    EXPECT_TRUE(ApplyRecord(MaterialRole::Stone, stone, inputs).empty());
    EXPECT_EQ(inputs.coarse, jgj55::CoarseKind::Gravel);
    EXPECT_EQ(inputs.max_size, jgj55::MaxSize::Mm31_5);
    EXPECT_EQ(inputs.volume.stone_density, 2680.0);

    // 硅灰 has no default density: its record gives ρsf, and a record without one leaves it.
    const MaterialRecord silica_fume = Record(MaterialKind::SilicaFume, 7, {{"density", 2210.0}});
    EXPECT_TRUE(ApplyRecord(MaterialRole::SilicaFume, silica_fume, inputs).empty());
    EXPECT_EQ(inputs.volume.silica_fume_density, 2210.0);
    EXPECT_EQ(silica_fume.Code(), "H-0007");
    ApplyRecord(MaterialRole::SilicaFume, Record(MaterialKind::SilicaFume, 8, {}), inputs);
    EXPECT_EQ(inputs.volume.silica_fume_density, 2210.0);
}

TEST(MaterialValues, TheCitationKeepsTheRecordsIdVersionValuesAndSource) {
    MaterialRecord cement = Record(MaterialKind::Cement, 12, {{"strength_28d", 48.6}});
    cement.fields.price = 420;
    cement.fields.price_date = "2026-03-01";
    const nlohmann::json citation = CitationOf(MaterialRole::Cement, cement);
    EXPECT_EQ(citation["record"], 12);
    EXPECT_EQ(citation["version"], 2);
    EXPECT_EQ(citation["values"]["strength_28d"], 48.6);
    EXPECT_EQ(SourceOf(citation), "原材料 C-0012 检测报告 JC-031");
    const nlohmann::json materials = nlohmann::json::array({citation});
    EXPECT_EQ(CitedFor(materials, MaterialRole::Cement), &materials[0]);
    EXPECT_EQ(CitedFor(materials, MaterialRole::Sand), nullptr);
}

TEST(MaterialValues, CostPerCubicMetreFromThePricesAndTheAmounts) {
    jgj55::Result result;
    result[jgj55::Quantity::Cement].value = 350;
    result[jgj55::Quantity::FlyAsh].value = 80;
    result[jgj55::Quantity::Sand].value = 700;
    MaterialRecord cement = Record(MaterialKind::Cement, 1, {});
    cement.fields.price = 420; // 元/t
    cement.fields.price_date = "2026-03-05";
    MaterialRecord sand = Record(MaterialKind::Sand, 2, {});
    sand.fields.price = 95.5;
    sand.fields.price_date = "2026-03-01";
    const MaterialRecord fly_ash = Record(MaterialKind::FlyAsh, 3, {}); // no price
    const nlohmann::json materials = {CitationOf(MaterialRole::Cement, cement),
                                      CitationOf(MaterialRole::Sand, sand),
                                      CitationOf(MaterialRole::FlyAsh, fly_ash)};
    const auto cost = CostOf(materials, result);
    ASSERT_TRUE(cost);
    EXPECT_DOUBLE_EQ(cost->yuan_per_m3, 213.85); // 350 × 0.42 + 700 × 0.0955
    EXPECT_EQ(cost->price_dates, "2026-03-01 … 2026-03-05");
    EXPECT_EQ(cost->missing, std::vector<std::string>{"粉煤灰"});
    EXPECT_FALSE(CostOf(nlohmann::json::array(), result));
}

// The documents' list: each cited record's identity and its test data in its kind's order, the
// admixture's type and solid content; a citation edited by hand into other types reads as not
// given, never throws.
TEST(MaterialValues, TheDocumentsListTheCitedRecordsAsTheyWereTested) {
    MaterialRecord admixture = Record(MaterialKind::Admixture, 3,
                                      {{"dosage", 1.8},
                                       {"solid_content", 20.0},
                                       {"type", std::string("聚羧酸高性能减水剂")},
                                       {"water_reduction", 28.0}});
    admixture.fields.batch = "PC-0412";
    admixture.fields.report_date = "2026-03-02";
    nlohmann::json broken = CitationOf(MaterialRole::Sand, Record(MaterialKind::Sand, 4, {}));
    broken["maker"] = 5;
    broken["values"] = "2.6";
    const nlohmann::json materials = {
        CitationOf(MaterialRole::Admixture, admixture), broken, {{"role", 7}}};
    const jgj55_report::CitedMaterials cited = CitedMaterialsOf(materials, jgj55::Result{});
    ASSERT_EQ(cited.records.size(), 2u);
    const jgj55_report::CitedMaterial& sand = cited.records[0]; // the materials' order
    EXPECT_EQ(sand.slot, report::MaterialSlot::Sand);
    EXPECT_EQ(sand.maker, "");
    EXPECT_TRUE(sand.test_data.empty());
    const jgj55_report::CitedMaterial& a = cited.records[1];
    EXPECT_EQ(a.Source(), "原材料 A-0003 第 2 版");
    EXPECT_EQ(a.batch, "PC-0412");
    EXPECT_EQ(a.report_number, "JC-031");
    EXPECT_EQ(a.report_date, "2026-03-02");
    EXPECT_EQ(a.test_data, (std::vector<std::string>{"品种 聚羧酸高性能减水剂", "减水率 28 %",
                                                     "固含量 20 %", "推荐掺量 1.8 %"}));
    EXPECT_EQ(a.admixture_type, "聚羧酸高性能减水剂");
    EXPECT_EQ(a.solid_percent, "20");
    EXPECT_FALSE(cited.cost); // nothing used
}

TEST(MaterialText, ARecordCodeAsTyped) {
    EXPECT_EQ(RecordNumberOfCode("C-0012"), 12);
    EXPECT_EQ(RecordNumberOfCode(" 7 "), 7);
    EXPECT_FALSE(RecordNumberOfCode("C-"));
    EXPECT_FALSE(RecordNumberOfCode("CC-12"));
    EXPECT_FALSE(RecordNumberOfCode("0"));
    EXPECT_EQ(NumberText(42.5), "42.5");
    EXPECT_EQ(NumberText(3100), "3100");
}

} // namespace
} // namespace mixora::lab
