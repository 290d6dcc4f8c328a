#include "lab_database.h"

#include "schema.h"
#include "sqlite_engine.h"

namespace mixora::store {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string Quoted(std::string_view name) {
    return "“" + std::string(name) + "”";
}

std::string NetworkNotice(std::string_view path) {
    return "实验室数据库" + Quoted(path) +
           "在网络路径上。数据库文件经网络共享时，多台计算机同时写入并不安全，所以只能只读打开。"
           "多人共用实验室的数据，请使用共享数据库（数据库服务器）。";
}

std::string NewerNotice(std::string_view name, int version) {
    return "实验室数据库" + Quoted(name) + "由较新版本的 Mixora 建立（架构版本 " +
           std::to_string(version) + "，本程序为 " + std::to_string(kSchemaVersion) +
           "），只能只读打开。要修改其中的数据，请升级 Mixora。";
}

// A copy to restore from: a sound lab database of a schema this program knows.
void CheckCopy(const std::string& path) {
    auto copy = OpenSqlite(path, SqliteAccess::ReadOnly);
    const int version = SchemaVersionOf(*copy);
    if (version == 0)
        throw StoreError(StoreErrorKind::Refused,
                         Quoted(path) + "是空的数据库，不是实验室数据的备份");
    if (version > kSchemaVersion)
        throw StoreError(StoreErrorKind::Refused, NewerNotice(path, version));
    if (const std::string problem = copy->CheckIntegrity(); !problem.empty())
        throw StoreError(StoreErrorKind::Damaged, Quoted(path) + "已损坏：" + problem);
}

} // namespace

bool IsNetworkPath(std::string_view path, const NetworkDriveCheck& is_network_drive) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // \\?\ and \\.\ lead to a local path, unless what follows is UNC\.
        if (path.size() >= 4 && (path[2] == '?' || path[2] == '.') && IsSeparator(path[3])) {
            const std::string_view rest = path.substr(4);
            if (rest.size() >= 4 && (rest[0] == 'U' || rest[0] == 'u') &&
                (rest[1] == 'N' || rest[1] == 'n') && (rest[2] == 'C' || rest[2] == 'c') &&
                IsSeparator(rest[3]))
                return true;
            return IsNetworkPath(rest, is_network_drive);
        }
        return true;
    }
    if (path.size() >= 2 && path[1] == ':') {
        const char letter = path[0];
        if ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z'))
            return is_network_drive(static_cast<char>(letter & ~0x20));
    }
    return false;
}

LabDatabase OpenLab(std::unique_ptr<Connection> connection, std::string_view name) {
    LabDatabase database{std::move(connection), 0};
    Connection& c = *database.connection;
    database.schema_version = SchemaVersionOf(c);
    if (database.schema_version > kSchemaVersion) {
        if (c.read_only_reason().empty())
            c.set_read_only_reason(NewerNotice(name, database.schema_version));
        return database;
    }
    if (database.schema_version < kSchemaVersion) {
        if (!c.read_only_reason().empty())
            throw StoreError(StoreErrorKind::ReadOnly,
                             c.read_only_reason() +
                                 "它的数据格式较旧，需要先由能写入它的 Mixora 升级。");
        Migrate(c);
        database.schema_version = SchemaVersionOf(c);
    }
    return database;
}

LabDatabase OpenLabFile(const std::string& path, const NetworkDriveCheck& is_network_drive) {
    return Doing("打开实验室数据库" + Quoted(path), [&] {
        if (IsNetworkPath(path, is_network_drive)) {
            std::unique_ptr<Connection> connection;
            try {
                connection = OpenSqlite(path, SqliteAccess::ReadOnly);
            } catch (const StoreError& error) {
                if (error.kind() != StoreErrorKind::Open) throw;
                throw StoreError(error.kind(), error.reason() + "。" + NetworkNotice(path));
            }
            connection->set_read_only_reason(NetworkNotice(path));
            return OpenLab(std::move(connection), path);
        }
        // A file refused as damaged, or by the migration, is as it was: nothing has been
        // written to it before its schema was read.
        return OpenLab(OpenSqlite(path, SqliteAccess::ReadWrite), path);
    });
}

void BackupLab(LabDatabase& database, const std::string& path) {
    Doing("备份实验室数据到" + Quoted(path), [&] { database.connection->BackupTo(path); });
}

void RestoreLab(LabDatabase& database, const std::string& path) {
    Doing("从" + Quoted(path) + "恢复实验室数据", [&] {
        Connection& c = *database.connection;
        if (!c.read_only_reason().empty())
            throw StoreError(StoreErrorKind::ReadOnly, c.read_only_reason());
        CheckCopy(path);
        c.RestoreFrom(path);
        Migrate(c);
        database.schema_version = SchemaVersionOf(c);
    });
}

} // namespace mixora::store
