#pragma once
// The lab database the windows work on, kept open between their commands, and what the user is
// told when a shared database's server goes away: the lost connection once, in a message naming
// the server; afterwards, until the user reconnects, each command is refused at once with a short
// line (the windows keep what they show, a design can still be saved to a file). Reconnecting
// is the user's to ask for; nothing falls back on the database file on this computer.
#include "lab_database.h"
#include "store_error.h"

#include <string>

namespace mixora::lab {

// What a window says of a failed command: in a message box, or on its status line.
struct LabNotice {
    std::string text; // Chinese
    bool box = true;
};

class LabSession {
  public:
    // `name`: what messages call the database (DescribeSetting); `person`: the name set on this
    // computer, recorded where the database knows no login.
    LabSession(store::LabDatabase database, std::string name, std::string person);

    store::LabDatabase& database() { return database_; }
    store::Connection& connection() { return *database_.connection; }
    const std::string& name() const { return name_; }
    // Who the register records: the database login on a server, else the person.
    std::string Who();

    // Whether the server was lost and the user has not reconnected yet: commands are not tried.
    bool lost() const { return lost_; }
    // The line a command gets while lost, without asking the server.
    std::string LostLine() const;

    // What to tell of a command that failed with `error`. A lost connection is told once, in a
    // box naming the server and how to reconnect; later failures while lost only on the status
    // line.
    LabNotice Tell(const store::StoreError& error);

    // Connects anew (StoreError when the server is still away, the session staying lost).
    void Reconnect();

  private:
    store::LabDatabase database_;
    std::string name_;
    std::string person_;
    bool lost_ = false;
};

} // namespace mixora::lab
