// Amounts that make no mix: the notice after a press, and the detection over a sheet.
#include "mix_soundness.h"
#include "sheet_fixture.h"

namespace mixora::calc {
namespace {

using MixSoundness = SheetTest;
using Texts = std::vector<std::string>;

TEST_F(MixSoundness, ASoundMixGivesNoNotice) {
    for (const auto& [sand, stone] : {std::pair{"", ""}, std::pair{"0.03", "0.01"}}) {
        qk(sheet);
        set({{Text21, sand}, {Text24, stone}});
        EXPECT_EQ(press(), std::nullopt);
        EXPECT_TRUE(notices.messages.empty()) << notices.messages.front();
        EXPECT_EQ(FindUnsoundMix(sheet, format), std::nullopt);
    }
}

TEST_F(MixSoundness, AMoistureTypedInPercentIsNamedAfterThePress) {
    set({{Text21, "3"}, {Text24, "0.01"}});
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_EQ(sheet.text(Text14), "-1867.443"); // the press itself is unchanged
    EXPECT_EQ(notices.messages, Texts{"计算结果无效：用水量为 -1867.443 kg/m³，用量应大于零。"
                                      "可能的原因：含水率以小数输入，3% 输入 0.03。"});
}

TEST_F(MixSoundness, AConcreteDensityInTonnesIsNamedForTheMassMethod) {
    sheet.set_on(Toggle::option2, true);
    design("350");
    set({{Text20, "2.4"}});
    EXPECT_EQ(press(), std::nullopt);
    ASSERT_EQ(notices.messages.size(), 1u);
    EXPECT_EQ(notices.messages[0], "计算结果无效：砂用量为 " + sheet.text(Text12) +
                                       " kg/m³，石子用量为 " + sheet.text(Text13) +
                                       " kg/m³，用量应大于零。可能的原因：砼密度以 kg/m³ 输入。");
    EXPECT_EQ(sheet.text(Text12), "-189.936");
}

TEST_F(MixSoundness, OtherwiseTheAmountsAreNamedAndTheInputsQuestioned) {
    set({{Text26, "1e30"}});
    EXPECT_EQ(press(), std::nullopt);
    ASSERT_EQ(notices.messages.size(), 1u);
    const std::string& notice = notices.messages[0];
    EXPECT_NE(notice.find("砂用量为 -"), std::string::npos) << notice;
    EXPECT_NE(notice.find("石子用量为 -"), std::string::npos) << notice;
    EXPECT_EQ(notice.find("水泥用量"), std::string::npos) << notice;
    EXPECT_TRUE(notice.ends_with("输入的数据得不出合理的配合比，请检查输入。")) << notice;

    // A mass-method density in kg/m³ that is merely too low is no unit mistake.
    notices.messages.clear();
    sheet.set_on(Toggle::option2, true);
    set({{Text26, "180"}, {Text20, "400"}});
    EXPECT_EQ(press(), std::nullopt);
    ASSERT_EQ(notices.messages.size(), 1u);
    EXPECT_TRUE(notices.messages[0].ends_with("请检查输入。")) << notices.messages[0];
}

TEST_F(MixSoundness, ZeroIsNoAmountAndOnlyAFrameOfNumbersIsJudged) {
    set({{Text11, "300"}, {Text12, "0"}, {Text13, "-0"}, {Text14, "180"}});
    const std::optional<UnsoundMix> mix = FindUnsoundMix(sheet, format);
    ASSERT_TRUE(mix.has_value());
    EXPECT_EQ(mix->amounts, (std::vector<BadAmount>{{Text12, "0"}, {Text13, "-0"}}));
    EXPECT_EQ(mix->cause, UnsoundCause::InputsGiveNoMix);
    set({{Text11, "水泥"}});
    EXPECT_EQ(FindUnsoundMix(sheet, format), std::nullopt);
    qk(sheet);
    EXPECT_EQ(FindUnsoundMix(sheet, format), std::nullopt);
}

TEST_F(MixSoundness, APressThatRunsNoMethodOrStopsSaysNothingOfTheFrame) {
    set({{Text11, "-1"}, {Text12, "-1"}, {Text13, "-1"}, {Text14, "-1"}});
    sheet.set_on(Toggle::option1, false);
    EXPECT_EQ(press(), std::nullopt);
    EXPECT_TRUE(notices.messages.empty());
    sheet.set_on(Toggle::option1, true);
    set({{Text22, ""}});
    EXPECT_EQ(press(), (CalcError{Fault::EmptyText, Step::tijifa, Text22}));
    EXPECT_TRUE(notices.messages.empty());
}

TEST_F(MixSoundness, AnAmountIsQuotedByItsFirstCharacters) {
    const std::string long_cement = "-" + std::string(40, '1');
    const UnsoundMix mix{{{Text11, long_cement}}, UnsoundCause::InputsGiveNoMix};
    EXPECT_EQ(UnsoundMixMessage(mix), "计算结果无效：水泥用量为 " + long_cement.substr(0, 32) +
                                          "… kg/m³，用量应大于零。输入的数据得不出合理的配合比，"
                                          "请检查输入。");
}

} // namespace
} // namespace mixora::calc
