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
    EXPECT_EQ(FromKey<SlagGrade>("S110"), std::nullopt);
    EXPECT_EQ(Cited(jgj55_2011::kName, jgj55_2011::kTrialBatchMinimum.source),
              "JGJ 55-2011 表 6.1.2");
    EXPECT_EQ(Cited(gbt50081::kName, ""), "GB/T 50081");
}

} // namespace
} // namespace mixora::standards
