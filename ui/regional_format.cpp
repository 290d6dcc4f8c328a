#include "regional_format.h"

#include "utf.h"

#include <windows.h>

namespace mixora::ui {

namespace {
bool ReadText(LCTYPE type, std::string& out) {
    wchar_t buffer[32]{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 32) <= 1) return false;
    out = Narrow(buffer);
    return true;
}
} // namespace

calc::NumberFormat ReadUserNumberFormat() {
    calc::NumberFormat format;
    ReadText(LOCALE_SDECIMAL, format.decimal);
    ReadText(LOCALE_STHOUSAND, format.group);
    ReadText(LOCALE_SGROUPING, format.grouping);
    ReadText(LOCALE_SNEGATIVESIGN, format.negative_sign);
    DWORD order = 1;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_INEGNUMBER | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&order), sizeof(order) / sizeof(wchar_t)) > 0 &&
        order <= 4)
        format.negative_order = static_cast<int>(order);
    return format;
}

} // namespace mixora::ui
