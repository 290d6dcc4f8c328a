#pragma once
// The SQL engine the lab's database is written against: a connection, its prepared statements
// and its transactions. SQLite implements it for a database file on this computer; a shared
// database server is reached through another implementation. The repositories speak one dialect
// that both understand: the types TEXT, INTEGER and REAL (written DOUBLE PRECISION in the
// schema, eight bytes on every engine), times as ISO-8601 text, `?`
// parameters, INSERT … ON CONFLICT DO NOTHING, UPDATE … RETURNING, and no engine's own
// functions. What is an engine's own (its settings, its journal, its way of copying a database)
// stays inside its implementation. Every failure is a StoreError.
#include "store_error.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mixora::store {

// NULL, INTEGER, REAL or TEXT (UTF-8).
using SqlValue = std::variant<std::monostate, std::int64_t, double, std::string>;

class Statement {
  public:
    virtual ~Statement() = default;
    // Parameters are numbered from 1, in the order their `?` stand.
    virtual void Bind(int parameter, const SqlValue& value) = 0;
    // Runs the statement on to its next row: true when there is one to read, false when it has
    // finished.
    virtual bool Step() = 0;
    // A column of the current row, numbered from 0, as stored; how many its rows have.
    virtual SqlValue Column(int column) = 0;
    virtual int ColumnCount() = 0;
    // Back to before its first row, its parameters kept, to run it again.
    virtual void Reset() = 0;
};

class Connection {
  public:
    virtual ~Connection() = default;

    virtual std::unique_ptr<Statement> Prepare(std::string_view sql) = 0;

    // A transaction that writes. What it reads stays as read until it ends: another
    // connection's writer waits until it ends (for as long as the engine waits, then Busy), or
    // the engine refuses the later of two that would overlap (Busy). (SQLite takes the write
    // lock at once; a database server runs it serializable.) Use Transaction (transaction.h).
    virtual void Begin() = 0;
    virtual void Commit() = 0;
    virtual void Rollback() noexcept = 0;

    // Whether the database holds a table of that name; whether it holds none at all.
    virtual bool HasTable(std::string_view name) = 0;
    virtual bool HoldsNoTable() = 0;
    // The engine's check of its own storage: empty when sound, else what it found.
    virtual std::string CheckIntegrity() = 0;

    // A consistent copy of the database, written to the file `path` (UTF-8) in one step while
    // others may go on working. Unsupported where the engine's server keeps the backups.
    virtual void BackupTo(const std::string& path) = 0;
    // Replaces the whole database with the copy at `path`, in one step as others see it.
    virtual void RestoreFrom(const std::string& path) = 0;

    // The login a database server knows this connection by, which it records for every change;
    // empty where the engine has none (the name set on this computer is recorded instead).
    virtual std::string Login() { return {}; }
    // After a lost connection (Lost): connects anew to the same database, the repositories
    // working through this object going on with it. Nothing to do for a file on this computer.
    virtual void Reconnect() {}

    // Why nothing may be changed through this connection (Chinese); empty when it may.
    const std::string& read_only_reason() const { return read_only_reason_; }
    void set_read_only_reason(std::string reason) { read_only_reason_ = std::move(reason); }

  private:
    std::string read_only_reason_;
};

// A parameter as the repositories write it: an absent optional is NULL.
struct Param {
    SqlValue value;
    Param(int v) : value(std::int64_t{v}) {}
    Param(std::int64_t v) : value(v) {}
    Param(double v) : value(v) {}
    Param(const char* v) : value(std::string(v)) {}
    Param(std::string_view v) : value(std::string(v)) {}
    Param(const std::string& v) : value(v) {}
    Param(std::nullopt_t) {}
    Param(const std::optional<std::string>& v) {
        if (v) value = *v;
    }
    Param(const std::optional<double>& v) {
        if (v) value = *v;
    }
};

// A statement prepared, bound and read in one object.
class Query {
  public:
    Query(Connection& connection, std::string_view sql, std::initializer_list<Param> params = {});
    Query(Connection& connection, std::string_view sql, const std::vector<Param>& params);

    // Binds the parameters again (from 1) and runs it anew: for a statement used in a loop.
    void Rerun(std::initializer_list<Param> params);
    // The next row: false when there is none.
    bool Next() { return statement_->Step(); }
    // Runs it through.
    void Run() {
        while (statement_->Step()) {
        }
    }

    // The current row's columns, as stored.
    int Columns() { return statement_->ColumnCount(); }
    SqlValue Value(int column) { return statement_->Column(column); }

    bool IsNull(int column);
    std::int64_t Int(int column); // NULL reads 0
    double Real(int column);      // NULL reads 0; an INTEGER as its value
    std::optional<double> OptionalReal(int column);
    std::string Text(int column); // NULL reads empty
    std::optional<std::string> OptionalText(int column);

  private:
    std::unique_ptr<Statement> statement_;
};

// Runs one statement through.
void Execute(Connection& connection, std::string_view sql,
             std::initializer_list<Param> params = {});

} // namespace mixora::store
