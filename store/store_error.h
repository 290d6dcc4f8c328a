#pragma once
// The one error of the lab's database: what failed (the operation, in Chinese: "登记配合比"),
// the kind of failure, and the reason (the rule that refused it, or the engine's own words).
// Every engine and every repository throws it; the windows and the command line say it.
#include <stdexcept>
#include <string>

namespace mixora::store {

enum class StoreErrorKind {
    Open,        // the database cannot be opened or made (a missing folder, no permission …)
    Damaged,     // not a database, not a lab's database, or damaged: refused, never written
    ReadOnly,    // opened read-only (a network path, a newer schema): the reason says why
    Busy,        // another program held the database longer than the wait, or the server undid
                 // the change for one made at the same time: nothing was written, try again
    Lost,        // the connection to the database server was lost: nothing of the change in hand
                 // was written; Connection::Reconnect makes a new one
    Conflict,    // the row was changed elsewhere since it was read
    NotFound,    // no such design or material record
    Refused,     // a rule of the register or the library refused the change (the reason says which)
    Unsupported, // the engine cannot do this (a backup of a shared database …)
    Failed,      // anything else the engine reports (a full disk, an input/output error …)
};

class StoreError : public std::runtime_error {
  public:
    StoreError(StoreErrorKind kind, std::string reason, std::string what_failed = {});

    StoreErrorKind kind() const { return kind_; }
    const std::string& what_failed() const { return what_failed_; }
    const std::string& reason() const { return reason_; }
    // Names the operation, when nothing has named it yet: the repositories name what the
    // engine's error interrupted.
    void Name(const std::string& what_failed);
    // "登记配合比失败：…" (or the reason alone when nothing is named).
    std::string Message() const;

  private:
    StoreErrorKind kind_;
    std::string reason_;
    std::string what_failed_;
};

// Runs `action`; a StoreError it throws leaves naming `what` as what failed.
template <typename Action> auto Doing(const std::string& what, Action&& action) {
    try {
        return action();
    } catch (StoreError& error) {
        error.Name(what);
        throw;
    }
}

} // namespace mixora::store
