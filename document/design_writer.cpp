#include "design_file.h"
#include "design_format.h"

#include <utility>

namespace mixora::document {

namespace {

// Written in the order given: the known keys first, as documented, then those kept.
using Ordered = nlohmann::ordered_json;

// Appends without the ordered map's linear search for a duplicate: the known keys are never
// among those kept, and the kept ones come from an object, so every key is new.
void AppendKept(Ordered::object_t& object, const nlohmann::json& kept) {
    for (const auto& [key, value] : kept.get_ref<const nlohmann::json::object_t&>())
        object.emplace_back(key, Ordered(value));
}

} // namespace

std::string WriteDesign(const DesignDocument& document) {
    const DesignSnapshot& snapshot = document.snapshot();

    Ordered::object_t fields;
    fields.reserve(calc::kFieldCount + document.unknown_fields().size());
    for (const calc::Field field : calc::kAllFields)
        fields.emplace_back(calc::FieldName(field), snapshot.text(field));
    AppendKept(fields, document.unknown_fields());

    Ordered::object_t options;
    options.reserve(kToggleCount + document.unknown_options().size());
    for (const calc::Toggle toggle : kAllToggles)
        options.emplace_back(std::string(ToggleKey(toggle)), snapshot.is_on(toggle));
    AppendKept(options, document.unknown_options());

    Ordered::object_t top;
    top.reserve(5 + document.unknown_keys().size());
    top.emplace_back("format", std::string(kDesignFormatName));
    top.emplace_back("version", kDesignFormatVersion);
    top.emplace_back("fields", std::move(fields));
    top.emplace_back("options", std::move(options));
    top.emplace_back("extra", Ordered(document.extra()));
    AppendKept(top, document.unknown_keys());

    return Ordered(std::move(top)).dump(2, ' ', false, Ordered::error_handler_t::replace) + "\n";
}

} // namespace mixora::document
