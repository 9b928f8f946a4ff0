// The regional formats chronex runs with after its start-up, with English names, for the tests
// and fuzz targets of everything that reads RegionalFormats.
#ifndef CHRONEX_TESTS_SYSTEM_FORMATS_H_
#define CHRONEX_TESTS_SYSTEM_FORMATS_H_

#include "core/regional_formats.h"

/// "/" and "mm/dd/yyyy" for dates, ":" and "hh:nn:ss" for times, "." before the milliseconds,
/// and the long patterns of an English (United States) system.
inline TRegionalFormatsRec SystemFormats() {
  TRegionalFormatsRec formats;
  formats.DateSep = '/';
  formats.TimeSep = ':';
  formats.DecimalSep = '.';
  formats.ShortDatePattern = AnsiText("mm/dd/yyyy");
  formats.ShortTimePattern = AnsiText("hh:nn:ss");
  formats.LongDatePattern = AnsiText("dddd, mmmm dd, yyyy");
  formats.LongTimePattern = AnsiText("h:nn:ss AMPM");
  return formats;
}

#endif  // CHRONEX_TESTS_SYSTEM_FORMATS_H_
