#include "design_file.h"
#include "design_format.h"
#include "json_members.h"
#include "text_position.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <variant>

namespace mixora::document {

namespace {

using Json = nlohmann::json;

DocumentError At(DocumentErrorKind kind, std::string_view text, std::size_t offset) {
    const TextPosition position = PositionOf(text, offset);
    return {kind, {}, position.line, position.column};
}

// The offset of the bracket that opens one level more than max_depth, or npos. Counted on the
// raw text before parsing, since the parsed value could not be copied, compared or written
// without recursing as deep as it is nested.
std::size_t FindTooDeep(std::string_view text, int max_depth) {
    int depth = 0;
    bool in_string = false, escaped = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (in_string) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                in_string = false;
        } else if (c == '"') {
            in_string = true;
        } else if (c == '{' || c == '[') {
            if (++depth > max_depth) return i;
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        }
    }
    return std::string_view::npos;
}

// Parses again only to learn where the first parse failed: the parser's exceptions carry the
// place for a syntax error but not for a number out of range.
class ErrorLocator final : public nlohmann::json_sax<Json> {
  public:
    std::size_t position = 0; // 1-based index of the last byte read
    bool out_of_range = false;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t at, const std::string&,
                     const nlohmann::detail::exception& error) override {
        position = at;
        out_of_range = error.id == 406; // number overflow
        return false;
    }
};

DocumentError SyntaxError(std::string_view text) {
    ErrorLocator locator;
    (void)Json::sax_parse(text, &locator);
    const std::size_t offset = locator.position > 0 ? locator.position - 1 : 0;
    return At(locator.out_of_range ? DocumentErrorKind::NumberOutOfRange
                                   : DocumentErrorKind::NotJson,
              text, offset);
}

// Removes key from object and gives its value.
std::optional<Json> Take(Json::object_t& object, const std::string& key) {
    const auto found = object.find(key);
    if (found == object.end()) return std::nullopt;
    Json value = std::move(found->second);
    object.erase(found);
    return value;
}

// The text of the member named key; the parsed value says that there is one.
std::string_view TextOf(const std::vector<RawMember>& members, std::string_view key) {
    for (const RawMember& member : members)
        if (member.key == key) return member.value_text;
    return {};
}

// The members whose key is not among the known ones (all without is_known), as written.
std::vector<KeptMember> Kept(const std::vector<RawMember>& members,
                             bool (*is_known)(std::string_view) = nullptr) {
    std::vector<KeptMember> kept;
    for (const RawMember& member : members)
        if (is_known == nullptr || !is_known(member.key))
            kept.push_back(
                {member.key, std::string(member.key_text), std::string(member.value_text)});
    return kept;
}

bool IsFieldName(std::string_view key) {
    for (const calc::Field field : calc::kAllFields)
        if (calc::FieldName(field) == key) return true;
    return false;
}

bool IsToggleKey(std::string_view key) {
    return std::find(kToggleKeys.begin(), kToggleKeys.end(), key) != kToggleKeys.end();
}

bool IsTopKey(std::string_view key) {
    return key == "format" || key == "version" || key == "fields" || key == "options" ||
           key == "extra";
}

bool IsKindTopKey(std::string_view key) {
    return key == "format" || key == "version" || key == "kind" || key == "extra" ||
           std::find(kJgj55Members.begin(), kJgj55Members.end(), key) != kJgj55Members.end();
}

// Whether the top level holds a JGJ 55-2011 design's own members.
bool HoldsKindMembers(const std::vector<RawMember>& members) {
    return std::any_of(members.begin(), members.end(), [](const RawMember& member) {
        return member.key == "kind" || member.key == "design" || member.key == "trial";
    });
}

// The version of a file this program can read, or the error.
std::variant<int, DocumentError> CheckVersion(const std::optional<Json>& version) {
    using enum DocumentErrorKind;
    if (!version) return DocumentError{MissingVersion};
    if (version->is_number_unsigned()) {
        const auto number = version->get<std::uint64_t>();
        if (number == 0) return DocumentError{BadVersion};
        if (number > static_cast<std::uint64_t>(kNewestFormatVersion))
            return DocumentError{NewerVersion};
        return static_cast<int>(number);
    }
    return DocumentError{BadVersion}; // not an integer, or negative
}

// A member of a kind's content: absent, or an object (what is inside is its kind's to read).
std::optional<DocumentError> CheckContentMember(const std::optional<Json>& member,
                                                const std::string& key) {
    if (member && !member->is_object()) return DocumentError{DocumentErrorKind::NotAnObject, key};
    return std::nullopt;
}

} // namespace

// Builds the document in a local and hands it out only when every check has passed. Values
// are checked on the parsed object; what is kept as written comes from the members' texts.
class DesignReader {
  public:
    static ReadResult Read(Json::object_t top, std::string_view text);

  private:
    static ReadResult ReadKind(Json::object_t top, std::string_view text);
    static std::optional<DocumentError>
    ReadExtra(Json::object_t& top, const std::vector<RawMember>& members, DesignDocument& document);
    static std::optional<DocumentError> ReadFields(std::optional<Json> fields,
                                                   std::string_view text, DesignDocument& document);
    static std::optional<DocumentError>
    ReadOptions(std::optional<Json> options, std::string_view text, DesignDocument& document);
};

std::optional<DocumentError> DesignReader::ReadFields(std::optional<Json> fields,
                                                      std::string_view text,
                                                      DesignDocument& document) {
    if (!fields) return std::nullopt;
    if (!fields->is_object()) return DocumentError{DocumentErrorKind::NotAnObject, "fields"};
    auto& object = fields->get_ref<Json::object_t&>();
    for (const calc::Field field : calc::kAllFields) {
        const std::string name = calc::FieldName(field);
        std::optional<Json> value = Take(object, name);
        if (!value) continue;
        if (!value->is_string()) return DocumentError{DocumentErrorKind::FieldNotText, name};
        std::string& shown = value->get_ref<std::string&>();
        if (CountCharacters(shown) > kMaxDesignTextLength)
            return DocumentError{DocumentErrorKind::TextTooLong, name};
        document.snapshot_.text(field) = std::move(shown);
    }
    document.unknown_fields_ = Kept(MembersOf(text), IsFieldName);
    return std::nullopt;
}

std::optional<DocumentError> DesignReader::ReadOptions(std::optional<Json> options,
                                                       std::string_view text,
                                                       DesignDocument& document) {
    if (options) {
        if (!options->is_object()) return DocumentError{DocumentErrorKind::NotAnObject, "options"};
        auto& object = options->get_ref<Json::object_t&>();
        for (const calc::Toggle toggle : kAllToggles) {
            const std::string name(ToggleKey(toggle));
            const std::optional<Json> on = Take(object, name);
            if (!on) continue;
            if (!on->is_boolean()) return DocumentError{DocumentErrorKind::OptionNotBoolean, name};
            document.snapshot_.toggles[static_cast<std::size_t>(toggle)] = on->get<bool>();
        }
        document.unknown_options_ = Kept(MembersOf(text), IsToggleKey);
    }
    if (const auto first = BothOfAPairOn(document.snapshot_))
        return DocumentError{DocumentErrorKind::BothOptionsOn, std::string(ToggleKey(*first))};
    if (!document.snapshot_.is_on(calc::Toggle::option1) &&
        !document.snapshot_.is_on(calc::Toggle::option2))
        return DocumentError{DocumentErrorKind::NoMethod};
    return std::nullopt;
}

ReadResult DesignReader::Read(Json::object_t top, std::string_view text) {
    const std::optional<Json> format = Take(top, "format");
    if (!format || !format->is_string() ||
        format->get_ref<const std::string&>() != kDesignFormatName)
        return DocumentError{DocumentErrorKind::NotADesign};
    const auto version = CheckVersion(Take(top, "version"));
    if (const auto* error = std::get_if<DocumentError>(&version)) return *error;
    if (std::get<int>(version) >= kKindFormatVersion) return ReadKind(std::move(top), text);

    const std::vector<RawMember> members = MembersOf(text);
    DesignDocument document;
    if (auto error = ReadExtra(top, members, document)) return *error;
    if (auto error = ReadFields(Take(top, "fields"), TextOf(members, "fields"), document))
        return *error;
    if (auto error = ReadOptions(Take(top, "options"), TextOf(members, "options"), document)) {
        // A design of another kind written as version 1 has no method: say what it is.
        if (error->kind == DocumentErrorKind::NoMethod && HoldsKindMembers(members))
            return DocumentError{DocumentErrorKind::KindInVersion1};
        return *error;
    }
    document.unknown_keys_ = Kept(members, IsTopKey);
    return document;
}

std::optional<DocumentError> DesignReader::ReadExtra(Json::object_t& top,
                                                     const std::vector<RawMember>& members,
                                                     DesignDocument& document) {
    std::optional<Json> extra = Take(top, "extra");
    if (!extra) return std::nullopt;
    if (!extra->is_object()) return DocumentError{DocumentErrorKind::NotAnObject, "extra"};
    document.extra_as_written_ = Kept(MembersOf(TextOf(members, "extra")));
    document.extra_as_read_ = *extra;
    document.extra_ = std::move(*extra);
    return std::nullopt;
}

// A file that names its kind. What its members hold is read by the kind's own readers
// (session/design_reading.h), which refuse the file in turn when they cannot.
ReadResult DesignReader::ReadKind(Json::object_t top, std::string_view text) {
    const std::optional<Json> kind = Take(top, "kind");
    if (!kind || !kind->is_string()) return DocumentError{DocumentErrorKind::NoKind};
    if (kind->get_ref<const std::string&>() != kJgj55KindName)
        return DocumentError{DocumentErrorKind::UnknownKind, kind->get<std::string>()};

    const std::vector<RawMember> members = MembersOf(text);
    DesignDocument document;
    if (auto error = ReadExtra(top, members, document)) return *error;
    Json content = Json::object();
    for (const std::string_view key : kJgj55Members) {
        std::optional<Json> member = Take(top, std::string(key));
        if (auto error = CheckContentMember(member, std::string(key))) return *error;
        if (member) content[std::string(key)] = std::move(*member);
    }
    document.kind_ = DesignKind::Jgj55;
    document.content_ = std::move(content);
    document.unknown_keys_ = Kept(members, IsKindTopKey);
    return document;
}

ReadResult ReadDesign(std::string_view bytes) {
    using enum DocumentErrorKind;
    if (bytes.size() > kMaxDesignFileBytes) return DocumentError{TooLarge};
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (const auto at = FindInvalidUtf8(bytes); at != std::string_view::npos)
        return At(NotUtf8, bytes, at);
    if (const auto at = FindTooDeep(bytes, kMaxDesignDepth); at != std::string_view::npos)
        return At(TooDeep, bytes, at);

    Json root;
    try {
        root = Json::parse(bytes);
    } catch (const Json::exception&) {
        return SyntaxError(bytes);
    }
    // The parser takes a NUL byte for the end of its input: one inside the value is an error
    // there, so one that is left stands after the value, where nothing but space may.
    if (const auto at = bytes.find('\0'); at != std::string_view::npos)
        return At(NotJson, bytes, at);
    if (const auto repeated = FindRepeatedKey(bytes)) {
        const TextPosition position = PositionOf(bytes, repeated->offset);
        return DocumentError{RepeatedKey, repeated->key, position.line, position.column};
    }
    if (!root.is_object()) return DocumentError{NotAnObject};
    return DesignReader::Read(std::move(root.get_ref<Json::object_t&>()), TrimJsonSpace(bytes));
}

} // namespace mixora::document
