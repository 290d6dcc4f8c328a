#pragma once
// Control identifiers: the program's automation interface (see README.md). Scripts and
// UI-automation tools find the design window's controls by them.
#include "field.h"

namespace mixora::ui::ids {

// Text1 … Text33
inline constexpr int Text(calc::Field field) {
    return 1000 + calc::FieldNumber(field);
}
inline constexpr int Command(int n) {
    return 2000 + n;
} // Command1 … Command4
inline constexpr int Label(int n) {
    return 3000 + n;
} // Label1 … Label25
inline constexpr int Frame(int n) {
    return 4000 + n;
} // Frame1 … Frame9

inline constexpr int option1 = 2101;
inline constexpr int option2 = 2102;
inline constexpr int 细砂 = 2103;
inline constexpr int 粗砂 = 2104;
inline constexpr int 卵石 = 2105;
inline constexpr int 碎石 = 2106;

inline constexpr int Calculate = Command(1); // "计算"
inline constexpr int Help = Command(2);      // "帮助"
inline constexpr int Reset = Command(3);     // "清零"
inline constexpr int Exit = Command(4);      // "退出"

inline constexpr bool IsText(int id) {
    return id >= Text(calc::Text1) && id <= Text(calc::Text33);
}

// The field whose control has this identifier; only for an id that IsText.
inline constexpr calc::Field FieldOfId(int id) {
    return static_cast<calc::Field>(id - 1000);
}

} // namespace mixora::ui::ids
