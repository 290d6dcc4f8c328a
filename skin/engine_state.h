#pragma once
// The engine's process-wide state, read-only. Only the skin's lifetime (skin_lifetime.h)
// changes it, on the user-interface thread, inside message dispatch, so it needs no locking.
#include "mouse_leave.h"

#include <cstdint>

namespace mixora::skin {

// The five skin bitmaps are built (set by the first installation, cleared with the last release).
bool SkinReady();
// User32 exports TrackMouseEvent (probed when the bitmaps are built).
bool HasTrackMouseEvent();
// That function, resolved by the same probe; null when it is missing.
TrackMouseEventProc FoundTrackMouseEvent();
// Number of windows subclassed now.
std::int32_t SubclassCount();

} // namespace mixora::skin
