#include "lab_bench.h"

#include "design_reading.h"
#include "design_register.h"
#include "lab_database.h"
#include "material_library.h"
#include "register_entry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

namespace mixora::bench {

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0 : samples[samples.size() / 2];
}

// A deterministic sequence, so every run generates the same lab.
struct Sequence {
    unsigned state = 12345;
    unsigned Next(unsigned below) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % below;
    }
};

const char* const kMakers[] = {"海螺水泥", "华新水泥", "冀东水泥", "南方水泥", "华润水泥",
                               "大唐电厂", "华能电厂", "宝钢矿渣", "沙钢矿渣", "长江砂场",
                               "赣江砂场", "青山石场", "北山石场", "苏博特",   "科之杰"};

// The day of the `index`th of `count` records over ten years from 2017, as "YYYY-MM-DD".
std::string DayOf(int index, int count) {
    const int day = index * 3650 / count;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", 2017 + day / 365, 1 + day % 365 / 31 % 12,
                  1 + day % 31 % 28);
    return text;
}

store::MaterialFields MaterialOf(int index, Sequence& random) {
    store::MaterialFields fields;
    const auto& kinds = store::AllMaterialKinds();
    fields.kind = kinds[random.Next(static_cast<unsigned>(kinds.size()))].kind;
    fields.maker = kMakers[random.Next(std::size(kMakers))];
    fields.product = "规格 " + std::to_string(random.Next(10));
    fields.batch = "B" + std::to_string(index);
    fields.sampled_on = fields.report_date = fields.price_date = DayOf(index, 10000);
    fields.report_number = "R-" + std::to_string(index);
    fields.price = 200.0 + random.Next(400);
    for (const store::PropertyInfo& property : store::InfoOf(fields.kind).properties) {
        if (property.type == store::PropertyType::Number)
            fields.properties[std::string(property.key)] = 1.0 + random.Next(100);
        else if (property.type == store::PropertyType::Choice)
            fields.properties[std::string(property.key)] = std::string(
                property.choices[random.Next(static_cast<unsigned>(property.choices.size()))].key);
        else
            fields.properties[std::string(property.key)] = std::string("聚羧酸高性能减水剂");
    }
    return fields;
}

double Generate(store::Connection& connection, const LabBenchOptions& options,
                const store::DesignEntry& sample) {
    const auto start = Clock::now();
    // Generating is not what is measured: SQLite need not wait for the disk at each of its
    // thirty thousand transactions.
    store::Execute(connection, "PRAGMA synchronous = OFF");
    std::string now;
    store::MaterialLibrary library(connection, [&] { return now; });
    store::DesignRegister designs(connection, [&] { return now; });
    Sequence random;
    for (int i = 0; i < options.materials; ++i) {
        now = DayOf(i, options.materials) + "T09:00:00+08:00";
        library.Add(MaterialOf(i, random), "张三");
    }
    for (int i = 0; i < options.designs; ++i) {
        now = DayOf(i, options.designs) + "T10:00:00+08:00";
        store::DesignEntry entry = sample;
        entry.grade = "C" + std::to_string(15 + 5 * static_cast<int>(random.Next(10)));
        entry.project = "工程 " + std::to_string(random.Next(2000));
        entry.materials.clear();
        for (int m = 0; m < 5; ++m)
            entry.materials.push_back({1 + static_cast<std::int64_t>(random.Next(
                                               static_cast<unsigned>(options.materials))),
                                       1});
        if (random.Next(4) == 0) entry.requirements = {"泵送"};
        store::RegisteredDesign d = designs.Register(entry, "张三");
        if (random.Next(2) == 0) {
            d = designs.Take(store::DesignStep::Review, d.id, d.row_version, "李四");
            designs.Take(store::DesignStep::Approve, d.id, d.row_version, "王五");
        }
    }
    return Milliseconds(start) / 1000.0;
}

} // namespace

std::string SampleDesign() {
    std::ifstream sample(MIXORA_SAMPLE_DESIGN, std::ios::binary);
    std::ostringstream bytes;
    bytes << sample.rdbuf();
    return bytes.str();
}

LabBenchResult RunLabBench(const LabBenchOptions& options) {
    const auto read = session::ReadDesignDocument(options.sample_design);
    const store::DesignEntry sample =
        lab::RegisterEntryOf(std::get<document::DesignDocument>(read), options.sample_design);

    LabBenchResult result;
    {
        store::LabDatabase database = store::OpenLabFile(options.database, store::NoNetworkDrives);
        if (store::DesignRegister(*database.connection).List({}).empty())
            result.generate_seconds = Generate(*database.connection, options, sample);
    }

    std::vector<std::pair<std::string, std::function<std::size_t()>>> measures;
    store::LabDatabase database = store::OpenLabFile(options.database, store::NoNetworkDrives);
    store::DesignRegister designs(*database.connection);
    store::MaterialLibrary library(*database.connection);
    result.designs = static_cast<int>(designs.List({}).size());
    result.materials = static_cast<int>(library.List({}).size());
    const std::string number =
        designs.List({})[static_cast<std::size_t>(result.designs / 2)].number;

    measures.push_back({"open the database", [&] {
                            store::OpenLabFile(options.database, store::NoNetworkDrives);
                            return std::size_t{1};
                        }});
    measures.push_back({"register: list all", [&] { return designs.List({}).size(); }});
    measures.push_back({"register: grade C30", [&] {
                            store::RegisterFilter filter;
                            filter.grade = "C30";
                            return designs.List(filter).size();
                        }});
    measures.push_back({"register: approved", [&] {
                            store::RegisterFilter filter;
                            filter.state = store::DesignState::Approved;
                            return designs.List(filter).size();
                        }});
    measures.push_back({"register: citing a record", [&] {
                            store::RegisterFilter filter;
                            filter.material_record = 77;
                            return designs.List(filter).size();
                        }});
    measures.push_back({"register: search a project", [&] {
                            store::RegisterFilter filter;
                            filter.search = "工程 123";
                            return designs.List(filter).size();
                        }});
    measures.push_back({"register: open one design", [&] {
                            const auto latest = designs.Latest(number);
                            const auto document = designs.Document(latest->id);
                            return session::ReadDesignDocument(document).index() == 0
                                       ? std::size_t{1}
                                       : 0;
                        }});
    measures.push_back({"library: list all", [&] { return library.List({}).size(); }});
    measures.push_back({"library: cement of a maker", [&] {
                            store::MaterialFilter filter;
                            filter.kind = store::MaterialKind::Cement;
                            filter.maker = "海螺";
                            return library.List(filter).size();
                        }});
    measures.push_back({"register one design", [&] {
                            designs.Register(sample, "张三");
                            return std::size_t{1};
                        }});

    for (const auto& [name, measure] : measures) {
        std::vector<double> samples;
        std::size_t rows = 0;
        for (int run = 0; run < options.runs; ++run) {
            const auto start = Clock::now();
            rows = measure();
            samples.push_back(Milliseconds(start));
        }
        result.timings.push_back({name, Median(samples), rows});
    }
    return result;
}

void PrintLabBench(const LabBenchResult& result, std::optional<double> plain_window_ms) {
    std::printf("lab database: %d designs (latest revisions), %d material records", result.designs,
                result.materials);
    if (result.generate_seconds > 0) std::printf(", generated in %.1f s", result.generate_seconds);
    std::printf("; median times (ms)%s\n",
                plain_window_ms ? ", and as a share of creating and showing the plain window" : "");
    std::printf("%-30s %10s %10s %10s\n", "measure", "ms", "rows",
                plain_window_ms ? "of window" : "");
    for (const LabTiming& timing : result.timings) {
        std::printf("%-30s %10.3f %10zu", timing.measure.c_str(), timing.milliseconds, timing.rows);
        if (plain_window_ms && *plain_window_ms > 0)
            std::printf(" %9.1f%%", 100.0 * timing.milliseconds / *plain_window_ms);
        std::printf("\n");
    }
    if (plain_window_ms)
        std::printf("%-30s %10.3f\n", "plain window: create and show", *plain_window_ms);
}

} // namespace mixora::bench
