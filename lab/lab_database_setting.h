#pragma once
// Which lab database this computer works on, as 实验室设置 → 数据库 keeps it: the database file
// on this computer (本机数据库, the default), or a shared database on a server reached through
// ODBC (共享数据库). Its connection string is kept without the password, which lives in the
// system's credential store; OpenLabOfSetting is the one way every window opens the database.
#include "lab_database.h"

#include <string>
#include <string_view>

namespace mixora::lab {

enum class LabDatabaseKind { Local, Shared };

struct LabDatabaseSetting {
    LabDatabaseKind kind = LabDatabaseKind::Local;
    std::string path;       // 本机数据库: the database file (UTF-8, absolute)
    std::string connection; // 共享数据库: the ODBC connection string, without its password
};

// What the user typed as the shared database: a connection string, or a DSN's name alone
// ("实验室" is "DSN=实验室;").
std::string ConnectionOfTyped(std::string_view typed);

// A connection string as typed, split into what may be kept (without Pwd/Password) and the
// password (empty when it holds none).
struct SplitConnection {
    std::string kept;
    std::string password;
};
SplitConnection SplitPassword(std::string_view connection);

// The kept connection string with the password put back (none added when it is empty).
std::string WithPassword(std::string_view kept, std::string_view password);

// What the credential store's names of Mixora's passwords begin with.
inline constexpr std::string_view kCredentialPrefix = "Mixora/";
// The credential store's name for the password of a shared database: kCredentialPrefix and its
// server (or its DSN).
std::string CredentialTarget(std::string_view connection);

// What messages call the database: "本机数据库“D:\实验室\lab.sqlite”" or the shared database's
// server and name.
std::string DescribeSetting(const LabDatabaseSetting& setting);

// Opens the lab database the setting names: the file (made when missing), or the shared
// database with `password` added. A shared database that cannot be reached fails (StoreError):
// the file on this computer is never opened instead.
store::LabDatabase OpenLabOfSetting(const LabDatabaseSetting& setting, std::string_view password,
                                    const store::NetworkDriveCheck& is_network_drive);

// Who the register records: the database login on a server, else the name set on this computer.
std::string WhoIsWorking(store::Connection& connection, const std::string& person);

} // namespace mixora::lab
