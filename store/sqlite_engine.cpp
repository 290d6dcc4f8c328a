#include "sqlite_engine.h"

#include <sqlite3.h>

#include <cstring>

namespace mixora::store {

namespace {

// One owner per SQLite handle: a statement is finalized and a database closed however the
// scope that made it ends. (A database closed while a statement lives is closed once the
// statement goes: sqlite3_close_v2.)
struct CloseDatabase {
    void operator()(sqlite3* database) const noexcept { sqlite3_close_v2(database); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};
struct FinishBackup {
    void operator()(sqlite3_backup* backup) const noexcept { sqlite3_backup_finish(backup); }
};
using unique_sqlite = std::unique_ptr<sqlite3, CloseDatabase>;
using unique_sqlite_stmt = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;
using unique_sqlite_backup = std::unique_ptr<sqlite3_backup, FinishBackup>;

// How long a writer waits for another one before giving up (Busy).
constexpr int kBusyWaitMilliseconds = 10000;

StoreErrorKind KindOf(int code) {
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return StoreErrorKind::Busy;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return StoreErrorKind::Damaged;
    case SQLITE_READONLY: return StoreErrorKind::ReadOnly;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH: return StoreErrorKind::Open;
    default: return StoreErrorKind::Failed;
    }
}

std::string ReasonOf(int code) {
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return "数据库正被其他程序使用，请稍后再试";
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return "数据库文件已损坏，或不是数据库文件";
    case SQLITE_READONLY: return "数据库文件是只读的";
    case SQLITE_CANTOPEN: return "无法打开或建立数据库文件";
    case SQLITE_PERM:
    case SQLITE_AUTH: return "没有访问数据库文件的权限";
    case SQLITE_FULL: return "磁盘已满";
    case SQLITE_IOERR: return "读写数据库文件出错";
    case SQLITE_CONSTRAINT: return "数据不符合数据库的约束";
    default: return "数据库出错";
    }
}

[[noreturn]] void Fail(int code, const char* engine_text) {
    std::string reason = ReasonOf(code);
    if (engine_text != nullptr && *engine_text != '\0')
        reason += std::string("（SQLite：") + engine_text + "）";
    throw StoreError(KindOf(code), std::move(reason));
}

[[noreturn]] void Fail(sqlite3* database, int code) {
    Fail(code, database != nullptr ? sqlite3_errmsg(database) : sqlite3_errstr(code));
}

void Check(sqlite3* database, int code) {
    if (code != SQLITE_OK) Fail(database, code);
}

void Exec(sqlite3* database, const char* sql) {
    Check(database, sqlite3_exec(database, sql, nullptr, nullptr, nullptr));
}

unique_sqlite OpenFile(const std::string& path, int flags) {
    sqlite3* opened = nullptr;
    const int code = sqlite3_open_v2(path.c_str(), &opened, flags | SQLITE_OPEN_EXRESCODE, nullptr);
    unique_sqlite database(opened);
    if (code != SQLITE_OK) Fail(database.get(), code);
    sqlite3_extended_result_codes(database.get(), 1);
    sqlite3_busy_timeout(database.get(), kBusyWaitMilliseconds);
    // Reading the schema reads the first page: a file that is not a database, or whose first
    // page is damaged, is refused here, before anything could be written to it.
    Exec(database.get(), "SELECT count(*) FROM sqlite_schema");
    return database;
}

// Copies the whole of `from` into `to`, as one write of `to`.
void Copy(sqlite3* from, sqlite3* to) {
    unique_sqlite_backup backup(sqlite3_backup_init(to, "main", from, "main"));
    if (!backup) Fail(to, sqlite3_errcode(to));
    const int step = sqlite3_backup_step(backup.get(), -1);
    const int finish = sqlite3_backup_finish(backup.release());
    if (step != SQLITE_DONE) Fail(to, step);
    Check(to, finish);
}

class SqliteStatement final : public Statement {
  public:
    SqliteStatement(sqlite3* database, unique_sqlite_stmt statement)
        : database_(database), statement_(std::move(statement)) {}

    void Bind(int parameter, const SqlValue& value) override {
        int code = SQLITE_OK;
        if (const auto* number = std::get_if<std::int64_t>(&value))
            code = sqlite3_bind_int64(statement_.get(), parameter, *number);
        else if (const auto* real = std::get_if<double>(&value))
            code = sqlite3_bind_double(statement_.get(), parameter, *real);
        else if (const auto* text = std::get_if<std::string>(&value))
            code = sqlite3_bind_text64(statement_.get(), parameter, text->data(), text->size(),
                                       SQLITE_TRANSIENT, SQLITE_UTF8);
        else
            code = sqlite3_bind_null(statement_.get(), parameter);
        Check(database_, code);
    }

    bool Step() override {
        const int code = sqlite3_step(statement_.get());
        if (code == SQLITE_ROW) return true;
        if (code == SQLITE_DONE) return false;
        Fail(database_, code);
    }

    SqlValue Column(int column) override {
        sqlite3_stmt* s = statement_.get();
        switch (sqlite3_column_type(s, column)) {
        case SQLITE_INTEGER: return std::int64_t{sqlite3_column_int64(s, column)};
        case SQLITE_FLOAT: return sqlite3_column_double(s, column);
        case SQLITE_NULL: return std::monostate{};
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
            const int size = sqlite3_column_bytes(s, column);
            return std::string(text != nullptr ? text : "", static_cast<std::size_t>(size));
        }
        }
    }

    int ColumnCount() override { return sqlite3_column_count(statement_.get()); }

    void Reset() override {
        sqlite3_reset(statement_.get());
        sqlite3_clear_bindings(statement_.get());
    }

  private:
    sqlite3* database_;
    unique_sqlite_stmt statement_;
};

class SqliteConnection final : public Connection {
  public:
    SqliteConnection(unique_sqlite database, SqliteAccess access) : database_(std::move(database)) {
        Exec(database_.get(), "PRAGMA foreign_keys = ON");
        if (access == SqliteAccess::ReadWrite) UseWriteAheadLog();
    }

    std::unique_ptr<Statement> Prepare(std::string_view sql) override {
        sqlite3_stmt* prepared = nullptr;
        const int code = sqlite3_prepare_v2(database_.get(), sql.data(),
                                            static_cast<int>(sql.size()), &prepared, nullptr);
        unique_sqlite_stmt statement(prepared);
        if (code != SQLITE_OK) Fail(database_.get(), code);
        return std::make_unique<SqliteStatement>(database_.get(), std::move(statement));
    }

    // IMMEDIATE takes the write lock at once, so two writers queue at the start instead of
    // one failing when it first writes.
    void Begin() override { Exec(database_.get(), "BEGIN IMMEDIATE"); }
    void Commit() override { Exec(database_.get(), "COMMIT"); }
    void Rollback() noexcept override {
        if (!sqlite3_get_autocommit(database_.get()))
            sqlite3_exec(database_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    }

    bool HasTable(std::string_view name) override {
        return Query(*this, "SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?", {name})
            .Next();
    }
    bool HoldsNoTable() override {
        return !Query(*this, "SELECT 1 FROM sqlite_schema WHERE type = 'table'").Next();
    }

    std::string CheckIntegrity() override {
        Query check(*this, "PRAGMA quick_check");
        std::string found;
        while (check.Next()) {
            std::string line = check.Text(0);
            if (line == "ok") continue;
            if (!found.empty()) found += "；";
            found += line;
        }
        return found;
    }

    // Into the copy through SQLite itself: the copy is written as one transaction of its own,
    // so a copy that fails leaves the file as it was; a file there that is not a database is
    // refused, not overwritten.
    void BackupTo(const std::string& path) override {
        unique_sqlite copy;
        try {
            copy = OpenFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        } catch (const StoreError& error) {
            if (error.kind() != StoreErrorKind::Damaged) throw;
            throw StoreError(StoreErrorKind::Refused, "那里已有一个不是数据库的文件，不能覆盖它");
        }
        RefuseItself(copy.get(), "备份文件不能是数据库文件本身");
        // The copy stands alone: one file, without a log beside it.
        Exec(copy.get(), "PRAGMA journal_mode = DELETE");
        Copy(database_.get(), copy.get());
        Exec(copy.get(), "PRAGMA journal_mode = DELETE");
    }

    void RestoreFrom(const std::string& path) override {
        unique_sqlite copy = OpenFile(path, SQLITE_OPEN_READONLY);
        RefuseItself(copy.get(), "不能从数据库文件本身恢复");
        Copy(copy.get(), database_.get());
        UseWriteAheadLog();
    }

  private:
    // A copy is another file: the database file itself would be replaced under its own
    // connections.
    void RefuseItself(sqlite3* other, const char* reason) {
        const char* own = sqlite3_db_filename(database_.get(), "main");
        const char* its = sqlite3_db_filename(other, "main");
        if (own != nullptr && its != nullptr && std::strcmp(own, its) == 0)
            throw StoreError(StoreErrorKind::Refused, reason);
    }

    // Readers then never wait for a writer, and a writer never for readers.
    void UseWriteAheadLog() { Exec(database_.get(), "PRAGMA journal_mode = WAL"); }

    unique_sqlite database_;
};

} // namespace

std::unique_ptr<Connection> OpenSqlite(const std::string& path, SqliteAccess access) {
    const int flags = access == SqliteAccess::ReadWrite ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                                        : SQLITE_OPEN_READONLY;
    return std::make_unique<SqliteConnection>(OpenFile(path, flags), access);
}

} // namespace mixora::store
