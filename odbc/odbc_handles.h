#pragma once
// One move-only owner per ODBC handle kind: an environment, a connection (disconnected before it
// is freed) and a statement, each freed however the scope that made it ends. Included only by
// the engine's own sources: ODBC's headers need the platform's on Windows.
#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include <utility>

namespace mixora::odbc {

template <SQLSMALLINT Kind> class unique_sql_handle {
  public:
    unique_sql_handle() = default;
    explicit unique_sql_handle(SQLHANDLE handle) : handle_(handle) {}
    unique_sql_handle(unique_sql_handle&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)) {}
    unique_sql_handle& operator=(unique_sql_handle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    unique_sql_handle(const unique_sql_handle&) = delete;
    unique_sql_handle& operator=(const unique_sql_handle&) = delete;
    ~unique_sql_handle() { reset(); }

    SQLHANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    void reset() noexcept {
        if (handle_ == nullptr) return;
        // A connection that never connected answers 08003, which changes nothing.
        if constexpr (Kind == SQL_HANDLE_DBC) SQLDisconnect(handle_);
        SQLFreeHandle(Kind, handle_);
        handle_ = nullptr;
    }

  private:
    SQLHANDLE handle_ = nullptr;
};

using unique_sql_env = unique_sql_handle<SQL_HANDLE_ENV>;
using unique_sql_dbc = unique_sql_handle<SQL_HANDLE_DBC>;
using unique_sql_stmt = unique_sql_handle<SQL_HANDLE_STMT>;

} // namespace mixora::odbc
