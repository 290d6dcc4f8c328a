// The command-line face: its arguments, and each command run on a real database file.
#include "lab_command_line.h"
#include "lab_test_files.h"
#include "lab_time.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

namespace mixora::lab::testing {
namespace {

// Files as they are; the settings' database in a temporary folder; the name "张三".
class TestPlatform final : public LabPlatform {
  public:
    std::string DefaultDatabase() override { return folder.Path("lab.sqlite"); }
    std::string PersonName() override { return person; }
    bool IsNetworkDrive(char) override { return false; }
    std::string FullPath(const std::string& path) override { return path; }
    std::optional<std::string> ReadFile(const std::string& path, std::size_t,
                                        std::string& problem) override {
        if (!std::filesystem::exists(std::u8string(path.begin(), path.end()))) {
            problem = "找不到文件";
            return std::nullopt;
        }
        return FileBytes(path);
    }
    std::string WriteFile(const std::string& path, std::string_view bytes) override {
        std::ofstream(std::filesystem::path(std::u8string(path.begin(), path.end())),
                      std::ios::binary)
            << bytes;
        return {};
    }

    store::testing::TempFolder folder;
    std::string person = "张三";
};

std::string ParseProblem(const std::vector<std::string>& arguments) {
    auto parsed = ParseLabCommandLine(arguments);
    const auto* problem = std::get_if<std::string>(&parsed);
    return problem ? *problem : std::string();
}

TEST(LabCommandLine, TakesOneCommandWithItsValuesAndTheSettingsInAnyOrder) {
    auto parsed = ParseLabCommandLine(
        {"--as", "李四", "--export-design", "PB-2026-0001", "out.mixora", "--db", "lab.sqlite"});
    ASSERT_TRUE(std::holds_alternative<LabCommandLine>(parsed)) << ParseProblem({});
    const auto& command = std::get<LabCommandLine>(parsed);
    EXPECT_EQ(command.action, LabAction::ExportDesign);
    EXPECT_EQ(command.number, "PB-2026-0001");
    EXPECT_EQ(command.out, "out.mixora");
    EXPECT_EQ(command.database, "lab.sqlite");
    EXPECT_EQ(command.person, "李四");

    EXPECT_NE(ParseProblem({"--db", "lab.sqlite"}).find("缺少命令"), std::string::npos);
    EXPECT_NE(ParseProblem({"--list", "--review", "X"}).find("一个命令"), std::string::npos);
    EXPECT_NE(ParseProblem({"--export-design", "X"}).find("缺少值"), std::string::npos);
    EXPECT_NE(ParseProblem({"--register", "--list"}).find("缺少值"), std::string::npos);
    EXPECT_NE(ParseProblem({"--list", "--list"}).find("重复"), std::string::npos);
    EXPECT_NE(ParseProblem({"--list", "extra"}).find("无法识别"), std::string::npos);
    EXPECT_TRUE(IsLabCommandLine({"--list"}));
    EXPECT_FALSE(IsLabCommandLine({"--export", "a", "b"}));
    EXPECT_FALSE(IsLabCommandLine({"设计.mixora"}));
}

TEST(LabCommandLine, RegistersListsStepsAndExportsADesignExactly) {
    TestPlatform platform;
    const std::string sample = SamplePath("c30-trial.mixora");
    const LabOutcome registered = RunLabCommandLine({"--register", sample}, platform);
    ASSERT_EQ(registered.exit_code, 0) << registered.error;
    const std::string number = "PB-" + std::to_string(store::YearOf(store::NowText())) + "-0001";
    EXPECT_EQ(registered.out, number + "\n");

    EXPECT_EQ(RunLabCommandLine({"--list"}, platform).out, number + "\tA\t草稿\tC30\t滨江大桥\n");
    const LabOutcome early = RunLabCommandLine({"--approve", number}, platform);
    EXPECT_EQ(early.exit_code, 1);
    EXPECT_NE(early.error.find("不能批准"), std::string::npos) << early.error;
    EXPECT_EQ(RunLabCommandLine({"--review", number, "--as", "李四"}, platform).exit_code, 0);
    EXPECT_EQ(RunLabCommandLine({"--approve", number}, platform).out,
              number + "\tA\t已批准\tC30\t滨江大桥\n");

    const std::string out = platform.folder.Path("导出.mixora");
    EXPECT_EQ(RunLabCommandLine({"--export-design", number, out}, platform).exit_code, 0);
    EXPECT_EQ(FileBytes(out), FileBytes(sample));
}

TEST(LabCommandLine, FailsWithTheReasonAndChangesNothing) {
    TestPlatform platform;
    const std::string database = platform.folder.Path("other.sqlite");
    const LabOutcome missing = RunLabCommandLine(
        {"--db", database, "--register", platform.folder.Path("无.mixora")}, platform);
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_NE(missing.error.find("无法打开设计文件"), std::string::npos) << missing.error;
    const LabOutcome unknown = RunLabCommandLine({"--db", database, "--review", "PB-1"}, platform);
    EXPECT_EQ(unknown.exit_code, 1);
    EXPECT_NE(unknown.error.find("台账中没有配合比“PB-1”"), std::string::npos) << unknown.error;
    platform.person.clear();
    const LabOutcome nobody = RunLabCommandLine(
        {"--db", database, "--register", SamplePath("c30-trial.mixora")}, platform);
    EXPECT_EQ(nobody.exit_code, 1);
    EXPECT_NE(nobody.error.find("--as"), std::string::npos);
    EXPECT_EQ(RunLabCommandLine({"--db", database, "--list"}, platform).out, "");
}

} // namespace
} // namespace mixora::lab::testing
