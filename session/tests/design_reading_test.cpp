#include "design_reading.h"

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
            "design": {"slump": "很大"}})");
    EXPECT_NE(design.find("design"), std::string::npos) << design;
    EXPECT_NE(design.find("slump"), std::string::npos) << design;
    const std::string trial = refused(
        R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011",
            "trial": {"strength": {"groups": 3}}})");
    EXPECT_NE(trial.find("trial"), std::string::npos) << trial;
    EXPECT_EQ(refused(R"({"format": "mixora-design", "version": 2, "kind": "gb-2030"})"),
              "由更新版本的 Mixora 保存（设计种类 gb-2030 本版本不能打开）");
}

} // namespace
} // namespace mixora::session
