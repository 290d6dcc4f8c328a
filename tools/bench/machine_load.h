#pragma once
// Under what load the bench ran. Under Wine every server round trip waits for a core, so a busy
// machine inflates the figures several times over; the bench says so beside its table.
#include <optional>

namespace mixora::bench {

// Linux's one-minute load average, read through Wine's Z: drive (Z:\proc\loadavg); empty
// where there is no such file (on Windows).
std::optional<double> LoadAverage();

// The number of cores the program sees.
int CoreCount();

// Busy: before the run, more than half the cores were taken by others; after it, more than
// that plus the one core the bench and the Wine server keep busy between them.
bool WasBusy(std::optional<double> before, std::optional<double> after, int cores);

} // namespace mixora::bench
