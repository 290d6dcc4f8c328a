#include "text_measurer.h"

namespace mixora::page {

std::size_t TextMeasurer::Fit(TextStyle style, std::wstring_view text, int room) const {
    // The longest start that fits: a text is never narrower than its own start.
    std::size_t fits = 0, too_long = text.size() + 1;
    while (too_long - fits > 1) {
        const std::size_t middle = fits + (too_long - fits) / 2;
        if (Width(style, text.substr(0, middle)) <= room)
            fits = middle;
        else
            too_long = middle;
    }
    return fits;
}

} // namespace mixora::page
