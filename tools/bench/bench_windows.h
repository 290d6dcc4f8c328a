#pragma once
// The windows the skin bench measures. Each builder makes one hidden top-level "Form" with its
// controls, not skinned; the bench takes the builder as a parameter, so every window is measured
// the same way.
#include <windows.h>

#include <string_view>

namespace mixora::bench {

struct BenchWindow {
    HWND form = nullptr;
    HWND button = nullptr; // a push button, for the fade tick
    HWND field = nullptr;  // a field a keystroke goes to, where the window has one to measure
};

using WindowBuilder = BenchWindow (*)(HINSTANCE instance);

// The skin gallery: one of every control kind.
BenchWindow BuildGallery(HINSTANCE instance);
// The design window itself, loaded without the skin.
BenchWindow BuildDesign(HINSTANCE instance);
// A JGJ 55-2011 design window, loaded without the skin; its field is 坍落度, which the design
// recomputes from on every keystroke.
BenchWindow BuildJgj55(HINSTANCE instance);

struct NamedBuilder {
    std::wstring_view name;
    WindowBuilder build;
};
inline constexpr NamedBuilder kBuilders[] = {
    {L"design", BuildDesign},
    {L"gallery", BuildGallery},
    {L"jgj55", BuildJgj55},
};

} // namespace mixora::bench
