#include "grouping.h"

#include <vector>

namespace mixora::calc {

namespace {

struct GroupSizes {
    std::vector<std::size_t> sizes; // from the right
    bool repeat_last = false;       // a trailing 0 repeats the size before it
};

GroupSizes ParseGrouping(std::string_view notation) {
    GroupSizes groups;
    while (!notation.empty()) {
        const std::size_t semicolon = notation.find(';');
        const std::string_view entry = notation.substr(0, semicolon);
        if (entry.size() != 1 || entry[0] < '0' || entry[0] > '9') break;
        if (entry[0] == '0') {
            groups.repeat_last = !groups.sizes.empty();
            break;
        }
        groups.sizes.push_back(static_cast<std::size_t>(entry[0] - '0'));
        if (semicolon == std::string_view::npos) break;
        notation.remove_prefix(semicolon + 1);
    }
    return groups;
}

} // namespace

std::string GroupDigits(std::string_view digits, const NumberFormat& format) {
    const GroupSizes groups = ParseGrouping(format.grouping);
    if (format.group.empty() || groups.sizes.empty()) return std::string(digits);

    std::vector<std::string_view> parts; // from the right
    std::size_t end = digits.size();
    for (std::size_t i = 0; end > 0; ++i) {
        std::size_t size = end; // what no size covers is the leading group
        if (i < groups.sizes.size())
            size = groups.sizes[i];
        else if (groups.repeat_last)
            size = groups.sizes.back();
        const std::size_t begin = end > size ? end - size : 0;
        parts.push_back(digits.substr(begin, end - begin));
        end = begin;
    }

    std::string out;
    for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
        if (!out.empty()) out += format.group;
        out += *part;
    }
    return out;
}

} // namespace mixora::calc
