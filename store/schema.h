#pragma once
// The lab database's tables, their version and the migrations between versions. The version is
// kept in the table schema_version (one row), so that every engine reads it the same way.
#include "sql_engine.h"

#include <span>
#include <string_view>

namespace mixora::store {

// The newest schema this program knows; a database of a newer one is opened read-only.
inline constexpr int kSchemaVersion = 2;

// A table of the lab's data and the columns of its key, as ORDER BY takes them.
struct LabTable {
    std::string_view name;
    std::string_view key;
};
// Every table of the lab's data (all but schema_version), in an order their references allow
// them to be filled in: what a copy of a lab copies and checks, table by table.
std::span<const LabTable> LabTables();

// The version of the database's schema: 0 for a database that holds no table yet. Refuses
// (Damaged) a database that holds tables but no version: it is not a lab's database.
int SchemaVersionOf(Connection& connection);

// Brings the schema up to `target`, one migration at a time, each in a transaction of its own
// that first reads the version again (another program may have migrated meanwhile). A database
// of a newer schema than `target` is left as it is.
void Migrate(Connection& connection, int target = kSchemaVersion);

} // namespace mixora::store
