// "清零": every field back to its starting text, in a fixed order, with the method, sand
// type and aggregate selections between; 碎石 keeps its state.
#include "press.h"

#include <optional>
#include <string_view>

namespace mixora::calc {

namespace {

struct ResetEntry {
    Field field = Text1; // not read for a selection
    std::string_view text = {};
    std::optional<Toggle> select = std::nullopt;
};

constexpr ResetEntry kReset[] = {
    {Text1, "20"},
    {Text2, ""},
    {Text3, "4"},
    {Text5, "32.5"},
    {Text9, "1.07"},
    {Text6, ""},
    {Text7, ""},
    {Text8, ""},
    {Text10, ""},
    {.select = Toggle::细砂},
    {.select = Toggle::option1},
    {.select = Toggle::卵石},
    {Text26, "180"},
    {Text6, "0.48"},
    {Text7, "0.33"},
    {Text4, ""},
    {Text15, "0.36"},
    {Text18, "3.1"},
    {Text19, "2.65"},
    {Text22, "2.7"},
    {Text23, "1"},
    {Text25, "1"},
    {Text27, ""},
    {Text28, ""},
    {Text29, ""},
    {Text24, ""},
    {Text20, ""},
    {Text21, ""},
    {Text11, "水泥"},
    {Text12, "砂"},
    {Text13, "石子"},
    {Text14, "水"},
    {Text16, ""},
    {Text17, ""},
    {Text30, ""},
    {Text31, ""},
    {Text32, ""},
    {Text33, ""},
};

} // namespace

void ClearResults(Sheet& sheet) {
    for (const Field field : kComputedFields)
        for (const ResetEntry& entry : kReset)
            if (!entry.select && entry.field == field) sheet.set_text(field, entry.text);
}

void qk(Sheet& sheet) {
    for (const ResetEntry& entry : kReset) {
        if (entry.select)
            sheet.set_on(*entry.select, true);
        else
            sheet.set_text(entry.field, entry.text);
    }
}

} // namespace mixora::calc
