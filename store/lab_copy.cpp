#include "lab_copy.h"

#include "schema.h"
#include "transaction.h"

#include <cmath>
#include <cstdio>

namespace mixora::store {

namespace {

// A row's values as one text the same on every engine: an integral number is an integer
// whether the engine gives it as one or as a real.
std::string CanonicalRow(Query& row) {
    std::string text;
    for (int column = 0; column < row.Columns(); ++column) {
        const SqlValue value = row.Value(column);
        if (const auto* integer = std::get_if<std::int64_t>(&value)) {
            text += "I" + std::to_string(*integer);
        } else if (const auto* real = std::get_if<double>(&value)) {
            if (std::trunc(*real) == *real && std::fabs(*real) < 9.0e15) {
                text += "I" + std::to_string(static_cast<std::int64_t>(*real));
            } else {
                char digits[32];
                std::snprintf(digits, sizeof digits, "R%.17g", *real);
                text += digits;
            }
        } else if (const auto* string = std::get_if<std::string>(&value)) {
            text += "T" + std::to_string(string->size()) + ":" + *string;
        } else {
            text += "N";
        }
        text += "|";
    }
    return text;
}

std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

struct TableSum {
    std::int64_t rows = 0;
    std::uint64_t sum = 0; // of the rows' hashes: the same in any order
};

TableSum SumOf(Connection& connection, const LabTable& table) {
    TableSum sum;
    Query rows(connection, "SELECT * FROM " + std::string(table.name));
    while (rows.Next()) {
        ++sum.rows;
        sum.sum += Fnv1a(CanonicalRow(rows));
    }
    return sum;
}

std::string Hex(std::uint64_t value) {
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(value));
    return digits;
}

// Copies the rows of `from` that `to` lacks (by key); gives the sum of the rows read.
TableSum CopyTable(Connection& from, Connection& to, const LabTable& table) {
    TableSum read;
    Query rows(from,
               "SELECT * FROM " + std::string(table.name) + " ORDER BY " + std::string(table.key));
    std::unique_ptr<Statement> insert;
    while (rows.Next()) {
        ++read.rows;
        read.sum += Fnv1a(CanonicalRow(rows));
        if (!insert) {
            std::string marks;
            for (int column = 0; column < rows.Columns(); ++column)
                marks += column == 0 ? "?" : ", ?";
            insert = to.Prepare("INSERT INTO " + std::string(table.name) + " VALUES (" + marks +
                                ") ON CONFLICT DO NOTHING");
        } else {
            insert->Reset();
        }
        for (int column = 0; column < rows.Columns(); ++column)
            insert->Bind(column + 1, rows.Value(column));
        while (insert->Step()) {
        }
    }
    return read;
}

} // namespace

std::vector<TableCopy> CopyLab(Connection& from, Connection& to) {
    return Doing("迁移实验室数据", [&] {
        const int from_version = SchemaVersionOf(from);
        const int to_version = SchemaVersionOf(to);
        if (from_version != kSchemaVersion || to_version != kSchemaVersion)
            throw StoreError(StoreErrorKind::Refused,
                             "两个数据库的架构版本应都为 " + std::to_string(kSchemaVersion) +
                                 "（本机 " + std::to_string(from_version) + "，共享 " +
                                 std::to_string(to_version) + "）");
        std::vector<TableCopy> copies;
        Transaction transaction(to);
        for (const LabTable& table : LabTables()) {
            const std::int64_t before = SumOf(to, table).rows;
            const TableSum source = CopyTable(from, to, table);
            const TableSum copied = SumOf(to, table);
            if (copied.rows != source.rows || copied.sum != source.sum)
                throw StoreError(StoreErrorKind::Refused,
                                 "共享数据库中已有与本机数据库不同的数据（表 " +
                                     std::string(table.name) + "：本机 " +
                                     std::to_string(source.rows) + " 行，迁移后共享数据库 " +
                                     std::to_string(copied.rows) + " 行" +
                                     (copied.rows == source.rows ? "，内容不同" : "") +
                                     "），迁移没有写入任何数据");
            copies.push_back(
                {std::string(table.name), copied.rows, copied.rows - before, Hex(copied.sum)});
        }
        transaction.Commit();
        return copies;
    });
}

} // namespace mixora::store
