#include "column_widths.h"

#include <cstddef>
#include <numeric>

namespace mixora::page {

std::vector<int> ColumnWidths(const std::vector<int>& natural, int width) {
    const std::size_t columns = natural.size();
    if (columns == 0) return {};
    const long long total = std::accumulate(natural.begin(), natural.end(), 0LL);
    std::vector<int> widths(columns, 0);
    if (total > 0 && total <= width) {
        for (std::size_t c = 0; c < columns; ++c)
            widths[c] = static_cast<int>(natural[c] * width / total);
    } else if (total > 0) {
        // A column that would like no more than an even share of what is left is narrow: it
        // keeps its width, which leaves the others more. Not all of them can be narrow, since
        // together they would like more than there is.
        std::vector<bool> narrow(columns, false);
        long long room = width, wanted = total;
        long long wide = static_cast<long long>(columns);
        for (bool changed = true; changed;) {
            changed = false;
            for (std::size_t c = 0; c < columns; ++c) {
                if (narrow[c] || natural[c] * wide > room) continue;
                narrow[c] = changed = true;
                room -= natural[c];
                wanted -= natural[c];
                --wide;
            }
        }
        for (std::size_t c = 0; c < columns; ++c)
            widths[c] = narrow[c] ? natural[c] : static_cast<int>(natural[c] * room / wanted);
    }
    // Rounding leaves the last column what is over.
    widths.back() += width - std::accumulate(widths.begin(), widths.end(), 0);
    return widths;
}

} // namespace mixora::page
