#include "design_reading.h"
#include "jgj55_content.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace mixora::session {
namespace {

using namespace document;

TEST(DesignReadingTest, AMemberItsKindCannotReadRefusesTheFileNamingTheMemberAndTheValue) {
    const auto refused = [](std::string_view file) {
        const ReadResult read = ReadDesignDocument(file);
        const auto* error = std::get_if<DocumentError>(&read);
        return error ? ErrorMessage(*error) : std::string("(opened)");
    };
    const std::string design = refused(
        R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011",
            "design": {"slump": true}})");
    EXPECT_NE(design.find("design"), std::string::npos) << design;
    EXPECT_NE(design.find("slump"), std::string::npos) << design;
    const std::string trial = refused(
        R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011",
            "trial": {"strength": {"groups": 3}}})");
    EXPECT_NE(trial.find("trial"), std::string::npos) << trial;
    // Opened without them, a save would drop the requirements the file holds.
    const std::string required = refused(
        R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011",
            "requirements": {"pumped": "yes"}})");
    EXPECT_NE(required.find("requirements"), std::string::npos) << required;
    EXPECT_NE(required.find("pumped"), std::string::npos) << required;
    EXPECT_EQ(refused(R"({"format": "mixora-design", "version": 2, "kind": "gb-2030"})"),
              "由更新版本的 Mixora 保存（设计种类 gb-2030 本版本不能打开）");
}

TEST(DesignReadingTest, ATextNoWindowCouldHoldRefusesTheFileNamingItsKey) {
    const auto with_trial = [](const std::string& production) {
        const std::string file =
            R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011", "trial": {)"
            R"("production": )" +
            production + "}}";
        const ReadResult read = ReadDesignDocument(file);
        const auto* error = std::get_if<DocumentError>(&read);
        return error ? ErrorMessage(*error) : std::string("(opened)");
    };
    EXPECT_EQ(with_trial(R"({"measured_at": ")" + std::string(4097, '7') + "\"}"),
              "键 trial 的内容有误：“production.measured_at”的文本过长（超过 4096 个字符）");
    EXPECT_EQ(with_trial(R"({"operator": ")" + std::string(5000, '7') + "\"}"), "(opened)");
    EXPECT_EQ(with_trial(R"({"measured_at": "07:30\u0000x"})"),
              "键 trial 的内容有误：“production.measured_at”的文本含有空字符（U+0000）");

    // A text stored as a number reads as its value written out, which its stage reads.
    const ReadResult read = ReadDesignDocument(
        R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011",
            "trial": {"production": {"sand_moisture_percent": 1e-7}}})");
    ASSERT_TRUE(std::holds_alternative<DesignDocument>(read));
    EXPECT_EQ(Jgj55ContentOf(std::get<DesignDocument>(read)).trial.production.sand_moisture_percent,
              "0.0000001");
}

} // namespace
} // namespace mixora::session
