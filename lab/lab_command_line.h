#pragma once
// The lab database's command-line face, for scripts and a lab's IT, without a window:
//   Mixora.exe [--db DATABASE] [--as NAME] --register DESIGN   registers a design file, prints
//                                                             its number
//   Mixora.exe [--db DATABASE] --list                         one line per design (tab-separated)
//   Mixora.exe [--db DATABASE] --export-design NUMBER OUT     the latest revision as a design file
//   Mixora.exe [--db DATABASE] [--as NAME] --review|--approve|--withdraw NUMBER
//   Mixora.exe --db odbc:CONNECTION --init-lab-db             makes a shared database ready (an
//                                                             administrator's login)
//   Mixora.exe [--db FILE] --migrate-to odbc:CONNECTION       moves the lab of a database file
//                                                             into a shared database
// DATABASE is a database file, or odbc: and an ODBC connection string for a shared database
// (whose login is recorded as who took each step: --as is refused there). Without --db, the
// database 实验室设置 names, as the windows open it: the file, or the shared database with the
// password kept in the credential store (never the file instead). Exit code 0, or 1
// with the reason on standard error (Chinese). Parsed and run here, portably; the platform
// gives the files, the settings and who is working.
#include "lab_database.h"
#include "lab_database_setting.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mixora::lab {

enum class LabAction {
    Register,
    List,
    ExportDesign,
    Review,
    Approve,
    Withdraw,
    InitLabDb,
    MigrateTo,
};

// What --db and --migrate-to begin a shared database's connection string with.
inline constexpr std::string_view kSharedDatabasePrefix = "odbc:";

struct LabCommandLine {
    LabAction action = LabAction::List;
    std::string database; // --db; empty: the lab database the settings name
    std::string person;   // --as; empty: the name set on this computer
    std::string design;   // --register DESIGN
    std::string number;   // --export-design, --review, --approve, --withdraw
    std::string out;      // --export-design … OUT
    std::string target;   // --migrate-to
};

// Whether the arguments (after the program's name) ask for this face: any of its options.
bool IsLabCommandLine(const std::vector<std::string>& arguments);

// The command, or why the arguments are not one (Chinese, ending with the usage).
std::variant<LabCommandLine, std::string>
ParseLabCommandLine(const std::vector<std::string>& arguments);

// What the commands need of the platform. Paths are UTF-8.
class LabPlatform {
  public:
    virtual ~LabPlatform() = default;
    // The lab database the settings name (a file's folder made ready: it exists).
    virtual LabDatabaseSetting SettingsDatabase() = 0;
    // The password kept for the shared database of a connection string; empty when none is.
    virtual std::string KeptPassword(const std::string& connection) = 0;
    // The name of the person working, as set on this computer; empty when none is.
    virtual std::string PersonName() = 0;
    virtual bool IsNetworkDrive(char letter) = 0;
    // The path made absolute, as messages name it.
    virtual std::string FullPath(const std::string& path) = 0;
    // The whole file, at most `limit` bytes; none, with `problem` (Chinese), when it cannot be
    // read.
    virtual std::optional<std::string> ReadFile(const std::string& path, std::size_t limit,
                                                std::string& problem) = 0;
    // Writes the file in one step; why it could not (Chinese), or empty.
    virtual std::string WriteFile(const std::string& path, std::string_view bytes) = 0;
};

struct LabOutcome {
    int exit_code = 0;
    std::string out;   // standard output: lines ending in "\n"
    std::string error; // standard error: why it failed, when it did
};

LabOutcome RunLabCommand(const LabCommandLine& command, LabPlatform& platform);

// 初始化共享数据库 through an administrator's connection: what is said when it is done
// ("共享数据库已初始化：…"). StoreError when it fails.
std::string InitSharedLab(const std::string& connection_string);

// 从本机数据库迁移到共享数据库 (the administrator's connection): one line per table (its name,
// rows, rows added, checksum), then "迁移完成：…". StoreError, with nothing written, when it fails.
std::string MigrateLab(store::LabDatabase& source, const std::string& connection_string);

// Parses and runs.
LabOutcome RunLabCommandLine(const std::vector<std::string>& arguments, LabPlatform& platform);

} // namespace mixora::lab
