#pragma once
// Every decision the engine makes about a window rests on its class name: the kind says what is
// prepared when the window is taken over and which handlers act on its messages.
#include <windows.h>

#include <string>
#include <string_view>

namespace mixora::skin {

enum class ControlKind {
    Form, // the design window, dialog boxes and message boxes
    PushButton,
    ComboBox,
    DriveList,
    CheckBox,
    OptionButton,
    Header,
    ProgressBar,
    DataList,
    ComboDropList,
    Grid,
    Other,
};

// The window's class name, or the empty string when it cannot be read.
std::wstring GetWindowClass(HWND window);

// The kind of a class name, compared without regard to case.
ControlKind ClassifyClassName(std::wstring_view class_name);

// The kind of a window, from its class name fetched afresh (nothing is cached).
ControlKind GetControlKind(HWND window);

} // namespace mixora::skin
