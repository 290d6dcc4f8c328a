#include "recent_list.h"

#include <algorithm>

namespace mixora::document {

namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool SamePath(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

RecentList::RecentList(const std::vector<std::string>& entries) {
    // Added oldest first, so the first of the stored entries ends up first.
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        add(*entry);
}

void RecentList::add(std::string_view path) {
    if (path.empty()) return;
    remove(path);
    entries_.insert(entries_.begin(), std::string(path));
    if (entries_.size() > kMaxEntries) entries_.resize(kMaxEntries);
}

void RecentList::remove(std::string_view path) {
    std::erase_if(entries_, [&](const std::string& entry) { return SamePath(entry, path); });
}

} // namespace mixora::document
