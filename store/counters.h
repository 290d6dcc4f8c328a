#pragma once
// The store's own counters (table `counters`): the ids of new rows and the sequence of design
// numbers in a year. Taken inside the writing transaction, so a change rolled back gives its
// value back and two writers never take the same one.
#include "sql_engine.h"

#include <cstdint>
#include <string_view>

namespace mixora::store {

// The counter's next value: 1 the first time.
std::int64_t NextValue(Connection& connection, std::string_view counter);

} // namespace mixora::store
