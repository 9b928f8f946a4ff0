// Reading date, time and date-time texts back into date-time values, over the process-wide
// RegionalFormats, and DateTimeFromText, which also reads fractional seconds and gives a text that
// holds only a time today's date. Every failure is a ConversionError (datetime.h).
#ifndef CHRONEX_CORE_DATETIME_READ_H_
#define CHRONEX_CORE_DATETIME_READ_H_

#include "core/clock.h"
#include "core/datetime.h"
#include "core/text.h"

/// The day number of a date text of up to three numbers, ordered as the first Y, M and D of
/// `orderFormat` (any case) say, split by `separator` (0: RegionalFormats.DateSep). Blanks are
/// skipped unless the separator is one, and trailing white space is ignored. With two numbers they
/// are the month and the day (the day and the month when M follows D), with one the day; the
/// missing year and month are the current ones. A year of one or two digits is placed in the
/// window of RegionalFormats.TwoDigitYearWindow years before the current year.
/// Fails with "\"TEXT\" is not a valid date format" for a text it cannot read (TEXT empty for an
/// empty text) and with "Invalid date" for a number above 65535 or a date that does not exist.
DateTimeValue ReadDate(const TText& text, const TText& orderFormat, char separator);

/// ReadDate as it reads on the local date `today`: the current year and month come from it.
DateTimeValue ReadDateAsOf(const TText& text, const TText& orderFormat, char separator,
                           const TLocalTimeRec& today);

/// A time text as a fraction of a day: hour, minute and second split by RegionalFormats.TimeSep,
/// then RegionalFormats.DecimalSep and a count of milliseconds, and an AM/PM word (AmText,
/// PmText, AM or PM in any case) before or after the numbers. Blanks are ignored. 23:59:60 with
/// any millisecond below 1000 is allowed and gives one day and more.
/// Fails with "\"TEXT\" is not a valid time".
DateTimeValue ReadTime(const TText& text);

/// A date-time text: the date part, read by ReadDate with RegionalFormats.ShortDatePattern and
/// DateSep, and after white space the time part, read by ReadTime. A text of one part is a time
/// when it holds the time separator (or, when the two separators are equal, when it is not a
/// date); a time alone lies on 30 December 1899. Fails as ReadDate and ReadTime do.
DateTimeValue ReadDateTime(const TText& text);

/// A date-time text that may carry fractional seconds after its first ".", which count as the
/// first three digits of the milliseconds; a text that holds only a time gets today's date,
/// rendered by `todayPattern` (which must write it in the order of the short date pattern in
/// force), unless it names 12/30/1899 itself. Reading failures reach the caller unchanged.
DateTimeValue DateTimeFromText(const TText& text, const TText& todayPattern);

#endif  // CHRONEX_CORE_DATETIME_READ_H_
