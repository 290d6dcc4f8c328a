#pragma once
// The 33 text fields of the design sheet, named as their controls are. Only these names make a
// field, so a field number written by mistake is a compile error rather than a wrong field.
#include <array>
#include <cstddef>
#include <string>

namespace mixora::calc {

inline constexpr int kFieldCount = 33;

// clang-format off
enum class Field : int {
    Text1 = 1, Text2,  Text3,  Text4,  Text5,  Text6,  Text7,  Text8,  Text9,  Text10, Text11,
    Text12,    Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20, Text21, Text22,
    Text23,    Text24, Text25, Text26, Text27, Text28, Text29, Text30, Text31, Text32, Text33,
};
// clang-format on
using enum Field;

static_assert(static_cast<int>(Text33) == kFieldCount);

// N of TextN.
constexpr int FieldNumber(Field field) {
    return static_cast<int>(field);
}

// 0 … 32, for arrays of one entry per field.
constexpr std::size_t FieldIndex(Field field) {
    return static_cast<std::size_t>(FieldNumber(field) - 1);
}

// Whether a value made by a cast names a field at all.
constexpr bool IsField(Field field) {
    return FieldNumber(field) >= 1 && FieldNumber(field) <= kFieldCount;
}

// Every field, Text1 first.
inline constexpr std::array<Field, kFieldCount> kAllFields = [] {
    std::array<Field, kFieldCount> fields{};
    for (int n = 1; n <= kFieldCount; ++n)
        fields[static_cast<std::size_t>(n - 1)] = static_cast<Field>(n);
    return fields;
}();

// The control name: "Text1" … "Text33".
inline std::string FieldName(Field field) {
    return "Text" + std::to_string(FieldNumber(field));
}

} // namespace mixora::calc
