// The rules of the regional formats load, over the platform's locale lookups.
#include "core/locale.h"

namespace {

// A decimal integer: an optional sign and at least one digit, nothing else.
bool ParseInteger(const std::string& text, int* value) {
  size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  if (i == text.size() || text.size() - i > 9) return false;
  long number = 0;
  for (size_t k = i; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
    number = number * 10 + (text[k] - '0');
  }
  *value = static_cast<int>(text[0] == '-' ? -number : number);
  return true;
}

}  // namespace

int LocaleNumber(uint32_t localeId, uint32_t item, const TText& fallbackText, int fallbackNumber) {
  int value;
  return ParseInteger(LocaleText(localeId, item, fallbackText).Bytes, &value) ? value
                                                                              : fallbackNumber;
}

void LoadRegionalFormats(TRegionalFormatsRec& f, uint32_t id) {
  using namespace LocaleItem;
  for (uint32_t i = 0; i < 12; ++i) {
    f.MonthAbbrevs[i] = LocaleText(id, SAbbrevMonthName1 + i, f.MonthAbbrevs[i]);
    f.MonthNames[i] = LocaleText(id, SMonthName1 + i, f.MonthNames[i]);
  }
  // Entry 0 is Sunday, which the locale numbers last (Monday is day name 1).
  for (uint32_t i = 0; i < 7; ++i) {
    uint32_t d = (i + 6) % 7;
    f.DayAbbrevs[i] = LocaleText(id, SAbbrevDayName1 + d, f.DayAbbrevs[i]);
    f.DayNames[i] = LocaleText(id, SDayName1 + d, f.DayNames[i]);
  }
  // CoreStartup overwrites these three; they are loaded all the same.
  f.DateSep = LocaleChar(id, SDate, '/');
  f.ShortDatePattern = LocaleText(id, SShortDate, AnsiText("m/d/yy"));
  f.LongDatePattern = LocaleText(id, SLongDate, AnsiText("mmmm d, yyyy"));

  f.TimeSep = LocaleChar(id, STime, ':');
  f.AmText = LocaleText(id, S1159, AnsiText("AM"));
  f.PmText = LocaleText(id, S2359, AnsiText("PM"));

  std::string hour = LocaleNumber(id, ITLZero, AnsiText("0"), 0) != 0 ? "hh" : "h";
  f.ShortTimePattern = AnsiText(hour + ":nn");
  f.LongTimePattern = AnsiText(hour + ":nn:ss");
  if (LocaleNumber(id, ITime, AnsiText("0"), 1) == 0) {  // a 12-hour clock
    f.LongTimePattern.Bytes += " AMPM";
    f.ShortTimePattern.Bytes += " AMPM";
  }

  f.CurrencySymbol = LocaleText(id, SCurrency, TText{});
  f.CurrencyFormatCode = static_cast<uint8_t>(LocaleNumber(id, ICurrency, AnsiText("0"), 0));
  f.NegCurrencyFormatCode = static_cast<uint8_t>(LocaleNumber(id, INegCurr, AnsiText("0"), 0));
  f.ThousandSep = LocaleChar(id, SThousand, ',');
  f.DecimalSep = LocaleChar(id, SDecimal, '.');
  f.CurrencyDigits = static_cast<uint8_t>(LocaleNumber(id, ICurrDigits, AnsiText("0"), 0));
  f.ListSep = LocaleChar(id, SList, ',');
}
