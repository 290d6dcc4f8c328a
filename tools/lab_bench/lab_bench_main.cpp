// The lab database's bench on its own (natively or under Wine); scripts/bench prints the same
// rows beside the window's times (skin_bench --lab).
//   lab_bench [--runs=N] [--db=PATH]   PATH keeps the generated lab for the next run
#include "lab_bench.h"

#include <filesystem>
#include <string_view>

int main(int argc, char** argv) {
    mixora::bench::LabBenchOptions options;
    options.database =
        (std::filesystem::temp_directory_path() / "mixora-lab-bench.sqlite").string();
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--runs="))
            options.runs = std::stoi(std::string(argument.substr(7)));
        if (argument.starts_with("--db=")) {
            options.database = std::string(argument.substr(5));
            keep = true;
        }
    }
    options.sample_design = mixora::bench::SampleDesign();
    if (!keep) std::filesystem::remove(options.database);
    mixora::bench::PrintLabBench(mixora::bench::RunLabBench(options), std::nullopt);
    if (!keep)
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(options.database + suffix);
    return 0;
}
