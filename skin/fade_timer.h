#pragma once
// The fade of a push button's face: one system timer per button while a fade runs, and the
// levels at which each event starts blending.
#include <windows.h>

namespace mixora::skin {

inline constexpr UINT_PTR kFadeTimerId = 1;
inline constexpr UINT kFadePeriodMs = 15;

inline constexpr int kFadeStep = 3;      // added to the level after every tick
inline constexpr int kOpaqueLevel = 255; // the face shown outright
inline constexpr int kLeaveLevel = 140;  // the hover face blended once when the mouse leaves
inline constexpr int kReleaseLevel = 60; // the normal face starts here after a button release

// Starts the button's fade timer; 0 (and the running timer left alone) when one already runs.
UINT_PTR StartFadeTimer(HWND window);
// Stops it; the result of KillTimer, or 0 when no timer runs.
BOOL StopFadeTimer(HWND window);

} // namespace mixora::skin
