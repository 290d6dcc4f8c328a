#include "store_test_support.h"

#include "shared_test_lab.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace mixora::store::testing {

namespace {

constexpr std::string_view kChildOption = "--store-child";

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class SqliteTestLab final : public TestLab {
  public:
    LabDatabase Open() override { return OpenLabFile(path_, NoNetworkDrives); }

  private:
    TempFolder folder_;
    std::string path_ = folder_.Path("lab.sqlite");
};

#ifdef _WIN32
std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return wide;
}

// The arguments in UTF-8: main's are in the system's code page, so read the wide ones.
std::vector<std::string> ArgumentsOf(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), size, nullptr, nullptr);
        arguments.push_back(std::move(text));
    }
    LocalFree(wide);
    return arguments;
}
#else
std::vector<std::string> ArgumentsOf(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}
#endif

std::map<std::string, ChildRole>& Roles() {
    static std::map<std::string, ChildRole> roles;
    return roles;
}

} // namespace

TempFolder::TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("mixora-store-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Path(const std::string& name) const {
    return Utf8(path_ / std::filesystem::path(std::u8string(name.begin(), name.end())));
}

std::vector<EngineTarget> EngineTargets() {
    return {{"Sqlite", [] { return std::make_unique<SqliteTestLab>(); }},
            {"Odbc", []() -> std::unique_ptr<TestLab> {
                 if (auto lab = odbc::testing::MakeSharedTestLab()) return lab;
                 // Skipped before its body runs: the fixture gets a file's lab it never uses.
                 return std::make_unique<SqliteTestLab>();
             }}};
}

DesignEntry EntryFor(const std::string& grade, const std::string& project) {
    DesignEntry entry;
    entry.document = R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011"})"
                     "\n";
    entry.kind = "jgj55-2011";
    entry.grade = grade;
    entry.project = project;
    return entry;
}

void AddChildRole(const std::string& name, ChildRole role) {
    Roles()[name] = std::move(role);
}

bool RunChildRole(int argc, char** argv, int& code) {
    std::vector<std::string> arguments = ArgumentsOf(argc, argv);
    if (arguments.size() < 3 || arguments[1] != kChildOption) return false;
    const auto role = Roles().find(arguments[2]);
    if (role == Roles().end()) {
        code = 2;
        return true;
    }
    code = role->second(std::vector<std::string>(arguments.begin() + 3, arguments.end()));
    return true;
}

StoreErrorKind ErrorKindOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const StoreError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no error";
    return StoreErrorKind::Failed;
}

bool WaitForFile(const std::string& path, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    while (!std::filesystem::exists(file)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

#ifdef _WIN32

struct ChildProcess::Handle {
    PROCESS_INFORMATION process{};
};

ChildProcess::ChildProcess(const std::vector<std::string>& arguments)
    : handle_(std::make_unique<Handle>()) {
    wchar_t self[MAX_PATH]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --store-child";
    for (const std::string& argument : arguments)
        command += L" \"" + Wide(argument) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &handle_->process))
        handle_->process = {};
}

ChildProcess::~ChildProcess() {
    if (handle_->process.hProcess == nullptr) return;
    if (WaitForSingleObject(handle_->process.hProcess, 0) == WAIT_TIMEOUT) Kill();
    CloseHandle(handle_->process.hThread);
    CloseHandle(handle_->process.hProcess);
}

void ChildProcess::Kill() {
    TerminateProcess(handle_->process.hProcess, 9);
    WaitForSingleObject(handle_->process.hProcess, INFINITE);
}

int ChildProcess::Wait() {
    if (handle_->process.hProcess == nullptr) return -1;
    WaitForSingleObject(handle_->process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(handle_->process.hProcess, &code);
    return static_cast<int>(code);
}

#else

struct ChildProcess::Handle {
    pid_t pid = -1;
    bool ended = false;
    int code = -1;
};

ChildProcess::ChildProcess(const std::vector<std::string>& arguments)
    : handle_(std::make_unique<Handle>()) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<std::string> words = {self, std::string(kChildOption)};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    if (posix_spawn(&handle_->pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        handle_->pid = -1;
}

ChildProcess::~ChildProcess() {
    if (handle_->pid > 0 && !handle_->ended) Kill();
}

void ChildProcess::Kill() {
    kill(handle_->pid, SIGKILL);
    Wait();
}

int ChildProcess::Wait() {
    if (handle_->pid <= 0) return -1;
    if (!handle_->ended) {
        int status = 0;
        waitpid(handle_->pid, &status, 0);
        handle_->ended = true;
        handle_->code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return handle_->code;
}

#endif

} // namespace mixora::store::testing
