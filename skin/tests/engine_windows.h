#pragma once
// Real windows for the engine tests: the test's own window classes, a form like the design
// window, and small probes of window state (properties, pixels, handles).
#include "handles.h"
#include "test_windows.h"

#include <windows.h>

#include <string>
#include <vector>

namespace mixora::skin::test {

// "Form", a frame class of the other kind, the check box, option button and command button
// superclasses of "Button" and a progress-bar superclass of "msctls_progress32" under the
// class names the engine knows.
void RegisterTestClasses();

// A visible top-level "Form" at a fixed place on the screen.
base::unique_hwnd MakeForm(int width = 640, int height = 420);

// A form laid out like the design window: frames holding edits, labels, option buttons and
// check boxes, and four push buttons below (the first one the default button).
struct DesignLikeForm {
    base::unique_hwnd form;
    HWND frame = nullptr;
    HWND option1 = nullptr;
    HWND option2 = nullptr;
    HWND check1 = nullptr;
    HWND edit = nullptr;
    HWND label = nullptr;
    HWND command[4] = {};
};
DesignLikeForm MakeDesignLikeForm();

// The names of the window's properties, upper-cased.
std::vector<std::wstring> PropNames(HWND window);
bool HasProp(HWND window, const wchar_t* key);

// The centre of the window's client area.
POINT ClientCentre(HWND window);
// Places the cursor at a client point of the window.
void MoveCursorTo(HWND window, POINT client);
// A mouse message's position parameter.
LPARAM MousePosition(POINT client);
// Paints now whatever is waiting to be painted in the window and its descendants.
void FinishPainting(HWND window);

} // namespace mixora::skin::test
