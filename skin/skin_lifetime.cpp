#include "skin_lifetime.h"

#include "bitmaps.h"
#include "engine_state.h"
#include "mouse_leave.h"
#include "primitives.h"

#include <optional>

namespace mixora::skin {

namespace {

constexpr const wchar_t* kUser32 = L"User32";

struct EngineState {
    bool skin_ready = false;
    TrackMouseEventProc track_mouse_event = nullptr;
    const wchar_t* track_library = kUser32;
    std::int32_t subclass_count = 0;
    std::optional<DisplayHold> display; // what the skin's images are made from, while ready
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
    return State().track_mouse_event != nullptr;
}
TrackMouseEventProc FoundTrackMouseEvent() {
    return State().track_mouse_event;
}
std::int32_t SubclassCount() {
    return State().subclass_count;
}

void EnsureSkinReady() {
    EngineState& state = State();
    if (state.skin_ready) return;
    state.skin_ready = true;
    state.track_mouse_event = IsProcAvailable("TrackMouseEvent", state.track_library)
                                  ? FindTrackMouseEvent(state.track_library)
                                  : nullptr;
    state.display.emplace();
    BuildSkinBitmaps();
}

namespace {

void FreeSkin(EngineState& state) {
    FreeSkinBitmaps();
    state.display.reset();
    state.skin_ready = false;
}

} // namespace

void SetTrackMouseEventLibrary(const wchar_t* library) {
    State().track_library = library ? library : kUser32;
}

void NoteSubclassed() {
    ++State().subclass_count;
}

void NoteReleased() {
    EngineState& state = State();
    if (--state.subclass_count > 0) return;
    state.subclass_count = 0;
    FreeSkin(state);
}

void FreeSkinIfUnused() {
    EngineState& state = State();
    if (!state.skin_ready || state.subclass_count > 0) return;
    FreeSkin(state);
}

} // namespace mixora::skin
