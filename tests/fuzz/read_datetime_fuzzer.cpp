// Fuzz target: reading dates and times. ReadDate, ReadTime, ReadDateTime and DateTimeFromText
// on arbitrary texts, under this system's regional formats or under formats the fuzzer makes,
// give a value in their range or a ConversionError with one of their messages, and nothing else.
// And under this system's formats, whatever RenderDateTime writes with
// "mm/dd/yyyy hh:nn:ss.zzz" reads back to the same millisecond, for every valid date.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/datetime.h"
#include "core/datetime_read.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const TText kFullPattern = AnsiText("mm/dd/yyyy hh:nn:ss.zzz");
const TText kTimePattern = AnsiText("hh:nn:ss.zzz");
const TText kTodayPattern = AnsiText("mm/dd/yyyy");

constexpr double kMillisecond = 1.0 / MillisecondsPerDay;

// The longest time of day a text can give: 23:59:60.999, for a leap second.
const double kLongestTime = EncodeTime(23, 59, 60, 999);

// The first and last millisecond of the valid dates. The first is a millisecond after the day
// before 1 January 1, since a negative value's fraction counts away from zero.
constexpr double kFirstValid = MinDayNumber - 1 + kMillisecond;
constexpr double kLastValid = MaxDayNumber + 1 - kMillisecond;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A message of the reading operations: "Invalid date", or a text between double quotes followed
// by " is not a valid date format" or " is not a valid time". Gives the quoted text, or sets
// *wellFormed to false.
std::string QuotedText(const std::string& message, bool* wellFormed) {
  *wellFormed = true;
  if (message == "Invalid date") return "";
  for (const std::string end : {"\" is not a valid date format", "\" is not a valid time"}) {
    if (message.size() > end.size() && message[0] == '"' && EndsWith(message, end)) {
      return message.substr(1, message.size() - end.size() - 1);
    }
  }
  *wellFormed = false;
  return "";
}

// Runs one reading operation: it gives a value from `low` to `high` or fails with a message
// that `messageIsRight` accepts.
template <typename TRead, typename TMessageCheck>
void CheckRead(const char* operation, const std::string& text, TRead read, double low, double high,
               TMessageCheck messageIsRight) {
  DateTimeValue value;
  try {
    value = read();
  } catch (const ConversionError& error) {
    if (!messageIsRight(error.Message)) {
      FuzzFailure(std::string(operation) + " of " + Visible(text) + " fails with " +
                  Visible(error.Message));
    }
    return;
  }
  if (!(value >= low && value <= high)) {  // NaN too
    FuzzFailure(std::string(operation) + " of " + Visible(text) + " gives " +
                std::to_string(value));
  }
}

void MakeFormats(FuzzedDataProvider& data) {
  RegionalFormats.DateSep = data.ConsumeIntegral<char>();
  RegionalFormats.TimeSep = data.ConsumeIntegral<char>();
  RegionalFormats.DecimalSep = data.ConsumeIntegral<char>();
  RegionalFormats.ShortDatePattern = AnsiText(data.ConsumeRandomLengthString(16));
  RegionalFormats.AmText = AnsiText(data.ConsumeRandomLengthString(16));
  RegionalFormats.PmText = AnsiText(data.ConsumeRandomLengthString(16));
  RegionalFormats.TwoDigitYearWindow = data.ConsumeIntegral<uint16_t>();
}

void CheckArbitraryText(FuzzedDataProvider& data) {
  TLocalTimeRec today;  // any date the Windows clock can give
  today.Year = data.ConsumeIntegralInRange<uint16_t>(1601, 30827);
  today.Month = data.ConsumeIntegralInRange<uint16_t>(1, 12);
  today.Day = data.ConsumeIntegralInRange<uint16_t>(1, 28);
  const TText order = data.ConsumeBool() ? RegionalFormats.ShortDatePattern
                                         : AnsiText(data.ConsumeRandomLengthString(16));
  const char separator = data.ConsumeIntegral<char>();
  const TText todayPattern =
      data.ConsumeBool() ? kTodayPattern : AnsiText(data.ConsumeRandomLengthString(32));
  const std::string text = data.ConsumeRemainingBytesAsString();
  const TText given = AnsiText(text);

  const double earliest = MinDayNumber - kLongestTime;
  const double latest = MaxDayNumber + kLongestTime;
  auto dateMessage = [&](const std::string& m) {
    return m == "\"" + text + "\" is not a valid date format" ||
           m == "\"\" is not a valid date format" || m == "Invalid date";
  };
  CheckRead(
      "ReadDateAsOf", text,
      [&] {
        DateTimeValue day = ReadDateAsOf(given, order, separator, today);
        if (day != std::trunc(day)) FuzzFailure("ReadDateAsOf gives a fraction");
        return day;
      },
      MinDayNumber, MaxDayNumber, dateMessage);
  CheckRead(
      "ReadDate", text, [&] { return ReadDate(given, order, separator); }, MinDayNumber,
      MaxDayNumber, dateMessage);
  CheckRead(
      "ReadTime", text, [&] { return ReadTime(given); }, 0, kLongestTime,
      [&](const std::string& m) { return m == "\"" + text + "\" is not a valid time"; });
  // ReadDateTime names the part it could not read, which is a piece of the text.
  CheckRead(
      "ReadDateTime", text, [&] { return ReadDateTime(given); }, earliest, latest,
      [&](const std::string& m) {
        bool wellFormed = false;
        std::string quoted = QuotedText(m, &wellFormed);
        return wellFormed && text.find(quoted) != std::string::npos;
      });
  // DateTimeFromText reads a text of its own making (the milliseconds padded, today's date put
  // in), and renders today's date by a pattern that may hold an illegal letter.
  CheckRead(
      "DateTimeFromText", text, [&] { return DateTimeFromText(given, todayPattern); }, earliest,
      latest,
      [&](const std::string& m) {
        bool wellFormed = false;
        QuotedText(m, &wellFormed);
        return wellFormed || m == "Illegal character in format string";
      });
}

// A valid date and time, from its parts or as any value from the first valid millisecond to the
// last.
DateTimeValue MakeValidValue(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) return data.ConsumeFloatingPointInRange(kFirstValid, kLastValid);
  int year = data.ConsumeIntegralInRange(1, 9999);
  int month = data.ConsumeIntegralInRange(1, 12);
  int day = data.ConsumeIntegralInRange(1, DaysInMonth(year, month));
  int hour = data.ConsumeIntegralInRange(0, 23);
  int minute = data.ConsumeIntegralInRange(0, 59);
  int second = data.ConsumeIntegralInRange(0, 59);
  int millisecond = data.ConsumeIntegralInRange(0, 999);
  return JoinDateTime(EncodeDate(year, month, day), EncodeTime(hour, minute, second, millisecond));
}

void CheckReadsBack(const char* operation, const std::string& text, DateTimeValue expected,
                    DateTimeValue read) {
  // Half a millisecond of rounding, and a little for the arithmetic of large day numbers: near
  // the year 9999 a value's last bit is worth 0.04 ms.
  const double tolerance = 0.6 * kMillisecond;
  std::string again = RenderDateTime(kFullPattern, read, false).Bytes;
  if (again != text || std::fabs(read - expected) > tolerance) {
    FuzzFailure(std::string(operation) + " of " + Visible(text) + " gives " + Visible(again));
  }
}

void CheckRoundTrip(FuzzedDataProvider& data) {
  const DateTimeValue value = MakeValidValue(data);
  const std::string text = RenderDateTime(kFullPattern, value, false).Bytes;
  // Between -1 and 0 the day is 30 December 1899 and the fraction counts forward from it: such a
  // value shows the time of its absolute value, which is what reads back.
  const DateTimeValue expected = value > -1 && value < 0 ? -value : value;
  try {
    CheckReadsBack("ReadDateTime", text, expected, ReadDateTime(AnsiText(text)));
    CheckReadsBack("DateTimeFromText", text, expected,
                   DateTimeFromText(AnsiText(text), kTodayPattern));
  } catch (const ConversionError& error) {
    FuzzFailure(Visible(text) + " does not read back: " + error.Message);
  }

  // The time alone reads as today at that time; the date is taken around the read, which may
  // cross midnight.
  const std::string time = RenderDateTime(kTimePattern, value, false).Bytes;
  const std::string before = RenderDateTime(kTodayPattern, CurrentLocalDateTime(), false).Bytes;
  DateTimeValue read = 0;
  try {
    read = DateTimeFromText(AnsiText(time), kTodayPattern);
  } catch (const ConversionError& error) {
    FuzzFailure(Visible(time) + " does not read back: " + error.Message);
  }
  const std::string after = RenderDateTime(kTodayPattern, CurrentLocalDateTime(), false).Bytes;
  const std::string date = RenderDateTime(kTodayPattern, read, false).Bytes;
  if (RenderDateTime(kTimePattern, read, false).Bytes != time ||
      (date != before && date != after)) {
    FuzzFailure(Visible(time) + " reads back as " +
                Visible(RenderDateTime(kFullPattern, read, false).Bytes));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  RegionalFormats = SystemFormats();
  switch (data.ConsumeIntegralInRange(0, 2)) {
    case 0:
      CheckRoundTrip(data);
      break;
    case 1:
      MakeFormats(data);
      CheckArbitraryText(data);
      break;
    default:
      CheckArbitraryText(data);
      break;
  }
  return 0;
}
