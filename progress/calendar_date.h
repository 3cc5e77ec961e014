#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lucen {

// A day of the proleptic Gregorian calendar, as the computer's local clock names it. No time of
// day, time zone or locale takes part.
struct CalendarDate {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31

  friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

enum class Weekday { kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday, kSunday };

// Whether the date exists: years 1..9999, 29 February only in a leap year.
bool IsValid(const CalendarDate& date);
// Days since 1970-01-01 (negative before it). The date must be valid.
std::int64_t DayNumber(const CalendarDate& date);
// The date `days` after `date` (before it when negative).
CalendarDate AddDays(const CalendarDate& date, std::int64_t days);
Weekday DayOfWeek(const CalendarDate& date);

// "2026-12-09", and back; anything else, an invalid date included, reads as nothing.
std::string IsoDate(const CalendarDate& date);
std::optional<CalendarDate> ReadIsoDate(std::string_view text);

}  // namespace lucen
