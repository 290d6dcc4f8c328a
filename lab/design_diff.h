#pragma once
// What changed between two revisions of a design, input by input and result by result: the rows
// of their reports compared, each by its section and its name, so a difference is named as the
// report names it ("输入参数 · 坍落度: 160 mm → 180 mm").
#include "design_document.h"

#include <string>
#include <vector>

namespace mixora::lab {

struct DesignDifference {
    std::string section; // the report's section: "设计参数", "每立方米混凝土材料用量" …
    std::string item;   // the row's name: "坍落度", "水泥"
    std::string before; // as the report shows it, with its unit; "—" where the row is absent
    std::string after;
    friend bool operator==(const DesignDifference&, const DesignDifference&) = default;
};

// The differences in the order of `after`'s report, then rows only `before` has. Both
// documents must be ones the reader accepted.
std::vector<DesignDifference> DiffDesigns(const document::DesignDocument& before,
                                          const document::DesignDocument& after);

} // namespace mixora::lab
