#pragma once
// The window classes of the design window. The class names decide how the skin draws each
// control: "Form" is a form, the standard "Button" a push button, and the option buttons and
// check boxes are superclasses of "Button" under names the skin paints as such.
#include <windows.h>

namespace mixora::ui {

inline constexpr const wchar_t* kFormClass = L"Form";
inline constexpr const wchar_t* kFrameClass = L"MixoraFrame";
inline constexpr const wchar_t* kOptionClass = L"ThunderRT6OptionButton";
inline constexpr const wchar_t* kCheckClass = L"ThunderRT6CheckBox";

// Registers the classes once per process; later calls do nothing. False when one could not
// be registered.
bool RegisterWindowClasses(HINSTANCE instance, WNDPROC form_procedure);

} // namespace mixora::ui
