#include "progress/calendar_date.h"

#include <array>
#include <cstdio>
#include <stdexcept>

namespace lucen {
namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

bool IsLeap(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeap(year)) return 29;
  return kDays[static_cast<std::size_t>(month - 1)];
}

// Days from 1970-01-01, counting in 400-year eras from 1 March so that the leap day falls at the
// end of each counted year (Howard Hinnant's days_from_civil).
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The inverse of DaysFromCivil (Howard Hinnant's civil_from_days). `days` must lie within the
// years the calendar keeps, so that every field fits an int.
CalendarDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  const std::int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

void RequireValid(const CalendarDate& date) {
  if (!IsValid(date)) throw std::invalid_argument("no such date");
}

}  // namespace

bool IsValid(const CalendarDate& date) {
  return date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 && date.month <= 12 &&
         date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

std::int64_t DayNumber(const CalendarDate& date) {
  RequireValid(date);
  return DaysFromCivil(date.year, date.month, date.day);
}

CalendarDate AddDays(const CalendarDate& date, std::int64_t days) {
  const std::int64_t first = DaysFromCivil(kFirstYear, 1, 1);
  const std::int64_t last = DaysFromCivil(kLastYear, 12, 31);
  const std::int64_t from = DayNumber(date);
  // Compared before adding, so that no count of days can overflow.
  if (days < first - from || days > last - from) {
    throw std::out_of_range("a date outside the calendar");
  }
  return CivilFromDays(from + days);
}

Weekday DayOfWeek(const CalendarDate& date) {
  // Day 0, 1970-01-01, was a Thursday: three days after a Monday.
  const std::int64_t fromMonday = ((DayNumber(date) + 3) % 7 + 7) % 7;
  return static_cast<Weekday>(fromMonday);
}

std::string IsoDate(const CalendarDate& date) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::optional<CalendarDate> ReadIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto field = [&](std::size_t from, std::size_t length) -> std::optional<int> {
    int value = 0;
    for (std::size_t i = from; i < from + length; ++i) {
      if (text[i] < '0' || text[i] > '9') return std::nullopt;
      value = value * 10 + (text[i] - '0');
    }
    return value;
  };
  const auto year = field(0, 4);
  const auto month = field(5, 2);
  const auto day = field(8, 2);
  if (!year || !month || !day) return std::nullopt;
  const CalendarDate date{*year, *month, *day};
  if (!IsValid(date)) return std::nullopt;
  return date;
}

}  // namespace lucen
