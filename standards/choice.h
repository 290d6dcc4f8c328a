#pragma once
// A value chosen from a list, with the name the standards and the windows give it and the key a
// file stores (ASCII, never changing with the wording). Each kind of choice has its list,
// ChoicesOf(kind), beside its enum; the lookups below find it by the enum's namespace.
#include <optional>
#include <string_view>

namespace mixora::standards {

template <class E> struct Choice {
    E value;
    std::string_view key;  // stored in files
    std::string_view name; // shown
};

// The shown name of a choice ("碎石"); empty for a value outside its enum.
template <class E> constexpr std::string_view NameOf(E value) {
    for (const auto& choice : ChoicesOf(value))
        if (choice.value == value) return choice.name;
    return {};
}

// The stored key of a choice ("crushed").
template <class E> constexpr std::string_view KeyOf(E value) {
    for (const auto& choice : ChoicesOf(value))
        if (choice.value == value) return choice.key;
    return {};
}

// The choice a stored key names, if any.
template <class E> constexpr std::optional<E> FromKey(std::string_view key) {
    for (const auto& choice : ChoicesOf(E{}))
        if (choice.key == key) return choice.value;
    return std::nullopt;
}

// The choice a shown name names, if any.
template <class E> constexpr std::optional<E> FromName(std::string_view name) {
    for (const auto& choice : ChoicesOf(E{}))
        if (choice.name == name) return choice.value;
    return std::nullopt;
}

} // namespace mixora::standards
