#pragma once
// Mouse-leave tracking: User32 has TrackMouseEvent on every system that matters, but older ones
// only offer the common-controls emulation, so the engine probes once and uses what is there.
#include <windows.h>

namespace mixora::skin {

// Whether the library exports the function. A library that was not loaded is loaded for the
// question and released again; one already loaded is left alone.
bool IsProcAvailable(const char* functionName, const wchar_t* libraryName);

// TrackMouseEvent as a library already loaded exports it (User32 is, in every process with
// windows), looked up at run time; null when the library is not loaded or lacks it.
using TrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
TrackMouseEventProc FindTrackMouseEvent(const wchar_t* libraryName);

// Asks the system to post WM_MOUSELEAVE to the window when the mouse leaves it: through the
// TrackMouseEvent the engine found when it got ready, else through the common controls.
void TrackMouseLeave(HWND window);

} // namespace mixora::skin
