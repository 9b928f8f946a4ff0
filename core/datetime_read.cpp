// Reading date, time and date-time texts into date-time values: ReadDate, ReadTime,
// ReadDateTime and DateTimeFromText, over the process-wide RegionalFormats.
#include "core/datetime_read.h"

#include <cstdint>
#include <string>

#include "core/codepage.h"
#include "core/regional_formats.h"

namespace {

[[noreturn]] void FailDateFormat(const std::string& text) {
  throw ConversionError{"\"" + text + "\" is not a valid date format"};
}

[[noreturn]] void FailInvalidDate() { throw ConversionError{"Invalid date"}; }

[[noreturn]] void FailTime(const std::string& text) {
  throw ConversionError{"\"" + text + "\" is not a valid time"};
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What ReadDate ignores at the end of its text: backspace, tab, line feed, form feed, carriage
// return and blank (vertical tab is not among them).
bool IsTrailingSpace(char c) {
  return c == '\b' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

// What ends the date part of a date-time text.
bool IsPartBreak(char c) { return c == '\t' || c == '\n' || c == '\r' || c == ' '; }

// Every byte up to and including the blank (code 32) trimmed from both ends.
std::string TrimControlsAndBlanks(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(begin, end - begin);
}

// The bytes upper-cased as Windows does for ANSI text, for comparing AM and PM words.
std::string UpperAnsiBytes(const TText& text) {
  std::string bytes = text.Bytes;
  uint32_t codePage = ResolveCodePage(text.CodePage);
  if (codePage != AnsiCodePage) bytes = ConvertCodePage(bytes, codePage, AnsiCodePage);
  UpperCaseAnsi(bytes);
  return bytes;
}

enum class TAmPm { None, Am, Pm };

TAmPm AmPmOf(const std::string& word) {
  std::string upper = UpperAnsiBytes(AnsiText(word));
  if (upper == UpperAnsiBytes(RegionalFormats.AmText) || upper == "AM") return TAmPm::Am;
  if (upper == UpperAnsiBytes(RegionalFormats.PmText) || upper == "PM") return TAmPm::Pm;
  return TAmPm::None;
}

}  // namespace

DateTimeValue ReadDateAsOf(const TText& text, const TText& orderFormat, char separator,
                           const TLocalTimeRec& today) {
  const std::string& given = text.Bytes;
  size_t length = given.size();
  while (length > 0 && IsTrailingSpace(given[length - 1])) --length;
  if (length == 0) FailDateFormat("");
  const char dateSep = separator != '\0' ? separator : RegionalFormats.DateSep;

  // Positions 1 to 3 of year, month and day, in the order of their first letters; 0 when absent.
  int yearAt = 0;
  int monthAt = 0;
  int dayAt = 0;
  int named = 0;
  for (char c : UpperCaseAscii(orderFormat.Bytes)) {
    if (named == 3) break;
    if (c == 'Y' && yearAt == 0) yearAt = ++named;
    if (c == 'M' && monthAt == 0) monthAt = ++named;
    if (c == 'D' && dayAt == 0) dayAt = ++named;
  }

  int64_t numbers[3] = {0, 0, 0};
  int count = 0;
  bool yearInFull = false;
  std::string digits;
  auto endNumber = [&] {
    if (count == 3) FailDateFormat(given);
    ++count;
    if (count == yearAt && digits.size() > 2) yearInFull = true;
    if (digits.empty()) FailDateFormat(given);
    int64_t number = 0;
    for (char d : digits) {
      number = number * 10 + (d - '0');
      if (number > INT32_MAX) FailDateFormat(given);
    }
    numbers[count - 1] = number;
    digits.clear();
  };
  for (size_t i = 0; i < length; ++i) {
    char c = given[i];
    if (IsDigit(c)) {
      digits.push_back(c);
      if (i == length - 1) endNumber();
    } else if (c == ' ' && dateSep != ' ') {
      continue;
    } else if (c == dateSep) {
      endNumber();
    } else {
      FailDateFormat(given);
    }
  }
  if (named < 3 && count > named) FailDateFormat(given);
  for (int k = 0; k < count; ++k) {
    if (numbers[k] > 65535) FailInvalidDate();
  }

  int32_t year = today.Year;
  int32_t month = today.Month;
  int32_t day = 0;
  if (count == 3) {
    year = static_cast<int32_t>(numbers[yearAt - 1]);
    month = static_cast<int32_t>(numbers[monthAt - 1]);
    day = static_cast<int32_t>(numbers[dayAt - 1]);
    if (year <= 99 && !yearInFull) {
      int32_t window = RegionalFormats.TwoDigitYearWindow;
      int32_t base = today.Year - window;
      year += base / 100 * 100;
      if (window > 0 && year < base) year += 100;
    }
  } else if (count == 2) {
    bool dayFirst = monthAt > dayAt;
    day = static_cast<int32_t>(numbers[dayFirst ? 0 : 1]);
    month = static_cast<int32_t>(numbers[dayFirst ? 1 : 0]);
  } else {
    day = static_cast<int32_t>(numbers[0]);
  }

  if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) FailInvalidDate();
  return EncodeDate(year, month, day);
}

DateTimeValue ReadDate(const TText& text, const TText& orderFormat, char separator) {
  return ReadDateAsOf(text, orderFormat, separator, ReadLocalClockCoarse());
}

DateTimeValue ReadTime(const TText& text) {
  const std::string& given = text.Bytes;
  const char timeSep = RegionalFormats.TimeSep;
  const char decimalSep = RegionalFormats.DecimalSep;

  size_t i = given.find_first_not_of(' ');
  if (i == std::string::npos) FailTime(given);

  // Hour, minute, second, millisecond; numbers are begun only where one may start, and a
  // separator's number is awaited until its first digit.
  int32_t numbers[4] = {0, 0, 0, 0};
  int count = 0;
  bool inNumber = false;  // the last thing read, blanks aside, was a digit
  bool mayStart = true;
  bool awaited = false;
  bool decimalRead = false;
  int significant = 0;
  TAmPm amPm = TAmPm::None;
  while (i < given.size()) {
    const char c = given[i];
    if (IsDigit(c)) {
      if (!inNumber) {
        if (!mayStart || count == 4) FailTime(given);
        ++count;
        inNumber = true;
        mayStart = false;
        awaited = false;
        significant = 0;
      }
      int32_t& number = numbers[count - 1];
      if (significant > 0 || c != '0') ++significant;  // leading zeros are not counted
      if (significant > (count == 4 ? 3 : 2)) FailTime(given);
      number = number * 10 + (c - '0');
      ++i;
    } else if (c == timeSep && !(c == decimalSep && count == 3)) {
      if (!inNumber || count > 2) FailTime(given);
      inNumber = false;
      mayStart = awaited = true;
      ++i;
    } else if (c == decimalSep) {
      if (!inNumber || count != 3 || decimalRead) FailTime(given);
      decimalRead = true;
      inNumber = false;
      mayStart = awaited = true;
      ++i;
    } else if (c == ' ') {
      ++i;
    } else {
      size_t end = i;
      while (end < given.size() && given[end] != ' ' && given[end] != timeSep &&
             given[end] != decimalSep && !IsDigit(given[end])) {
        ++end;
      }
      if (amPm != TAmPm::None || awaited) FailTime(given);
      amPm = AmPmOf(given.substr(i, end - i));
      if (amPm == TAmPm::None) FailTime(given);
      inNumber = false;
      mayStart = count == 0;  // numbers may follow a word that opens the text, none other
      i = end;
    }
  }
  if (count == 0 || awaited) FailTime(given);

  int32_t hour = numbers[0];
  if (amPm != TAmPm::None) {
    if (hour < 1 || hour > 12) FailTime(given);
    if (amPm == TAmPm::Pm && hour != 12) hour += 12;
    if (amPm == TAmPm::Am && hour == 12) hour = 0;
  }
  const int32_t minute = numbers[1];
  const int32_t second = numbers[2];
  const int32_t millisecond = numbers[3];
  bool valid = hour < 24 && minute < 60 && second < 60 && millisecond < 1000;
  bool leapSecond = hour == 23 && minute == 59 && second == 60 && millisecond < 1000;
  if (!valid && !leapSecond) FailTime(given);
  return EncodeTime(hour, minute, second, millisecond);
}

DateTimeValue ReadDateTime(const TText& text) {
  const std::string trimmed = TrimControlsAndBlanks(text.Bytes);
  if (trimmed.empty()) FailDateFormat("");
  const char dateSep = RegionalFormats.DateSep;
  const char timeSep = RegionalFormats.TimeSep;

  // Where the date part ends and the time part begins; npos when the text is one part.
  size_t cut = std::string::npos;
  if (dateSep == ' ' && timeSep == ' ' && trimmed.find(' ') != std::string::npos) {
    cut = std::string::npos;
  } else if (dateSep != ' ') {
    for (size_t k = 0; k < trimmed.size() && cut == std::string::npos; ++k) {
      if (IsPartBreak(trimmed[k])) cut = k;
    }
  } else {
    // The date's own blanks come before the first time separator; the last break before it ends
    // the date.
    size_t firstTimeSep = trimmed.find(timeSep);
    for (size_t k = 0; firstTimeSep != std::string::npos && k < firstTimeSep; ++k) {
      if (IsPartBreak(trimmed[k])) cut = k;
    }
  }

  const TText& order = RegionalFormats.ShortDatePattern;
  if (cut != std::string::npos) {
    TText datePart{trimmed.substr(0, cut), text.CodePage};
    TText timePart{TrimControlsAndBlanks(trimmed.substr(cut + 1)), text.CodePage};
    DateTimeValue date = ReadDate(datePart, order, dateSep);  // the date's failure comes first
    return JoinDateTime(date, ReadTime(timePart));
  }

  TText part{trimmed, text.CodePage};
  if (dateSep != timeSep) {
    if (trimmed.find(timeSep) != std::string::npos) return ReadTime(part);
    return ReadDate(part, order, dateSep);
  }
  try {
    return ReadDate(part, order, dateSep);
  } catch (const ConversionError&) {
    return ReadTime(part);
  }
}

DateTimeValue DateTimeFromText(const TText& text, const TText& todayPattern) {
  // The milliseconds are the first three digits after the first full stop; anything after a
  // second one is dropped.
  TText toRead = text;
  size_t firstStop = text.Bytes.find('.');
  if (firstStop != std::string::npos) {
    size_t secondStop = text.Bytes.find('.', firstStop + 1);
    size_t fractionLength =
        secondStop == std::string::npos ? std::string::npos : secondStop - firstStop - 1;
    std::string fraction = text.Bytes.substr(firstStop + 1, fractionLength) + "000";
    toRead.Bytes = text.Bytes.substr(0, firstStop) + "." + fraction.substr(0, 3);
  }
  DateTimeValue value = ReadDateTime(toRead);

  // A time alone lies on 30 December 1899; it is moved to today unless the text named that day.
  const std::string kNoDate = "12/30/1899";
  TText rendered = RenderDateTime(AnsiText("mm/dd/yyyy hh:nn:ss.zzz"), value, true);
  if (rendered.Bytes.compare(0, kNoDate.size(), kNoDate) == 0 &&
      text.Bytes.find(kNoDate) == std::string::npos) {
    TText today = RenderDateTime(todayPattern, CurrentLocalDateTime(), true);
    value = ReadDateTime(ReplaceText(rendered, AnsiText(kNoDate), today, false));
  }
  return value;
}
