#include "trial_match.h"

#include "computed.h"

namespace mixora::trial {

std::string TrialMatch::Why() const {
    if (changes.empty()) return {};
    return Joined(changes) + "（试件成型之后）";
}

std::string TrialMatch::Refusal() const {
    return "试配结果" + std::string(kStaleText) + "：" + Why() +
           "。请在“试配与调整”中新试配，或说明原试配结果仍适用的理由";
}

TrialMatch MatchOf(const std::optional<CastRecord>& cast, const DesignStamp& design,
                   const std::optional<RecordedMix>& trial_mix) {
    TrialMatch match;
    if (!cast) return match;
    match.recorded = true;
    match.changes = StampChanges(cast->design, design);
    if (!match.changes.empty()) {
        match.first_stale = 0;
    } else if (!trial_mix) {
        match.changes = {"试拌配合比现在无法计算"};
        match.first_stale = 1;
    } else {
        for (std::string& change : MixChanges(cast->trial_mix, *trial_mix))
            match.changes.push_back("试拌配合比的" + change);
        if (!match.changes.empty()) match.first_stale = 1;
    }
    const Acceptance& accepted = cast->accepted;
    if (!match.changes.empty() && !accepted.reason.empty() && accepted.design == design &&
        trial_mix && accepted.trial_mix == *trial_mix)
        match.reason = accepted.reason;
    return match;
}

} // namespace mixora::trial
