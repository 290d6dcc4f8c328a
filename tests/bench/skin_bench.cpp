// Measures what the skin costs, skinned and plain side by side in one run under the same
// conditions: creating and showing a window, repainting it, one fade tick of a push button, and
// installing and removing the skin. Prints one table. Not a test: nothing is asserted.
//   --window=design|gallery   the window to measure (default design)
//   --runs=N                       repetitions of each measure (default 20)
#include "bench_windows.h"

#include "button_paint.h"
#include "fade_timer.h"
#include "props.h"
#include "skin.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string_view>
#include <vector>

namespace {

using mixora::bench::BenchWindow;
using mixora::bench::WindowBuilder;

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

// Builds, (skins,) shows and paints a window; the time it took.
double CreateAndShow(WindowBuilder build, bool skinned, HINSTANCE instance) {
    const double start = Now();
    const BenchWindow window = build(instance);
    if (skinned) mixora::skin::InstallSkin(window.form); // at load, before the window shows
    ShowWindow(window.form, SW_SHOWNOACTIVATE);
    PaintNow(window.form);
    const double elapsed = Now() - start;
    DestroyWindow(window.form);
    Pump();
    return elapsed;
}

// How a row compares its measure: with the plain window, with the fade timer's period, or not
// at all (the note says what it covers).
enum class RowKind { AgainstPlain, ShareOfFadePeriod, Alone };

struct Row {
    RowKind kind;
    const char* measure;
    double skinned;
    double plain; // AgainstPlain only
    const char* note;
};

} // namespace

int main() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WindowBuilder build = mixora::bench::kBuilders[0].build;
    std::wstring_view window_name = mixora::bench::kBuilders[0].name;
    int runs = 20;
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; argv && i < argc; ++i) {
        const std::wstring_view arg = argv[i];
        if (arg.starts_with(L"--runs=")) runs = std::max(1, _wtoi(argv[i] + 7));
        for (const auto& builder : mixora::bench::kBuilders) {
            if (arg.starts_with(L"--window=") && arg.substr(9) == builder.name) {
                build = builder.build;
                window_name = builder.name;
            }
        }
    }
    LocalFree(argv);

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
    int controls = 0;
    EnumChildWindows(
        window.form,
        [](HWND, LPARAM count) -> BOOL {
            ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    for (int i = 0; i < runs; ++i) {
        double start = Now();
        PaintNow(window.form);
        repaint_plain.push_back(Now() - start);

        start = Now();
        mixora::skin::InstallSkin(window.form);
        mixora::skin::RemoveSkin(window.form);
        install_remove.push_back(Now() - start);

        mixora::skin::InstallSkin(window.form);
        PaintNow(window.form);
        start = Now();
        PaintNow(window.form);
        repaint_skinned.push_back(Now() - start);

        // One fade tick: the blend alone, and the whole timer message around it.
        namespace props = mixora::skin::props;
        props::Set(window.button, props::kOldState, 1);
        for (int level = 0; level < 255; level += 51) {
            props::Set(window.button, props::kAlphaLevel, level);
            start = Now();
            SendMessageW(window.button, WM_TIMER, mixora::skin::kFadeTimerId, 0);
            GdiFlush();
            fade_tick.push_back(Now() - start);
            props::Set(window.button, props::kAlphaLevel, level);
            start = Now();
            mixora::skin::PaintButtonFade(window.button);
            GdiFlush();
            fade_blend.push_back(Now() - start);
        }
        mixora::skin::RemoveSkin(window.form);
        Pump();
    }
    DestroyWindow(window.form);

    const double period = mixora::skin::kFadePeriodMs;
    const Row rows[] = {
        {RowKind::AgainstPlain, "create and show the window", Median(create_skinned),
         Median(create_plain), ""},
        {RowKind::AgainstPlain, "full repaint", Median(repaint_skinned), Median(repaint_plain), ""},
        {RowKind::ShareOfFadePeriod, "fade tick: PaintButtonFade", Median(fade_blend), 0,
         "of the 15 ms period"},
        {RowKind::ShareOfFadePeriod, "fade tick: whole WM_TIMER", Median(fade_tick), 0,
         "of the 15 ms period"},
        {RowKind::Alone, "InstallSkin + RemoveSkin", Median(install_remove), 0, "whole window"},
    };
    std::printf("skin bench: window %ls, %d controls, median of %d runs (ms)\n",
                std::wstring(window_name).c_str(), controls, runs);
    std::printf("%-30s %10s %10s %10s\n", "measure", "skinned", "plain", "ratio");
    for (const Row& row : rows) {
        switch (row.kind) {
        case RowKind::AgainstPlain:
            std::printf("%-30s %10.3f %10.3f %9.2fx\n", row.measure, row.skinned, row.plain,
                        row.plain > 0 ? row.skinned / row.plain : 0.0);
            break;
        case RowKind::ShareOfFadePeriod:
            std::printf("%-30s %10.3f %10s %9.1f%% %s\n", row.measure, row.skinned, "-",
                        100.0 * row.skinned / period, row.note);
            break;
        case RowKind::Alone:
            std::printf("%-30s %10.3f %10s %10s %s\n", row.measure, row.skinned, "-", "-",
                        row.note);
            break;
        }
    }
    return 0;
}
