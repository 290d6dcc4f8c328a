#pragma once
// The fields as the report lists them: their captions and units (calc/field_captions.h, the
// window's own captions) and the groups they are listed in.
#include "field.h"

#include <array>
#include <string_view>

namespace mixora::cement_report {

// The caption the window shows for a field, UTF-8; std::out_of_range for a value naming none.
std::string_view FieldCaption(calc::Field field);

// The unit of a field's number ("MPa", "kg/m³", "kg/L", "%", …); empty for ratios, coefficients
// and fractions, which are shown as they are.
std::string_view FieldUnit(calc::Field field);

// The fields the user gives, in the order of the window's groups.
inline constexpr std::array<calc::Field, 21> kInputFields = {
    calc::Text1,  calc::Text3,  calc::Text5,  calc::Text6,  calc::Text7,  calc::Text9,
    calc::Text26, calc::Text27, calc::Text28, calc::Text29, calc::Text15, calc::Text16,
    calc::Text17, calc::Text18, calc::Text19, calc::Text20, calc::Text22, calc::Text23,
    calc::Text25, calc::Text21, calc::Text24,
};

// The intermediate results, in the order the design steps find them.
inline constexpr std::array<calc::Field, 4> kIntermediateFields = {calc::Text2, calc::Text8,
                                                                   calc::Text10, calc::Text4};

// The result frame: amounts per cubic metre, then proportions to the cement, each in the
// order cement, sand, stone, water.
inline constexpr std::array<calc::Field, 4> kAmountFields = {calc::Text11, calc::Text12,
                                                             calc::Text13, calc::Text14};
inline constexpr std::array<calc::Field, 4> kProportionFields = {calc::Text30, calc::Text31,
                                                                 calc::Text32, calc::Text33};

// The materials of the frame's columns, as the reset sheet names them.
inline constexpr std::array<std::string_view, 4> kMaterialNames = {"水泥", "砂", "石子", "水"};

} // namespace mixora::cement_report
