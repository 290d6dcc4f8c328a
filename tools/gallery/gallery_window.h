#pragma once
// A window holding one of every control kind the skin engine knows, for looking at the skin
// (screenshots) and for measuring it (the bench). It is an ordinary "Form" window; the skin is
// installed by whoever shows it.
#include <windows.h>

namespace mixora::gallery {

struct GalleryWindow {
    HWND form = nullptr;
    HWND push_button = nullptr;
    HWND default_button = nullptr;
    HWND disabled_button = nullptr;
    HWND check_box = nullptr;
    HWND option_button = nullptr;
    HWND header = nullptr;
    HWND drop_down_combo = nullptr;
    HWND drop_list_combo = nullptr;
};

// Registers "Form" (whose procedure is form_proc, DefWindowProcW when null) and the check box,
// option button and progress bar classes under the names the skin paints. The first call wins.
void RegisterGalleryClasses(HINSTANCE instance, WNDPROC form_proc = nullptr);

// Registers the window classes (once) and builds the gallery, hidden. The form's own procedure
// is form_proc (DefWindowProcW when null).
GalleryWindow BuildGalleryWindow(HINSTANCE instance, WNDPROC form_proc = nullptr);

} // namespace mixora::gallery
