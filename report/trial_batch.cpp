#include "trial_batch.h"

#include "field_catalog.h"
#include "jgj55_2011.h"
#include "shown_number.h"

#include <charconv>
#include <cmath>

namespace mixora::report {

using page::LiteralNumber;
using page::ReadShownNumber;
using page::ShownNumber;
using page::ShownReading;
using page::ThousandthOfProductToHundredths;

namespace {

namespace jgj55_2011 = standards::jgj55_2011;
constexpr const auto& kTrialBatchMinimum = jgj55_2011::kTrialBatchMinimum.rows;

// "JGJ 55-2011 表 6.1.2".
std::string TrialBatchSource() {
    return standards::Cited(jgj55_2011::kName, jgj55_2011::kTrialBatchMinimum.source);
}

// The least volume for the stone size shown in Text29, when it is a number the table covers.
std::optional<std::string> VolumeWarning(const document::DesignSnapshot& snapshot,
                                         const std::optional<ShownNumber>& litres) {
    const ShownReading size = ReadShownNumber(snapshot.text(calc::Text29));
    if (!size.number || !litres) return std::nullopt;
    for (const jgj55_2011::TrialBatchRow& row : kTrialBatchMinimum) {
        if (Compare(*size.number, LiteralNumber(row.max_aggregate_mm.text)) > 0) continue;
        if (Compare(*litres, LiteralNumber(row.min_litres.text)) >= 0) return std::nullopt;
        return "试拌体积少于 " + std::string(row.min_litres.text) + " L（" +
               std::string(FieldCaption(calc::Text29)) + " " + snapshot.text(calc::Text29) +
               " mm，" + TrialBatchSource() + "）";
    }
    return std::nullopt;
}

} // namespace

std::string LitresText(double litres) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, litres);
    return std::string(buffer, written.ptr);
}

TrialBatch ComputeTrialBatch(const document::DesignSnapshot& snapshot, double litres) {
    TrialBatch batch;
    batch.litres = LitresText(litres);
    std::optional<ShownNumber> volume;
    if (std::isfinite(litres) && litres > 0.0) volume = ReadShownNumber(batch.litres).number;

    for (std::size_t i = 0; i < kAmountFields.size(); ++i) {
        const calc::Field field = kAmountFields[i];
        TrialMaterial& material = batch.materials[i];
        material.material = kMaterialNames[i];
        material.per_cubic_metre = snapshot.text(field);
        const ShownReading amount = ReadShownNumber(material.per_cubic_metre);
        if (!volume) {
            material.problem = "试拌体积 " + batch.litres + " L 不是正数";
        } else if (!amount.number) {
            material.problem =
                ProblemText(FieldCaption(field), material.per_cubic_metre, amount.problem);
        } else {
            material.kg = ThousandthOfProductToHundredths(*amount.number, *volume);
            if (!material.kg) material.problem = "结果位数过多";
        }
    }
    batch.volume_warning = VolumeWarning(snapshot, volume);
    return batch;
}

std::string TrialMinimumNote() {
    std::string note = TrialBatchSource() + "：每盘试拌量不少于 ";
    for (std::size_t i = 0; i < kTrialBatchMinimum.size(); ++i) {
        const jgj55_2011::TrialBatchRow& row = kTrialBatchMinimum[i];
        note += (i == 0 ? "" : "，") + std::string(row.min_litres.text) +
                " L（粗骨料最大公称粒径 " + (i == 0 ? "≤ " : "") +
                std::string(row.max_aggregate_mm.text) + " mm）";
    }
    return note + "。";
}

std::string TrialMinimumHint() {
    std::string hint = "粗骨料最大粒径 ";
    for (std::size_t i = 0; i < kTrialBatchMinimum.size(); ++i) {
        const jgj55_2011::TrialBatchRow& row = kTrialBatchMinimum[i];
        hint += (i == 0 ? "≤ " : "，") + std::string(row.max_aggregate_mm.text) + " mm 时不少于 " +
                std::string(row.min_litres.text) + " L";
    }
    return hint + "。";
}

} // namespace mixora::report
