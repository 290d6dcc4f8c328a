#pragma once
// The state a skinned control is drawn in, kept in the window property "OLDSTATE"; it picks the
// cell of a skin bitmap. Painters take it as a plain int: a value outside 0…3 draws no face.

namespace mixora::skin {

enum ControlState : int {
    StateNormal = 0,
    StateHover = 1,
    StatePressed = 2, // pressed, or a combo box's list dropped down
    StateDisabled = 3,
};

} // namespace mixora::skin
