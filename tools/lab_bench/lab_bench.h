#pragma once
// The lab database at a lab's decade: 20,000 registered designs and 10,000 material records,
// generated through the repositories into a database file, and the times of what the register
// and the library do with them (open, list, filter, search, open one design, register one).
// Not a test: nothing is asserted.
#include <optional>
#include <string>
#include <vector>

namespace mixora::bench {

struct LabTiming {
    std::string measure;
    double milliseconds = 0; // the median of the runs
    std::size_t rows = 0;    // what it gave
};

struct LabBenchResult {
    int designs = 0, materials = 0;
    double generate_seconds = 0; // 0 when the file held the data already
    std::vector<LabTiming> timings;
};

struct LabBenchOptions {
    std::string database;      // the file; generated when it holds no designs yet
    std::string sample_design; // the bytes of the design file each entry keeps
    int designs = 20000;
    int materials = 10000;
    int runs = 20;
};

LabBenchResult RunLabBench(const LabBenchOptions& options);

// The bytes of the sample design the entries keep (tools/samples/c30-trial.mixora).
std::string SampleDesign();

// The table; with the plain window's time to create and show, each time as a share of it.
void PrintLabBench(const LabBenchResult& result, std::optional<double> plain_window_ms);

} // namespace mixora::bench
