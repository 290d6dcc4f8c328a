#pragma once
// How a table shares the width of the page among its columns.
#include <vector>

namespace mixora::page {

// The widths of columns that would each like `natural` (their widest text on one line) within
// `width`: in proportion to what they would like when all of it fits, stretched to the whole
// width; otherwise the narrow columns keep their width and the wide ones share the rest in
// proportion to what they would like. The widths add up to `width`.
std::vector<int> ColumnWidths(const std::vector<int>& natural, int width);

} // namespace mixora::page
