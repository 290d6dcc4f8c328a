#include "typed_number.h"

#include "decimal_text.h"
#include "text_prefix.h"

#include <array>
#include <utility>

namespace mixora::calc {

namespace {

constexpr std::array<std::string_view, 5> kBlanks = {" ", "\t", "\r", "\n", "\u3000"};

// The characters an input method types for a number besides the digits, each with its ASCII
// form.
constexpr std::array<std::pair<std::string_view, char>, 4> kWideSigns = {{
    {"\uff0e", '.'},
    {"\uff0b", '+'},
    {"\uff0d", '-'},
    {"\u2212", '-'},
}};
// The full-width digits ０ … ９ (U+FF10 … U+FF19) are these two bytes and 0x90 … 0x99.
constexpr std::string_view kWideDigitLead = "\xef\xbc";
constexpr unsigned char kWideZeroLast = 0x90;

// The length of the blank `text` starts with (ends with, at_end), or 0.
std::size_t BlankAt(std::string_view text, bool at_end) {
    for (const std::string_view blank : kBlanks)
        if (at_end ? text.ends_with(blank) : text.starts_with(blank)) return blank.size();
    return 0;
}

std::string_view TrimBlanks(std::string_view text) {
    while (const std::size_t blank = BlankAt(text, false))
        text.remove_prefix(blank);
    while (const std::size_t blank = BlankAt(text, true))
        text.remove_suffix(blank);
    return text;
}

// The ASCII digit of a full-width one at the start of text, or 0.
char WideDigitAt(std::string_view text) {
    if (text.size() < 3 || !text.starts_with(kWideDigitLead)) return 0;
    const unsigned last = static_cast<unsigned char>(text[2]);
    return last >= kWideZeroLast && last <= kWideZeroLast + 9u
               ? static_cast<char>('0' + (last - kWideZeroLast))
               : 0;
}

// The text with the input method's forms replaced by ASCII ones; everything else as it was.
std::string AsciiForm(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    while (!text.empty()) {
        std::size_t taken = 1;
        char plain = text.front();
        if (const char digit = WideDigitAt(text)) {
            plain = digit;
            taken = 3;
        }
        for (const auto& [wide, sign] : kWideSigns)
            if (text.starts_with(wide)) {
                plain = sign;
                taken = wide.size();
            }
        ascii += plain;
        text.remove_prefix(taken);
    }
    return ascii;
}

} // namespace

TypedNumber ReadTypedNumber(std::string_view text, std::string_view caption) {
    const std::string ascii = AsciiForm(TrimBlanks(text));
    if (ascii.empty()) return {std::nullopt, std::string(caption) + "未填写"};
    const std::string quoted = std::string(caption) + "“" + TextPrefix(text) + "”";

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
