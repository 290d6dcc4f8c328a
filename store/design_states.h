#pragma once
// The states of a registered design and the steps between them, as data:
// 草稿 → 已审核 → 已批准 → 已停用, each step recording who took it and when. A design is
// changed only as 草稿 or 已审核 (a change takes it back to 草稿); an approved one only by a
// revision.
#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace mixora::store {

enum class DesignState { Draft, Reviewed, Approved, Withdrawn };

enum class DesignStep { Review, Approve, Withdraw };

struct DesignStateInfo {
    DesignState state;
    std::string_view key;  // stored: "draft"
    std::string_view name; // shown: "草稿"
};
const std::array<DesignStateInfo, 4>& AllDesignStates();
std::string_view StateName(DesignState state);
std::string_view StateKey(DesignState state);
std::optional<DesignState> StateOfKey(std::string_view key);
std::optional<DesignState> StateNamed(std::string_view name);

struct DesignStepInfo {
    DesignStep step;
    std::string_view name;             // "审核"
    std::span<const DesignState> from; // the states it may be taken from
    DesignState to;                    // the state it leads to
    std::string_view at_column;        // where the register records when …
    std::string_view by_column;        // … and who
};
const DesignStepInfo& InfoOf(DesignStep step);

// Whether a design in that state may be changed (not by a revision).
bool IsEditable(DesignState state);

} // namespace mixora::store
