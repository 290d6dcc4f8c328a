#pragma once
// The SQL engine over SQLite: a lab database in one file on this computer.
#include "sql_engine.h"

#include <memory>
#include <string>

namespace mixora::store {

enum class SqliteAccess {
    ReadWrite, // made when missing; written ahead to a log (WAL), so readers never wait
    ReadOnly,  // never written, never made
};

// The database file at `path` (UTF-8). Refuses (Damaged) a file that is not a database or whose
// first page is damaged, before anything is written to it; Open when it cannot be opened.
std::unique_ptr<Connection> OpenSqlite(const std::string& path, SqliteAccess access);

} // namespace mixora::store
