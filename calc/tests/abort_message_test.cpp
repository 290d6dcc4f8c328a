// The message of an aborted press: the texts users know, and a field's text quoted briefly.
#include "abort_message.h"
#include "text_prefix.h"

#include <gtest/gtest.h>

namespace mixora::calc {
namespace {

constexpr std::string_view kTail = "\n\n请修改该字段后再按“计算”。在此之前已算出的结果保持不变。";

TEST(AbortMessage, NamesStepFieldAndProblemAsBefore) {
    EXPECT_EQ(
        DescribeAbort({Fault::EmptyText, Step::第二步, Text5}, "水泥28天强度", ""),
        "计算在“第二步（计算水灰比）”中止。\n\n“水泥28天强度”（Text5）是空的，这里需要一个数值。" +
            std::string(kTail));
    EXPECT_EQ(
        DescribeAbort({Fault::NotANumber, Step::第一步, Text3}, "σ取值", "四"),
        "计算在“第一步（计算混凝土配置强度）”中止。\n\n“σ取值”（Text3）中的“四”不是一个数值。" +
            std::string(kTail));
    EXPECT_EQ(
        DescribeAbort({Fault::DivisionByZero, Step::第三步, Text8}, "水灰比", "0"),
        "计算在“第三步（计算灰水比）”中止。\n\n由于“水灰比”（Text8）的值，计算中出现了除以零。" +
            std::string(kTail));
    EXPECT_EQ(DescribeAbort({Fault::Overflow, Step::第四步, Text26}, "用水量", "1e308"),
              "计算在“第四步（计算水泥用量）”中止。\n\n由于“用水量”（Text26）的值，计算结果超出了数"
              "值范围。" +
                  std::string(kTail));
    EXPECT_EQ(DescribeAbort({Fault::InvalidOperation, Step::tijifa, std::nullopt}, "x", "y"),
              "计算在“体积法计算砂石用量”中止。\n\n计算中出现了无意义的运算（如 0 除以 0）。\n\n"
              "请修改输入数据后再按“计算”。在此之前已算出的结果保持不变。");
}

TEST(AbortMessage, QuotesALongTextByItsFirst32Characters) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "四";
    const std::string message =
        DescribeAbort({Fault::NotANumber, Step::第一步, Text3}, "σ取值", text);
    std::string prefix;
    for (int i = 0; i < 32; ++i)
        prefix += "四";
    EXPECT_NE(message.find("中的“" + prefix + "…”不是一个数值。"), std::string::npos) << message;
    EXPECT_LT(message.size(), 400u);
}

TEST(TextPrefix, CutsAfterWholeCharactersOnlyWhenLonger) {
    EXPECT_EQ(TextPrefix(""), "");
    EXPECT_EQ(TextPrefix(std::string(32, 'a')), std::string(32, 'a'));
    EXPECT_EQ(TextPrefix(std::string(33, 'a')), std::string(32, 'a') + "…");
    EXPECT_EQ(TextPrefix("ab四五", 3), "ab四…");
    EXPECT_EQ(TextPrefix("ab四", 3), "ab四");
    EXPECT_EQ(TextPrefix("σσσσ", 2), "σσ…");
}

} // namespace
} // namespace mixora::calc
