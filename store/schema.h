#pragma once
// The lab database's tables, their version and the migrations between versions. The version is
// kept in the table schema_version (one row), so that every engine reads it the same way.
#include "sql_engine.h"

namespace mixora::store {

// The newest schema this program knows; a database of a newer one is opened read-only.
inline constexpr int kSchemaVersion = 2;

// The version of the database's schema: 0 for a database that holds no table yet. Refuses
// (Damaged) a database that holds tables but no version: it is not a lab's database.
int SchemaVersionOf(Connection& connection);

// Brings the schema up to `target`, one migration at a time, each in a transaction of its own
// that first reads the version again (another program may have migrated meanwhile). A database
// of a newer schema than `target` is left as it is.
void Migrate(Connection& connection, int target = kSchemaVersion);

} // namespace mixora::store
