#include "design_format.h"
#include "report_document.h"
#include "report_info_json.h"

#include <gtest/gtest.h>

namespace mixora::report {
namespace {

using nlohmann::json;

ReportInfo Filled() {
    ReportInfo info;
    info.project = "某住宅楼 \"A\" 区";
    info.client = "某建设单位";
    info.location = "二层梁、板";
    info.report_number = "PB-2024-001";
    info.date = "2024-05-06";
    info.environment = EnvironmentClass::TwoB;
    info.structure = StructureType::Prestressed;
    info.trial_volume_litres = 25;
    info.tested_by = "张三";
    info.reviewed_by = "李四";
    info.approved_by = "王五";
    info.remarks = "第一行\n第二行";
    info.mix_number = "PB-2024-0007";
    info.placing_method = "泵送";
    info.received_by = "赵六";
    info.admixture_solid_percent = "20";
    info.materials[static_cast<std::size_t>(MaterialSlot::Stone)] = {"东山石场", "G-118"};
    return info;
}

TEST(ReportInfoTest, RoundTripsThroughJsonText) {
    const json stored = ReportInfoToJson(Filled());
    EXPECT_EQ(stored.at("environment_class"), "二b");
    EXPECT_EQ(stored.at("structure_type"), "预应力混凝土");
    EXPECT_EQ(ReportInfoFromJson(json::parse(stored.dump())), Filled());
}

TEST(ReportInfoTest, MissingKeysKeepTheirDefaultsAndUnknownKeysAreIgnored) {
    const ReportInfo info = ReportInfoFromJson(json{{"project", "P"}, {"future_key", 1}});
    ReportInfo expected;
    expected.project = "P";
    EXPECT_EQ(info, expected);
    EXPECT_EQ(info.trial_volume_litres, 20.0);
    EXPECT_EQ(info.environment, EnvironmentClass::One);
    EXPECT_EQ(info.structure, StructureType::Reinforced);
}

std::string Refusal(const json& object, std::string expected_key) {
    try {
        ReportInfoFromJson(object);
    } catch (const ReportInfoError& e) {
        EXPECT_EQ(e.key(), expected_key);
        return e.what();
    }
    return "accepted";
}

TEST(ReportInfoTest, AMaterialsSourceIsAnObjectOfTexts) {
    EXPECT_EQ(Refusal(json{{"materials", json::array()}}, "materials"),
              "报告信息「原材料」（materials）应为对象，而不是数组");
    EXPECT_EQ(Refusal(json{{"materials", {{"stone", {{"batch", 7}}}}}}, "materials.stone.batch"),
              "报告信息「批号」（materials.stone.batch）应为文字，而不是数");
}

TEST(ReportInfoTest, WrongTypesAndChoicesAreRefusedNamingTheKey) {
    EXPECT_EQ(Refusal(json::array(), ""), "报告信息应为对象，而不是数组");
    EXPECT_EQ(Refusal(json{{"project", 12}}, "project"),
              "报告信息「工程名称」（project）应为文字，而不是数");
    EXPECT_EQ(Refusal(json{{"date", nullptr}}, "date"),
              "报告信息「日期」（date）应为文字，而不是空值");
    EXPECT_EQ(
        Refusal(json{{"environment_class", "四"}}, "environment_class"),
        "报告信息「环境类别」（environment_class）的值「四」无效，应为一、二a、二b、三a、三b 之一");
    EXPECT_EQ(Refusal(json{{"structure_type", true}}, "structure_type"),
              "报告信息「结构类型」（structure_type）应为素混凝土、钢筋混凝土、预应力混凝土 "
              "之一，而不是真假值");
    EXPECT_EQ(Refusal(json{{"trial_volume_litres", "20"}}, "trial_volume_litres"),
              "报告信息「试拌体积」（trial_volume_litres）应为大于 0 的数（升），而不是文字");
    EXPECT_EQ(Refusal(json{{"trial_volume_litres", 0}}, "trial_volume_litres"),
              "报告信息「试拌体积」（trial_volume_litres）的值 0 无效，应为大于 0 的数（升）");
}

TEST(ReportInfoTest, ATextOverTheLimitIsRefusedNamingTheKey) {
    // Counted in characters: 4096 Chinese characters are 12288 bytes and still within it.
    std::string longest;
    for (std::size_t i = 0; i < document::kMaxDesignTextLength; ++i)
        longest += "梁";
    EXPECT_EQ(ReportInfoFromJson(json{{"remarks", longest}}).remarks, longest);
    EXPECT_EQ(Refusal(json{{"remarks", longest + "x"}}, "remarks"),
              "报告信息「备注」（remarks）的文字过长（超过 4096 个字符）");
    EXPECT_EQ(Refusal(json{{"project", std::string(500000, 'x')}}, "project"),
              "报告信息「工程名称」（project）的文字过长（超过 4096 个字符）");
}

TEST(ReportInfoTest, StoredInDesignDocumentKeepsWhatItDoesNotKnow) {
    document::DesignDocument document;
    EXPECT_FALSE(ReadStoredReportInfo(document).info);
    document.set_extra(json{{"report", {{"project", "旧"}, {"future_key", 7}}}, {"other", true}});
    const document::DesignDocument stored = WithReportInfo(document, Filled());
    EXPECT_EQ(ReadStoredReportInfo(stored).info, Filled());
    EXPECT_EQ(stored.extra().at("report").at("future_key"), 7);
    EXPECT_EQ(stored.extra().at("other"), true);

    document.set_extra(json{{"report", {{"environment_class", "四"}}}});
    const StoredReportInfo unreadable = ReadStoredReportInfo(document);
    EXPECT_FALSE(unreadable.info);
    EXPECT_NE(unreadable.problem.find("环境类别"), std::string::npos);
}

} // namespace
} // namespace mixora::report

namespace mixora::report {
namespace {

TEST(ReportInfoTest, ATrialVolumeIsAPositiveNumberOfLitres) {
    EXPECT_EQ(ReadTrialVolume(" 22.5\t"), 22.5);
    for (const char* bad : {"", "  ", "0", "-5", "2O", "1e999", "nan", "20 L", "20,5"})
        EXPECT_EQ(ReadTrialVolume(bad), std::nullopt) << bad;
}

} // namespace
} // namespace mixora::report
