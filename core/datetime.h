// Date-time values, the days counted from 30 December 1899 with the time of day as the fraction,
// and their text: decoding a value into its calendar parts, the current local time, and the
// rendering of a value by a pattern. Reading texts back into values is in datetime_read.h.
#ifndef CHRONEX_CORE_DATETIME_H_
#define CHRONEX_CORE_DATETIME_H_

#include <cstdint>
#include <string>

#include "core/text.h"

/// Days from 30 December 1899 (day 0, a Saturday; 1 January 1900 is day 2) in the proleptic
/// Gregorian calendar; the fraction is the time of day as a part of 24 hours, and counts away
/// from zero for a negative day (-1.25 is 29 December 1899 at 06:00). Valid dates run from
/// 1 January 1 to 31 December 9999. An elapsed interval is the difference of two values, in days.
using DateTimeValue = double;

/// The failure of a date or time operation, thrown by value: the rendering of a pattern with an
/// illegal letter, or a text that cannot be read as a date or a time.
struct ConversionError {
  std::string Message;
};

/// Day 1 January 1 and the last instant the decoding shows as a date (31 December 9999 at
/// 23:59:59.999).
constexpr int32_t MinDayNumber = -693593;
constexpr int32_t MaxDayNumber = 2958465;
constexpr int64_t MillisecondsPerDay = 86400000;

/// The parts of a value, as every rendering sees them.
struct TDateTimePartsRec {
  uint16_t Year = 0;         ///< 1 to 9999; 0 with Month and Day for a value before 1 January 1
  uint16_t Month = 0;        ///< 1 to 12
  uint16_t Day = 0;          ///< 1 to 31
  uint16_t Weekday = 0;      ///< 1 = Sunday to 7 = Saturday
  uint16_t Hour = 0;         ///< 0 to 23
  uint16_t Minute = 0;       ///< 0 to 59
  uint16_t Second = 0;       ///< 0 to 59
  uint16_t Millisecond = 0;  ///< 0 to 999
};

/// True for a leap year of the proleptic Gregorian calendar.
bool IsLeapYear(int32_t year);

/// The number of days of a month (1 to 12) of a year; 0 for a month outside 1 to 12.
int32_t DaysInMonth(int32_t year, int32_t month);

/// The day number of a date, which must exist (year 1 to 9999): 2024-05-24 gives 45436.
int32_t EncodeDate(int32_t year, int32_t month, int32_t day);

/// The date of a day number from MinDayNumber to MaxDayNumber, into Year, Month and Day.
void DecodeDayNumber(int32_t dayNumber, TDateTimePartsRec& parts);

/// A time of day as a fraction of a day: the milliseconds summed in integers, then divided in
/// floating point. Hour 23, minute 59, second 60 gives exactly 1.
DateTimeValue EncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t millisecond);

/// A day number and a time of day (0 to 1) joined into one value: the time added to a day of
/// zero or more, subtracted from a negative one. A time of a whole day (23:59:60) is carried
/// into the next day's midnight.
DateTimeValue JoinDateTime(DateTimeValue dayNumber, DateTimeValue time);

/// The parts of a value, to the nearest millisecond (halves away from zero). The time comes from
/// the absolute number of milliseconds; the date from the value shifted by half a millisecond, so
/// that a value less than that before midnight shows the next day at 00:00:00.000; the weekday
/// from the unshifted value, so it stays the earlier day's. A value of -693594 or less has a
/// Year, Month and Day of 0; one of 2958466 or more shows 31 December 9999. A value that is not
/// a number decodes as 0, and magnitudes beyond 1e11 days as 1e11 days.
TDateTimePartsRec DecodeDateTime(DateTimeValue value);

/// The whole days of an interval: those of its absolute value, plus one for a value a hair below
/// a whole number of days (a fraction above 0.9 that decodes to 00:00:00.000), so that it shows
/// as 24:00:00.000 and not as 00:00:00.000. `parts` is the value's decoding.
int64_t IntervalWholeDays(DateTimeValue value, const TDateTimePartsRec& parts);

/// The current local date and time, to the millisecond (see ReadLocalClock in clock.h). It is
/// wall-clock time: a change of the clock or of daylight saving time between two readings shows
/// in their difference.
DateTimeValue CurrentLocalDateTime();

/// The value rendered by a pattern (letters in either case; an empty pattern is "c"):
///   "..." or '...'   the text between, as written; an unclosed quote takes the rest
///   / :              RegionalFormats.DateSep, TimeSep (nothing when NUL)
///   [ ]              with asInterval, interval mode on and off (printing nothing)
///   AMPM AM/PM A/P   AmText or PmText; the first or last two letters, the first or last letter
///   y yy / yyy...    year modulo 100, two digits / the year, four digits
///   d dd ddd dddd    day; two digits; DayAbbrevs, DayNames entry of the weekday
///   ddddd / dddddd.. ShortDatePattern / LongDatePattern as a date expansion
///   m...             the month (m, mm, mmm, mmmm...) or, after an hour, the minute
///   h... n... s...   hour, minute, second (one letter without leading zeros, more two digits);
///                    in interval mode the totals of the interval, padded to the run's length
///   z / zz...        millisecond; three digits
///   t / tt...        ShortTimePattern / LongTimePattern as a time expansion
///   c / f            ShortDatePattern, a blank, LongTimePattern (c leaves out the last two
///                    at 00:00:00)
///   e... / g...      the year of the era, padded to the run's length / the era's name, which
///                    prints nothing: the calendar has one era and the settings hold no names
/// Any other letter a fails with ConversionError "Illegal character in format string"; any other
/// character prints itself, a lowercase ASCII letter in upper case. Expansions nest one level: a
/// token that would expand again inside one prints nothing. The text holds at most 255
/// characters (a piece that does not fit is left out whole, and rendering goes on), and with
/// asInterval a negative value gets a leading "-" on top of them. The result is ANSI.
TText RenderDateTime(const TText& pattern, DateTimeValue value, bool asInterval);

#endif  // CHRONEX_CORE_DATETIME_H_
