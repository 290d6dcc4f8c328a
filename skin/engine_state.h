#pragma once
// The engine's process-wide state. It is touched only on the user-interface thread, inside
// message dispatch, so it needs no locking. Tests and tools may read it; only the engine writes.
#include <cstdint>

namespace mixora::skin {

// The five skin bitmaps are built (set by the first installation, cleared with the last release).
bool SkinReady();
// User32 exports TrackMouseEvent (probed when the bitmaps are built).
bool HasTrackMouseEvent();
// Number of windows subclassed now.
std::int32_t SubclassCount();

namespace engine {

struct EngineState {
    bool skinReady = false;
    bool hasTrackMouseEvent = false;
    std::int32_t subclassCount = 0;
};

EngineState& MutableState();

} // namespace engine

} // namespace mixora::skin
