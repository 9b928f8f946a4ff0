// Date-time value arithmetic: day numbers of the proleptic Gregorian calendar, times of day,
// joining the two, decoding a value into its parts, and the current local time.
#include "core/datetime.h"

#include <cmath>
#include <cstdlib>

#include "core/clock.h"

namespace {

// Day numbers count from 30 December 1899; the calendar arithmetic below counts from 1 March of
// year 0, which puts the leap day at the end of each year and makes 400-year cycles of 146097 days.
constexpr int64_t kDaysBeforeEpoch = 693899;  // 1 March 0 to 30 December 1899

// The last instant shown as a date, and half a millisecond in days.
constexpr double kLastShownInstant = 2958465.99999999;
constexpr double kHalfMillisecond = 1.0 / 172800000.0;

// Past this many days the milliseconds no longer fit a 64-bit count; nothing real lies there.
constexpr double kLargestMagnitude = 1e11;

double Bounded(DateTimeValue value) {
  if (std::isnan(value)) return 0.0;
  if (value > kLargestMagnitude) return kLargestMagnitude;
  if (value < -kLargestMagnitude) return -kLargestMagnitude;
  return value;
}

}  // namespace

bool IsLeapYear(int32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int32_t DaysInMonth(int32_t year, int32_t month) {
  static const int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int32_t EncodeDate(int32_t year, int32_t month, int32_t day) {
  // Years that begin in March: January and February belong to the year before.
  int64_t y = month <= 2 ? year - 1 : year;
  int64_t monthFromMarch = month <= 2 ? month + 9 : month - 3;  // 0 = March, 11 = February
  int64_t cycle = (y >= 0 ? y : y - 399) / 400;
  int64_t yearOfCycle = y - cycle * 400;
  int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
  int64_t dayOfCycle = yearOfCycle * 365 + yearOfCycle / 4 - yearOfCycle / 100 + dayOfYear;
  return static_cast<int32_t>(cycle * 146097 + dayOfCycle - kDaysBeforeEpoch);
}

void DecodeDayNumber(int32_t dayNumber, TDateTimePartsRec& parts) {
  int64_t days = static_cast<int64_t>(dayNumber) + kDaysBeforeEpoch;
  int64_t cycle = (days >= 0 ? days : days - 146096) / 146097;
  int64_t dayOfCycle = days - cycle * 146097;
  int64_t yearOfCycle =
      (dayOfCycle - dayOfCycle / 1460 + dayOfCycle / 36524 - dayOfCycle / 146096) / 365;
  int64_t dayOfYear = dayOfCycle - (365 * yearOfCycle + yearOfCycle / 4 - yearOfCycle / 100);
  int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
  int64_t year = yearOfCycle + cycle * 400 + (month <= 2 ? 1 : 0);
  parts.Year = static_cast<uint16_t>(year);
  parts.Month = static_cast<uint16_t>(month);
  parts.Day = static_cast<uint16_t>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
}

DateTimeValue EncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t millisecond) {
  int64_t milliseconds = static_cast<int64_t>(hour) * 3600000 +
                         static_cast<int64_t>(minute) * 60000 +
                         static_cast<int64_t>(second) * 1000 + millisecond;
  return static_cast<double>(milliseconds) / static_cast<double>(MillisecondsPerDay);
}

DateTimeValue JoinDateTime(DateTimeValue dayNumber, DateTimeValue time) {
  double day = std::trunc(dayNumber);
  double fraction = std::fabs(time - std::trunc(time));
  // 23:59:60 reads as exactly one day: taking only its fraction would put it at the start of
  // the day instead of at the next midnight.
  if (time >= 1) day += std::trunc(time);
  return day < 0 ? day - fraction : day + fraction;
}

TDateTimePartsRec DecodeDateTime(DateTimeValue value) {
  double v = Bounded(value);

  TDateTimePartsRec parts;

  // Time of day: the nearest millisecond, halves away from zero, of the absolute value.
  double product = v * static_cast<double>(MillisecondsPerDay);
  product += product >= 0 ? 0.5 : -0.5;
  int64_t milliseconds = std::llabs(static_cast<int64_t>(product) % MillisecondsPerDay);
  parts.Hour = static_cast<uint16_t>(milliseconds / 3600000);
  parts.Minute = static_cast<uint16_t>(milliseconds % 3600000 / 60000);
  parts.Second = static_cast<uint16_t>(milliseconds % 60000 / 1000);
  parts.Millisecond = static_cast<uint16_t>(milliseconds % 1000);

  // Date: shifted by half a millisecond away from zero, so that it agrees with the rounded time.
  if (v > -693594.0) {
    double shifted = v > 0 ? v + kHalfMillisecond : v - kHalfMillisecond;
    if (shifted > kLastShownInstant) shifted = kLastShownInstant;
    int64_t dayNumber = static_cast<int64_t>(shifted);
    if (dayNumber >= MinDayNumber) DecodeDayNumber(static_cast<int32_t>(dayNumber), parts);
  }

  // Weekday from the unshifted value; the remainder takes the sign of the dividend.
  int64_t weekday = 1 + (static_cast<int64_t>(v) - 1) % 7;
  if (weekday <= 0) weekday += 7;
  parts.Weekday = static_cast<uint16_t>(weekday);
  return parts;
}

int64_t IntervalWholeDays(DateTimeValue value, const TDateTimePartsRec& parts) {
  double magnitude = std::fabs(Bounded(value));
  double whole = std::trunc(magnitude);
  bool zeroTime =
      parts.Hour == 0 && parts.Minute == 0 && parts.Second == 0 && parts.Millisecond == 0;
  return static_cast<int64_t>(whole) + (magnitude - whole > 0.9 && zeroTime ? 1 : 0);
}

DateTimeValue CurrentLocalDateTime() {
  TLocalTimeRec now = ReadLocalClock();
  return JoinDateTime(EncodeDate(now.Year, now.Month, now.Day),
                      EncodeTime(now.Hour, now.Minute, now.Second, now.Millisecond));
}
