#pragma once
// A lab's database opened for use: its connection, checked and brought to this program's
// schema, or opened read-only with the reason the user is told. The rules of a database file on
// this computer (WAL, not over a network, backup and restore) are here; a shared database
// server opens through OpenLab with its own engine's connection.
#include "sql_engine.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace mixora::store {

struct LabDatabase {
    std::unique_ptr<Connection> connection;
    int schema_version = 0;
    // Why nothing can be changed (Chinese), to show when it opens; empty when writable.
    const std::string& notice() const { return connection->read_only_reason(); }
};

// Whether a drive letter names a network drive: the platform's to say (on Windows, what
// GetDriveType says); a portable caller that has none gives `NoNetworkDrives`.
using NetworkDriveCheck = std::function<bool(char drive_letter)>;
inline bool NoNetworkDrives(char) {
    return false;
}

// Whether a path (UTF-8) lies on another computer: a UNC path (\\server\share\…,
// \\?\UNC\server\share\…, or with forward slashes) or one on a network drive.
bool IsNetworkPath(std::string_view path, const NetworkDriveCheck& is_network_drive);

// A database through a connection of any engine: refused when it is not a lab's database or is
// damaged; made (the schema) when empty and migrated when older, unless read-only; opened
// read-only, with the reason, when its schema is newer than this program's.
LabDatabase OpenLab(std::unique_ptr<Connection> connection, std::string_view name);

// The lab database file at `path` (UTF-8), made when missing. On a network path it is opened
// read-only, with a reason that points to the shared database: SQLite's locking is not safe
// over a network share. A damaged file is refused and left as it is.
LabDatabase OpenLabFile(const std::string& path, const NetworkDriveCheck& is_network_drive);

// 备份: a consistent copy at `path`, written in one step (others may go on working).
void BackupLab(LabDatabase& database, const std::string& path);

// 恢复: replaces the database with the copy at `path` (the window asks first), after checking
// that the copy is a sound lab database of a schema this program knows; then migrates it.
// Refused, with the database left as it was, when the copy is not such a database.
void RestoreLab(LabDatabase& database, const std::string& path);

} // namespace mixora::store
