#include "lab_command_line.h"

#include "design_format.h"
#include "design_reading.h"
#include "connection_string.h"
#include "design_register.h"
#include "lab_copy.h"
#include "lab_database.h"
#include "odbc_engine.h"
#include "shared_lab.h"
#include "register_entry.h"
#include "schema.h"

#include <algorithm>
#include <array>

namespace mixora::lab {

namespace {

struct OptionInfo {
    std::string_view name;
    int values;                      // how many arguments follow it
    std::optional<LabAction> action; // none: a setting (--db, --as)
    std::string LabCommandLine::*first = nullptr;
    std::string LabCommandLine::*second = nullptr;
};

const std::array<OptionInfo, 10> kOptions = {{
    {"--db", 1, std::nullopt, &LabCommandLine::database},
    {"--as", 1, std::nullopt, &LabCommandLine::person},
    {"--register", 1, LabAction::Register, &LabCommandLine::design},
    {"--list", 0, LabAction::List},
    {"--export-design", 2, LabAction::ExportDesign, &LabCommandLine::number, &LabCommandLine::out},
    {"--review", 1, LabAction::Review, &LabCommandLine::number},
    {"--approve", 1, LabAction::Approve, &LabCommandLine::number},
    {"--withdraw", 1, LabAction::Withdraw, &LabCommandLine::number},
    {"--init-lab-db", 0, LabAction::InitLabDb},
    {"--migrate-to", 1, LabAction::MigrateTo, &LabCommandLine::target},
}};

constexpr std::string_view kUsage =
    "用法：Mixora.exe [--db 数据库文件 | --db odbc:连接字符串] [--as 姓名] 命令，命令为以下之一："
    "--register 设计文件 | --list | --export-design 编号 设计文件 | --review 编号 | "
    "--approve 编号 | --withdraw 编号 | --init-lab-db | --migrate-to odbc:连接字符串";

const OptionInfo* OptionNamed(std::string_view name) {
    for (const OptionInfo& option : kOptions)
        if (option.name == name) return &option;
    return nullptr;
}

std::string Quoted(std::string_view text) {
    return "“" + std::string(text) + "”";
}

LabOutcome Failed(std::string reason) {
    return {1, {}, std::move(reason)};
}

// A text on one line of the list: its tabs and line breaks as spaces.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string ListLine(const store::RegisteredDesign& d) {
    return d.number + "\t" + d.revision + "\t" + std::string(store::StateName(d.state)) + "\t" +
           OneLine(d.grade) + "\t" + OneLine(d.project) + "\n";
}

std::optional<store::DesignStep> StepOf(LabAction action) {
    switch (action) {
    case LabAction::Review: return store::DesignStep::Review;
    case LabAction::Approve: return store::DesignStep::Approve;
    case LabAction::Withdraw: return store::DesignStep::Withdraw;
    default: return std::nullopt;
    }
}

// The design file to register, read and checked: its entry, or why not.
std::variant<store::DesignEntry, std::string> ReadEntry(const std::string& path,
                                                        LabPlatform& platform) {
    const std::string full = platform.FullPath(path);
    std::string problem;
    std::optional<std::string> bytes =
        platform.ReadFile(full, document::kMaxDesignFileBytes, problem);
    if (!bytes) return "无法打开设计文件" + Quoted(full) + "：" + problem;
    document::ReadResult read = session::ReadDesignDocument(*bytes);
    if (const auto* error = std::get_if<document::DocumentError>(&read))
        return "无法打开设计文件" + Quoted(full) + "：" + document::ErrorMessage(*error);
    return RegisterEntryOf(std::get<document::DesignDocument>(read), std::move(*bytes));
}

LabOutcome Run(const LabCommandLine& command, LabPlatform& platform, store::DesignRegister& designs,
               const std::string& person) {
    if (command.action == LabAction::List) {
        LabOutcome listed;
        for (const store::RegisteredDesign& d : designs.List({}))
            listed.out += ListLine(d);
        return listed;
    }
    if (command.action == LabAction::Register) {
        auto entry = ReadEntry(command.design, platform);
        if (auto* problem = std::get_if<std::string>(&entry)) return Failed(std::move(*problem));
        return {0, designs.Register(std::get<store::DesignEntry>(entry), person).number + "\n", {}};
    }
    const std::optional<store::RegisteredDesign> latest = designs.Latest(command.number);
    if (!latest) return Failed("台账中没有配合比" + Quoted(command.number));
    if (const auto step = StepOf(command.action))
        return {0, ListLine(designs.Take(*step, latest->id, latest->row_version, person)), {}};
    const std::string out = platform.FullPath(command.out);
    if (std::string problem = platform.WriteFile(out, designs.Document(latest->id));
        !problem.empty())
        return Failed("无法写入设计文件" + Quoted(out) + "：" + problem);
    return {};
}

// The connection string of a shared database ("odbc:…"), or none for a database file.
std::optional<std::string> SharedConnection(const std::string& database) {
    if (!database.starts_with(kSharedDatabasePrefix)) return std::nullopt;
    return database.substr(kSharedDatabasePrefix.size());
}

store::LabDatabase OpenFile(const std::string& path, LabPlatform& platform) {
    return store::OpenLabFile(path,
                              [&platform](char letter) { return platform.IsNetworkDrive(letter); });
}

// The database a command works on: --db's, else the settings'. The migration's source is the
// settings' file even when they name the shared database, which it moves the file into.
struct CommandDatabase {
    std::optional<std::string> shared; // the connection string, its password put back
    std::string file;
    bool password_missing = false; // from the settings, with no password kept for it
};

CommandDatabase DatabaseOf(const LabCommandLine& command, LabPlatform& platform) {
    if (!command.database.empty()) {
        if (auto shared = SharedConnection(command.database)) return {std::move(shared), {}};
        return {std::nullopt, platform.FullPath(command.database)};
    }
    LabDatabaseSetting setting = platform.SettingsDatabase();
    if (setting.kind == LabDatabaseKind::Local || command.action == LabAction::MigrateTo ||
        command.action == LabAction::InitLabDb)
        return {std::nullopt, std::move(setting.path)};
    std::string password = platform.KeptPassword(setting.connection);
    const bool missing = password.empty() && SplitPassword(setting.connection).password.empty();
    return {WithPassword(setting.connection, password), {}, missing};
}

constexpr std::string_view kHowToGivePassword =
    "\n本机的凭据管理器中没有保存共享数据库的密码：请在“实验室设置 → 数据库”中输入密码并确定，"
    "或用 --db odbc:连接字符串 给出含密码（PWD=…）的连接字符串";

} // namespace

std::string InitSharedLab(const std::string& connection_string) {
    const std::string name = odbc::DescribeConnection(connection_string);
    store::Doing("初始化共享数据库（" + name + "）", [&] {
        std::unique_ptr<store::Connection> administrator = odbc::OpenOdbc(connection_string);
        odbc::InitLabServer(*administrator);
    });
    std::string roles;
    for (const odbc::LabRoleInfo& role : odbc::LabRoles())
        roles += (roles.empty() ? "" : "、") + std::string(role.name);
    return "共享数据库已初始化：" + name + "，架构版本 " + std::to_string(store::kSchemaVersion) +
           "，角色 " + roles + "\n";
}

// One line per table: its name, rows, rows added, checksum; then that it is done.
std::string MigrateLab(store::LabDatabase& source, const std::string& connection_string) {
    store::LabDatabase target = odbc::OpenSharedLab(connection_string);
    const std::vector<store::TableCopy> copies =
        store::CopyLab(*source.connection, *target.connection);
    std::string said;
    std::int64_t added = 0;
    for (const store::TableCopy& copy : copies) {
        said += copy.table + "\t" + std::to_string(copy.rows) + "\t" + std::to_string(copy.added) +
                "\t" + copy.checksum + "\n";
        added += copy.added;
    }
    return said + "迁移完成：" + std::to_string(copies.size()) +
           " 个表的行数和校验和与本机数据库一致，新增 " + std::to_string(added) + " 行（" +
           odbc::DescribeConnection(connection_string) + "）\n";
}

bool IsLabCommandLine(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& argument) { return OptionNamed(argument); });
}

std::variant<LabCommandLine, std::string>
ParseLabCommandLine(const std::vector<std::string>& arguments) {
    const std::string usage(kUsage);
    LabCommandLine command;
    std::vector<std::string_view> given;
    bool has_action = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const OptionInfo* option = OptionNamed(arguments[i]);
        if (option == nullptr) return "无法识别的参数" + Quoted(arguments[i]) + "。" + usage;
        if (std::find(given.begin(), given.end(), option->name) != given.end())
            return "参数" + Quoted(option->name) + "重复。" + usage;
        given.push_back(option->name);
        if (option->action) {
            if (has_action) return "一次只能执行一个命令。" + usage;
            has_action = true;
            command.action = *option->action;
        }
        for (int value = 0; value < option->values; ++value) {
            if (i + 1 >= arguments.size() || arguments[i + 1].starts_with("--"))
                return "参数" + Quoted(option->name) + "后缺少值。" + usage;
            command.*(value == 0 ? option->first : option->second) = arguments[++i];
        }
    }
    if (!has_action) return "缺少命令。" + usage;
    return command;
}

LabOutcome RunLabCommand(const LabCommandLine& command, LabPlatform& platform) {
    const bool named_shared = SharedConnection(command.database).has_value();
    if (command.action == LabAction::InitLabDb && !named_shared)
        return Failed(
            "--init-lab-db 用于共享数据库：请用 --db odbc:连接字符串 指明（管理员的登录）");
    if (command.action == LabAction::MigrateTo) {
        if (named_shared) return Failed("--migrate-to 从本机数据库迁移：--db 应为数据库文件");
        if (!SharedConnection(command.target))
            return Failed("--migrate-to 的目标应为共享数据库：odbc:连接字符串");
    }
    const CommandDatabase given = DatabaseOf(command, platform);
    const std::optional<std::string>& shared = given.shared;
    if (shared && !command.person.empty())
        return Failed("共享数据库记录每一步的数据库登录名，不能用 --as 指定操作人");
    const std::string person = command.person.empty() ? platform.PersonName() : command.person;
    const bool changes =
        command.action != LabAction::List && command.action != LabAction::ExportDesign &&
        command.action != LabAction::InitLabDb && command.action != LabAction::MigrateTo;
    if (changes && !shared && person.empty()) return Failed("请用 --as 指明操作人的姓名");
    try {
        if (command.action == LabAction::InitLabDb) return {0, InitSharedLab(*shared), {}};
        // A shared database that cannot be reached is said: the local one is never used instead.
        store::LabDatabase database;
        try {
            database = shared ? odbc::OpenSharedLab(*shared) : OpenFile(given.file, platform);
        } catch (const store::StoreError& error) {
            if (!given.password_missing) throw;
            return Failed(error.Message() + std::string(kHowToGivePassword));
        }
        if (command.action == LabAction::MigrateTo)
            return {0, MigrateLab(database, *SharedConnection(command.target)), {}};
        store::DesignRegister designs(*database.connection);
        return Run(command, platform, designs, shared ? database.connection->Login() : person);
    } catch (const store::StoreError& error) {
        return Failed(error.Message());
    }
}

LabOutcome RunLabCommandLine(const std::vector<std::string>& arguments, LabPlatform& platform) {
    auto parsed = ParseLabCommandLine(arguments);
    if (auto* problem = std::get_if<std::string>(&parsed)) return Failed(std::move(*problem));
    return RunLabCommand(std::get<LabCommandLine>(parsed), platform);
}

} // namespace mixora::lab
