#pragma once
// What the design's JSON readers share: a member of a struct under its key, and a key as a
// problem names it ("“slump”").
#include <string>
#include <string_view>

namespace mixora::jgj55 {

template <class Member> struct JsonField {
    std::string_view key;
    Member member;
};

inline std::string QuotedKey(std::string_view key) {
    return "“" + std::string(key) + "”";
}

} // namespace mixora::jgj55
