#include "odbc_errors.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace mixora::odbc {

namespace {

using store::StoreError;
using store::StoreErrorKind;

// What a SQLSTATE (or the class it begins, when `state` has two characters) means here.
struct StateMeaning {
    std::string_view state;
    StoreErrorKind kind;
    std::string_view reason;
};

constexpr std::string_view kLost =
    "与共享数据库服务器的连接已中断，请重新连接后再试（数据库不会只写入一次更改的一部分）";
constexpr std::string_view kUnreachable =
    "无法连接共享数据库服务器：服务器没有运行，或地址、端口不对，或网络不通";
constexpr std::string_view kLoginRefused =
    "共享数据库服务器拒绝了登录：用户名或密码不对，或这个登录不能连接这个数据库";

// Read in order: an exact state before its class.
constexpr std::array<StateMeaning, 20> kMeanings = {{
    {"IM002", StoreErrorKind::Open,
     "找不到 ODBC 数据源或驱动程序：请安装 PostgreSQL 的 ODBC 驱动程序（PostgreSQL Unicode），"
     "或检查数据源的名称"},
    {"IM003", StoreErrorKind::Open,
     "无法加载 ODBC 驱动程序：请重新安装 PostgreSQL 的 ODBC 驱动程序"},
    {"28", StoreErrorKind::Open, kLoginRefused},
    {"3D000", StoreErrorKind::Open, "共享数据库服务器上没有这个数据库"},
    {"57P03", StoreErrorKind::Open, "共享数据库服务器正在启动或关闭，暂时不能连接，请稍后再试"},
    {"08001", StoreErrorKind::Open, kUnreachable},
    {"08004", StoreErrorKind::Open, "共享数据库服务器拒绝了连接"},
    {"HYT00", StoreErrorKind::Open, "连接共享数据库服务器超时"},
    {"08", StoreErrorKind::Lost, kLost},
    {"57P01", StoreErrorKind::Lost, kLost},
    {"57P02", StoreErrorKind::Lost, kLost},
    {"40001", StoreErrorKind::Busy,
     "其他用户同时修改了相关的数据，数据库服务器撤销了本次更改，请重试"},
    {"40P01", StoreErrorKind::Busy, "与其他用户的修改互相等待，数据库服务器撤销了本次更改，请重试"},
    {"55P03", StoreErrorKind::Busy, "数据库正被其他用户修改，等待超时，请稍后再试"},
    {"42501", StoreErrorKind::Refused, "没有权限"},
    {"P0001", StoreErrorKind::Refused, "数据库服务器拒绝了这项更改"},
    {"25006", StoreErrorKind::ReadOnly, "共享数据库是只读的"},
    {"23", StoreErrorKind::Failed, "数据不符合数据库的约束"},
    {"42P01", StoreErrorKind::Failed, "共享数据库中缺少实验室的数据表，可能尚未初始化"},
    {"53", StoreErrorKind::Failed, "共享数据库服务器的资源不足（磁盘已满或内存不足）"},
}};

const StateMeaning* MeaningOf(std::string_view state) {
    const auto found = std::find_if(kMeanings.begin(), kMeanings.end(), [&](const StateMeaning& m) {
        return m.state.size() == state.size() ? m.state == state
                                              : state.substr(0, m.state.size()) == m.state;
    });
    return found == kMeanings.end() ? nullptr : &*found;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// The driver's words on one line, without what drivers put around a server's own message.
std::string Plain(std::string message) {
    for (std::string_view prefix : {"ERROR:", "FATAL:"})
        if (message.starts_with(prefix)) message.erase(0, prefix.size());
    for (std::string_view suffix :
         {";\nError while executing the query", ";\nError while preparing parameters"})
        if (const auto at = message.find(suffix); at != std::string::npos) message.erase(at);
    std::replace_if(
        message.begin(), message.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; },
        ' ');
    const auto first = message.find_first_not_of(' ');
    const auto last = message.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : message.substr(first, last - first + 1);
}

} // namespace

StoreError ErrorOf(const OdbcDiagnostic& diagnostic, OdbcMoment moment, bool connection_dead) {
    const std::string words = Plain(diagnostic.message);
    const StateMeaning* meaning = MeaningOf(diagnostic.state);
    StoreErrorKind kind = meaning ? meaning->kind : StoreErrorKind::Failed;
    std::string reason(meaning ? meaning->reason : "共享数据库服务器出错");
    if (moment == OdbcMoment::Connecting) {
        // A driver manager that cannot load the driver may say only that, as a warning.
        if (diagnostic.state.starts_with("01")) {
            meaning = MeaningOf("IM003");
            kind = meaning->kind;
            reason = meaning->reason;
        }
        // Drivers give most failures to connect one state; the server's words tell them apart.
        if (Contains(words, "password authentication failed") ||
            Contains(words, "no pg_hba.conf entry") || Contains(words, "role \""))
            reason = kLoginRefused;
        else if (Contains(words, "database \"") && Contains(words, "does not exist"))
            reason = MeaningOf("3D000")->reason;
        if (kind == StoreErrorKind::Lost || kind == StoreErrorKind::Failed) {
            kind = StoreErrorKind::Open;
            if (!meaning || meaning->kind == StoreErrorKind::Lost) reason = kUnreachable;
        }
    } else if (connection_dead) {
        kind = StoreErrorKind::Lost;
        reason = kLost;
    }
    // A server's own words in Chinese (the lab's rules) are the reason itself.
    if ((kind == StoreErrorKind::Refused) && !words.empty())
        reason += "：" + words;
    else
        reason += "（ODBC " + diagnostic.state + "：" + words + "）";
    return StoreError(kind, std::move(reason));
}

StoreError LostError() {
    return StoreError(StoreErrorKind::Lost, std::string(kLost));
}

} // namespace mixora::odbc
