#include "design_file.h"
#include "design_format.h"

#include <string_view>
#include <utility>

namespace mixora::document {

namespace {

using Json = nlohmann::json;

// Indented: two spaces a level, as people read it. Compact: no space, and without what reads
// the same when missing (empty texts, options that are off, empty objects), for a design that
// indented would be over kMaxDesignFileBytes; never longer than a file the reader accepted.
enum class Layout { Indented, Compact };

// One JSON object being written, its members given as JSON texts.
class ObjectText {
  public:
    // level: how deep the object stands, 0 for the whole file.
    ObjectText(Layout layout, int level) : layout_(layout), level_(level) {}

    void Add(std::string_view key_text, std::string_view value_text) {
        text_ += text_.empty() ? "{" : ",";
        if (layout_ == Layout::Indented) text_ += '\n' + Indent(level_ + 1);
        text_ += key_text;
        text_ += layout_ == Layout::Indented ? ": " : ":";
        text_ += value_text;
    }
    bool empty() const { return text_.empty(); }
    std::string Finish() && {
        if (text_.empty()) return "{}";
        if (layout_ == Layout::Indented) text_ += '\n' + Indent(level_);
        return std::move(text_) + "}";
    }

    static std::string Indent(int level) {
        return std::string(2 * static_cast<std::size_t>(level), ' ');
    }

  private:
    Layout layout_;
    int level_;
    std::string text_;
};

// A text that is not valid UTF-8, which no sheet gives, is written with U+FFFD for each bad
// byte rather than throwing.
std::string Dumped(const Json& value, Layout layout, int level) {
    if (layout == Layout::Compact)
        return value.dump(-1, ' ', false, Json::error_handler_t::replace);
    const std::string flat = value.dump(2, ' ', false, Json::error_handler_t::replace);
    // A dumped string holds no line break of its own, so every one starts a line to indent.
    std::string text;
    for (const char c : flat) {
        text += c;
        if (c == '\n') text += ObjectText::Indent(level);
    }
    return text;
}

std::string Quoted(std::string_view text) {
    return Dumped(Json(std::string(text)), Layout::Compact, 0);
}

// Members of "extra" it held when read and holds still unchanged are written as they were read,
// in the file's order; changed and new ones as their values now.
std::string ExtraText(const DesignDocument& document, Layout layout) {
    const Json& now = document.extra();
    const Json& before = document.extra_as_read();
    ObjectText extra(layout, 1);
    for (const KeptMember& member : document.extra_as_written()) {
        const auto value = now.find(member.key);
        if (value == now.end()) continue; // removed since
        const auto old = before.find(member.key);
        if (old != before.end() && *old == *value)
            extra.Add(member.key_text, member.value_text);
        else
            extra.Add(member.key_text, Dumped(*value, layout, 2));
    }
    for (const auto& [key, value] : now.get_ref<const Json::object_t&>())
        if (!before.contains(key)) extra.Add(Quoted(key), Dumped(value, layout, 2));
    return std::move(extra).Finish();
}

void AddKept(ObjectText& object, const std::vector<KeptMember>& kept) {
    for (const KeptMember& member : kept)
        object.Add(member.key_text, member.value_text);
}

// A design of a kind of its own: its content's members after "kind", each as its value now.
std::string ComposeKind(const DesignDocument& document, Layout layout) {
    const bool compact = layout == Layout::Compact;
    std::string extra = ExtraText(document, layout);
    ObjectText top(layout, 0);
    top.Add(R"("format")", Quoted(kDesignFormatName));
    top.Add(R"("version")", std::to_string(kKindFormatVersion));
    top.Add(R"("kind")", Quoted(kJgj55KindName));
    for (const std::string_view key : kJgj55Members)
        if (const auto member = document.content().find(std::string(key));
            member != document.content().end())
            top.Add(Quoted(key), Dumped(*member, layout, 1));
    if (!compact || extra != "{}") top.Add(R"("extra")", extra);
    AddKept(top, document.unknown_keys());
    return std::move(top).Finish() + "\n";
}

std::string Compose(const DesignDocument& document, Layout layout) {
    if (document.kind() != DesignKind::Cement) return ComposeKind(document, layout);
    const bool compact = layout == Layout::Compact;
    const DesignSnapshot& snapshot = document.snapshot();

    ObjectText fields(layout, 1);
    for (const calc::Field field : calc::kAllFields)
        if (!compact || !snapshot.text(field).empty())
            fields.Add(Quoted(calc::FieldName(field)), Quoted(snapshot.text(field)));
    AddKept(fields, document.unknown_fields());

    ObjectText options(layout, 1);
    for (const calc::Toggle toggle : kAllToggles)
        if (!compact || snapshot.is_on(toggle))
            options.Add(Quoted(ToggleKey(toggle)), snapshot.is_on(toggle) ? "true" : "false");
    AddKept(options, document.unknown_options());

    std::string extra = ExtraText(document, layout);

    ObjectText top(layout, 0);
    top.Add(R"("format")", Quoted(kDesignFormatName));
    top.Add(R"("version")", std::to_string(kDesignFormatVersion));
    if (!compact || !fields.empty()) top.Add(R"("fields")", std::move(fields).Finish());
    if (!compact || !options.empty()) top.Add(R"("options")", std::move(options).Finish());
    if (!compact || extra != "{}") top.Add(R"("extra")", extra);
    AddKept(top, document.unknown_keys());
    return std::move(top).Finish() + "\n";
}

} // namespace

WriteResult WriteDesign(const DesignDocument& document) {
    std::string text = Compose(document, Layout::Indented);
    if (text.size() > kMaxDesignFileBytes) text = Compose(document, Layout::Compact);
    // Whatever is written must open again: the reader is the one judge of that.
    ReadResult read = ReadDesign(text);
    if (auto* error = std::get_if<DocumentError>(&read)) return std::move(*error);
    return text;
}

} // namespace mixora::document
