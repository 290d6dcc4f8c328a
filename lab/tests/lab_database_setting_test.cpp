// The database setting of 实验室设置 → 数据库: the password kept apart from the connection string,
// the database opened as the setting says (never the local file instead of the server), and
// what the windows are told when the server goes away.
#include "connection_string.h"
#include "lab_database_setting.h"
#include "lab_session.h"
#include "shared_test_lab.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace mixora::lab::testing {
namespace {

TEST(LabDatabaseSetting, KeepsTheConnectionWithoutItsPasswordAndPutsItBack) {
    const SplitConnection split = SplitPassword(
        "Driver={PostgreSQL Unicode};Server=10.0.0.5;Port=5432;Database=lab;Uid=zhang;"
        "pwd={a;b}}c};Password=x;");
    EXPECT_EQ(split.kept,
              "Driver={PostgreSQL Unicode};Server=10.0.0.5;Port=5432;Database=lab;Uid=zhang;");
    EXPECT_EQ(split.password, "x"); // the driver's own key is read after the standard one
    EXPECT_EQ(SplitPassword("DSN=实验室;").password, "");

    // Any character survives the trip through the connection string.
    for (const std::string password : {"plain", "a;b}c", " lead", "{x}", "密码=1"}) {
        const std::string full = WithPassword(split.kept, password);
        EXPECT_EQ(odbc::ConnectionValue(full, "PWD"), password) << full;
        EXPECT_EQ(SplitPassword(full).kept, split.kept);
    }
    EXPECT_EQ(WithPassword(split.kept, ""), split.kept);

    EXPECT_EQ(ConnectionOfTyped(" 实验室 "), "DSN=实验室;");
    EXPECT_EQ(ConnectionOfTyped("DSN=lab;"), "DSN=lab;");

    EXPECT_EQ(CredentialTarget(split.kept), "Mixora/10.0.0.5");
    EXPECT_EQ(CredentialTarget("DSN=实验室;Uid=li;"), "Mixora/实验室");
}

TEST(LabDatabaseSetting, ASharedDatabaseOutOfReachNeverOpensTheLocalFile) {
    store::testing::TempFolder folder;
    LabDatabaseSetting setting{LabDatabaseKind::Shared, folder.Path("lab.sqlite"),
                               "Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=1;"
                               "Database=none;Uid=nobody;"};
    EXPECT_THROW(OpenLabOfSetting(setting, "secret", store::NoNetworkDrives), store::StoreError);
    EXPECT_FALSE(std::filesystem::exists(setting.path));

    setting.kind = LabDatabaseKind::Local;
    store::LabDatabase local = OpenLabOfSetting(setting, "", store::NoNetworkDrives);
    EXPECT_TRUE(std::filesystem::exists(setting.path));
}

TEST(LabSession, SaysALostServerOnceAndRefusesAtOnceUntilReconnected) {
    store::testing::TempFolder folder;
    LabSession session(store::OpenLabFile(folder.Path("lab.sqlite"), store::NoNetworkDrives),
                       "共享数据库（服务器 10.0.0.5:5432 上的数据库“lab”）", "张三");
    EXPECT_EQ(session.Who(), "张三");
    const store::StoreError lost(store::StoreErrorKind::Lost, "连接已中断", "登记配合比");

    const LabNotice first = session.Tell(lost);
    EXPECT_TRUE(first.box);
    EXPECT_NE(first.text.find("登记配合比失败"), std::string::npos);
    EXPECT_NE(first.text.find("10.0.0.5:5432"), std::string::npos);
    EXPECT_TRUE(session.lost());

    const LabNotice again = session.Tell(lost);
    EXPECT_FALSE(again.box);
    EXPECT_EQ(again.text, session.LostLine());

    // Another failure is said as what it is.
    const store::StoreError conflict(store::StoreErrorKind::Conflict, "已被修改", "保存材料");
    EXPECT_EQ(session.Tell(conflict).text, conflict.Message());

    session.Reconnect();
    EXPECT_FALSE(session.lost());
    EXPECT_TRUE(session.Tell(lost).box); // a new loss is said again
}

TEST(LabDatabaseSetting, OpensTheSharedDatabaseWithTheKeptPasswordAsItsLogin) {
    const auto server = odbc::testing::GivenServer();
    if (!server) GTEST_SKIP() << "no lab server given";
    const odbc::testing::SharedTestDatabase database(*server);
    const SplitConnection split = SplitPassword(database.ConnectionOf(server->approver));
    ASSERT_FALSE(split.password.empty());
    const LabDatabaseSetting setting{LabDatabaseKind::Shared, {}, split.kept};
    store::LabDatabase opened = OpenLabOfSetting(setting, split.password, store::NoNetworkDrives);
    EXPECT_EQ(WhoIsWorking(*opened.connection, "张三"), "lab_approver");
    EXPECT_THROW(OpenLabOfSetting(setting, "wrong", store::NoNetworkDrives), store::StoreError);
}

} // namespace
} // namespace mixora::lab::testing
