#pragma once
// A result that is either computed or says, in Chinese, what it lacks. Nothing in trial/ throws
// for bad or missing input: the reasons travel with the result instead.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace mixora::trial {

template <class T> struct Computed {
    std::optional<T> value;
    std::vector<std::string> missing; // why there is no value, one reason a line

    bool filled() const { return value.has_value(); }

    static Computed Of(T v) { return Computed{std::move(v), {}}; }
    static Computed Lacking(std::string reason) {
        return Computed{std::nullopt, {std::move(reason)}};
    }
    static Computed Lacking(std::vector<std::string> reasons) {
        return Computed{std::nullopt, std::move(reasons)};
    }
};

// Reasons as one line: "…；…".
inline std::string Joined(const std::vector<std::string>& reasons) {
    std::string text;
    for (const std::string& reason : reasons)
        text += (text.empty() ? "" : "；") + reason;
    return text;
}

// The reasons of several inputs, in order, for a stage that needs them all.
inline void AddReasons(std::vector<std::string>& into, const std::vector<std::string>& from) {
    into.insert(into.end(), from.begin(), from.end());
}

} // namespace mixora::trial
