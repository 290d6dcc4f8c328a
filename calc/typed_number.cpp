#include "typed_number.h"

#include "decimal_text.h"

#include <array>
#include <utility>

namespace mixora::calc {

namespace {

constexpr std::array<std::string_view, 5> kBlanks = {" ", "\t", "\r", "\n", "\u3000"};

// The characters an input method types for a number, each with its ASCII form; the
// full-width digits U+FF10 … U+FF19 follow ．.
constexpr std::array<std::pair<std::string_view, char>, 4> kWideSigns = {{
    {"\uff0e", '.'},
    {"\uff0b", '+'},
    {"\uff0d", '-'},
    {"\u2212", '-'},
}};
constexpr std::string_view kWideZero = "\uff10";

std::string_view TrimBlanks(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : kBlanks) {
            if (text.starts_with(blank)) text.remove_prefix(blank.size()), trimmed = true;
            if (text.ends_with(blank)) text.remove_suffix(blank.size()), trimmed = true;
        }
    }
    return text;
}

// The text with the input method's forms replaced by ASCII ones; everything else as it was.
std::string AsciiForm(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    while (!text.empty()) {
        std::size_t taken = 0;
        // A full-width digit: EF BC 90 … EF BC 99, the last byte counting from ０.
        if (text.size() >= kWideZero.size() && text.substr(0, 2) == kWideZero.substr(0, 2) &&
            text[2] >= kWideZero[2] && text[2] <= kWideZero[2] + 9) {
            ascii += static_cast<char>('0' + (text[2] - kWideZero[2]));
            taken = kWideZero.size();
        }
        for (const auto& [wide, plain] : kWideSigns)
            if (taken == 0 && text.starts_with(wide)) {
                ascii += plain;
                taken = wide.size();
            }
        if (taken == 0) {
            ascii += text.front();
            taken = 1;
        }
        text.remove_prefix(taken);
    }
    return ascii;
}

} // namespace

TypedNumber ReadTypedNumber(std::string_view text, std::string_view caption) {
    const std::string ascii = AsciiForm(TrimBlanks(text));
    if (ascii.empty()) return {std::nullopt, std::string(caption) + "未填写"};
    const std::string quoted = std::string(caption) + "“" + std::string(text) + "”";

    const std::optional<DecimalParts> parts = ScanDecimal(ascii, {});
    if (!parts || parts->length != ascii.size() || !parts->exponent.empty())
        return {std::nullopt, quoted + "不是数字"};
    double value = 0;
    switch (ReadPlainDecimal(PlainDecimal(*parts, {}), value)) {
    case DecimalReading::Value: return {value == 0 ? 0.0 : value, {}};
    case DecimalReading::TooLarge: return {std::nullopt, quoted + "超出数值范围"};
    case DecimalReading::Malformed: break;
    }
    return {std::nullopt, quoted + "不是数字"};
}

} // namespace mixora::calc
