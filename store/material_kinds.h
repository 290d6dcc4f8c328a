#pragma once
// The kinds of raw material a lab tests and what each kind's test report gives, as data: the
// library's columns, its forms and its checks all read this table.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace mixora::store {

// Stored by key: a kind added later goes last (硅灰), and a program that does not know it reads
// its records as 其他掺合料.
enum class MaterialKind { Cement, FlyAsh, Slag, Sand, Stone, Admixture, OtherMineral, SilicaFume };

enum class PropertyType {
    Number, // a measured value in its unit
    Choice, // one of its choices, stored by key
    Text,   // free text
};

// A choice: the key stored (ASCII, never changing with the wording) and the name shown.
struct PropertyChoice {
    std::string_view key;
    std::string_view name;
};

struct PropertyInfo {
    std::string_view key;  // stored: "strength_28d"
    std::string_view name; // shown: "28 d 抗压强度"
    std::string_view unit; // "MPa", "%", "kg/m³"; empty for none
    PropertyType type;
    std::span<const PropertyChoice> choices = {}; // Choice only
};

struct MaterialKindInfo {
    MaterialKind kind;
    std::string_view key;  // stored: "cement"
    std::string_view name; // shown: "水泥"
    char code;             // a record's code starts with it: C-0012
    std::span<const PropertyInfo> properties;
};

inline constexpr std::size_t kMaterialKindCount = 8;
const std::array<MaterialKindInfo, kMaterialKindCount>& AllMaterialKinds();
const MaterialKindInfo& InfoOf(MaterialKind kind);
std::optional<MaterialKind> MaterialKindOfKey(std::string_view key);
// The property of that key of a kind; none when the kind has no such property.
const PropertyInfo* PropertyOf(MaterialKind kind, std::string_view key);

} // namespace mixora::store
