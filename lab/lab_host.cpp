// mixora-lab: the lab database's command-line face on a build host that is not Windows (Linux),
// the same commands as Mixora.exe's: scripts/lab-server makes a lab's shared database with it
// (--init-lab-db), and a lab's IT may script the shared database from a server with it.
// Who is working has no setting here: --as names them (a shared database records its login).
#include "lab_command_line.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>

namespace {

namespace fs = std::filesystem;

fs::path PathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// $XDG_DATA_HOME/Mixora/lab.sqlite, else ~/.local/share/Mixora/lab.sqlite.
std::string DefaultDatabase() {
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    fs::path folder =
        data && *data ? fs::path(data) : fs::path(home && *home ? home : ".") / ".local/share";
    folder /= "Mixora";
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return Utf8(folder / "lab.sqlite");
}

class HostPlatform final : public mixora::lab::LabPlatform {
  public:
    // The file this computer keeps; a shared database is named with --db.
    mixora::lab::LabDatabaseSetting SettingsDatabase() override {
        return {mixora::lab::LabDatabaseKind::Local, DefaultDatabase(), {}};
    }
    std::string KeptPassword(const std::string&) override { return {}; }

    std::string PersonName() override { return {}; }
    bool IsNetworkDrive(char) override { return false; }
    std::string FullPath(const std::string& path) override {
        std::error_code error;
        const fs::path full = fs::absolute(PathOf(path), error);
        return error ? path : Utf8(full);
    }
    std::optional<std::string> ReadFile(const std::string& path, std::size_t limit,
                                        std::string& problem) override {
        std::ifstream file(PathOf(path), std::ios::binary);
        if (!file) {
            problem = "无法打开文件";
            return std::nullopt;
        }
        std::ostringstream bytes;
        bytes << file.rdbuf();
        if (bytes.str().size() > limit) {
            problem = "文件太大";
            return std::nullopt;
        }
        return bytes.str();
    }
    // Written beside, then put in its place in one step.
    std::string WriteFile(const std::string& path, std::string_view bytes) override {
        const fs::path part = PathOf(path + ".part");
        {
            std::ofstream file(part, std::ios::binary | std::ios::trunc);
            file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            if (!file.flush()) return "无法写入文件";
        }
        std::error_code error;
        fs::rename(part, PathOf(path), error);
        if (!error) return {};
        fs::remove(part, error);
        return "无法写入文件";
    }
};

} // namespace

int main(int argc, char** argv) {
    HostPlatform platform;
    const mixora::lab::LabOutcome outcome =
        mixora::lab::RunLabCommandLine(std::vector<std::string>(argv + 1, argv + argc), platform);
    std::cout << outcome.out;
    if (!outcome.error.empty()) std::cerr << outcome.error << "\n";
    return outcome.exit_code;
}
