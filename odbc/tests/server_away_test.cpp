// The server taken away under a connection and brought back: the loss is said as what it is,
// naming what failed; nothing of the change in hand is written; a new connection is made only
// when asked. It stops the server the tests share, so scripts/test runs it on its own.
#include "design_register.h"
#include "shared_test_lab.h"
#include "transaction.h"

#include <gtest/gtest.h>

namespace mixora::odbc::testing {
namespace {

using store::StoreErrorKind;
using store::testing::EntryFor;
using store::testing::ErrorKindOf;

TEST(ServerAway, ALostConnectionIsSaidWritesNothingHalfAndIsMadeAnewWhenAsked) {
    const std::optional<TestServer> server = GivenServer();
    if (!server || server->folder.empty()) GTEST_SKIP() << "no lab server given to stop";
    SharedTestDatabase database(*server);
    store::LabDatabase tester = database.Open(server->tester);
    store::Connection& connection = *tester.connection;
    store::DesignRegister designs(connection);
    const std::string first = designs.Register(EntryFor("C30", "甲"), "x").number;

    {
        store::Transaction half(connection);
        store::Execute(connection, "INSERT INTO counters (name, value) VALUES ('半', 1)");
        ASSERT_TRUE(StopServer(*server));
        EXPECT_EQ(ErrorKindOf([&] {
                      store::Execute(connection,
                                     "INSERT INTO counters (name, value) VALUES ('另一半', 1)");
                  }),
                  StoreErrorKind::Lost);
    }
    try {
        designs.Register(EntryFor("C30", "乙"), "x");
        ADD_FAILURE() << "registered with the server away";
    } catch (const store::StoreError& error) {
        EXPECT_EQ(error.kind(), StoreErrorKind::Lost);
        EXPECT_TRUE(error.Message().starts_with("登记配合比失败：与共享数据库服务器的连接已中断"))
            << error.Message();
    }
    EXPECT_EQ(ErrorKindOf([&] { connection.Reconnect(); }), StoreErrorKind::Open);

    ASSERT_TRUE(StartServer(*server));
    // Still lost until asked.
    EXPECT_EQ(ErrorKindOf([&] { designs.List({}); }), StoreErrorKind::Lost);
    connection.Reconnect();
    const std::string second = designs.Register(EntryFor("C30", "丙"), "x").number;
    EXPECT_EQ(second.substr(second.size() - 4), "0002") << first << " then " << second;
    EXPECT_FALSE(
        store::Query(connection, "SELECT 1 FROM counters WHERE name IN ('半', '另一半')").Next());
    EXPECT_EQ(designs.List({}).size(), 2u);
}

} // namespace
} // namespace mixora::odbc::testing
