#include "counters.h"

namespace mixora::store {

std::int64_t NextValue(Connection& connection, std::string_view counter) {
    Execute(connection, "INSERT INTO counters (name, value) VALUES (?, 0) ON CONFLICT DO NOTHING",
            {counter});
    Query next(connection, "UPDATE counters SET value = value + 1 WHERE name = ? RETURNING value",
               {counter});
    if (!next.Next()) throw StoreError(StoreErrorKind::Failed, "计数器丢失");
    const std::int64_t value = next.Int(0);
    next.Run();
    return value;
}

} // namespace mixora::store
