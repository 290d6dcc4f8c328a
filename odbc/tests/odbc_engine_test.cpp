// The ODBC engine without a server: texts to and from UTF-16, connection strings, and what a
// driver's diagnostics and a failed connection are said as.
#include "connection_string.h"
#include "odbc_engine.h"
#include "odbc_errors.h"
#include "utf16.h"

#include <gtest/gtest.h>

namespace mixora::odbc {
namespace {

using store::StoreErrorKind;

TEST(Utf16, RoundTripsEveryCharacterAndReplacesWhatIsBroken) {
    const std::string text = "配合比通知单 C30 ±0.5 𝄞 é\r\n";
    EXPECT_EQ(ToUtf16("配𝄞"), (std::u16string{u'\u914D', 0xD834, 0xDD1E}));
    EXPECT_EQ(ToUtf8(ToUtf16(text)), text);
    // A broken sequence, an overlong form, an encoded surrogate, a lone surrogate.
    EXPECT_EQ(ToUtf8(ToUtf16("a\xE9"
                             "b\xC0\xAF\xED\xA0\x80")),
              "a\uFFFDb\uFFFD\uFFFD");
    EXPECT_EQ(ToUtf8(std::u16string{u'x', 0xD834}), "x\uFFFD");
}

TEST(ConnectionString, ReadsAndSetsValuesAndNamesTheDatabaseWithoutThePassword) {
    const std::string connection =
        "Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=5432;Database=lab;Uid=zhang;"
        "Pwd={a;b}}c};";
    EXPECT_EQ(ConnectionValue(connection, "driver"), "PostgreSQL Unicode");
    EXPECT_EQ(ConnectionValue(connection, "PWD"), "a;b}c");
    EXPECT_EQ(ConnectionValue(connection, "DSN"), "");
    const std::string other = WithConnectionValue(connection, "database", "实验室");
    EXPECT_EQ(ConnectionValue(other, "Database"), "实验室");
    EXPECT_EQ(ConnectionValue(other, "Pwd"), "a;b}c");
    EXPECT_EQ(ConnectionValue(WithConnectionValue("DSN=lab", "Uid", "li"), "uid"), "li");
    EXPECT_EQ(DescribeConnection(connection), "服务器 127.0.0.1:5432 上的数据库“lab”");
    EXPECT_EQ(DescribeConnection("DSN=实验室;Pwd=x"), "ODBC 数据源“实验室”");
}

TEST(OdbcErrors, SayWhatFailedByTheStateAndKeepTheDriversWords) {
    struct Case {
        OdbcDiagnostic diagnostic;
        OdbcMoment moment;
        bool dead;
        StoreErrorKind kind;
        std::string says;
    };
    const Case cases[] = {
        {{"IM002", "Data source name not found"},
         OdbcMoment::Connecting,
         false,
         StoreErrorKind::Open,
         "ODBC 驱动程序"},
        {{"01000", "Can't open lib 'x'"},
         OdbcMoment::Connecting,
         false,
         StoreErrorKind::Open,
         "无法加载 ODBC 驱动程序"},
        {{"08001", "port 1 failed: Connection refused"},
         OdbcMoment::Connecting,
         false,
         StoreErrorKind::Open,
         "无法连接共享数据库服务器"},
        {{"08001", "FATAL:  password authentication failed for user \"x\""},
         OdbcMoment::Connecting,
         false,
         StoreErrorKind::Open,
         "拒绝了登录"},
        {{"28P01", "password"}, OdbcMoment::Connecting, false, StoreErrorKind::Open, "拒绝了登录"},
        {{"08001", "FATAL:  database \"x\" does not exist"},
         OdbcMoment::Connecting,
         false,
         StoreErrorKind::Open,
         "没有这个数据库"},
        {{"08S01", "link"}, OdbcMoment::Working, false, StoreErrorKind::Lost, "连接已中断"},
        {{"57P01", "terminating"}, OdbcMoment::Working, false, StoreErrorKind::Lost, "连接已中断"},
        {{"HY000", "server closed the connection"},
         OdbcMoment::Working,
         true,
         StoreErrorKind::Lost,
         "连接已中断"},
        {{"40001", "could not serialize"},
         OdbcMoment::Working,
         false,
         StoreErrorKind::Busy,
         "请重试"},
        {{"40P01", "deadlock detected"},
         OdbcMoment::Working,
         false,
         StoreErrorKind::Busy,
         "请重试"},
        {{"42501", "ERROR: 登录“x”不是“批准”角色的成员;\nError while executing the query"},
         OdbcMoment::Working,
         false,
         StoreErrorKind::Refused,
         "没有权限：登录“x”不是“批准”角色的成员"},
        {{"23505", "duplicate key"}, OdbcMoment::Working, false, StoreErrorKind::Failed, "约束"},
        {{"XX000", "internal"}, OdbcMoment::Working, false, StoreErrorKind::Failed, "服务器出错"},
    };
    for (const Case& c : cases) {
        const store::StoreError error = ErrorOf(c.diagnostic, c.moment, c.dead);
        EXPECT_EQ(error.kind(), c.kind) << c.diagnostic.state;
        EXPECT_NE(error.reason().find(c.says), std::string::npos) << error.reason();
        if (c.kind != StoreErrorKind::Refused) {
            EXPECT_NE(error.reason().find("ODBC " + c.diagnostic.state), std::string::npos)
                << error.reason();
        }
    }
}

// Through the platform's driver manager: nothing listens on port 1, no driver has that name.
TEST(OdbcEngine, SaysWhyAConnectionCannotBeMade) {
    const auto kind_and_reason = [](const std::string& connection) {
        try {
            OpenOdbc(connection);
        } catch (const store::StoreError& error) {
            return std::pair(error.kind(), error.reason());
        }
        return std::pair(StoreErrorKind::Failed, std::string("connected"));
    };
    const auto unreachable = kind_and_reason(
        "Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=1;Database=x;Uid=x;Pwd=x;");
    EXPECT_EQ(unreachable.first, StoreErrorKind::Open);
    EXPECT_NE(unreachable.second.find("无法连接共享数据库服务器"), std::string::npos)
        << unreachable.second;
    const auto no_driver = kind_and_reason("Driver={Mixora 没有的驱动};Server=127.0.0.1;");
    EXPECT_EQ(no_driver.first, StoreErrorKind::Open);
    EXPECT_NE(no_driver.second.find("ODBC 驱动程序"), std::string::npos) << no_driver.second;
}

} // namespace
} // namespace mixora::odbc
