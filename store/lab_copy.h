#pragma once
// Moving a lab (从本机数据库迁移到共享数据库): every row of the lab's tables copied from one
// database to another as it is (ids, numbers and revisions, every version of a material record,
// states with who and when, the counters), then checked, table by table, before the copy is
// committed. Portable: any engine to any engine.
#include "sql_engine.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mixora::store {

struct TableCopy {
    std::string table;
    std::int64_t rows = 0;  // in both databases once copied
    std::int64_t added = 0; // by this copy
    std::string checksum;   // of its rows, in both: 16 hexadecimal digits
};

// Copies in one transaction of `to`, and checks before committing that every table of `to`
// holds exactly the rows of `from` (their count and a checksum that does not depend on their
// order); a second copy adds nothing. Refused, with nothing written, when `to` already holds
// other rows under the same keys or rows `from` has not (another lab's, or changed since an
// earlier copy), or when either database cannot be written or read at this program's schema.
std::vector<TableCopy> CopyLab(Connection& from, Connection& to);

} // namespace mixora::store
