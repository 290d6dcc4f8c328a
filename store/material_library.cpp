#include "material_library.h"

#include "counters.h"
#include "record_text.h"
#include "transaction.h"

#include <cmath>
#include <unordered_map>

namespace mixora::store {

namespace {

constexpr std::string_view kColumns =
    "m.id, m.record, m.version, m.latest, m.kind, m.maker, m.product, m.batch, m.sampled_on,"
    " m.report_number, m.report_date, m.price, m.price_date, m.retired_at, m.retired_by,"
    " m.changed_at, m.changed_by, m.row_version";

MaterialRecord ReadRecord(Query& row) {
    MaterialRecord r;
    r.id = row.Int(0);
    r.record = row.Int(1);
    r.version = row.Int(2);
    r.latest = row.Int(3) != 0;
    r.fields.kind = MaterialKindOfKey(row.Text(4)).value_or(MaterialKind::OtherMineral);
    r.fields.maker = row.Text(5);
    r.fields.product = row.Text(6);
    r.fields.batch = row.Text(7);
    r.fields.sampled_on = row.Text(8);
    r.fields.report_number = row.Text(9);
    r.fields.report_date = row.Text(10);
    r.fields.price = row.OptionalReal(11);
    r.fields.price_date = row.Text(12);
    if (!row.IsNull(13)) r.retired = Stamp{row.Text(13), row.Text(14)};
    r.changed = {row.Text(15), row.Text(16)};
    r.row_version = row.Int(17);
    return r;
}

// Reads the records a query of kColumns gives, with their properties from a query of
// (material, name, number, text) over the same rows.
std::vector<MaterialRecord> ReadRecords(Query& records, Query& properties) {
    std::vector<MaterialRecord> found;
    std::unordered_map<std::int64_t, std::size_t> index;
    while (records.Next()) {
        found.push_back(ReadRecord(records));
        index.emplace(found.back().id, found.size() - 1);
    }
    while (properties.Next()) {
        const auto at = index.find(properties.Int(0));
        if (at == index.end()) continue;
        PropertyValue value = properties.IsNull(2) ? PropertyValue(properties.Text(3))
                                                   : PropertyValue(properties.Real(2));
        found[at->second].fields.properties.emplace(properties.Text(1), std::move(value));
    }
    return found;
}

std::optional<MaterialRecord> ReadOne(Connection& connection, std::string_view where,
                                      std::initializer_list<Param> params) {
    const std::string condition(where);
    Query records(connection,
                  "SELECT " + std::string(kColumns) + " FROM materials m WHERE " + condition,
                  params);
    Query properties(connection,
                     "SELECT p.material, p.name, p.number, p.text FROM material_properties p"
                     " JOIN materials m ON m.id = p.material WHERE " +
                         condition,
                     params);
    auto found = ReadRecords(records, properties);
    if (found.empty()) return std::nullopt;
    return std::move(found.front());
}

void WriteProperties(Connection& connection, std::int64_t id, const MaterialFields& fields) {
    Execute(connection, "DELETE FROM material_properties WHERE material = ?", {id});
    for (const auto& [name, value] : fields.properties) {
        if (const auto* number = std::get_if<double>(&value))
            Execute(connection,
                    "INSERT INTO material_properties (material, name, number, text)"
                    " VALUES (?, ?, ?, NULL)",
                    {id, name, *number});
        else
            Execute(connection,
                    "INSERT INTO material_properties (material, name, number, text)"
                    " VALUES (?, ?, NULL, ?)",
                    {id, name, std::get<std::string>(value)});
    }
}

void InsertVersion(Connection& connection, const MaterialRecord& r) {
    const MaterialFields& f = r.fields;
    Execute(connection,
            "INSERT INTO materials (id, record, version, latest, kind, maker, product, batch,"
            " sampled_on, report_number, report_date, price, price_date, retired_at, retired_by,"
            " changed_at, changed_by, row_version)"
            " VALUES (?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, NULL, NULL, ?, ?, ?)",
            {r.id, r.record, r.version, InfoOf(f.kind).key, f.maker, f.product, f.batch,
             f.sampled_on, f.report_number, f.report_date, f.price, f.price_date, r.changed.at,
             r.changed.by, r.row_version});
    WriteProperties(connection, r.id, f);
}

void RefuseProblem(const MaterialFields& fields) {
    if (std::string problem = ProblemOf(fields); !problem.empty())
        throw StoreError(StoreErrorKind::Refused, std::move(problem));
}

std::string DateProblem(std::string_view name, const std::string& date) {
    if (date.empty() || IsDate(date)) return {};
    return std::string(name) + "应为日期（例如 2026-03-05）";
}

} // namespace

std::string MaterialRecord::Code() const {
    return RecordCode(InfoOf(fields.kind).code, record);
}

std::string ProblemOf(const MaterialFields& fields) {
    if (fields.maker.empty()) return "请填写生产厂家";
    for (const auto& [name, date] :
         {std::pair<std::string_view, const std::string&>{"取样日期", fields.sampled_on},
          {"报告日期", fields.report_date},
          {"价格日期", fields.price_date}})
        if (std::string problem = DateProblem(name, date); !problem.empty()) return problem;
    if (fields.price && !(std::isfinite(*fields.price) && *fields.price >= 0))
        return "单价应为不小于 0 的数";
    for (const auto& [key, value] : fields.properties) {
        const PropertyInfo* property = PropertyOf(fields.kind, key);
        if (property == nullptr)
            return std::string(InfoOf(fields.kind).name) + "没有检测项目“" + key + "”";
        const auto* number = std::get_if<double>(&value);
        if ((property->type == PropertyType::Number) != (number != nullptr) ||
            (number != nullptr && !std::isfinite(*number)))
            return std::string(property->name) +
                   (property->type == PropertyType::Number ? "应为数值" : "应为文本");
        if (property->type != PropertyType::Choice) continue;
        bool offered = false;
        for (const PropertyChoice& choice : property->choices)
            offered = offered || choice.key == std::get<std::string>(value);
        if (!offered) return std::string(property->name) + "不是可选的一项";
    }
    return {};
}

MaterialRecord MaterialLibrary::Add(const MaterialFields& fields, const std::string& who) {
    return Doing("添加材料记录", [&] {
        RefuseProblem(fields);
        Transaction transaction(connection_);
        MaterialRecord r;
        r.id = NextValue(connection_, "materials");
        r.record = NextValue(connection_, "material_records");
        r.fields = fields;
        r.changed = {clock_(), who};
        InsertVersion(connection_, r);
        transaction.Commit();
        return r;
    });
}

MaterialRecord MaterialLibrary::Changed(std::int64_t record, std::int64_t row_version) {
    std::optional<MaterialRecord> current = Latest(record);
    if (!current) throw StoreError(StoreErrorKind::NotFound, "没有这条材料记录（可能已被删除）");
    if (current->row_version != row_version)
        throw ChangedElsewhere("材料记录 " + current->Code(), current->changed);
    return *current;
}

MaterialRecord MaterialLibrary::Edit(std::int64_t record, std::int64_t row_version,
                                     const MaterialFields& fields, const std::string& who) {
    return Doing("修改材料记录", [&] {
        RefuseProblem(fields);
        Transaction transaction(connection_);
        MaterialRecord r = Changed(record, row_version);
        if (fields.kind != r.fields.kind)
            throw StoreError(StoreErrorKind::Refused, "材料记录的类别不能修改");
        if (r.retired)
            throw StoreError(StoreErrorKind::Refused, "材料记录 " + r.Code() + " 已停用，不能修改");
        const bool cited =
            Query(connection_, "SELECT 1 FROM design_materials WHERE material = ?", {r.id}).Next();
        r.fields = fields;
        r.changed = {clock_(), who};
        if (cited) {
            // The version a design cites stays as it was; the edit is the next version.
            Execute(connection_,
                    "UPDATE materials SET latest = 0, row_version = row_version + 1 WHERE id = ?",
                    {r.id});
            r.id = NextValue(connection_, "materials");
            ++r.version;
            r.row_version = 1;
            InsertVersion(connection_, r);
        } else {
            const MaterialFields& f = r.fields;
            Execute(connection_,
                    "UPDATE materials SET maker = ?, product = ?, batch = ?, sampled_on = ?,"
                    " report_number = ?, report_date = ?, price = ?, price_date = ?,"
                    " changed_at = ?, changed_by = ?, row_version = row_version + 1 WHERE id = ?",
                    {f.maker, f.product, f.batch, f.sampled_on, f.report_number, f.report_date,
                     f.price, f.price_date, r.changed.at, r.changed.by, r.id});
            WriteProperties(connection_, r.id, f);
            ++r.row_version;
        }
        transaction.Commit();
        return r;
    });
}

MaterialRecord MaterialLibrary::Retire(std::int64_t record, std::int64_t row_version,
                                       const std::string& who) {
    return Doing("停用材料记录", [&] {
        Transaction transaction(connection_);
        MaterialRecord r = Changed(record, row_version);
        if (r.retired)
            throw StoreError(StoreErrorKind::Refused, "材料记录 " + r.Code() + " 已停用");
        r.retired = Stamp{clock_(), who};
        Execute(connection_,
                "UPDATE materials SET retired_at = ?, retired_by = ?,"
                " row_version = row_version + 1 WHERE id = ?",
                {r.retired->at, r.retired->by, r.id});
        ++r.row_version;
        transaction.Commit();
        return r;
    });
}

void MaterialLibrary::Delete(std::int64_t record, std::int64_t row_version) {
    Doing("删除材料记录", [&] {
        Transaction transaction(connection_);
        const MaterialRecord r = Changed(record, row_version);
        if (Query(connection_,
                  "SELECT 1 FROM design_materials d JOIN materials m ON m.id = d.material"
                  " WHERE m.record = ?",
                  {record})
                .Next())
            throw StoreError(StoreErrorKind::Refused,
                             "材料记录 " + r.Code() + " 已被配合比引用，不能删除，只能停用");
        Execute(connection_,
                "DELETE FROM material_properties WHERE material IN"
                " (SELECT id FROM materials WHERE record = ?)",
                {record});
        Execute(connection_, "DELETE FROM materials WHERE record = ?", {record});
        transaction.Commit();
    });
}

std::optional<MaterialRecord> MaterialLibrary::Latest(std::int64_t record) {
    return Doing("读取材料记录",
                 [&] { return ReadOne(connection_, "m.record = ? AND m.latest = 1", {record}); });
}

std::optional<MaterialRecord> MaterialLibrary::Version(std::int64_t record, std::int64_t version) {
    return Doing("读取材料记录", [&] {
        return ReadOne(connection_, "m.record = ? AND m.version = ?", {record, version});
    });
}

std::vector<MaterialRecord> MaterialLibrary::List(const MaterialFilter& filter) {
    return Doing("列出材料记录", [&] {
        Conditions where;
        where.Add("m.latest = 1");
        if (filter.kind) where.Add("m.kind = ?", std::string(InfoOf(*filter.kind).key));
        if (!filter.maker.empty())
            where.Add("m.maker LIKE ? ESCAPE '\\'", ContainsPattern(filter.maker));
        if (!filter.sampled_from.empty()) where.Add("m.sampled_on >= ?", filter.sampled_from);
        if (!filter.sampled_to.empty()) where.Add("m.sampled_on <= ?", filter.sampled_to);
        if (filter.in_use)
            where.Add(*filter.in_use ? "m.retired_at IS NULL" : "m.retired_at IS NOT NULL");
        Query records(connection_,
                      "SELECT " + std::string(kColumns) + " FROM materials m WHERE " +
                          where.text() + " ORDER BY m.kind, m.record",
                      where.params());
        Query properties(connection_,
                         "SELECT p.material, p.name, p.number, p.text FROM material_properties p"
                         " JOIN materials m ON m.id = p.material WHERE " +
                             where.text(),
                         where.params());
        return ReadRecords(records, properties);
    });
}

} // namespace mixora::store
