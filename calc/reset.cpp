// "清零": every field back to its starting text, in a fixed order, with the method, sand
// type and aggregate selections between; 碎石 keeps its state.
#include "press.h"

#include <optional>
#include <string_view>

namespace mixora::calc {

namespace {

struct ResetEntry {
    int field; // 0 for a selection
    std::string_view text;
    std::optional<Toggle> select = std::nullopt;
};

constexpr ResetEntry kReset[] = {
    {1, "20"},
    {2, ""},
    {3, "4"},
    {5, "32.5"},
    {9, "1.07"},
    {6, ""},
    {7, ""},
    {8, ""},
    {10, ""},
    {0, {}, Toggle::细砂},
    {0, {}, Toggle::option1},
    {0, {}, Toggle::卵石},
    {26, "180"},
    {6, "0.48"},
    {7, "0.33"},
    {4, ""},
    {15, "0.36"},
    {18, "3.1"},
    {19, "2.65"},
    {22, "2.7"},
    {23, "1"},
    {25, "1"},
    {27, ""},
    {28, ""},
    {29, ""},
    {24, ""},
    {20, ""},
    {21, ""},
    {11, "水泥"},
    {12, "砂"},
    {13, "石子"},
    {14, "水"},
    {16, ""},
    {17, ""},
    {30, ""},
    {31, ""},
    {32, ""},
    {33, ""},
};

} // namespace

void qk(Sheet& sheet) {
    for (const ResetEntry& entry : kReset) {
        if (entry.select)
            sheet.set_on(*entry.select, true);
        else
            sheet.set_text(entry.field, entry.text);
    }
}

} // namespace mixora::calc
