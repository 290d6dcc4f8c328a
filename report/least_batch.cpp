#include "least_batch.h"

#include "jgj55_2011.h"

namespace mixora::report {

namespace {

namespace jgj55_2011 = standards::jgj55_2011;
constexpr const auto& kRows = jgj55_2011::kTrialBatchMinimum.rows;

} // namespace

std::string TrialBatchSource() {
    return standards::Cited(jgj55_2011::kName, jgj55_2011::kTrialBatchMinimum.source);
}

std::string TrialMinimumNote() {
    std::string note = TrialBatchSource() + "：每盘试拌量不少于 ";
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const jgj55_2011::TrialBatchRow& row = kRows[i];
        note += (i == 0 ? "" : "，") + std::string(row.min_litres.text) +
                " L（粗骨料最大公称粒径 " + (i == 0 ? "≤ " : "") +
                std::string(row.max_aggregate_mm.text) + " mm）";
    }
    return note + "。";
}

std::string TrialMinimumHint() {
    std::string hint = "粗骨料最大粒径 ";
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const jgj55_2011::TrialBatchRow& row = kRows[i];
        hint += (i == 0 ? "≤ " : "，") + std::string(row.max_aggregate_mm.text) + " mm 时不少于 " +
                std::string(row.min_litres.text) + " L";
    }
    return hint + "。";
}

} // namespace mixora::report
