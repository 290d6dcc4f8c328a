#include "report_page.h"

namespace mixora::page {

Row KeyValue(std::string_view caption, std::string value, std::string_view unit) {
    return {RowKind::KeyValue, {std::string(caption), std::move(value), std::string(unit)}};
}

Row Note(std::string text, bool alert) {
    return {RowKind::Note, {std::move(text)}, alert};
}

Row Heading(std::string text) {
    return {RowKind::Heading, {std::move(text)}};
}

} // namespace mixora::page
