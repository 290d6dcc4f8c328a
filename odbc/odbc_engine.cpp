#include "odbc_engine.h"

#include "odbc_errors.h"
#include "odbc_handles.h"
#include "utf16.h"

#include <optional>
#include <vector>

namespace mixora::odbc {

namespace {

using store::SqlValue;
using store::StoreError;
using store::StoreErrorKind;

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "ODBC's wide characters are UTF-16");

// How long making a connection may take, and how long a writer waits for the one before it.
constexpr SQLULEN kLoginTimeoutSeconds = 10;
constexpr std::string_view kPostgresSettings = "SET lock_timeout = '10s'";
// The lock the writers of one PostgreSQL database queue on (any number: the lab's own).
constexpr std::string_view kQueueLock = "SELECT pg_advisory_lock(7308327135412847950)";
constexpr std::string_view kQueueUnlock = "SELECT pg_advisory_unlock(7308327135412847950)";

SQLWCHAR* Wide(std::u16string& text) {
    return reinterpret_cast<SQLWCHAR*>(text.data());
}

std::string Narrow(const SQLWCHAR* text, std::size_t length) {
    return ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
}

// The diagnostic record of a handle that says why: the first that is not a warning (a driver
// manager may put its own warning before the driver's error).
OdbcDiagnostic DiagnosticOf(SQLSMALLINT kind, SQLHANDLE handle) {
    std::optional<OdbcDiagnostic> first;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6]{};
        SQLINTEGER native = 0;
        SQLWCHAR message[1024]{};
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(
                SQLGetDiagRecW(kind, handle, record, state, &native, message, 1024, &length)))
            break;
        OdbcDiagnostic diagnostic{
            Narrow(state, 5),
            Narrow(message, std::min<std::size_t>(
                                static_cast<std::size_t>(std::max<SQLSMALLINT>(length, 0)), 1023))};
        if (!diagnostic.state.starts_with("01")) return diagnostic;
        if (!first) first = std::move(diagnostic);
    }
    return first.value_or(OdbcDiagnostic{"HY000", "驱动程序没有说明原因"});
}

// The environment and connection handles of one connection to the server. A statement keeps
// the session it was made in, so a Reconnect never frees a handle under a living statement,
// and a statement of a lost session says so.
struct Session {
    unique_sql_env environment;
    unique_sql_dbc connection;
    bool lost = false;

    // Throws the error of a call on the connection (or on one of its statements) that failed;
    // a connection the driver says is dead is Lost from then on.
    [[noreturn]] void Fail(SQLSMALLINT kind, SQLHANDLE handle) {
        const OdbcDiagnostic diagnostic = DiagnosticOf(kind, handle);
        SQLUINTEGER dead = SQL_CD_FALSE;
        SQLGetConnectAttrW(connection.get(), SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr);
        StoreError error = ErrorOf(diagnostic, OdbcMoment::Working, dead == SQL_CD_TRUE);
        if (error.kind() == StoreErrorKind::Lost) lost = true;
        throw error;
    }
    void Check(SQLRETURN code, SQLSMALLINT kind, SQLHANDLE handle) {
        if (!SQL_SUCCEEDED(code) && code != SQL_NO_DATA) Fail(kind, handle);
    }
    void RefuseLost() const {
        if (lost) throw LostError();
    }
};

// A parameter's value as ODBC reads it, kept until the statement has run.
struct BoundValue {
    SqlValue value;
    std::u16string text;
    SQLLEN indicator = 0;
};

class OdbcStatement final : public store::Statement {
  public:
    OdbcStatement(std::shared_ptr<Session> session, std::string_view sql) : session_(session) {
        session_->RefuseLost();
        SQLHANDLE made = nullptr;
        session_->Check(SQLAllocHandle(SQL_HANDLE_STMT, session_->connection.get(), &made),
                        SQL_HANDLE_DBC, session_->connection.get());
        statement_ = unique_sql_stmt(made);
        std::u16string text = ToUtf16(sql);
        Check(SQLPrepareW(statement_.get(), Wide(text), static_cast<SQLINTEGER>(text.size())));
    }

    void Bind(int parameter, const SqlValue& value) override {
        const auto index = static_cast<std::size_t>(parameter - 1);
        if (index >= parameters_.size()) parameters_.resize(index + 1);
        parameters_[index].value = value;
    }

    bool Step() override {
        session_->RefuseLost();
        if (!executed_) Execute();
        if (columns_ == 0) return false;
        const SQLRETURN code = SQLFetch(statement_.get());
        if (code == SQL_NO_DATA) {
            SQLFreeStmt(statement_.get(), SQL_CLOSE);
            columns_ = 0;
            return false;
        }
        Check(code);
        for (std::size_t column = 0; column < row_.size(); ++column)
            row_[column] = Read(column);
        return true;
    }

    SqlValue Column(int column) override {
        const auto index = static_cast<std::size_t>(column);
        return index < row_.size() ? row_[index] : SqlValue{};
    }

    int ColumnCount() override { return static_cast<int>(types_.size()); }

    void Reset() override {
        SQLFreeStmt(statement_.get(), SQL_CLOSE);
        executed_ = false;
        columns_ = 0;
    }

  private:
    void Check(SQLRETURN code) { session_->Check(code, SQL_HANDLE_STMT, statement_.get()); }

    void Execute() {
        SQLFreeStmt(statement_.get(), SQL_RESET_PARAMS);
        for (std::size_t index = 0; index < parameters_.size(); ++index)
            BindParameter(static_cast<SQLUSMALLINT>(index + 1), parameters_[index]);
        Check(SQLExecute(statement_.get()));
        executed_ = true;
        SQLSMALLINT count = 0;
        Check(SQLNumResultCols(statement_.get(), &count));
        columns_ = count;
        types_.assign(static_cast<std::size_t>(count), {});
        row_.assign(static_cast<std::size_t>(count), {});
        for (SQLUSMALLINT column = 1; column <= static_cast<SQLUSMALLINT>(count); ++column) {
            SQLSMALLINT type = 0, scale = 0, nullable = 0, name_length = 0;
            SQLULEN size = 0;
            SQLWCHAR name[2]{};
            const SQLRETURN described = SQLDescribeColW(
                statement_.get(), column, name, 2, &name_length, &type, &size, &scale, &nullable);
            if (!SQL_SUCCEEDED(described)) Check(described);
            types_[static_cast<std::size_t>(column - 1)] = TypeOf(type, scale);
        }
    }

    void BindParameter(SQLUSMALLINT number, BoundValue& bound) {
        SQLSMALLINT c_type = SQL_C_CHAR, sql_type = SQL_VARCHAR;
        SQLULEN size = 1;
        SQLPOINTER buffer = nullptr;
        SQLLEN buffer_length = 0;
        if (auto* integer = std::get_if<std::int64_t>(&bound.value)) {
            c_type = SQL_C_SBIGINT;
            sql_type = SQL_BIGINT;
            buffer = integer;
            bound.indicator = 0;
        } else if (auto* real = std::get_if<double>(&bound.value)) {
            c_type = SQL_C_DOUBLE;
            sql_type = SQL_DOUBLE;
            buffer = real;
            bound.indicator = 0;
        } else if (const auto* text = std::get_if<std::string>(&bound.value)) {
            bound.text = ToUtf16(*text);
            c_type = SQL_C_WCHAR;
            sql_type = bound.text.size() > 4000 ? SQL_WLONGVARCHAR : SQL_WVARCHAR;
            size = std::max<SQLULEN>(bound.text.size(), 1);
            buffer = bound.text.data();
            buffer_length = static_cast<SQLLEN>(bound.text.size() * sizeof(char16_t));
            bound.indicator = buffer_length;
        } else {
            bound.indicator = SQL_NULL_DATA;
        }
        Check(SQLBindParameter(statement_.get(), number, SQL_PARAM_INPUT, c_type, sql_type, size, 0,
                               buffer, buffer_length, &bound.indicator));
    }

    enum class ColumnType { Integer, Real, Text };

    static ColumnType TypeOf(SQLSMALLINT type, SQLSMALLINT scale) {
        switch (type) {
        case SQL_TINYINT:
        case SQL_SMALLINT:
        case SQL_INTEGER:
        case SQL_BIGINT:
        case SQL_BIT: return ColumnType::Integer;
        case SQL_REAL:
        case SQL_FLOAT:
        case SQL_DOUBLE: return ColumnType::Real;
        case SQL_NUMERIC:
        case SQL_DECIMAL: return scale == 0 ? ColumnType::Integer : ColumnType::Real;
        default: return ColumnType::Text;
        }
    }

    SqlValue Read(std::size_t index) {
        const auto column = static_cast<SQLUSMALLINT>(index + 1);
        SQLLEN indicator = 0;
        switch (types_[index]) {
        case ColumnType::Integer: {
            SQLBIGINT value = 0;
            Check(SQLGetData(statement_.get(), column, SQL_C_SBIGINT, &value, 0, &indicator));
            if (indicator == SQL_NULL_DATA) return {};
            return std::int64_t{value};
        }
        case ColumnType::Real: {
            double value = 0;
            Check(SQLGetData(statement_.get(), column, SQL_C_DOUBLE, &value, 0, &indicator));
            if (indicator == SQL_NULL_DATA) return {};
            return value;
        }
        case ColumnType::Text: break;
        }
        // A long text comes in parts: each call fills the buffer (and its terminator) until the
        // last, which says how much it gave.
        std::u16string text;
        std::u16string part(2048, u'\0');
        for (;;) {
            const SQLRETURN code =
                SQLGetData(statement_.get(), column, SQL_C_WCHAR, part.data(),
                           static_cast<SQLLEN>(part.size() * sizeof(char16_t)), &indicator);
            if (code == SQL_NO_DATA) break;
            Check(code);
            if (indicator == SQL_NULL_DATA) return {};
            const std::size_t room = part.size() - 1;
            if (indicator == SQL_NO_TOTAL ||
                static_cast<std::size_t>(indicator) / sizeof(char16_t) > room) {
                text.append(part.data(), room);
                continue;
            }
            text.append(part.data(), static_cast<std::size_t>(indicator) / sizeof(char16_t));
            break;
        }
        return ToUtf8(text);
    }

    std::shared_ptr<Session> session_;
    unique_sql_stmt statement_;
    std::vector<BoundValue> parameters_;
    bool executed_ = false;
    SQLSMALLINT columns_ = 0; // of the result being read; 0 once it is read through
    std::vector<ColumnType> types_;
    std::vector<SqlValue> row_;
};

class OdbcConnection final : public store::Connection {
  public:
    explicit OdbcConnection(std::string connection_string)
        : connection_string_(std::move(connection_string)) {
        Connect();
    }

    std::unique_ptr<store::Statement> Prepare(std::string_view sql) override {
        return std::make_unique<OdbcStatement>(session_, sql);
    }

    void Begin() override {
        session_->RefuseLost();
        if (postgres_) Run(kQueueLock);
        queued_ = postgres_;
        SetAutocommit(false);
    }

    void Commit() override {
        session_->RefuseLost();
        session_->Check(SQLEndTran(SQL_HANDLE_DBC, session_->connection.get(), SQL_COMMIT),
                        SQL_HANDLE_DBC, session_->connection.get());
        // Committed: what is left lets go of the queue. A connection lost just now is said by
        // the next call, not as a failure of the change the server has kept.
        try {
            EndTransaction();
        } catch (const StoreError& error) {
            if (error.kind() != StoreErrorKind::Lost) throw;
        }
    }

    void Rollback() noexcept override {
        if (session_->lost) return;
        SQLEndTran(SQL_HANDLE_DBC, session_->connection.get(), SQL_ROLLBACK);
        try {
            EndTransaction();
        } catch (const StoreError&) {
            // The connection is gone (and said so): the server has undone the transaction and
            // let go of the queue with it.
        }
    }

    bool HasTable(std::string_view name) override {
        return store::Query(*this,
                            "SELECT 1 FROM information_schema.tables"
                            " WHERE table_schema = current_schema AND table_name = ?",
                            {name})
            .Next();
    }
    bool HoldsNoTable() override {
        return !store::Query(*this, "SELECT 1 FROM information_schema.tables"
                                    " WHERE table_schema = current_schema")
                    .Next();
    }

    // The server keeps its own storage sound and its own backups.
    std::string CheckIntegrity() override { return {}; }
    void BackupTo(const std::string&) override { RefuseCopies(); }
    void RestoreFrom(const std::string&) override { RefuseCopies(); }

    std::string Login() override { return login_; }

    void Reconnect() override {
        session_->lost = true; // its statements are done with
        Connect();
    }

  private:
    void Connect() {
        auto session = std::make_shared<Session>();
        SQLHANDLE made = nullptr;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &made)))
            throw StoreError(StoreErrorKind::Open, "无法启动 ODBC（内存不足或 ODBC 未安装）");
        session->environment = unique_sql_env(made);
        SQLSetEnvAttr(made, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        made = nullptr;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, session->environment.get(), &made)))
            throw StoreError(StoreErrorKind::Open, "无法启动 ODBC 连接");
        session->connection = unique_sql_dbc(made);
        SQLSetConnectAttrW(made, SQL_ATTR_LOGIN_TIMEOUT,
                           reinterpret_cast<SQLPOINTER>(kLoginTimeoutSeconds), 0);
        std::u16string text = ToUtf16(connection_string_);
        SQLWCHAR completed[1024]{};
        SQLSMALLINT completed_length = 0;
        const SQLRETURN code =
            SQLDriverConnectW(made, nullptr, Wide(text), static_cast<SQLSMALLINT>(text.size()),
                              completed, 1024, &completed_length, SQL_DRIVER_NOPROMPT);
        if (!SQL_SUCCEEDED(code))
            throw ErrorOf(DiagnosticOf(SQL_HANDLE_DBC, made), OdbcMoment::Connecting, false);
        session_ = std::move(session);
        session_->Check(SQLSetConnectAttrW(made, SQL_ATTR_TXN_ISOLATION,
                                           reinterpret_cast<SQLPOINTER>(SQL_TXN_SERIALIZABLE), 0),
                        SQL_HANDLE_DBC, made);
        postgres_ = InfoText(SQL_DBMS_NAME) == "PostgreSQL";
        if (postgres_) Run(kPostgresSettings);
        store::Query user(*this, "SELECT CURRENT_USER");
        login_ = user.Next() ? user.Text(0) : std::string();
        user.Run();
        queued_ = false;
    }

    std::string InfoText(SQLUSMALLINT info) {
        SQLWCHAR value[256]{};
        SQLSMALLINT length = 0;
        session_->Check(
            SQLGetInfoW(session_->connection.get(), info, value, sizeof(value), &length),
            SQL_HANDLE_DBC, session_->connection.get());
        return Narrow(value, std::min<std::size_t>(static_cast<std::size_t>(length) / 2, 255));
    }

    void Run(std::string_view sql) { store::Query(*this, sql).Run(); }

    void SetAutocommit(bool on) {
        const auto value = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
        session_->Check(SQLSetConnectAttrW(session_->connection.get(), SQL_ATTR_AUTOCOMMIT,
                                           reinterpret_cast<SQLPOINTER>(value), 0),
                        SQL_HANDLE_DBC, session_->connection.get());
    }

    void EndTransaction() {
        SetAutocommit(true);
        if (queued_) {
            queued_ = false;
            Run(kQueueUnlock);
        }
    }

    [[noreturn]] static void RefuseCopies() {
        throw StoreError(StoreErrorKind::Unsupported,
                         "共享数据库由数据库服务器保存和备份，请由服务器的管理员备份或恢复");
    }

    std::string connection_string_;
    std::shared_ptr<Session> session_;
    bool postgres_ = false;
    bool queued_ = false; // holds the writers' queue
    std::string login_;
};

} // namespace

std::unique_ptr<store::Connection> OpenOdbc(const std::string& connection_string) {
    return std::make_unique<OdbcConnection>(connection_string);
}

} // namespace mixora::odbc
