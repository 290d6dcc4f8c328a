#pragma once
// The members of JSON objects as a file spells them, found in a text the JSON parser has
// already accepted: what the parsed value cannot give back (the order of the keys, the text of
// a number, a key that appears twice).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::document {

struct RawMember {
    std::string key;             // the key itself, its escapes decoded
    std::string_view key_text;   // as written, quotes included
    std::string_view value_text; // as written, from its first character to its last
};

// The members of the object that is the whole of object_text (no space around it), in the
// order written.
std::vector<RawMember> MembersOf(std::string_view object_text);

// The JSON value of an accepted JSON text: the text without the white space around it.
std::string_view TrimJsonSpace(std::string_view text);

struct RepeatedKey {
    std::string key;
    std::size_t offset; // of the opening quote of its second appearance
};

// The first key that appears a second time in the same object, at any depth.
std::optional<RepeatedKey> FindRepeatedKey(std::string_view text);

} // namespace mixora::document
