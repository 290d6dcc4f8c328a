#pragma once
// A window holding one of every control kind the skin engine knows, for looking at the skin
// (screenshots) and for measuring it (the bench). It is an ordinary "Form" window; the skin is
// installed by whoever shows it.
#include <windows.h>

namespace mixora::gallery {

struct GalleryWindow {
    HWND form = nullptr;
    HWND pushButton = nullptr;
    HWND defaultButton = nullptr;
    HWND disabledButton = nullptr;
    HWND checkBox = nullptr;
    HWND optionButton = nullptr;
    HWND header = nullptr;
    HWND dropDownCombo = nullptr;
    HWND dropListCombo = nullptr;
};

// Registers "Form" (whose procedure is formProc, DefWindowProcW when null) and the check box,
// option button and progress bar classes under the names the skin paints. The first call wins.
void RegisterGalleryClasses(HINSTANCE instance, WNDPROC formProc = nullptr);

// Registers the window classes (once) and builds the gallery, hidden. The form's own procedure
// is formProc (DefWindowProcW when null).
GalleryWindow BuildGalleryWindow(HINSTANCE instance, WNDPROC formProc = nullptr);

} // namespace mixora::gallery
