# SQLite for the lab's database (store/): the host build links Debian's libsqlite3; the cross
# build compiles the amalgamation that cmake/sqlite-amalgamation makes from Debian's source
# package of sqlite3, kept in the build tree, built for size and without what the program does
# not use. Either way the target is SQLite::SQLite3.
if(NOT CMAKE_CROSSCOMPILING)
    find_package(SQLite3 3.35 REQUIRED) # UPDATE … RETURNING
    return()
endif()

# What the program leaves out: the SQL it never writes (views, triggers, window functions, date
# functions, virtual tables, ALTER TABLE: a migration that needs it takes its flag out …; UNION
# and the other compound SELECTs, CAST, TEMP tables; ATTACH and VACUUM would be left out too,
# but SQLite 3.40 does not link without them), the planner's shortcuts that only speed up queries on large tables, and the
# interfaces it never calls. Kept: foreign keys (which need triggers' machinery), CHECK, upsert,
# RETURNING, subqueries, the pragmas the engine runs (foreign_keys, journal_mode, quick_check).
# The SQL dialect of the store (sql_engine.h) needs no more; the store's tests run on this build
# under Wine.
set(MIXORA_SQLITE_FEATURES
    -DSQLITE_OMIT_ALTERTABLE -DSQLITE_OMIT_ANALYZE -DSQLITE_OMIT_AUTHORIZATION
    -DSQLITE_OMIT_AUTOINCREMENT -DSQLITE_OMIT_AUTOMATIC_INDEX -DSQLITE_OMIT_AUTOVACUUM
    -DSQLITE_OMIT_BETWEEN_OPTIMIZATION -DSQLITE_OMIT_BLOB_LITERAL -DSQLITE_OMIT_BTREECOUNT
    -DSQLITE_OMIT_CAST -DSQLITE_OMIT_COMPILEOPTION_DIAGS -DSQLITE_OMIT_COMPOUND_SELECT
    -DSQLITE_OMIT_COMPLETE -DSQLITE_OMIT_CTE -DSQLITE_OMIT_DATETIME_FUNCS -DSQLITE_OMIT_DECLTYPE
    -DSQLITE_OMIT_DEPRECATED -DSQLITE_OMIT_DESERIALIZE -DSQLITE_OMIT_EXPLAIN
    -DSQLITE_OMIT_GENERATED_COLUMNS -DSQLITE_OMIT_GET_TABLE -DSQLITE_OMIT_HEX_INTEGER
    -DSQLITE_OMIT_INCRBLOB
    -DSQLITE_OMIT_INTROSPECTION_PRAGMAS -DSQLITE_OMIT_JSON -DSQLITE_OMIT_LIKE_OPTIMIZATION
    -DSQLITE_OMIT_LOAD_EXTENSION
    -DSQLITE_OMIT_LOCALTIME -DSQLITE_OMIT_OR_OPTIMIZATION -DSQLITE_OMIT_PROGRESS_CALLBACK
    -DSQLITE_OMIT_QUICKBALANCE -DSQLITE_OMIT_REINDEX -DSQLITE_OMIT_SCHEMA_PRAGMAS
    -DSQLITE_OMIT_SCHEMA_VERSION_PRAGMAS
    -DSQLITE_OMIT_SHARED_CACHE -DSQLITE_OMIT_TCL_VARIABLE -DSQLITE_OMIT_TEMPDB -DSQLITE_OMIT_TRACE
    -DSQLITE_OMIT_TRUNCATE_OPTIMIZATION -DSQLITE_OMIT_UTF16
    -DSQLITE_OMIT_VIEW -DSQLITE_OMIT_VIRTUALTABLE
    -DSQLITE_OMIT_WINDOWFUNC -DSQLITE_OMIT_XFER_OPT
    # Strings in single quotes only, as the other engines read them.
    -DSQLITE_DQS=0
    -DSQLITE_DEFAULT_FOREIGN_KEYS=1 -DSQLITE_DEFAULT_MEMSTATUS=0 -DSQLITE_MAX_EXPR_DEPTH=0
    -DSQLITE_TEMP_STORE=2 -DSQLITE_WIN32_NO_ANSI -DSQLITE_UNTESTABLE
    # The program uses its database from one thread; each connection belongs to one thread.
    -DSQLITE_THREADSAFE=2)

set(sqlite_dir ${CMAKE_BINARY_DIR}/sqlite)
add_custom_command(
    OUTPUT ${sqlite_dir}/sqlite3.c ${sqlite_dir}/sqlite3.h
    COMMAND ${PROJECT_SOURCE_DIR}/cmake/sqlite-amalgamation ${sqlite_dir} ${MIXORA_SQLITE_FEATURES}
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/sqlite-amalgamation
    COMMENT "Making SQLite's amalgamation from Debian's source package of sqlite3"
    VERBATIM)
add_library(mixora_sqlite3 STATIC ${sqlite_dir}/sqlite3.c ${sqlite_dir}/sqlite3.h)
list(TRANSFORM MIXORA_SQLITE_FEATURES REPLACE "^-D" "" OUTPUT_VARIABLE sqlite_definitions)
target_compile_definitions(mixora_sqlite3 PRIVATE ${sqlite_definitions})
target_compile_options(mixora_sqlite3 PRIVATE -Os -g0)
target_include_directories(mixora_sqlite3 SYSTEM PUBLIC ${sqlite_dir})
add_library(SQLite::SQLite3 ALIAS mixora_sqlite3)
