// The regional formats record: separators, date and time patterns, AM and PM texts and day and
// month names, as all date and time text reads them. RegionalFormats is the process-wide one.
#ifndef CHRONEX_CORE_REGIONAL_FORMATS_H_
#define CHRONEX_CORE_REGIONAL_FORMATS_H_

#include <cstdint>

#include "core/text.h"

/// Regional formats; fields in the order of the system's locale load. Every text is ANSI.
/// The initial values are those of the English (United States) locale; the locale load keeps an
/// entry's value wherever the locale gives nothing for it.
struct TRegionalFormatsRec {
  uint8_t CurrencyFormatCode = 0;
  uint8_t NegCurrencyFormatCode = 0;
  char ThousandSep = ',';
  char DecimalSep = '.';
  uint8_t CurrencyDigits = 2;
  char DateSep = '/';
  char TimeSep = ':';
  char ListSep = ',';
  TText CurrencySymbol = AnsiText("$");
  TText ShortDatePattern = AnsiText("m/d/yy");
  TText LongDatePattern = AnsiText("mmmm d, yyyy");
  TText AmText = AnsiText("AM");
  TText PmText = AnsiText("PM");
  TText ShortTimePattern = AnsiText("h:nn AMPM");
  TText LongTimePattern = AnsiText("h:nn:ss AMPM");
  TText MonthAbbrevs[12] = {AnsiText("Jan"), AnsiText("Feb"), AnsiText("Mar"), AnsiText("Apr"),
                            AnsiText("May"), AnsiText("Jun"), AnsiText("Jul"), AnsiText("Aug"),
                            AnsiText("Sep"), AnsiText("Oct"), AnsiText("Nov"), AnsiText("Dec")};
  TText MonthNames[12] = {AnsiText("January"), AnsiText("February"), AnsiText("March"),
                          AnsiText("April"),   AnsiText("May"),      AnsiText("June"),
                          AnsiText("July"),    AnsiText("August"),   AnsiText("September"),
                          AnsiText("October"), AnsiText("November"), AnsiText("December")};
  /// Entry 0 is Sunday, entry 6 Saturday.
  TText DayAbbrevs[7] = {AnsiText("Sun"), AnsiText("Mon"), AnsiText("Tue"), AnsiText("Wed"),
                         AnsiText("Thu"), AnsiText("Fri"), AnsiText("Sat")};
  TText DayNames[7] = {AnsiText("Sunday"),    AnsiText("Monday"),   AnsiText("Tuesday"),
                       AnsiText("Wednesday"), AnsiText("Thursday"), AnsiText("Friday"),
                       AnsiText("Saturday")};
  uint16_t TwoDigitYearWindow = 50;
};

/// The formats every date and time operation reads. Process start-up fills it from the user
/// default locale; CoreStartup reloads it from the system default locale and forces four fields.
extern TRegionalFormatsRec RegionalFormats;

#endif  // CHRONEX_CORE_REGIONAL_FORMATS_H_
