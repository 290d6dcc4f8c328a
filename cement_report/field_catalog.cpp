#include "field_catalog.h"

#include "field_captions.h"

#include <stdexcept>

namespace mixora::cement_report {

namespace {

calc::Field Checked(calc::Field field) {
    if (!calc::IsField(field)) throw std::out_of_range("no such field");
    return field;
}

} // namespace

std::string_view FieldCaption(calc::Field field) {
    return calc::Caption(Checked(field));
}

std::string_view FieldUnit(calc::Field field) {
    return calc::Unit(Checked(field));
}

} // namespace mixora::cement_report
