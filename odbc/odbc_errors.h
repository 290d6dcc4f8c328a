#pragma once
// What an ODBC driver reports, as the store's one error: the kind and a Chinese reason from the
// SQLSTATE (and, where drivers give a connection's failures one state, from their words), with
// the diagnostic itself kept after the reason. Portable: no ODBC header.
#include "store_error.h"

#include <string>

namespace mixora::odbc {

// One diagnostic record: its SQLSTATE ("08001") and the driver's or server's message.
struct OdbcDiagnostic {
    std::string state;
    std::string message;
};

// When the error came.
enum class OdbcMoment {
    Connecting, // making the connection
    Working,    // on a connection that was made
};

// The error of the diagnostic. `connection_dead`: the driver says the connection has gone.
store::StoreError ErrorOf(const OdbcDiagnostic& diagnostic, OdbcMoment moment,
                          bool connection_dead);

// The error of using a connection that was lost before (said without asking the server again).
store::StoreError LostError();

} // namespace mixora::odbc
