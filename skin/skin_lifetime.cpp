#include "skin_lifetime.h"

#include "bitmaps.h"
#include "engine_state.h"
#include "mouse_leave.h"

namespace mixora::skin {

namespace {

struct EngineState {
    bool skinReady = false;
    bool hasTrackMouseEvent = false;
    std::int32_t subclassCount = 0;
};

EngineState& State() {
    static EngineState state;
    return state;
}

} // namespace

bool SkinReady() {
    return State().skinReady;
}
bool HasTrackMouseEvent() {
    return State().hasTrackMouseEvent;
}
std::int32_t SubclassCount() {
    return State().subclassCount;
}

void EnsureSkinReady() {
    EngineState& state = State();
    if (state.skinReady) return;
    state.skinReady = true;
    state.hasTrackMouseEvent = IsProcAvailable("TrackMouseEvent", L"User32");
    BuildSkinBitmaps();
}

void NoteSubclassed() {
    ++State().subclassCount;
}

void NoteReleased() {
    EngineState& state = State();
    if (--state.subclassCount > 0) return;
    state.subclassCount = 0;
    FreeSkinBitmaps();
    state.skinReady = false;
}

} // namespace mixora::skin
