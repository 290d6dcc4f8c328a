// The command-line face: its arguments, and each command run on a real database file.
#include "lab_command_line.h"
#include "lab_test_files.h"
#include "lab_time.h"
#include "shared_test_lab.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

namespace mixora::lab::testing {
namespace {

// Files as they are; the settings' database in a temporary folder (or the shared database and
// password a test sets); the name "张三".
class TestPlatform final : public LabPlatform {
  public:
    LabDatabaseSetting SettingsDatabase() override {
        ++settings_asked;
        return setting;
    }
    std::string KeptPassword(const std::string&) override { return kept_password; }
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
    LabDatabaseSetting setting{LabDatabaseKind::Local, folder.Path("lab.sqlite"), {}};
    std::string kept_password;
    int settings_asked = 0;
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

TEST(LabCommandLine, ASharedDatabaseAwayIsSaidAndTheLocalOneIsNeverUsedInstead) {
    TestPlatform platform;
    const std::string away =
        "odbc:Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=1;Database=lab;Uid=x;Pwd=x;";
    const LabOutcome listed = RunLabCommandLine({"--db", away, "--list"}, platform);
    EXPECT_EQ(listed.exit_code, 1);
    EXPECT_NE(listed.error.find("无法连接共享数据库服务器"), std::string::npos) << listed.error;
    EXPECT_EQ(listed.error.find("Pwd"), std::string::npos) << listed.error;
    EXPECT_EQ(platform.settings_asked, 0);

    for (const std::vector<std::string>& refused :
         {std::vector<std::string>{"--db", away, "--as", "李四", "--review", "PB-2026-0001"},
          {"--db", platform.folder.Path("lab.sqlite"), "--init-lab-db"},
          {"--migrate-to", platform.folder.Path("other.sqlite")},
          {"--db", away, "--migrate-to", away}}) {
        const LabOutcome outcome = RunLabCommandLine(refused, platform);
        EXPECT_EQ(outcome.exit_code, 1) << refused[1];
        EXPECT_FALSE(outcome.error.empty());
    }
    EXPECT_EQ(platform.settings_asked, 0);
}

// On the tests' server: a database made ready, a lab moved into it twice, and then worked on
// under the logins, who are recorded and kept to their roles.
TEST(LabCommandLine, MakesASharedDatabaseReadyMovesALabIntoItAndWorksOnItAsALogin) {
    const auto server = odbc::testing::GivenServer();
    if (!server) GTEST_SKIP() << "no lab server given (scripts/test starts one)";
    const odbc::testing::SharedTestDatabase database(*server, false);
    const std::string admin = "odbc:" + database.ConnectionOf(server->administrator);
    const std::string tester = "odbc:" + database.ConnectionOf(server->tester);
    const std::string approver = "odbc:" + database.ConnectionOf(server->approver);
    TestPlatform platform;
    const std::string sample = SamplePath("c30-trial.mixora");

    EXPECT_NE(RunLabCommandLine({"--db", tester, "--list"}, platform).error.find("尚未初始化"),
              std::string::npos);
    const LabOutcome made = RunLabCommandLine({"--db", admin, "--init-lab-db"}, platform);
    ASSERT_EQ(made.exit_code, 0) << made.error;
    EXPECT_NE(made.out.find("试验员、审核、批准"), std::string::npos) << made.out;

    std::string number = RunLabCommandLine({"--register", sample}, platform).out;
    number.pop_back(); // its line's end
    RunLabCommandLine({"--review", number}, platform);
    const LabOutcome moved = RunLabCommandLine({"--migrate-to", admin}, platform);
    ASSERT_EQ(moved.exit_code, 0) << moved.error;
    EXPECT_NE(moved.out.find("designs\t1\t1\t"), std::string::npos) << moved.out;
    const LabOutcome again = RunLabCommandLine({"--migrate-to", admin}, platform);
    EXPECT_NE(again.out.find("新增 0 行"), std::string::npos) << again.out;

    EXPECT_EQ(RunLabCommandLine({"--db", tester, "--list"}, platform).out,
              RunLabCommandLine({"--list"}, platform).out);
    const LabOutcome refused = RunLabCommandLine({"--db", tester, "--approve", number}, platform);
    EXPECT_NE(refused.error.find("不是“批准”角色的成员"), std::string::npos) << refused.error;
    EXPECT_EQ(RunLabCommandLine({"--db", approver, "--approve", number}, platform).exit_code, 0);
    const std::string next =
        RunLabCommandLine({"--db", tester, "--register", sample}, platform).out;
    EXPECT_EQ(next, number.substr(0, number.size() - 4) + "0002\n");
}

// Without --db, the database the settings name, as the windows open it: the shared one with the
// password kept for it; refused, saying how to give the password, when none is kept; the file on
// this computer never made instead.
TEST(LabCommandLine, WithoutDbWorksOnTheSharedDatabaseTheSettingsName) {
    const auto server = odbc::testing::GivenServer();
    if (!server) GTEST_SKIP() << "no lab server given (scripts/test starts one)";
    const odbc::testing::SharedTestDatabase database(*server);
    const SplitConnection tester = SplitPassword(database.ConnectionOf(server->tester));
    TestPlatform platform;
    platform.setting = {LabDatabaseKind::Shared, platform.folder.Path("lab.sqlite"), tester.kept};

    const LabOutcome no_password = RunLabCommandLine({"--list"}, platform);
    EXPECT_EQ(no_password.exit_code, 1);
    EXPECT_NE(no_password.error.find("“实验室设置 → 数据库”中输入密码"), std::string::npos)
        << no_password.error;
    platform.kept_password = tester.password;
    const LabOutcome registered =
        RunLabCommandLine({"--register", SamplePath("c30-trial.mixora")}, platform);
    ASSERT_EQ(registered.exit_code, 0) << registered.error;
    const std::string listed = RunLabCommandLine({"--list"}, platform).out;
    EXPECT_TRUE(
        listed.starts_with(registered.out.substr(0, registered.out.size() - 1) + "\tA\t草稿"))
        << listed;
    EXPECT_EQ(RunLabCommandLine({"--db", "odbc:" + database.ConnectionOf(server->tester), "--list"},
                                platform)
                  .out,
              listed);
    EXPECT_FALSE(std::filesystem::exists(platform.folder.Path("lab.sqlite")));
}

} // namespace
} // namespace mixora::lab::testing
