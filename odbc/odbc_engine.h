#pragma once
// The SQL engine over ODBC: a lab's shared database on a database server (PostgreSQL through
// its ODBC driver), the same code over Windows' odbc32 and over unixODBC. Texts go through the
// wide-character calls, so every character round-trips exactly. Transactions are serializable;
// on PostgreSQL the writers of one database also queue at Begin (a lock of the session held
// until the transaction ends), as SQLite's do, so they wait instead of undoing each other. A
// connection the server dropped is Lost, said without asking the server again, until Reconnect.
#include "sql_engine.h"

#include <memory>
#include <string>

namespace mixora::odbc {

// Connects with an ODBC connection string ("Driver={PostgreSQL Unicode};Server=…;" or
// "DSN=…;"); Open, with what failed (the driver missing, the server unreachable, the login
// refused), when it cannot.
std::unique_ptr<store::Connection> OpenOdbc(const std::string& connection_string);

} // namespace mixora::odbc
