#include "skin_lifetime.h"

#include "bitmaps.h"
#include "engine_state.h"
#include "mouse_leave.h"

namespace mixora::skin {

namespace {

struct EngineState {
    bool skin_ready = false;
    bool has_track_mouse_event = false;
    std::int32_t subclass_count = 0;
};

EngineState& State() {
    static EngineState state;
    return state;
}

} // namespace

bool SkinReady() {
    return State().skin_ready;
}
bool HasTrackMouseEvent() {
    return State().has_track_mouse_event;
}
std::int32_t SubclassCount() {
    return State().subclass_count;
}

void EnsureSkinReady() {
    EngineState& state = State();
    if (state.skin_ready) return;
    state.skin_ready = true;
    state.has_track_mouse_event = IsProcAvailable("TrackMouseEvent", L"User32");
    BuildSkinBitmaps();
}

void NoteSubclassed() {
    ++State().subclass_count;
}

void NoteReleased() {
    EngineState& state = State();
    if (--state.subclass_count > 0) return;
    state.subclass_count = 0;
    FreeSkinBitmaps();
    state.skin_ready = false;
}

void FreeSkinIfUnused() {
    EngineState& state = State();
    if (!state.skin_ready || state.subclass_count > 0) return;
    FreeSkinBitmaps();
    state.skin_ready = false;
}

} // namespace mixora::skin
