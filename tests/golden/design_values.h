#pragma once
// The design's known results, shared by every layer's tests: the calculator in memory, the
// window, the program driven from outside and the reports. One place, so a changed digit is
// changed once and every layer agrees.
#include <array>
#include <string_view>

namespace mixora::golden {

using Texts4 = std::array<std::string_view, 4>;
using Frame8 = std::array<std::string_view, 8>;

// The texts of Text1 … Text33 on the reset sheet (index N − 1).
inline constexpr std::array<std::string_view, 33> kResetTexts = {
    "20", "",     "4",  "",     "32.5", "0.48", "0.33", "",     "1.07", "", "水泥",
    "砂", "石子", "水", "0.36", "",     "",     "3.1",  "2.65", "",     "", "2.7",
    "1",  "",     "1",  "180",  "",     "",     "",     "",     "",     "", ""};

// The reset sheet after one press: Text2, Text8, Text10, Text4 …
inline constexpr Texts4 kResetIntermediates = {"26.58", "0.52", "1.92", "346.15"};
// … and the result frame, amounts Text11–14, then proportions Text30–33 (volume method).
inline constexpr Frame8 kResetFrame = {"346.15", "678.7865", "1206.731", "180",
                                       "1.00",   "1.96",     "3.49",     "0.52"};

// The reset sheet with the intermediates given and a cement content of 350 (volume method).
inline constexpr Frame8 kCement350Frame = {"350",  "677.5812", "1204.589", "180",
                                           "1.00", "1.94",     "3.44",     "0.51"};

} // namespace mixora::golden
