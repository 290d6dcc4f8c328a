#pragma once
// The trial's records for a design's special requirements (JGJ 55-2011 chapter 7 and the
// chloride of 表 3.0.6), each checked against the design's limit with its clause: the slump
// after a waiting time (recorded with its loss: the clause sets no limit), the impermeability
// test, the repeat batches of a high-strength mix, the adiabatic temperature rise, the air
// content and the water-soluble chloride. Only what the design asks (DesignBasis::demands) is
// checked; every limit is read from standards/.
#include "trial_procedure.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::trial {

enum class SpecialKind { SlumpAfterWait, Seepage, Repeats, TemperatureRise, Air, Chloride };

enum class RecordState {
    Complies, // 符合
    Fails,    // 不符合
    Recorded, // 已记录: the clause sets no limit to check it against
    Lacking,  // 未完成: the reason says what is missing or does not read
    Stale,    // 与当前设计不符: made from what the design no longer is
};
std::string_view StateName(RecordState state);

struct SpecialCheck {
    SpecialKind kind;
    std::string item;   // "抗渗试验"
    std::string value;  // as recorded: "1.1 MPa，未透水"; empty while lacking
    std::string limit;  // "Pt ≥ P/10 + 0.2 = 1.0 MPa（P8）"; empty where there is none
    std::string source; // "JGJ 55-2011 第 7.1.3 条"
    RecordState state = RecordState::Lacking;
    std::string reason; // what is missing, a note, or what changed
};

struct SpecialChecks {
    std::vector<SpecialCheck> checks; // those the design asks, in SpecialKind's order
    // Each repeat batch's value ("代表值 70.1 MPa（平均值）"), or why it has none; empty when
    // nothing of it was entered.
    std::array<std::string, 3> repeats;

    const SpecialCheck* Find(SpecialKind kind) const;
};

SpecialChecks CheckSpecialRecords(const DesignBasis& basis, const TrialRecord& record,
                                  const TrialAttempt& entries);

} // namespace mixora::trial
