#pragma once
// What the store's tests share: a temporary folder, a lab database of an engine under test, a
// clock that tells the time the test says, and child processes of the test program.
#include "design_register.h"
#include "lab_database.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace mixora::store::testing {

// A folder of its own under the system's temporary folder, removed with what it holds.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // A path inside it (UTF-8).
    std::string Path(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

// A new, empty lab database of one engine, and connections to it: the repositories' tests run
// on every engine given to them (the shared database's engine adds itself with its server).
class TestLab {
  public:
    virtual ~TestLab() = default;
    // A new connection to the same database, opened as the program opens it.
    virtual LabDatabase Open() = 0;
};

struct EngineTarget {
    std::string name; // a test name's suffix: "Sqlite"
    std::function<std::unique_ptr<TestLab>()> make;
};

// The engines the repositories' tests run on: SQLite, and the shared database's engine, whose
// tests are skipped when no server is given (odbc/tests/shared_test_lab.h).
std::vector<EngineTarget> EngineTargets();
// How a test's name shows its engine.
inline void PrintTo(const EngineTarget& target, std::ostream* out) {
    *out << target.name;
}

// A clock that says what `now` holds, as a test sets it.
struct TestClock {
    std::shared_ptr<std::string> now = std::make_shared<std::string>("2026-03-05T09:30:00+08:00");
    Clock clock() const {
        return [now = now] { return *now; };
    }
};

// A small design entry of grade `grade` for `project`.
DesignEntry EntryFor(const std::string& grade, const std::string& project);

// This test program run again as a child: it runs the role named by its first argument (see
// RunChildRole) and ends; Kill ends it at once, as a crash or a power loss would.
class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    void Kill();
    int Wait(); // its exit code

  private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

// In the child: runs the role its arguments name; its exit code. Roles are registered by the
// tests that start them.
using ChildRole = std::function<int(const std::vector<std::string>& arguments)>;
void AddChildRole(const std::string& name, ChildRole role);
// Whether argv asks for a child role; then it runs it and gives its code in `code`.
bool RunChildRole(int argc, char** argv, int& code);

// The kind of the StoreError the action throws; Failed (and a test failure) when it throws none.
StoreErrorKind ErrorKindOf(const std::function<void()>& action);

// Waits (polling) until the file exists; false after `seconds`.
bool WaitForFile(const std::string& path, int seconds);

} // namespace mixora::store::testing
