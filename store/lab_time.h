#pragma once
// The times the lab's records keep: ISO-8601 local time with its offset from UTC
// ("2026-03-05T14:07:09+08:00"), which every engine stores as text and which sorts as text in
// the order of time; and dates as "2026-03-05".
#include <functional>
#include <string>
#include <string_view>

namespace mixora::store {

// Who did something and when, as the records keep it.
struct Stamp {
    std::string at; // a time as NowText writes it
    std::string by; // the person's name

    friend bool operator==(const Stamp&, const Stamp&) = default;
};

// What the repositories ask the time of; tests give a clock of their own.
using Clock = std::function<std::string()>;

// The system's local time now.
std::string NowText();

// The year of a time or date: 2026 of "2026-03-05T14:07:09+08:00".
int YearOf(std::string_view time);

// Whether a text is a day of the calendar written "YYYY-MM-DD".
bool IsDate(std::string_view text);

} // namespace mixora::store
