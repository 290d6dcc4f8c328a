// What the lookups and the reports rely on in the tables: a limit's text and value say the same
// number, rows stand in the order they are searched in, every choice reads back from its key.
#include "gb50010_2010.h"
#include "gbt50081.h"
#include "jgj55_2011.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

namespace mixora::standards {
namespace {

double Read(std::string_view text) {
    double value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc{} && end == text.data() + text.size()) << text;
    return value;
}

std::vector<Limit> EveryLimit() {
    std::vector<Limit> limits;
    for (const auto& row : gb50010_2010::kEnvironmentLimits.rows)
        limits.push_back(row.max_water_binder);
    for (const auto& row : jgj55_2011::kMinimumBinder.rows) {
        limits.push_back(row.max_water_binder);
        limits.insert(limits.end(), row.min_binder.begin(), row.min_binder.end());
    }
    for (const auto& row : jgj55_2011::kTrialBatchMinimum.rows) {
        limits.push_back(row.max_aggregate_mm);
        limits.push_back(row.min_litres);
    }
    for (const auto& row : jgj55_2011::kChlorideLimits.rows)
        limits.insert(limits.end(), row.max_percent.begin(), row.max_percent.end());
    for (const auto& row : jgj55_2011::kMinimumAirContent.rows)
        limits.insert(limits.end(), {row.max_size_mm, row.moist, row.salt_frost});
    for (const auto& row : jgj55_2011::kImpermeableWaterBinder.rows)
        limits.insert(limits.end(), {row.up_to_boundary, row.above_boundary});
    for (const auto& row : jgj55_2011::kFrostLimits.rows) {
        if (row.without_agent) limits.push_back(*row.without_agent);
        limits.insert(limits.end(), {row.with_agent, row.min_binder});
    }
    for (const auto& row : jgj55_2011::kHighStrengthMix.rows)
        limits.insert(limits.end(), {row.water_binder_low, row.water_binder_high, row.binder_low,
                                     row.binder_high});
    for (const auto& row : jgj55_2011::kPumpSizeRatio.rows)
        limits.insert(limits.end(), row.bore_ratio.begin(), row.bore_ratio.end());
    limits.insert(limits.end(), jgj55_2011::kPumpHeights.begin(), jgj55_2011::kPumpHeights.end());
    for (const auto& range : {jgj55_2011::kImpermeableSandRatio, jgj55_2011::kImpermeableAirContent,
                              jgj55_2011::kHighStrengthSandRatio, jgj55_2011::kHighStrengthMineral,
                              jgj55_2011::kPumpSandRatio, jgj55_2011::kMassSandRatio})
        limits.insert(limits.end(), {range.low, range.high});
    for (const auto& limit :
         {jgj55_2011::kImpermeableMinBinder, jgj55_2011::kImpermeableMaxSize,
          jgj55_2011::kHighStrengthMaxCement, jgj55_2011::kHighStrengthMaxSilicaFume,
          jgj55_2011::kHighStrengthMaxSize, jgj55_2011::kPumpMinBinder,
          jgj55_2011::kMassMaxSizeAdvised, jgj55_2011::kMassMaxWaterBinder,
          jgj55_2011::kMassMaxWater, jgj55_2011::kMassMaxTemperatureRise})
        limits.push_back(limit.limit);
    limits.push_back(jgj55_2011::kMaxAirContent);
    return limits;
}

TEST(StandardsTest, ALimitsTextIsItsValueAsTheStandardWritesIt) {
    for (const Limit& limit : EveryLimit())
        EXPECT_EQ(Read(limit.text), limit.value) << limit.text;
}

TEST(StandardsTest, RowsStandInTheOrderTheyAreSearched) {
    const auto& environment = gb50010_2010::kEnvironmentLimits.rows;
    ASSERT_EQ(environment.size(), kEnvironmentClasses.size());
    for (std::size_t i = 0; i < environment.size(); ++i)
        EXPECT_EQ(environment[i].environment, kEnvironmentClasses[i].value) << i;
    // The first row whose limit a value does not exceed is its row.
    const auto ascending = [](const auto& rows, auto limit_of) {
        for (std::size_t i = 1; i < rows.size(); ++i)
            EXPECT_LT(limit_of(rows[i - 1]), limit_of(rows[i])) << i;
    };
    ascending(jgj55_2011::kMinimumBinder.rows,
              [](const auto& row) { return row.max_water_binder.value; });
    ascending(jgj55_2011::kTrialBatchMinimum.rows,
              [](const auto& row) { return row.max_aggregate_mm.value; });
    ascending(jgj55_2011::kSigmaTable.rows, [](const auto& row) { return row.max_grade; });
    ascending(jgj55_2011::kSandRatioTable.rows, [](const auto& row) { return row.water_binder; });
    ascending(jgj55_2011::kHighStrengthMix.rows, [](const auto& row) { return row.from_grade; });
    ascending(jgj55_2011::kPumpHeights, [](const auto& limit) { return limit.value; });
    // 表 3.0.7 is read from the largest size down.
    ascending(jgj55_2011::kMinimumAirContent.rows,
              [](const auto& row) { return -row.max_size_mm.value; });
    const auto& chloride = jgj55_2011::kChlorideLimits.rows;
    for (std::size_t i = 0; i < chloride.size(); ++i)
        EXPECT_EQ(chloride[i].environment, kChlorideEnvironments[i].value) << i;
}

template <class E, std::size_t N> void ExpectReadBack(const std::array<Choice<E>, N>& choices) {
    for (const Choice<E>& choice : choices) {
        EXPECT_EQ(FromKey<E>(choice.key), choice.value) << choice.key;
        EXPECT_EQ(FromName<E>(choice.name), choice.value) << choice.name;
        EXPECT_EQ(NameOf(choice.value), choice.name);
    }
}

TEST(StandardsTest, EveryChoiceReadsBackFromItsKeyAndName) {
    ExpectReadBack(kEnvironmentClasses);
    ExpectReadBack(kStructureTypes);
    ExpectReadBack(kCementKinds);
    ExpectReadBack(kCementGrades);
    ExpectReadBack(kFlyAshGrades);
    ExpectReadBack(kSlagGrades);
    ExpectReadBack(kCoarseKinds);
    ExpectReadBack(kMaxSizes);
    ExpectReadBack(kSandFinenesses);
    ExpectReadBack(kImpermeabilityGrades);
    ExpectReadBack(kFrostGrades);
    ExpectReadBack(kChlorideEnvironments);
    ExpectReadBack(kAirExposures);
    EXPECT_EQ(FromKey<SlagGrade>("S110"), std::nullopt);
    EXPECT_EQ(Cited(jgj55_2011::kName, jgj55_2011::kTrialBatchMinimum.source),
              "JGJ 55-2011 表 6.1.2");
    EXPECT_EQ(Cited(gbt50081::kName, ""), "GB/T 50081");
}

} // namespace
} // namespace mixora::standards
