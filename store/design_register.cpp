#include "design_register.h"

#include "counters.h"
#include "record_text.h"
#include "transaction.h"

#include <algorithm>

namespace mixora::store {

namespace {

constexpr std::string_view kColumns =
    "d.id, d.number, d.revision, d.latest, d.state, d.kind, d.grade, d.project,"
    " d.registered_at, d.registered_by, d.changed_at, d.changed_by, d.reviewed_at, d.reviewed_by,"
    " d.approved_at, d.approved_by, d.withdrawn_at, d.withdrawn_by, d.row_version";

constexpr std::string_view kPrefixSetting = "number_prefix";
constexpr std::size_t kLongestPrefix = 8;

std::optional<Stamp> StampAt(Query& row, int column) {
    if (row.IsNull(column)) return std::nullopt;
    return Stamp{row.Text(column), row.Text(column + 1)};
}

RegisteredDesign ReadDesign(Query& row) {
    RegisteredDesign d;
    d.id = row.Int(0);
    d.number = row.Text(1);
    d.revision = row.Text(2);
    d.latest = row.Int(3) != 0;
    d.state = StateOfKey(row.Text(4)).value_or(DesignState::Draft);
    d.kind = row.Text(5);
    d.grade = row.Text(6);
    d.project = row.Text(7);
    d.registered = {row.Text(8), row.Text(9)};
    d.changed = {row.Text(10), row.Text(11)};
    d.reviewed = StampAt(row, 12);
    d.approved = StampAt(row, 14);
    d.withdrawn = StampAt(row, 16);
    d.row_version = row.Int(18);
    return d;
}

std::vector<RegisteredDesign> ReadDesigns(Connection& connection, const std::string& where,
                                          const std::vector<Param>& params) {
    Query rows(connection,
               "SELECT " + std::string(kColumns) + " FROM designs d WHERE " + where +
                   " ORDER BY d.number, d.revision",
               params);
    std::vector<RegisteredDesign> found;
    while (rows.Next())
        found.push_back(ReadDesign(rows));
    return found;
}

std::string NameOf(const RegisteredDesign& d) {
    return "配合比 " + d.number + " 版次 " + d.revision;
}

std::string NumberOf(const std::string& prefix, int year, std::int64_t sequence) {
    std::string digits = std::to_string(sequence);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    return prefix + "-" + std::to_string(year) + "-" + digits;
}

bool IsPrefix(const std::string& prefix) {
    return !prefix.empty() && prefix.size() <= kLongestPrefix &&
           std::all_of(prefix.begin(), prefix.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
           });
}

} // namespace

std::string RevisionLetters(std::size_t index) {
    std::string letters;
    for (std::size_t n = index + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

std::string DesignRegister::NumberPrefix() {
    return Doing("读取编号规则", [&] {
        Query setting(connection_, "SELECT value FROM lab_settings WHERE name = ?",
                      {kPrefixSetting});
        return setting.Next() ? setting.Text(0) : std::string(kDefaultNumberPrefix);
    });
}

void DesignRegister::SetNumberPrefix(const std::string& prefix) {
    Doing("设置编号前缀", [&] {
        if (!IsPrefix(prefix))
            throw StoreError(StoreErrorKind::Refused, "编号前缀应为 1 至 8 个字母或数字");
        Transaction transaction(connection_);
        if (Query(connection_, "SELECT 1 FROM lab_settings WHERE name = ?", {kPrefixSetting})
                .Next() ||
            Query(connection_, "SELECT 1 FROM designs").Next())
            throw StoreError(StoreErrorKind::Refused, "编号前缀只能在登记第一个配合比之前设置一次");
        Execute(connection_, "INSERT INTO lab_settings (name, value) VALUES (?, ?)",
                {kPrefixSetting, prefix});
        transaction.Commit();
    });
}

void DesignRegister::WriteLinks(std::int64_t id, const DesignEntry& entry) {
    Execute(connection_, "DELETE FROM design_materials WHERE design = ?", {id});
    Execute(connection_, "DELETE FROM design_requirements WHERE design = ?", {id});
    for (const MaterialCitation& cited : entry.materials) {
        Query version(connection_, "SELECT id FROM materials WHERE record = ? AND version = ?",
                      {cited.record, cited.version});
        if (version.Next())
            Execute(connection_,
                    "INSERT INTO design_materials (design, material) VALUES (?, ?)"
                    " ON CONFLICT DO NOTHING",
                    {id, version.Int(0)});
    }
    for (const std::string& requirement : entry.requirements)
        Execute(connection_,
                "INSERT INTO design_requirements (design, requirement) VALUES (?, ?)"
                " ON CONFLICT DO NOTHING",
                {id, requirement});
}

RegisteredDesign DesignRegister::Insert(std::string number, std::string revision,
                                        const DesignEntry& entry, const Stamp& made) {
    RegisteredDesign d;
    d.id = NextValue(connection_, "designs");
    d.number = std::move(number);
    d.revision = std::move(revision);
    d.kind = entry.kind;
    d.grade = entry.grade;
    d.project = entry.project;
    d.registered = d.changed = made;
    Execute(connection_,
            "INSERT INTO designs (id, number, revision, latest, state, kind, grade, project,"
            " registered_at, registered_by, changed_at, changed_by, row_version)"
            " VALUES (?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, 1)",
            {d.id, d.number, d.revision, StateKey(d.state), d.kind, d.grade, d.project,
             d.registered.at, d.registered.by, d.changed.at, d.changed.by});
    Execute(connection_, "INSERT INTO design_documents (design, document) VALUES (?, ?)",
            {d.id, entry.document});
    WriteLinks(d.id, entry);
    return d;
}

RegisteredDesign DesignRegister::Register(const DesignEntry& entry, const std::string& who) {
    return Doing("登记配合比", [&] {
        Transaction transaction(connection_);
        const Stamp made{clock_(), who};
        const int year = YearOf(made.at);
        std::string number = NumberOf(
            NumberPrefix(), year, NextValue(connection_, "design_number_" + std::to_string(year)));
        RegisteredDesign d = Insert(std::move(number), RevisionLetters(0), entry, made);
        transaction.Commit();
        return d;
    });
}

RegisteredDesign DesignRegister::Current(std::int64_t id, std::int64_t row_version) {
    std::optional<RegisteredDesign> d = Find(id);
    if (!d) throw StoreError(StoreErrorKind::NotFound, "台账中没有这个配合比");
    if (d->row_version != row_version) throw ChangedElsewhere(NameOf(*d), d->changed);
    return *d;
}

RegisteredDesign DesignRegister::Edit(std::int64_t id, std::int64_t row_version,
                                      const DesignEntry& entry, const std::string& who) {
    return Doing("修改配合比", [&] {
        Transaction transaction(connection_);
        RegisteredDesign d = Current(id, row_version);
        if (!IsEditable(d.state))
            throw StoreError(StoreErrorKind::Refused,
                             NameOf(d) + "的状态是“" + std::string(StateName(d.state)) +
                                 "”，不能修改；要改它，请修订（生成新的版次）");
        d.state = DesignState::Draft;
        d.reviewed.reset();
        d.kind = entry.kind;
        d.grade = entry.grade;
        d.project = entry.project;
        d.changed = {clock_(), who};
        ++d.row_version;
        Execute(connection_,
                "UPDATE designs SET state = ?, reviewed_at = NULL, reviewed_by = NULL, kind = ?,"
                " grade = ?, project = ?, changed_at = ?, changed_by = ?,"
                " row_version = row_version + 1 WHERE id = ?",
                {StateKey(d.state), d.kind, d.grade, d.project, d.changed.at, d.changed.by, id});
        Execute(connection_, "UPDATE design_documents SET document = ? WHERE design = ?",
                {entry.document, id});
        WriteLinks(id, entry);
        transaction.Commit();
        return d;
    });
}

RegisteredDesign DesignRegister::Revise(std::int64_t id, std::int64_t row_version,
                                        const DesignEntry& entry, const std::string& who) {
    return Doing("修订配合比", [&] {
        Transaction transaction(connection_);
        const RegisteredDesign base = Current(id, row_version);
        if (IsEditable(base.state))
            throw StoreError(StoreErrorKind::Refused,
                             NameOf(base) + "还未批准，可以直接修改，不需要修订");
        Execute(connection_,
                "UPDATE designs SET latest = 0, row_version = row_version + 1 WHERE id = ?", {id});
        const std::size_t revisions = Revisions(base.number).size();
        RegisteredDesign d =
            Insert(base.number, RevisionLetters(revisions), entry, Stamp{clock_(), who});
        transaction.Commit();
        return d;
    });
}

RegisteredDesign DesignRegister::Take(DesignStep step, std::int64_t id, std::int64_t row_version,
                                      const std::string& who) {
    const DesignStepInfo& info = InfoOf(step);
    return Doing(std::string(info.name) + "配合比", [&] {
        Transaction transaction(connection_);
        RegisteredDesign d = Current(id, row_version);
        if (std::find(info.from.begin(), info.from.end(), d.state) == info.from.end())
            throw StoreError(StoreErrorKind::Refused, NameOf(d) + "的状态是“" +
                                                          std::string(StateName(d.state)) +
                                                          "”，不能" + std::string(info.name));
        const Stamp now{clock_(), who};
        if (step == DesignStep::Approve)
            // One approved revision of a number is in force: the one approved before is not.
            Execute(connection_,
                    "UPDATE designs SET state = ?, withdrawn_at = ?, withdrawn_by = ?,"
                    " changed_at = ?, changed_by = ?, row_version = row_version + 1"
                    " WHERE number = ? AND state = ?",
                    {StateKey(DesignState::Withdrawn), now.at, now.by, now.at, now.by, d.number,
                     StateKey(DesignState::Approved)});
        Execute(connection_,
                "UPDATE designs SET state = ?, " + std::string(info.at_column) + " = ?, " +
                    std::string(info.by_column) +
                    " = ?, changed_at = ?, changed_by = ?, row_version = row_version + 1"
                    " WHERE id = ?",
                {StateKey(info.to), now.at, now.by, now.at, now.by, id});
        transaction.Commit();
        return *Find(id);
    });
}

std::optional<RegisteredDesign> DesignRegister::Find(std::int64_t id) {
    return Doing("读取配合比", [&]() -> std::optional<RegisteredDesign> {
        auto found = ReadDesigns(connection_, "d.id = ?", {id});
        if (found.empty()) return std::nullopt;
        return std::move(found.front());
    });
}

std::optional<RegisteredDesign> DesignRegister::Latest(std::string_view number) {
    return Doing("读取配合比", [&]() -> std::optional<RegisteredDesign> {
        auto found = ReadDesigns(connection_, "d.number = ? AND d.latest = 1", {number});
        if (found.empty()) return std::nullopt;
        return std::move(found.front());
    });
}

std::vector<RegisteredDesign> DesignRegister::Revisions(std::string_view number) {
    return Doing("读取配合比", [&] { return ReadDesigns(connection_, "d.number = ?", {number}); });
}

std::string DesignRegister::Document(std::int64_t id) {
    return Doing("读取配合比", [&] {
        Query document(connection_, "SELECT document FROM design_documents WHERE design = ?", {id});
        if (!document.Next()) throw StoreError(StoreErrorKind::NotFound, "台账中没有这个配合比");
        return document.Text(0);
    });
}

std::vector<RegisteredDesign> DesignRegister::List(const RegisterFilter& filter) {
    return Doing("列出配合比", [&] {
        Conditions where;
        where.Add(filter.every_revision ? "1 = 1" : "d.latest = 1");
        if (!filter.grade.empty()) where.Add("d.grade = ?", filter.grade);
        if (filter.state) where.Add("d.state = ?", StateKey(*filter.state));
        if (!filter.registered_from.empty())
            where.Add("d.registered_at >= ?", filter.registered_from);
        // A time of the last day sorts before that day followed by "T24".
        if (!filter.registered_to.empty())
            where.Add("d.registered_at < ?", filter.registered_to + "T24");
        if (filter.material_record)
            where.Add("d.id IN (SELECT c.design FROM design_materials c"
                      " JOIN materials m ON m.id = c.material WHERE m.record = ?)",
                      *filter.material_record);
        if (!filter.requirement.empty())
            where.Add("d.id IN (SELECT design FROM design_requirements WHERE requirement = ?)",
                      filter.requirement);
        if (!filter.search.empty())
            where.Add("(d.number LIKE ? ESCAPE '\\' OR d.project LIKE ? ESCAPE '\\')",
                      ContainsPattern(filter.search), ContainsPattern(filter.search));
        return ReadDesigns(connection_, where.text(), where.params());
    });
}

} // namespace mixora::store
