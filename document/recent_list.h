#pragma once
// The recently opened or saved designs, most recent first. Paths are UTF-8 and compared as
// Windows compares them, without regard to the case of ASCII letters, so one file is listed
// once however its path was typed.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::document {

class RecentList {
  public:
    static constexpr std::size_t kMaxEntries = 8;

    RecentList() = default;
    // Entries as stored (most recent first), with the rules of add applied: empty paths and
    // later duplicates dropped, at most kMaxEntries kept.
    explicit RecentList(const std::vector<std::string>& entries);

    // Puts path first, taking it out of its earlier place; the oldest entry beyond the limit
    // goes. The new spelling replaces the old one. An empty path is ignored.
    void add(std::string_view path);
    void remove(std::string_view path);
    const std::vector<std::string>& entries() const { return entries_; }

    friend bool operator==(const RecentList&, const RecentList&) = default;

  private:
    std::vector<std::string> entries_;
};

// Whether two paths name the same file to Windows' eyes: equal but for the case of ASCII
// letters.
bool SamePath(std::string_view a, std::string_view b);

} // namespace mixora::document
