#include "machine_load.h"

#include <windows.h>

#include <cstdio>

namespace mixora::bench {

std::optional<double> LoadAverage() {
    FILE* file = _wfopen(L"Z:\\proc\\loadavg", L"r");
    if (!file) return std::nullopt;
    double one_minute = 0;
    const bool read = std::fscanf(file, "%lf", &one_minute) == 1;
    std::fclose(file);
    if (!read) return std::nullopt;
    return one_minute;
}

int CoreCount() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return static_cast<int>(info.dwNumberOfProcessors);
}

bool WasBusy(std::optional<double> before, std::optional<double> after, int cores) {
    const double others = cores / 2.0;
    return (before && *before > others) || (after && *after > others + 1.0);
}

} // namespace mixora::bench
