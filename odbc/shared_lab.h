#pragma once
// A lab's shared database on a PostgreSQL server: made ready once by the lab's administrator
// (the owner of the database), then opened by every Mixora of the lab through ODBC.
//
// The server itself enforces who may do what, whatever program or hand-written statement asks:
// three group roles get their rights (GRANT), and triggers check each change of the register
// against the current login's roles and record that login as who took every step. The
// administrator, who owns the tables, is trusted as their owner is: a lab moved in keeps its
// records as they were. The repositories know nothing of this; it is all made here.
#include "lab_database.h"
#include "sql_engine.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::odbc {

enum class LabRole { Tester, Reviewer, Approver };

struct LabRoleInfo {
    LabRole role;
    std::string_view name; // the server's role: "试验员"
    std::string_view does; // what it may do, for the README and messages
};
const std::array<LabRoleInfo, 3>& LabRoles();

// 初始化共享数据库 (--init-lab-db), through an administrator's connection (the database's
// owner, allowed to make roles): makes the three roles when missing, brings the schema to this
// program's and gives the roles their rights and the register its rules, anew each time (run it
// again after an upgrade of Mixora). Logins are then made members of the roles by the server's
// administrator ("GRANT 批准 TO zhang").
void InitLabServer(store::Connection& administrator);

// The roles the connection's login is a member of (directly or through another role), in the
// order of LabRoles(): what the windows offer it.
std::vector<LabRole> RolesOfLogin(store::Connection& shared);

// 测试连接: whether the lab database of the connection string opens, and what the user is told:
// the database, the login and its roles, and the notice of a newer schema; or what failed
// (the driver missing, the server unreachable, the login refused, the database not made
// ready or of an older schema).
struct ConnectionCheck {
    bool opens = false;
    std::string message; // Chinese
};
ConnectionCheck CheckConnection(const std::string& connection_string);

// The lab database of the connection string: refused (Open) when the database was never made
// ready or its schema is older than this program's (both the administrator's to do: the
// message says how), read-only when it is newer.
store::LabDatabase OpenSharedLab(const std::string& connection_string);

} // namespace mixora::odbc
