#include "shown_input.h"

#include "shown_value.h"
#include "text_prefix.h"

namespace mixora::jgj55_report {

std::string ShownInput(const jgj55::Inputs& inputs, std::string_view key, double value,
                       int decimals) {
    if (const auto unread = inputs.unread.find(key); unread != inputs.unread.end())
        return "“" + calc::TextPrefix(unread->second) + "”（有误）";
    return jgj55::FormatGiven(value, decimals);
}

} // namespace mixora::jgj55_report
