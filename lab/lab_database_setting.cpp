#include "lab_database_setting.h"

#include "connection_string.h"
#include "shared_lab.h"

namespace mixora::lab {

namespace {

// The keys a connection string may give its password by (the ODBC standard's and the
// PostgreSQL driver's).
constexpr std::string_view kPasswordKeys[] = {"PWD", "Password"};

} // namespace

std::string ConnectionOfTyped(std::string_view typed) {
    while (!typed.empty() && typed.front() == ' ')
        typed.remove_prefix(1);
    while (!typed.empty() && typed.back() == ' ')
        typed.remove_suffix(1);
    if (typed.empty() || typed.find('=') != std::string_view::npos) return std::string(typed);
    return "DSN=" + odbc::ConnectionValueText(typed) + ";";
}

SplitConnection SplitPassword(std::string_view connection) {
    SplitConnection split{std::string(connection), {}};
    for (const std::string_view key : kPasswordKeys) {
        if (std::string password = odbc::ConnectionValue(split.kept, key); !password.empty())
            split.password = std::move(password);
        split.kept = odbc::WithoutConnectionValue(split.kept, key);
    }
    return split;
}

std::string WithPassword(std::string_view kept, std::string_view password) {
    if (password.empty()) return std::string(kept);
    return odbc::WithConnectionValue(kept, "PWD", odbc::ConnectionValueText(password));
}

std::string CredentialTarget(std::string_view connection) {
    std::string name = odbc::ConnectionValue(connection, "DSN");
    if (name.empty()) name = odbc::ConnectionValue(connection, "Server");
    if (name.empty()) name = odbc::ConnectionValue(connection, "Servername");
    return std::string(kCredentialPrefix) + name;
}

std::string DescribeSetting(const LabDatabaseSetting& setting) {
    if (setting.kind == LabDatabaseKind::Shared)
        return "共享数据库（" + odbc::DescribeConnection(setting.connection) + "）";
    return "本机数据库“" + setting.path + "”";
}

store::LabDatabase OpenLabOfSetting(const LabDatabaseSetting& setting, std::string_view password,
                                    const store::NetworkDriveCheck& is_network_drive) {
    if (setting.kind == LabDatabaseKind::Shared)
        return odbc::OpenSharedLab(WithPassword(setting.connection, password));
    return store::OpenLabFile(setting.path, is_network_drive);
}

std::string WhoIsWorking(store::Connection& connection, const std::string& person) {
    std::string login = connection.Login();
    return login.empty() ? person : login;
}

} // namespace mixora::lab
