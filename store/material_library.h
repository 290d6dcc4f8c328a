#pragma once
// The materials library (原材料库): the lab's tested materials, each record with its common
// fields and its kind's test properties. A record a design cites is never changed under it: an
// edit then makes a new version and the cited one stays; a record in use can be retired, not
// deleted. Every change is a transaction and checks the row version it was read at.
#include "lab_time.h"
#include "material_kinds.h"
#include "sql_engine.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace mixora::store {

// A number in the property's unit, or a choice's key or a text.
using PropertyValue = std::variant<double, std::string>;

// What the user enters for a record.
struct MaterialFields {
    MaterialKind kind = MaterialKind::Cement;
    std::string maker;                               // 生产厂家
    std::string product;                             // 品种规格 / 牌号
    std::string batch;                               // 批号
    std::string sampled_on;                          // 取样日期 "YYYY-MM-DD", or empty
    std::string report_number;                       // 检测报告编号
    std::string report_date;                         // 报告日期 "YYYY-MM-DD", or empty
    std::optional<double> price;                     // 单价, 元/t
    std::string price_date;                          // 价格日期 "YYYY-MM-DD", or empty
    std::map<std::string, PropertyValue> properties; // by PropertyInfo::key; absent: not given

    friend bool operator==(const MaterialFields&, const MaterialFields&) = default;
};

struct MaterialRecord {
    std::int64_t id = 0;      // this version's row
    std::int64_t record = 0;  // the record across its versions
    std::int64_t version = 1; // 1, 2, …
    bool latest = true;
    MaterialFields fields;
    Stamp changed;                // made or last changed
    std::optional<Stamp> retired; // 已停用
    std::int64_t row_version = 1;

    // "C-0012": the kind's letter and the record's number.
    std::string Code() const;
};

struct MaterialFilter {
    std::optional<MaterialKind> kind;
    std::string maker;        // part of the maker's name; empty: any
    std::string sampled_from; // dates, inclusive; empty: open
    std::string sampled_to;
    std::optional<bool> in_use; // true: not retired; false: retired; none: both
};

// What is wrong with a record's fields (Chinese), or empty: the maker given, dates of the
// calendar, a price not negative, and only the kind's properties, each of its type (a choice
// one of its keys, a number finite).
std::string ProblemOf(const MaterialFields& fields);

class MaterialLibrary {
  public:
    explicit MaterialLibrary(Connection& connection, Clock clock = NowText)
        : connection_(connection), clock_(std::move(clock)) {}

    MaterialRecord Add(const MaterialFields& fields, const std::string& who);
    // Changes the record's latest version, read at `row_version`: in place while no design
    // cites it, else as a new version. Its kind never changes.
    MaterialRecord Edit(std::int64_t record, std::int64_t row_version, const MaterialFields& fields,
                        const std::string& who);
    // 停用: kept, cited as before, no longer offered.
    MaterialRecord Retire(std::int64_t record, std::int64_t row_version, const std::string& who);
    // Only a record no design cites (any version) can be deleted.
    void Delete(std::int64_t record, std::int64_t row_version);

    std::optional<MaterialRecord> Latest(std::int64_t record);
    std::optional<MaterialRecord> Version(std::int64_t record, std::int64_t version);
    // The latest versions that pass the filter, by kind and code.
    std::vector<MaterialRecord> List(const MaterialFilter& filter);

  private:
    MaterialRecord Changed(std::int64_t record, std::int64_t row_version);

    Connection& connection_;
    Clock clock_;
};

} // namespace mixora::store
