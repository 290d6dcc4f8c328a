#pragma once
// Taking windows over and giving them back. A window taken over runs SkinWindowProc in place of
// its own procedure, which is kept under "PROCADDR"; everything else the skin keeps for it lives
// in window properties, and all of it goes when the window is released.
#include <windows.h>

namespace mixora::skin {

// 1 when this call took the window over; 0 for a null handle, a window already taken over, or
// a window of another process (its procedure cannot be replaced from here). A form-kind window
// has its descendants taken over first.
int SubclassWindow(HWND window);

// 1 when this call released the window; 0 for a null handle or a window not taken over.
// A form-kind window has its descendants released first. The last release frees the skin.
int UnsubclassWindow(HWND window);

// EnumChildWindows callbacks; both go on through every descendant.
BOOL CALLBACK SubclassChildProc(HWND window, LPARAM unused) noexcept;
BOOL CALLBACK UnsubclassChildProc(HWND window, LPARAM unused) noexcept;

// Whether the window runs SkinWindowProc now.
bool IsSubclassed(HWND window);

// The procedure the window ran before it was taken over ("PROCADDR"); null when it is not
// taken over. Read from this process's copy of the key, which is written and removed only
// together with it: every message of a skinned window needs it, and under Wine each read of
// the property itself is a round trip to the server.
WNDPROC PreviousProcedure(HWND window);

// How "PROCADDR" is written: props::Set unless a test puts a failing writer in its place
// (null restores the default). A window whose "PROCADDR" cannot be written is given back.
using ProcAddrWriter = bool (*)(HWND window, LONG_PTR procedure);
void SetProcAddrWriter(ProcAddrWriter writer);

} // namespace mixora::skin
