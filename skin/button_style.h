#pragma once
// Which windows of the push-button kind the skin draws itself: those whose button type has
// bits 1 and 2 clear (push, default push, user and auto radio buttons). Check boxes, radio
// buttons, three-state boxes, group boxes, push boxes and owner-drawn buttons keep their look.
#include <windows.h>

namespace mixora::skin {

inline constexpr LONG_PTR kOwnLookStyleBits = 0x6;

inline bool IsSkinDrawnButtonStyle(LONG_PTR style) {
    return (style & kOwnLookStyleBits) == 0;
}

} // namespace mixora::skin
