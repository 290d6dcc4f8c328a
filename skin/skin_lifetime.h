#pragma once
// The lifetime of the shared skin bitmaps: built by the first installation, freed with the
// last subclassed window, so the next installation starts afresh.
#include <cstdint>

namespace mixora::skin {

// Builds the skin bitmaps and probes mouse-leave tracking, unless that is done already.
void EnsureSkinReady();

// Counts a window taken over.
void NoteSubclassed();
// Counts a window released; the last one frees the skin bitmaps.
void NoteReleased();

} // namespace mixora::skin
