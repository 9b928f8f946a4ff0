// RenderDateTime: a date-time value as text by a pattern of the date and time pattern language,
// over the process-wide RegionalFormats. Decoding happens once; expansions of the locale's date
// and time patterns render into the same 255-character text.
//
// Era runs: values here are always of the Gregorian calendar, which has a single era over the
// years 1 to 9999, and RegionalFormats holds no era names. A run of e prints the year of the era,
// which is the year, padded to the run's length (e 2024, eeeee 02024, e for year 5 gives 5); a run
// of g, the era's name, prints nothing. Both count as tokens for the rule for m.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/codepage.h"
#include "core/datetime.h"
#include "core/regional_formats.h"

namespace {

// The result is built in a buffer of this many characters and always leaves its last one free.
constexpr size_t kBufferSize = 256;

enum class TExpansion { None, Date, Time };

// One rendering: the text so far and what every element of it reads.
struct TRenderRec {
  std::string Text;
  TDateTimePartsRec Parts;
  int64_t WholeDays = 0;  // of the interval, for the interval totals
  bool AsInterval = false;
};

// The scan state of one pattern; an expansion starts a fresh one.
struct TScanRec {
  bool IntervalMode = false;
  char Previous = ' ';        // the last run's letter, upper-cased, or a blank
  char BeforePrevious = 'H';  // the one before it
};

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsRunLetter(char upper) {
  switch (upper) {
    case 'C':
    case 'D':
    case 'E':
    case 'F':
    case 'G':
    case 'H':
    case 'M':
    case 'N':
    case 'S':
    case 'T':
    case 'Y':
    case 'Z':
      return true;
    default:
      return false;
  }
}

// True when the pattern holds `element` (upper case) at `at`, in any case.
bool HasElementAt(std::string_view pattern, size_t at, std::string_view element) {
  if (pattern.size() - at < element.size()) return false;
  for (size_t k = 0; k < element.size(); ++k) {
    if (UpperAscii(pattern[at + k]) != element[k]) return false;
  }
  return true;
}

bool IsAmPmElementAt(std::string_view pattern, size_t at) {
  return HasElementAt(pattern, at, "AMPM") || HasElementAt(pattern, at, "AM/PM") ||
         HasElementAt(pattern, at, "A/P");
}

// The 12-hour clock is in use when an AM/PM element stands outside quoted text.
bool UsesTwelveHourClock(std::string_view pattern) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c == '"' || c == '\'') {
      size_t close = pattern.find(c, i + 1);
      if (close == std::string_view::npos) return false;
      i = close;
    } else if (UpperAscii(c) == 'A' && IsAmPmElementAt(pattern, i)) {
      return true;
    }
  }
  return false;
}

// Every piece goes in whole or not at all.
void Append(TRenderRec& render, std::string_view piece) {
  if (render.Text.size() + piece.size() < kBufferSize) render.Text.append(piece);
}

// A number in decimal with leading zeros up to `digits` digits; never cut.
void AppendNumber(TRenderRec& render, int64_t number, size_t digits) {
  if (digits >= kBufferSize) return;  // could never fit
  std::string text = std::to_string(number);
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  Append(render, text);
}

// The text of a RegionalFormats field or of a pattern in the ANSI code page.
std::string AnsiBytes(const TText& text) {
  uint32_t codePage = ResolveCodePage(text.CodePage);
  if (codePage == AnsiCodePage) return text.Bytes;
  return ConvertCodePage(text.Bytes, codePage, AnsiCodePage);
}

int64_t TotalHours(const TRenderRec& render) { return render.WholeDays * 24 + render.Parts.Hour; }
int64_t TotalMinutes(const TRenderRec& render) {
  return TotalHours(render) * 60 + render.Parts.Minute;
}
int64_t TotalSeconds(const TRenderRec& render) {
  return TotalMinutes(render) * 60 + render.Parts.Second;
}

void RenderPattern(TRenderRec& render, std::string_view pattern, TExpansion expansion);

// A date or time expansion of a RegionalFormats pattern; only a top-level pattern may expand.
void Expand(TRenderRec& render, const TText& format, TExpansion kind, TExpansion current) {
  if (current != TExpansion::None) return;
  RenderPattern(render, AnsiBytes(format), kind);
}

void RenderRun(TRenderRec& render, const TScanRec& scan, char letter, size_t length,
               TExpansion expansion, bool twelveHour) {
  const TDateTimePartsRec& parts = render.Parts;
  const TRegionalFormatsRec& formats = RegionalFormats;
  size_t shortOrTwo = length == 1 ? 1 : 2;
  switch (letter) {
    case 'Y':
      if (length <= 2) {
        AppendNumber(render, parts.Year % 100, 2);
      } else {
        AppendNumber(render, parts.Year, 4);
      }
      break;
    case 'D':
      if (length <= 2) {
        AppendNumber(render, parts.Day, length);
      } else if (length == 3) {
        Append(render, AnsiBytes(formats.DayAbbrevs[parts.Weekday - 1]));
      } else if (length == 4) {
        Append(render, AnsiBytes(formats.DayNames[parts.Weekday - 1]));
      } else if (length == 5) {
        Expand(render, formats.ShortDatePattern, TExpansion::Date, expansion);
      } else {
        Expand(render, formats.LongDatePattern, TExpansion::Date, expansion);
      }
      break;
    case 'M':
      if (scan.IntervalMode && (scan.BeforePrevious == 'H' || expansion == TExpansion::Time)) {
        AppendNumber(render, TotalMinutes(render), 1);
      } else if (scan.Previous == 'H' || expansion == TExpansion::Time) {
        AppendNumber(render, parts.Minute, shortOrTwo);
      } else if (length <= 2) {
        AppendNumber(render, parts.Month, length);
      } else if (parts.Month >= 1 && parts.Month <= 12) {  // no names before 1 January 1
        Append(render, AnsiBytes(length == 3 ? formats.MonthAbbrevs[parts.Month - 1]
                                             : formats.MonthNames[parts.Month - 1]));
      }
      break;
    case 'H':
      if (scan.IntervalMode) {
        AppendNumber(render, TotalHours(render), length);
      } else if (twelveHour) {
        AppendNumber(render, parts.Hour % 12 == 0 ? 12 : parts.Hour % 12, shortOrTwo);
      } else {
        AppendNumber(render, parts.Hour, shortOrTwo);
      }
      break;
    case 'N':
      if (scan.IntervalMode) {
        AppendNumber(render, TotalMinutes(render), length);
      } else {
        AppendNumber(render, parts.Minute, shortOrTwo);
      }
      break;
    case 'S':
      if (scan.IntervalMode) {
        AppendNumber(render, TotalSeconds(render), length);
      } else {
        AppendNumber(render, parts.Second, shortOrTwo);
      }
      break;
    case 'Z':
      AppendNumber(render, parts.Millisecond, length == 1 ? 1 : 3);
      break;
    case 'T':
      Expand(render, length == 1 ? formats.ShortTimePattern : formats.LongTimePattern,
             TExpansion::Time, expansion);
      break;
    case 'C':
    case 'F':
      if (expansion != TExpansion::None) break;
      Expand(render, formats.ShortDatePattern, TExpansion::Date, expansion);
      if (letter == 'F' || parts.Hour != 0 || parts.Minute != 0 || parts.Second != 0) {
        Append(render, " ");
        Expand(render, formats.LongTimePattern, TExpansion::Time, expansion);
      }
      break;
    case 'E':
      AppendNumber(render, parts.Year, length);
      break;
    case 'G':
      break;
  }
}

void RenderPattern(TRenderRec& render, std::string_view pattern, TExpansion expansion) {
  const bool twelveHour = UsesTwelveHourClock(pattern);
  const bool below12 = render.Parts.Hour < 12;
  TScanRec scan;
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    const char upper = UpperAscii(c);
    if (c == '"' || c == '\'') {
      size_t close = pattern.find(c, i + 1);
      size_t end = close == std::string_view::npos ? pattern.size() : close;
      Append(render, pattern.substr(i + 1, end - (i + 1)));
      i = close == std::string_view::npos ? pattern.size() : close + 1;
    } else if (c == ' ') {
      size_t end = pattern.find_first_not_of(' ', i);
      if (end == std::string_view::npos) end = pattern.size();
      Append(render, pattern.substr(i, end - i));
      scan.BeforePrevious = scan.Previous;
      scan.Previous = ' ';
      i = end;
    } else if (c == '/' || c == ':') {
      char separator = c == '/' ? RegionalFormats.DateSep : RegionalFormats.TimeSep;
      if (separator != '\0') Append(render, std::string_view(&separator, 1));
      ++i;
    } else if ((c == '[' || c == ']') && render.AsInterval) {
      scan.IntervalMode = c == '[';
      ++i;
    } else if (upper == 'A') {
      if (HasElementAt(pattern, i, "AMPM")) {
        Append(render, AnsiBytes(below12 ? RegionalFormats.AmText : RegionalFormats.PmText));
        i += 4;
      } else if (HasElementAt(pattern, i, "AM/PM")) {
        Append(render, pattern.substr(below12 ? i : i + 3, 2));
        i += 5;
      } else if (HasElementAt(pattern, i, "A/P")) {
        Append(render, pattern.substr(below12 ? i : i + 2, 1));
        i += 3;
      } else {
        throw ConversionError{"Illegal character in format string"};
      }
    } else if (IsRunLetter(upper)) {
      size_t end = i + 1;
      while (end < pattern.size() && UpperAscii(pattern[end]) == upper) ++end;
      RenderRun(render, scan, upper, end - i, expansion, twelveHour);
      scan.BeforePrevious = scan.Previous;
      scan.Previous = upper;
      i = end;
    } else {
      Append(render, std::string_view(&upper, 1));
      ++i;
    }
  }
}

}  // namespace

TText RenderDateTime(const TText& pattern, DateTimeValue value, bool asInterval) {
  TRenderRec render;
  render.Parts = DecodeDateTime(value);
  render.AsInterval = asInterval;

  render.WholeDays = IntervalWholeDays(value, render.Parts);

  std::string bytes = pattern.Empty() ? std::string("c") : AnsiBytes(pattern);
  RenderPattern(render, bytes, TExpansion::None);
  if (asInterval && value < 0) render.Text.insert(0, "-");
  return AnsiText(render.Text);
}
