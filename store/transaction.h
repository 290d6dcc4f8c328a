#pragma once
// One change of the lab's database as a scope: begun when made, rolled back when left without
// Commit (an error, an early return), so a change is written whole or not at all.
#include "sql_engine.h"

namespace mixora::store {

class Transaction {
  public:
    // Refuses (ReadOnly, with the connection's reason) where nothing may be changed.
    explicit Transaction(Connection& connection) : connection_(&connection) {
        if (!connection.read_only_reason().empty())
            throw StoreError(StoreErrorKind::ReadOnly, connection.read_only_reason());
        connection.Begin();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction() {
        if (connection_) connection_->Rollback();
    }

    void Commit() {
        connection_->Commit();
        connection_ = nullptr;
    }

  private:
    Connection* connection_;
};

} // namespace mixora::store
