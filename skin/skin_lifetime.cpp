#include "skin_lifetime.h"

#include "bitmaps.h"
#include "engine_state.h"
#include "mouse_leave.h"

namespace mixora::skin {

void EnsureSkinReady() {
    auto& state = engine::MutableState();
    if (state.skinReady) return;
    state.skinReady = true;
    state.hasTrackMouseEvent = IsProcAvailable("TrackMouseEvent", L"User32");
    BuildSkinBitmaps();
}

void NoteSubclassed() {
    ++engine::MutableState().subclassCount;
}

void NoteReleased() {
    auto& state = engine::MutableState();
    if (--state.subclassCount > 0) return;
    state.subclassCount = 0;
    FreeSkinBitmaps();
    state.skinReady = false;
}

} // namespace mixora::skin
