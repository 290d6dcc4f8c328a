#include "design_states.h"

namespace mixora::store {

namespace {

using enum DesignState;

const std::array<DesignStateInfo, 4> kStates = {{
    {Draft, "draft", "草稿"},
    {Reviewed, "reviewed", "已审核"},
    {Approved, "approved", "已批准"},
    {Withdrawn, "withdrawn", "已停用"},
}};

constexpr DesignState kFromDraft[] = {Draft};
constexpr DesignState kFromReviewed[] = {Reviewed};
// A draft or a reviewed design that will not be used is withdrawn as well as an approved one.
constexpr DesignState kFromAnyInForce[] = {Draft, Reviewed, Approved};

const std::array<DesignStepInfo, 3> kSteps = {{
    {DesignStep::Review, "审核", kFromDraft, Reviewed, "reviewed_at", "reviewed_by"},
    {DesignStep::Approve, "批准", kFromReviewed, Approved, "approved_at", "approved_by"},
    {DesignStep::Withdraw, "停用", kFromAnyInForce, Withdrawn, "withdrawn_at", "withdrawn_by"},
}};

} // namespace

const std::array<DesignStateInfo, 4>& AllDesignStates() {
    return kStates;
}

std::string_view StateName(DesignState state) {
    return kStates[static_cast<std::size_t>(state)].name;
}

std::string_view StateKey(DesignState state) {
    return kStates[static_cast<std::size_t>(state)].key;
}

std::optional<DesignState> StateOfKey(std::string_view key) {
    for (const DesignStateInfo& info : kStates)
        if (info.key == key) return info.state;
    return std::nullopt;
}

std::optional<DesignState> StateNamed(std::string_view name) {
    for (const DesignStateInfo& info : kStates)
        if (info.name == name) return info.state;
    return std::nullopt;
}

const DesignStepInfo& InfoOf(DesignStep step) {
    return kSteps[static_cast<std::size_t>(step)];
}

bool IsEditable(DesignState state) {
    return state == Draft || state == Reviewed;
}

} // namespace mixora::store
