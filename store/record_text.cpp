#include "record_text.h"

namespace mixora::store {

std::string RecordCode(char letter, std::int64_t number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    return std::string(1, letter) + "-" + digits;
}

StoreError ChangedElsewhere(const std::string& what, const Stamp& changed) {
    return StoreError(StoreErrorKind::Conflict, what + "在读取之后已被修改（" + changed.by + "，" +
                                                    changed.at + "）。请重新打开后再修改。");
}

std::string ContainsPattern(std::string_view part) {
    std::string pattern = "%";
    for (const char c : part) {
        if (c == '%' || c == '_' || c == '\\') pattern += '\\';
        pattern += c;
    }
    return pattern + "%";
}

} // namespace mixora::store
