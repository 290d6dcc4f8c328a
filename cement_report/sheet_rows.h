#pragma once
// The sheet as a list for the clipboard: every input, the option choices, the intermediate
// results and the result frame, each with its caption, its text as shown and its unit. After
// a moisture adjustment the frame's sand, stone and water are named "调整后…"; a result that
// does not follow from the inputs is named "（给定值）" and followed by what it should be.
#include "design_snapshot.h"

#include <string>
#include <vector>

namespace mixora::cement_report {

struct SheetRow {
    std::string caption;
    std::string value; // as shown
    std::string unit;

    friend bool operator==(const SheetRow&, const SheetRow&) = default;
};

// The column titles of the list.
inline constexpr std::string_view kSheetColumns[] = {"项目", "数值", "单位"};

std::vector<SheetRow> SheetRows(const document::DesignSnapshot& snapshot);

} // namespace mixora::cement_report
