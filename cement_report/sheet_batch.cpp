#include "sheet_batch.h"

#include "field_catalog.h"
#include "jgj55_2011.h"
#include "least_batch.h"
#include "report_info.h"
#include "shown_number.h"

#include <cmath>

namespace mixora::cement_report {

using page::LiteralNumber;
using page::ReadShownNumber;
using page::ShownNumber;
using page::ShownReading;
using page::ThousandthOfProductToHundredths;

namespace {

namespace jgj55_2011 = standards::jgj55_2011;

// The least volume for the stone size shown in Text29, when it is a number the table covers.
std::optional<std::string> VolumeWarning(const document::DesignSnapshot& snapshot,
                                         const std::optional<ShownNumber>& litres) {
    const ShownReading size = ReadShownNumber(snapshot.text(calc::Text29));
    if (!size.number || !litres) return std::nullopt;
    for (const jgj55_2011::TrialBatchRow& row : jgj55_2011::kTrialBatchMinimum.rows) {
        if (Compare(*size.number, LiteralNumber(row.max_aggregate_mm.text)) > 0) continue;
        if (Compare(*litres, LiteralNumber(row.min_litres.text)) >= 0) return std::nullopt;
        return "试拌体积少于 " + std::string(row.min_litres.text) + " L（" +
               std::string(FieldCaption(calc::Text29)) + " " + snapshot.text(calc::Text29) +
               " mm，" + report::TrialBatchSource() + "）";
    }
    return std::nullopt;
}

} // namespace

SheetBatch ComputeSheetBatch(const document::DesignSnapshot& snapshot, double litres) {
    SheetBatch batch;
    batch.litres = report::LitresText(litres);
    std::optional<ShownNumber> volume;
    if (std::isfinite(litres) && litres > 0.0) volume = ReadShownNumber(batch.litres).number;

    for (std::size_t i = 0; i < kAmountFields.size(); ++i) {
        const calc::Field field = kAmountFields[i];
        BatchMaterial& material = batch.materials[i];
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

} // namespace mixora::cement_report
