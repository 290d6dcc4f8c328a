// Measures what the skin costs, skinned and plain side by side in one run under the same
// conditions: creating and showing a window, repainting it, one fade tick of a push button,
// installing and removing the skin, and the working set of a fresh process showing the window;
// and typing in a field of a JGJ 55-2011 window against a full repaint of that window.
// Prints the tables, with the load the machine was under. Not a test: nothing is asserted.
//   --window=design|gallery|jgj55  the window to measure (default design)
//   --runs=N                  repetitions of each measure (default 20)
//   --count                   does each measured action once between markers instead, for
//                             scripts/bench to count its Wine server round trips in a trace
//   --round-trips=K:N,...     those counts, printed beside the times (keys as kPhases)
//   --exe-size=BYTES --exe-label=TEXT   the size of the program, printed as a row
//   --lab=PATH                the lab database's bench too (tools/lab_bench/), its lab kept at
//                             PATH, its times beside the plain window's
//   --working-set=skinned|plain         (internal) shows the window and exits with its KiB
#include "bench_windows.h"
#include "lab_bench.h"
#include "machine_load.h"

#include "button_paint.h"
#include "fade_timer.h"
#include "props.h"
#include "skin.h"

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using mixora::bench::BenchWindow;
using mixora::bench::WindowBuilder;
namespace props = mixora::skin::props;

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

void PaintNow(HWND form) {
    RedrawWindow(form, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
}

// The measured actions. Each is timed in the timing run and, with --count, done once between
// two markers: global atoms named "mixora-bench begin KEY" and "… end KEY", whose add_atom
// requests scripts/bench finds in the Wine server's trace.
constexpr const char* kCreateSkinned = "create-skinned";
constexpr const char* kCreatePlain = "create-plain";
constexpr const char* kRepaintSkinned = "repaint-skinned";
constexpr const char* kRepaintPlain = "repaint-plain";
constexpr const char* kFadeBlend = "fade-blend";
constexpr const char* kFadeTick = "fade-tick";
constexpr const char* kInstallRemove = "install-remove";
constexpr const char* kKeystrokeSkinned = "keystroke-skinned";
constexpr const char* kKeystrokePlain = "keystroke-plain";
constexpr const char* kFirstKeystrokeSkinned = "first-keystroke-skinned";
constexpr const char* kFirstKeystrokePlain = "first-keystroke-plain";
constexpr const char* kJgjRepaintSkinned = "jgj-repaint-skinned";
constexpr const char* kJgjRepaintPlain = "jgj-repaint-plain";

class Marker {
  public:
    explicit Marker(bool on, const char* key) : on_(on), key_(key) {
        if (on_) begin_ = GlobalAddAtomW(Name(L"begin").c_str());
    }
    ~Marker() {
        if (!on_) return;
        const ATOM end = GlobalAddAtomW(Name(L"end").c_str());
        GlobalDeleteAtom(begin_);
        GlobalDeleteAtom(end);
    }
    Marker(const Marker&) = delete;
    Marker& operator=(const Marker&) = delete;

  private:
    std::wstring Name(const wchar_t* edge) const {
        std::wstring name = L"mixora-bench ";
        name += edge;
        name += L' ';
        for (const char* c = key_; *c; ++c)
            name += static_cast<wchar_t>(*c);
        return name;
    }
    bool on_;
    const char* key_;
    ATOM begin_ = 0;
};

// Builds, (skins,) shows and paints a window; the time it took.
double CreateAndShow(WindowBuilder build, bool skinned, HINSTANCE instance, bool mark = false) {
    double elapsed = 0;
    BenchWindow window;
    {
        const Marker marker(mark, skinned ? kCreateSkinned : kCreatePlain);
        const double start = Now();
        window = build(instance);
        if (skinned) mixora::skin::InstallSkin(window.form); // at load, before the window shows
        ShowWindow(window.form, SW_SHOWNOACTIVATE);
        PaintNow(window.form);
        elapsed = Now() - start;
    }
    DestroyWindow(window.form);
    Pump();
    return elapsed;
}

double TimedRepaint(HWND form, bool skinned, bool mark = false) {
    const Marker marker(mark, skinned ? kRepaintSkinned : kRepaintPlain);
    const double start = Now();
    PaintNow(form);
    return Now() - start;
}

double TimedInstallRemove(HWND form, bool mark = false) {
    const Marker marker(mark, kInstallRemove);
    const double start = Now();
    mixora::skin::InstallSkin(form);
    mixora::skin::RemoveSkin(form);
    return Now() - start;
}

// One fade tick at the level: the whole timer message around the blend.
double TimedFadeTick(HWND button, int level, bool mark = false) {
    props::Set(button, props::kAlphaLevel, level);
    const Marker marker(mark, kFadeTick);
    const double start = Now();
    SendMessageW(button, WM_TIMER, mixora::skin::kFadeTimerId, 0);
    GdiFlush();
    return Now() - start;
}

// The blend alone.
double TimedFadeBlend(HWND button, int level, bool mark = false) {
    props::Set(button, props::kAlphaLevel, level);
    const Marker marker(mark, kFadeBlend);
    const double start = Now();
    mixora::skin::PaintButtonFade(button);
    GdiFlush();
    return Now() - start;
}

// One keystroke into the window's field as the user types it over the field's last digit
// ("50" → "55", then back to "50"): the sheet recomputes and writes what changed, and the window
// repaints what that invalidated.
double TimedKeystroke(const BenchWindow& window, int n, const char* key, bool mark) {
    const int length = GetWindowTextLengthW(window.field);
    SendMessageW(window.field, EM_SETSEL, static_cast<WPARAM>(length - 1),
                 static_cast<LPARAM>(length));
    const Marker marker(mark, key);
    const double start = Now();
    SendMessageW(window.field, WM_CHAR, n % 2 == 0 ? L'5' : L'0', 1);
    RedrawWindow(window.form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    return Now() - start;
}

double TimedJgjRepaint(HWND form, bool skinned, bool mark = false) {
    const Marker marker(mark, skinned ? kJgjRepaintSkinned : kJgjRepaintPlain);
    const double start = Now();
    PaintNow(form);
    return Now() - start;
}

// Per look (plain, skinned): the keystrokes while typing, the first keystroke after a full
// repaint (which draws the checks' scroll bar again over the frame the repaint left on it) and
// the full repaints.
struct KeystrokeTimes {
    std::vector<double> typing[2], first[2], repaint[2];
};

// Bursts of typing in one shown JGJ 55-2011 window, plain and skinned in turn, each burst after
// a full repaint: four keystrokes, so the field ends as it began. With `mark`, one burst, each
// kind of action once between markers.
KeystrokeTimes MeasureKeystrokes(HINSTANCE instance, int runs, bool mark) {
    KeystrokeTimes times;
    const BenchWindow window = mixora::bench::BuildJgj55(instance);
    if (!window.form || !window.field) return times;
    ShowWindow(window.form, SW_SHOWNOACTIVATE);
    SetFocus(window.field);
    PaintNow(window.form);
    for (const bool skinned : {false, true}) {
        if (skinned) mixora::skin::InstallSkin(window.form);
        PaintNow(window.form);
        for (int n = 0; n < 4; ++n) // warm-up
            TimedKeystroke(window, n, "", false);
        for (int i = 0; i < (mark ? 1 : runs); ++i) {
            times.repaint[skinned].push_back(TimedJgjRepaint(window.form, skinned, mark));
            times.first[skinned].push_back(TimedKeystroke(
                window, 0, skinned ? kFirstKeystrokeSkinned : kFirstKeystrokePlain, mark));
            for (int n = 1; n < 4; ++n)
                times.typing[skinned].push_back(TimedKeystroke(
                    window, n, skinned ? kKeystrokeSkinned : kKeystrokePlain, mark && n == 1));
        }
        Pump();
    }
    mixora::skin::RemoveSkin(window.form);
    DestroyWindow(window.form);
    Pump();
    return times;
}

int CountControls(HWND form) {
    int controls = 0;
    EnumChildWindows(
        form,
        [](HWND, LPARAM count) -> BOOL {
            ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    return controls;
}

// --count: every measured action once, after the same warm-up as the timing run.
void CountOnce(WindowBuilder build, HINSTANCE instance) {
    CreateAndShow(build, true, instance);
    CreateAndShow(build, false, instance);
    CreateAndShow(build, true, instance, true);
    CreateAndShow(build, false, instance, true);

    const BenchWindow window = build(instance);
    ShowWindow(window.form, SW_SHOWNOACTIVATE);
    PaintNow(window.form);
    TimedRepaint(window.form, false, true);
    TimedInstallRemove(window.form, true);
    mixora::skin::InstallSkin(window.form);
    PaintNow(window.form);
    TimedRepaint(window.form, true, true);
    props::Set(window.button, props::kOldState, 1);
    TimedFadeTick(window.button, 102, true);
    TimedFadeBlend(window.button, 102, true);
    mixora::skin::RemoveSkin(window.form);
    DestroyWindow(window.form);
    Pump();
    MeasureKeystrokes(instance, 1, true);
}

// --working-set: a fresh process that shows the window (skinned or not) and reports its
// working set in KiB as its exit code.
int ShowAndReportWorkingSet(WindowBuilder build, bool skinned, HINSTANCE instance) {
    const BenchWindow window = build(instance);
    if (skinned) mixora::skin::InstallSkin(window.form);
    ShowWindow(window.form, SW_SHOWNOACTIVATE);
    PaintNow(window.form);
    Pump();
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) return 0;
    return static_cast<int>(counters.WorkingSetSize / 1024);
}

// Runs this program again with --working-set; its answer in KiB, or 0.
double ChildWorkingSet(std::wstring_view window_name, bool skinned) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(path) + L"\" --window=" +
                           std::wstring(window_name) +
                           (skinned ? L" --working-set=skinned" : L" --working-set=plain");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 0;
    DWORD code = 0;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// "create-skinned:123,create-plain:45" → key → count.
std::map<std::string, long> ParseRoundTrips(std::wstring_view list) {
    std::map<std::string, long> counts;
    while (!list.empty()) {
        const size_t comma = list.find(L',');
        const std::wstring_view item = list.substr(0, comma);
        const size_t colon = item.find(L':');
        if (colon != std::wstring_view::npos) {
            std::string key;
            for (wchar_t c : item.substr(0, colon))
                key += static_cast<char>(c);
            counts[key] = std::wcstol(std::wstring(item.substr(colon + 1)).c_str(), nullptr, 10);
        }
        if (comma == std::wstring_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return counts;
}

// How a row compares its measure: with the plain window, with the fade timer's period, or not
// at all (the note says what it covers).
enum class RowKind { AgainstPlain, ShareOfFadePeriod, Alone };

struct Row {
    RowKind kind;
    const char* measure;
    double skinned;
    double plain; // AgainstPlain only
    const char* skinned_key;
    const char* plain_key;
    const char* note;
};

std::string Trips(const std::map<std::string, long>& counts, const char* key) {
    if (!key) return "-";
    const auto found = counts.find(key);
    return found == counts.end() ? "?" : std::to_string(found->second);
}

void PrintLoad(std::optional<double> before, std::optional<double> after, int cores) {
    if (!before && !after) {
        std::printf("load: not known (no Z:\\proc\\loadavg: not under Wine on Linux), %d cores\n",
                    cores);
        return;
    }
    std::printf("load average (1 min, Linux): %.2f before, %.2f after the run, %d cores: %s\n",
                before.value_or(0), after.value_or(0), cores,
                mixora::bench::WasBusy(before, after, cores) ? "BUSY" : "quiet");
    if (mixora::bench::WasBusy(before, after, cores)) {
        std::printf("WARNING: other work loaded the machine while this ran; under Wine every "
                    "server round trip then waits for a core and the times grow several times "
                    "over. Do not publish these times; compare ratios and round trips only.\n");
    }
}

// The keystroke's cost as a share of a full repaint of the same window, skinned and plain.
void PrintKeystrokes(const KeystrokeTimes& times, const std::map<std::string, long>& trips,
                     int runs) {
    const auto row = [&](const char* measure, const std::vector<double>* samples,
                         const char* skinned_key, const char* plain_key) {
        std::printf("%-30s %10.3f %10.3f %10s %8s %8s\n", measure, Median(samples[1]),
                    Median(samples[0]), "", Trips(trips, skinned_key).c_str(),
                    Trips(trips, plain_key).c_str());
    };
    const auto share = [&](int look) {
        const double repaint = Median(times.repaint[look]);
        return repaint > 0 ? Median(times.typing[look]) / repaint : 0.0;
    };
    std::printf("\nJGJ 55-2011 window: typing in the slump field against a full repaint, median "
                "of %d runs (ms)\n",
                runs);
    std::printf("%-30s %10s %10s %10s %8s %8s\n", "measure", "skinned", "plain", "", "trips",
                "trips");
    row("keystroke while typing", times.typing, kKeystrokeSkinned, kKeystrokePlain);
    row("first after a full repaint", times.first, kFirstKeystrokeSkinned, kFirstKeystrokePlain);
    row("full repaint", times.repaint, kJgjRepaintSkinned, kJgjRepaintPlain);
    std::printf("%-30s %10.2f %10.2f %10s %8s %8s goal <= 0.10\n", "keystroke / full repaint",
                share(1), share(0), "", "-", "-");
}

} // namespace

int main() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WindowBuilder build = mixora::bench::kBuilders[0].build;
    std::wstring_view window_name = mixora::bench::kBuilders[0].name;
    int runs = 20;
    bool count = false;
    int working_set = -1; // 1 skinned, 0 plain
    std::map<std::string, long> trips;
    double exe_size = 0;
    std::string exe_label = "program size (stripped, bytes)";
    std::string lab_database;
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; argv && i < argc; ++i) {
        const std::wstring_view arg = argv[i];
        if (arg.starts_with(L"--runs=")) runs = std::max(1, _wtoi(argv[i] + 7));
        if (arg == L"--count") count = true;
        if (arg == L"--working-set=skinned") working_set = 1;
        if (arg == L"--working-set=plain") working_set = 0;
        if (arg.starts_with(L"--round-trips=")) trips = ParseRoundTrips(arg.substr(14));
        if (arg.starts_with(L"--exe-size=")) exe_size = _wtof(argv[i] + 11);
        if (arg.starts_with(L"--lab="))
            for (wchar_t c : arg.substr(6))
                lab_database += static_cast<char>(c);
        if (arg.starts_with(L"--exe-label=")) {
            exe_label.clear();
            for (wchar_t c : arg.substr(12))
                exe_label += static_cast<char>(c);
        }
        for (const auto& builder : mixora::bench::kBuilders) {
            if (arg.starts_with(L"--window=") && arg.substr(9) == builder.name) {
                build = builder.build;
                window_name = builder.name;
            }
        }
    }
    LocalFree(argv);

    if (working_set >= 0) return ShowAndReportWorkingSet(build, working_set == 1, instance);
    if (count) {
        CountOnce(build, instance);
        return 0;
    }

    const std::optional<double> load_before = mixora::bench::LoadAverage();

    // Creating and showing, skinned and plain in turn so both see the same conditions.
    std::vector<double> create_skinned, create_plain;
    CreateAndShow(build, true, instance); // warm-up: classes, fonts, skin bitmaps
    CreateAndShow(build, false, instance);
    for (int i = 0; i < runs; ++i) {
        create_skinned.push_back(CreateAndShow(build, true, instance));
        create_plain.push_back(CreateAndShow(build, false, instance));
    }

    // Repainting one shown window, with and without the skin.
    const BenchWindow window = build(instance);
    ShowWindow(window.form, SW_SHOWNOACTIVATE);
    PaintNow(window.form);
    std::vector<double> repaint_skinned, repaint_plain, install_remove, fade_blend, fade_tick;
    const int controls = CountControls(window.form);
    for (int i = 0; i < runs; ++i) {
        repaint_plain.push_back(TimedRepaint(window.form, false));
        install_remove.push_back(TimedInstallRemove(window.form));

        mixora::skin::InstallSkin(window.form);
        PaintNow(window.form);
        repaint_skinned.push_back(TimedRepaint(window.form, true));

        // One fade tick: the blend alone, and the whole timer message around it.
        props::Set(window.button, props::kOldState, 1);
        for (int level = 0; level < 255; level += 51) {
            fade_tick.push_back(TimedFadeTick(window.button, level));
            fade_blend.push_back(TimedFadeBlend(window.button, level));
        }
        mixora::skin::RemoveSkin(window.form);
        Pump();
    }
    DestroyWindow(window.form);

    const KeystrokeTimes keystrokes = MeasureKeystrokes(instance, runs, false);

    const double working_set_skinned = ChildWorkingSet(window_name, true);
    const double working_set_plain = ChildWorkingSet(window_name, false);
    const std::optional<double> load_after = mixora::bench::LoadAverage();

    const double period = mixora::skin::kFadePeriodMs;
    const Row rows[] = {
        {RowKind::AgainstPlain, "create and show the window", Median(create_skinned),
         Median(create_plain), kCreateSkinned, kCreatePlain, ""},
        {RowKind::AgainstPlain, "full repaint", Median(repaint_skinned), Median(repaint_plain),
         kRepaintSkinned, kRepaintPlain, ""},
        {RowKind::ShareOfFadePeriod, "fade tick: PaintButtonFade", Median(fade_blend), 0,
         kFadeBlend, nullptr, "of the 15 ms period"},
        {RowKind::ShareOfFadePeriod, "fade tick: whole WM_TIMER", Median(fade_tick), 0, kFadeTick,
         nullptr, "of the 15 ms period"},
        {RowKind::Alone, "InstallSkin + RemoveSkin", Median(install_remove), 0, kInstallRemove,
         nullptr, "whole window"},
        {RowKind::AgainstPlain, "working set after start (KiB)", working_set_skinned,
         working_set_plain, nullptr, nullptr, ""},
    };
    std::printf("skin bench: window %ls, %d controls, median of %d runs (ms); trips: Wine "
                "server round trips of one such action, skinned and plain\n",
                std::wstring(window_name).c_str(), controls, runs);
    std::printf("%-30s %10s %10s %10s %8s %8s\n", "measure", "skinned", "plain", "ratio", "trips",
                "trips");
    for (const Row& row : rows) {
        const std::string skinned_trips = Trips(trips, row.skinned_key);
        const std::string plain_trips = Trips(trips, row.plain_key);
        switch (row.kind) {
        case RowKind::AgainstPlain:
            std::printf("%-30s %10.3f %10.3f %9.2fx %8s %8s\n", row.measure, row.skinned, row.plain,
                        row.plain > 0 ? row.skinned / row.plain : 0.0, skinned_trips.c_str(),
                        plain_trips.c_str());
            break;
        case RowKind::ShareOfFadePeriod:
            std::printf("%-30s %10.3f %10s %9.1f%% %8s %8s %s\n", row.measure, row.skinned, "-",
                        100.0 * row.skinned / period, skinned_trips.c_str(), plain_trips.c_str(),
                        row.note);
            break;
        case RowKind::Alone:
            std::printf("%-30s %10.3f %10s %10s %8s %8s %s\n", row.measure, row.skinned, "-", "-",
                        skinned_trips.c_str(), plain_trips.c_str(), row.note);
            break;
        }
    }
    if (exe_size > 0) std::printf("%-30s %10.0f\n", exe_label.c_str(), exe_size);
    PrintKeystrokes(keystrokes, trips, runs);
    if (!lab_database.empty()) {
        mixora::bench::LabBenchOptions options;
        options.database = lab_database;
        options.sample_design = mixora::bench::SampleDesign();
        options.runs = runs;
        std::printf("\n");
        mixora::bench::PrintLabBench(mixora::bench::RunLabBench(options), Median(create_plain));
    }
    PrintLoad(load_before, lab_database.empty() ? load_after : mixora::bench::LoadAverage(),
              mixora::bench::CoreCount());
    return 0;
}
