#include "schema.h"

#include "transaction.h"

#include <array>
#include <vector>

namespace mixora::store {

namespace {

// Each migration brings the schema from the version before it to its own. Ids are given by the
// store (counters), not by the engine, so the tables read alike on every engine. A real number
// is DOUBLE PRECISION: SQLite reads it as REAL, and a database server as eight bytes, where its
// REAL would be four.
struct Migration {
    int version;
    std::vector<std::string_view> statements;
};

const std::array<Migration, 2> kMigrations = {{
    {1,
     {
         // The lab's settings (the numbering prefix …) and the counters the store takes ids
         // and design numbers from.
         "CREATE TABLE lab_settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
         "CREATE TABLE counters (name TEXT PRIMARY KEY, value INTEGER NOT NULL)",
         // One row per version of a material record; `record` is the record across its
         // versions, `latest` marks its newest version.
         "CREATE TABLE materials ("
         " id INTEGER PRIMARY KEY, record INTEGER NOT NULL, version INTEGER NOT NULL,"
         " latest INTEGER NOT NULL, kind TEXT NOT NULL, maker TEXT NOT NULL,"
         " product TEXT NOT NULL, batch TEXT NOT NULL, sampled_on TEXT NOT NULL,"
         " report_number TEXT NOT NULL, report_date TEXT NOT NULL, price DOUBLE PRECISION,"
         " price_date TEXT NOT NULL, retired_at TEXT, retired_by TEXT,"
         " changed_at TEXT NOT NULL, changed_by TEXT NOT NULL, row_version INTEGER NOT NULL,"
         " UNIQUE (record, version))",
         // A kind's test properties of one version: a number or a text.
         "CREATE TABLE material_properties ("
         " material INTEGER NOT NULL REFERENCES materials (id), name TEXT NOT NULL,"
         " number DOUBLE PRECISION, text TEXT, PRIMARY KEY (material, name))",
         // One row per revision of a registered design; `latest` marks a number's newest.
         "CREATE TABLE designs ("
         " id INTEGER PRIMARY KEY, number TEXT NOT NULL, revision TEXT NOT NULL,"
         " latest INTEGER NOT NULL,"
         " state TEXT NOT NULL CHECK (state IN ('draft', 'reviewed', 'approved', 'withdrawn')),"
         " kind TEXT NOT NULL, grade TEXT NOT NULL, project TEXT NOT NULL,"
         " registered_at TEXT NOT NULL, registered_by TEXT NOT NULL,"
         " reviewed_at TEXT, reviewed_by TEXT, approved_at TEXT, approved_by TEXT,"
         " withdrawn_at TEXT, withdrawn_by TEXT,"
         " changed_at TEXT NOT NULL, changed_by TEXT NOT NULL, row_version INTEGER NOT NULL,"
         " UNIQUE (number, revision))",
         // The design file's document, exactly as registered, apart from the list's columns.
         "CREATE TABLE design_documents ("
         " design INTEGER PRIMARY KEY REFERENCES designs (id), document TEXT NOT NULL)",
         // Which version of which material record a revision cites.
         "CREATE TABLE design_materials ("
         " design INTEGER NOT NULL REFERENCES designs (id),"
         " material INTEGER NOT NULL REFERENCES materials (id), PRIMARY KEY (design, material))",
     }},
    {2,
     {
         // A design's special requirements (泵送, 抗渗 P8 …), to filter the register by; and the
         // indexes the register's and the library's lists use.
         "CREATE TABLE design_requirements ("
         " design INTEGER NOT NULL REFERENCES designs (id), requirement TEXT NOT NULL,"
         " PRIMARY KEY (design, requirement))",
         "CREATE INDEX designs_latest ON designs (latest, number)",
         "CREATE INDEX designs_grade ON designs (grade)",
         "CREATE INDEX designs_registered ON designs (registered_at)",
         "CREATE INDEX design_materials_material ON design_materials (material)",
         "CREATE INDEX design_requirements_requirement ON design_requirements (requirement)",
         "CREATE INDEX materials_latest ON materials (latest, kind)",
     }},
}};

constexpr std::string_view kVersionTable = "schema_version";

constexpr LabTable kLabTables[] = {
    {"lab_settings", "name"},
    {"counters", "name"},
    {"materials", "id"},
    {"material_properties", "material, name"},
    {"designs", "id"},
    {"design_documents", "design"},
    {"design_materials", "design, material"},
    {"design_requirements", "design, requirement"},
};

} // namespace

std::span<const LabTable> LabTables() {
    return kLabTables;
}

int SchemaVersionOf(Connection& connection) {
    if (!connection.HasTable(kVersionTable)) {
        if (connection.HoldsNoTable()) return 0;
        throw StoreError(StoreErrorKind::Damaged, "这个数据库不是 Mixora 的实验室数据库");
    }
    Query version(connection, "SELECT version FROM schema_version");
    if (!version.Next())
        throw StoreError(StoreErrorKind::Damaged, "实验室数据库缺少架构版本，可能已损坏");
    return static_cast<int>(version.Int(0));
}

void Migrate(Connection& connection, int target) {
    Doing("升级实验室数据库", [&] {
        for (const Migration& migration : kMigrations) {
            if (migration.version > target) break;
            Transaction transaction(connection);
            const int version = SchemaVersionOf(connection);
            if (version >= migration.version) continue; // done already, here or elsewhere
            if (version == 0) {
                Execute(connection, "CREATE TABLE schema_version (version INTEGER NOT NULL)");
                Execute(connection, "INSERT INTO schema_version (version) VALUES (0)");
            }
            for (const std::string_view statement : migration.statements)
                Execute(connection, statement);
            Execute(connection, "UPDATE schema_version SET version = ?", {migration.version});
            transaction.Commit();
        }
    });
}

} // namespace mixora::store
