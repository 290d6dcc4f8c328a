#pragma once
// The engine's process-wide state and its changes: the shared skin bitmaps are built by the
// first installation and freed with the last subclassed window, so the next installation starts
// afresh. The state itself is read through engine_state.h.

namespace mixora::skin {

// Builds the skin bitmaps and probes mouse-leave tracking, unless that is done already.
void EnsureSkinReady();

// The library the next probe asks for TrackMouseEvent: User32, unless a test names one that
// lacks it to take the common-controls path (null restores User32).
void SetTrackMouseEventLibrary(const wchar_t* library);

// Counts a window taken over.
void NoteSubclassed();
// Counts a window released; the last one frees the skin bitmaps.
void NoteReleased();
// Frees the skin bitmaps when no window is subclassed (an installation that took nothing over).
void FreeSkinIfUnused();

} // namespace mixora::skin
