#include "lab_time.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace mixora::store {

namespace {

int Digits(std::string_view text) {
    int value = -1;
    if (text.empty()) return value;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

} // namespace

std::string NowText() {
    const std::time_t now = std::time(nullptr);
    std::tm local = *std::localtime(&now);
    // The offset from UTC: UTC's fields read as local time lie that far from now.
    std::tm utc = *std::gmtime(&now);
    utc.tm_isdst = local.tm_isdst;
    const long offset_minutes = static_cast<long>(std::difftime(now, std::mktime(&utc))) / 60;
    const long hours = (offset_minutes < 0 ? -offset_minutes : offset_minutes) / 60;
    const long minutes = (offset_minutes < 0 ? -offset_minutes : offset_minutes) % 60;
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld",
                  local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                  local.tm_min, local.tm_sec, offset_minutes < 0 ? '-' : '+', hours, minutes);
    return text;
}

int YearOf(std::string_view time) {
    return Digits(time.substr(0, 4));
}

bool IsDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    const int year = Digits(text.substr(0, 4)), month = Digits(text.substr(5, 2)),
              day = Digits(text.substr(8, 2));
    if (year < 1 || month < 1 || month > 12 || day < 1) return false;
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

} // namespace mixora::store
