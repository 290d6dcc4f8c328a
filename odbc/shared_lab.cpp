#include "shared_lab.h"

#include "connection_string.h"
#include "design_states.h"
#include "odbc_engine.h"
#include "schema.h"
#include "transaction.h"

#include <vector>

namespace mixora::odbc {

namespace {

using store::DesignState;
using store::DesignStep;
using store::StoreError;
using store::StoreErrorKind;

const std::array<LabRoleInfo, 3> kRoles = {{
    {LabRole::Tester, "试验员", "登记和修改配合比草稿、记录试配，管理原材料库"},
    {LabRole::Reviewer, "审核", "审核配合比"},
    {LabRole::Approver, "批准", "批准和停用配合比"},
}};

// Who takes each step of the register.
struct StepRole {
    DesignStep step;
    LabRole role;
};
constexpr StepRole kStepRoles[] = {
    {DesignStep::Review, LabRole::Reviewer},
    {DesignStep::Approve, LabRole::Approver},
    {DesignStep::Withdraw, LabRole::Approver},
};

// What each role may write besides reading every table; the rest of the rules are the
// triggers'.
struct Grant {
    LabRole role;
    std::string_view privileges;
    std::string_view tables;
};
constexpr Grant kGrants[] = {
    {LabRole::Tester, "INSERT, UPDATE, DELETE", "materials, material_properties"},
    {LabRole::Tester, "INSERT, UPDATE", "designs, design_documents, counters"},
    {LabRole::Tester, "INSERT, DELETE", "design_materials, design_requirements"},
    {LabRole::Reviewer, "UPDATE", "designs"},
    {LabRole::Approver, "UPDATE", "designs"},
};

// A design's columns that never change once registered, and those every change may touch.
constexpr std::string_view kDesignIdentity =
    "'id', 'number', 'revision', 'registered_at', 'registered_by'";
constexpr std::string_view kDesignBookkeeping =
    "'latest', 'row_version', 'changed_at', 'changed_by'";

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string RoleName(LabRole role) {
    return std::string(kRoles[static_cast<std::size_t>(role)].name);
}

std::string StateList(std::span<const DesignState> states) {
    std::string list;
    for (const DesignState state : states)
        list += (list.empty() ? "" : ", ") + Quoted(store::StateKey(state));
    return list;
}

// The checks and stamps of the register's steps, one branch each, from the steps' table.
std::string StepBranches() {
    std::string branches;
    for (const StepRole& taken : kStepRoles) {
        const store::DesignStepInfo& info = store::InfoOf(taken.step);
        branches += "    ELSIF OLD.state IN (" + StateList(info.from) +
                    ") AND NEW.state = " + Quoted(store::StateKey(info.to)) +
                    " THEN\n"
                    "        PERFORM mixora_require_role(" +
                    Quoted(RoleName(taken.role)) + ", " +
                    Quoted(std::string(info.name) + "配合比") +
                    ");\n"
                    "        NEW." +
                    std::string(info.by_column) +
                    " := current_user;\n"
                    "        allowed := allowed || ARRAY['state', " +
                    Quoted(info.at_column) + ", " + Quoted(info.by_column) + "];\n";
    }
    return branches;
}

// The stamp columns of the steps (when and who), as names ('reviewed_at') or as the new row's
// values (NEW.reviewed_at): every step's, or those an edit undoes (of the steps that lead to an
// editable state), or those it keeps.
enum class Stamps { All, UndoneByEdit, KeptByEdit };
std::string StampColumns(Stamps which, bool values) {
    std::string columns;
    for (const StepRole& taken : kStepRoles) {
        const store::DesignStepInfo& info = store::InfoOf(taken.step);
        const bool undone = store::IsEditable(info.to);
        if ((which == Stamps::UndoneByEdit && !undone) || (which == Stamps::KeptByEdit && undone))
            continue;
        for (std::string_view column : {info.at_column, info.by_column})
            columns += (columns.empty() ? "" : ", ") +
                       (values ? "NEW." + std::string(column) : Quoted(column));
    }
    return columns;
}

std::string StateNames() {
    std::string cases;
    for (const store::DesignStateInfo& info : store::AllDesignStates())
        cases += " WHEN " + Quoted(info.key) + " THEN " + Quoted(info.name);
    return "CASE state" + cases + " ELSE state END";
}

std::string Replaced(std::string text, std::string_view name, const std::string& value) {
    for (std::size_t at = text.find(name); at != std::string::npos;
         at = text.find(name, at + value.size()))
        text.replace(at, name.size(), value);
    return text;
}

// The functions and triggers of the rules. `{…}` stand for what the tables above give.
constexpr std::string_view kRuleFunctions[] = {
    // Whether the current login owns the table (the lab's administrator, or a superuser).
    R"(CREATE OR REPLACE FUNCTION mixora_is_owner(relation oid) RETURNS boolean
LANGUAGE sql STABLE AS $f$
SELECT pg_has_role(current_user, (SELECT relowner FROM pg_class WHERE oid = relation), 'MEMBER')
$f$)",
    R"(CREATE OR REPLACE FUNCTION mixora_require_role(role_name name, action text) RETURNS void
LANGUAGE plpgsql AS $f$
BEGIN
    IF NOT pg_has_role(current_user, role_name, 'MEMBER') THEN
        RAISE EXCEPTION '登录“%”不是“%”角色的成员，不能%', current_user, role_name, action
            USING ERRCODE = 'insufficient_privilege';
    END IF;
END
$f$)",
    R"(CREATE OR REPLACE FUNCTION mixora_state_name(state text) RETURNS text
LANGUAGE sql IMMUTABLE AS $f$ SELECT {state names} $f$)",
    // The columns a change of a row changes.
    R"(CREATE OR REPLACE FUNCTION mixora_changed_columns(new_row jsonb, old_row jsonb)
RETURNS text[] LANGUAGE sql IMMUTABLE AS $f$
SELECT coalesce(array_agg(n.key), '{}') FROM jsonb_each(new_row) n
JOIN jsonb_each(old_row) o USING (key) WHERE n.value IS DISTINCT FROM o.value
$f$)",
    // The register: who may take which step, what each step may change, and the login recorded.
    R"(CREATE OR REPLACE FUNCTION mixora_design_rules() RETURNS trigger
LANGUAGE plpgsql AS $f$
DECLARE
    changed text[];
    allowed text[] := ARRAY[{bookkeeping}];
BEGIN
    IF mixora_is_owner(TG_RELID) THEN RETURN NEW; END IF;
    IF TG_OP = 'INSERT' THEN
        PERFORM mixora_require_role('{tester}', '登记配合比');
        IF NEW.state <> '{draft}' OR num_nonnulls({stamp values}) > 0 THEN
            RAISE EXCEPTION '新登记的配合比只能是“%”', mixora_state_name('{draft}');
        END IF;
        NEW.registered_by := current_user;
        NEW.changed_by := current_user;
        RETURN NEW;
    END IF;
    changed := mixora_changed_columns(to_jsonb(NEW), to_jsonb(OLD));
    IF NEW.state = OLD.state AND OLD.state = '{draft}' THEN
        PERFORM mixora_require_role('{tester}', '修改配合比');
        IF changed && ARRAY[{identity}, {stamps}] THEN
            RAISE EXCEPTION '配合比的编号、版次和各步骤的记录不能修改';
        END IF;
        allowed := changed;
    ELSIF NEW.state = OLD.state THEN
        PERFORM mixora_require_role('{tester}', '修订配合比');
    ELSIF OLD.state IN ({editable}) AND NEW.state = '{draft}' THEN
        PERFORM mixora_require_role('{tester}', '修改配合比');
        IF changed && ARRAY[{identity}, {kept stamps}] OR num_nonnulls({undone stamp values}) > 0
        THEN
            RAISE EXCEPTION '配合比的编号、版次和各步骤的记录不能修改';
        END IF;
        allowed := changed;
{step branches}    ELSE
        RAISE EXCEPTION '配合比的状态不能从“%”改为“%”',
            mixora_state_name(OLD.state), mixora_state_name(NEW.state);
    END IF;
    IF NOT changed <@ allowed THEN
        RAISE EXCEPTION '配合比 % 版次 % 的状态是“%”，内容不能修改（已批准的配合比请修订）',
            OLD.number, OLD.revision, mixora_state_name(OLD.state);
    END IF;
    IF NEW.changed_by IS DISTINCT FROM OLD.changed_by THEN NEW.changed_by := current_user; END IF;
    RETURN NEW;
END
$f$)",
    // A design's file, cited records and requirements change only with a draft.
    R"(CREATE OR REPLACE FUNCTION mixora_design_part_rules() RETURNS trigger
LANGUAGE plpgsql AS $f$
BEGIN
    IF mixora_is_owner(TG_RELID) THEN RETURN coalesce(NEW, OLD); END IF;
    IF EXISTS (SELECT 1 FROM designs WHERE id IN (OLD.design, NEW.design)
               AND state <> '{draft}') THEN
        RAISE EXCEPTION '只有“%”状态的配合比才能修改', mixora_state_name('{draft}');
    END IF;
    RETURN coalesce(NEW, OLD);
END
$f$)",
    // A version of a material record that a design cites never changes, but for being retired
    // or followed by a newer version; the login is recorded.
    R"(CREATE OR REPLACE FUNCTION mixora_material_rules() RETURNS trigger
LANGUAGE plpgsql AS $f$
BEGIN
    IF mixora_is_owner(TG_RELID) THEN RETURN NEW; END IF;
    IF TG_OP = 'UPDATE' AND EXISTS (SELECT 1 FROM design_materials WHERE material = OLD.id) AND
       NOT mixora_changed_columns(to_jsonb(NEW), to_jsonb(OLD))
           <@ ARRAY['latest', 'row_version', 'retired_at', 'retired_by'] THEN
        RAISE EXCEPTION '这个版本的材料记录已被配合比引用，不能修改（修改会生成新版本）';
    END IF;
    IF TG_OP = 'INSERT' OR NEW.changed_by IS DISTINCT FROM OLD.changed_by THEN
        NEW.changed_by := current_user;
    END IF;
    IF NEW.retired_by IS NOT NULL AND (TG_OP = 'INSERT' OR NEW.retired_by IS DISTINCT FROM OLD.retired_by) THEN
        NEW.retired_by := current_user;
    END IF;
    RETURN NEW;
END
$f$)",
    R"(CREATE OR REPLACE FUNCTION mixora_material_part_rules() RETURNS trigger
LANGUAGE plpgsql AS $f$
BEGIN
    IF mixora_is_owner(TG_RELID) THEN RETURN coalesce(NEW, OLD); END IF;
    IF EXISTS (SELECT 1 FROM design_materials WHERE material IN (OLD.material, NEW.material)) THEN
        RAISE EXCEPTION '这个版本的材料记录已被配合比引用，不能修改（修改会生成新版本）';
    END IF;
    RETURN coalesce(NEW, OLD);
END
$f$)",
};

struct Trigger {
    std::string_view table;
    std::string_view events;
    std::string_view function;
};
constexpr Trigger kTriggers[] = {
    {"designs", "INSERT OR UPDATE", "mixora_design_rules"},
    {"design_documents", "INSERT OR UPDATE OR DELETE", "mixora_design_part_rules"},
    {"design_materials", "INSERT OR UPDATE OR DELETE", "mixora_design_part_rules"},
    {"design_requirements", "INSERT OR UPDATE OR DELETE", "mixora_design_part_rules"},
    {"materials", "INSERT OR UPDATE", "mixora_material_rules"},
    {"material_properties", "INSERT OR UPDATE OR DELETE", "mixora_material_part_rules"},
};

std::string RuleFunction(std::string_view text) {
    std::vector<DesignState> editable;
    for (const store::DesignStateInfo& info : store::AllDesignStates())
        if (store::IsEditable(info.state)) editable.push_back(info.state);
    std::string sql(text);
    sql = Replaced(sql, "{state names}", StateNames());
    sql = Replaced(sql, "{bookkeeping}", std::string(kDesignBookkeeping));
    sql = Replaced(sql, "{identity}", std::string(kDesignIdentity));
    sql = Replaced(sql, "{stamps}", StampColumns(Stamps::All, false));
    sql = Replaced(sql, "{stamp values}", StampColumns(Stamps::All, true));
    sql = Replaced(sql, "{kept stamps}", StampColumns(Stamps::KeptByEdit, false));
    sql = Replaced(sql, "{undone stamp values}", StampColumns(Stamps::UndoneByEdit, true));
    sql = Replaced(sql, "{step branches}", StepBranches());
    sql = Replaced(sql, "{editable}", StateList(editable));
    sql = Replaced(sql, "{tester}", RoleName(LabRole::Tester));
    return Replaced(sql, "{draft}", std::string(store::StateKey(DesignState::Draft)));
}

std::string AllRoles() {
    std::string names;
    for (const LabRoleInfo& info : kRoles)
        names += (names.empty() ? "\"" : ", \"") + std::string(info.name) + "\"";
    return names;
}

std::string AllTables() {
    std::string names = "schema_version";
    for (const store::LabTable& table : store::LabTables())
        names += ", " + std::string(table.name);
    return names;
}

void MakeRoles(store::Connection& administrator) {
    store::Transaction transaction(administrator);
    for (const LabRoleInfo& info : kRoles) {
        const std::string name(info.name);
        store::Execute(administrator,
                       "DO $f$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = '" + name +
                           "') THEN CREATE ROLE \"" + name + "\" NOLOGIN; END IF; END $f$");
        store::Execute(administrator, "COMMENT ON ROLE \"" + name + "\" IS 'Mixora 实验室：" +
                                          std::string(info.does) + "'");
    }
    transaction.Commit();
}

void MakeRules(store::Connection& administrator) {
    store::Transaction transaction(administrator);
    for (std::string_view function : kRuleFunctions)
        store::Execute(administrator, RuleFunction(function));
    for (const Trigger& trigger : kTriggers) {
        const std::string table(trigger.table);
        store::Execute(administrator, "DROP TRIGGER IF EXISTS mixora_rules ON " + table);
        store::Execute(administrator, "CREATE TRIGGER mixora_rules BEFORE " +
                                          std::string(trigger.events) + " ON " + table +
                                          " FOR EACH ROW EXECUTE FUNCTION " +
                                          std::string(trigger.function) + "()");
    }
    store::Execute(administrator, "REVOKE ALL ON " + AllTables() + " FROM " + AllRoles());
    store::Execute(administrator, "GRANT SELECT ON " + AllTables() + " TO " + AllRoles());
    for (const Grant& grant : kGrants)
        store::Execute(administrator, "GRANT " + std::string(grant.privileges) + " ON " +
                                          std::string(grant.tables) + " TO \"" +
                                          RoleName(grant.role) + "\"");
    transaction.Commit();
}

} // namespace

const std::array<LabRoleInfo, 3>& LabRoles() {
    return kRoles;
}

void InitLabServer(store::Connection& administrator) {
    store::Doing("初始化共享数据库", [&] {
        const int version = store::SchemaVersionOf(administrator);
        if (version > store::kSchemaVersion)
            throw StoreError(StoreErrorKind::Refused,
                             "共享数据库由较新版本的 Mixora 建立（架构版本 " +
                                 std::to_string(version) + "，本程序为 " +
                                 std::to_string(store::kSchemaVersion) + "），请用新版本初始化");
        MakeRoles(administrator);
        store::Migrate(administrator);
        MakeRules(administrator);
    });
}

std::vector<LabRole> RolesOfLogin(store::Connection& shared) {
    return store::Doing("读取登录的角色", [&] {
        std::vector<LabRole> roles;
        for (const LabRoleInfo& info : kRoles)
            if (store::Query(shared,
                             "SELECT 1 FROM pg_roles WHERE rolname = ?"
                             " AND pg_has_role(current_user, oid, 'MEMBER')",
                             {info.name})
                    .Next())
                roles.push_back(info.role);
        return roles;
    });
}

ConnectionCheck CheckConnection(const std::string& connection_string) {
    try {
        store::LabDatabase database = OpenSharedLab(connection_string);
        std::string roles;
        for (const LabRole role : RolesOfLogin(*database.connection))
            roles += (roles.empty() ? "" : "、") + RoleName(role);
        std::string message = "连接成功：" + DescribeConnection(connection_string) + "，登录“" +
                              database.connection->Login() + "”（" +
                              (roles.empty() ? std::string("不属于任何角色，只能查看") : roles) +
                              "），架构版本 " + std::to_string(database.schema_version);
        if (!database.notice().empty()) message += "。" + database.notice();
        return {true, std::move(message)};
    } catch (const StoreError& error) {
        return {false, error.Message()};
    }
}

store::LabDatabase OpenSharedLab(const std::string& connection_string) {
    const std::string name = DescribeConnection(connection_string);
    return store::Doing("打开共享数据库（" + name + "）", [&] {
        std::unique_ptr<store::Connection> connection = OpenOdbc(connection_string);
        const int version = store::SchemaVersionOf(*connection);
        if (version == 0)
            throw StoreError(StoreErrorKind::Open,
                             "其中没有实验室的数据：数据库尚未初始化（请管理员用 --init-lab-db "
                             "初始化），或登录“" +
                                 connection->Login() + "”不属于试验员、审核、批准中的任何角色");
        if (version < store::kSchemaVersion)
            throw StoreError(StoreErrorKind::Open,
                             "共享数据库的数据格式较旧（架构版本 " + std::to_string(version) +
                                 "，本程序为 " + std::to_string(store::kSchemaVersion) +
                                 "）：请管理员用本版本的 Mixora 升级（--init-lab-db）");
        return store::OpenLab(std::move(connection), name);
    });
}

} // namespace mixora::odbc
