#include "json_members.h"

#include <nlohmann/json.hpp>

#include <unordered_set>

namespace mixora::document {

namespace {

constexpr std::string_view kJsonSpace = " \t\n\r";

// The offset just past the string whose opening quote is at `at`.
std::size_t StringEnd(std::string_view text, std::size_t at) {
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i; // the escaped character never ends the string
        else if (text[i] == '"')
            return i + 1;
    }
    return text.size();
}

// The offset just past the value that starts at `at`.
std::size_t ValueEnd(std::string_view text, std::size_t at) {
    const char first = text[at];
    if (first == '"') return StringEnd(text, at);
    if (first != '{' && first != '[') {
        const std::size_t end = text.find_first_of(",]} \t\n\r", at);
        return end == std::string_view::npos ? text.size() : end;
    }
    int depth = 0;
    for (std::size_t i = at; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            i = StringEnd(text, i) - 1;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if ((c == '}' || c == ']') && --depth == 0) {
            return i + 1;
        }
    }
    return text.size();
}

std::size_t SkipSpace(std::string_view text, std::size_t at) {
    const std::size_t next = text.find_first_not_of(kJsonSpace, at);
    return next == std::string_view::npos ? text.size() : next;
}

std::string KeyOf(std::string_view key_text) {
    if (key_text.find('\\') == std::string_view::npos)
        return std::string(key_text.substr(1, key_text.size() - 2));
    return nlohmann::json::parse(key_text).get<std::string>(); // accepted text: never throws
}

// A string followed by a colon is a key: nothing else in JSON is.
bool IsKey(std::string_view text, std::size_t string_end) {
    const std::size_t next = SkipSpace(text, string_end);
    return next < text.size() && text[next] == ':';
}

} // namespace

std::vector<RawMember> MembersOf(std::string_view object_text) {
    std::vector<RawMember> members;
    std::size_t at = SkipSpace(object_text, 1); // past "{"
    while (at < object_text.size() && object_text[at] == '"') {
        const std::size_t key_end = StringEnd(object_text, at);
        RawMember member;
        member.key_text = object_text.substr(at, key_end - at);
        member.key = KeyOf(member.key_text);
        const std::size_t value_start = SkipSpace(object_text, SkipSpace(object_text, key_end) + 1);
        const std::size_t value_end = ValueEnd(object_text, value_start);
        member.value_text = object_text.substr(value_start, value_end - value_start);
        members.push_back(std::move(member));
        at = SkipSpace(object_text, value_end);
        if (at < object_text.size() && object_text[at] == ',') at = SkipSpace(object_text, at + 1);
    }
    return members;
}

std::string_view TrimJsonSpace(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kJsonSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kJsonSpace) - first + 1);
}

std::optional<RepeatedKey> FindRepeatedKey(std::string_view text) {
    // The keys seen in each open object or array (an array's set stays empty).
    std::vector<std::unordered_set<std::string>> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            const std::size_t end = StringEnd(text, i);
            if (!open.empty() && IsKey(text, end) &&
                !open.back().insert(KeyOf(text.substr(i, end - i))).second)
                return RepeatedKey{KeyOf(text.substr(i, end - i)), i};
            i = end - 1;
        } else if (c == '{' || c == '[') {
            open.emplace_back();
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        }
    }
    return std::nullopt;
}

} // namespace mixora::document
