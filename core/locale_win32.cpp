// The locale lookups on Windows: texts through GetLocaleInfoW (then to the ANSI code page),
// single characters through GetLocaleInfoA.
#include <vector>

#include "core/locale.h"
#include "core/win32.h"

static_assert(LocaleItem::SList == LOCALE_SLIST && LocaleItem::SDecimal == LOCALE_SDECIMAL &&
              LocaleItem::SThousand == LOCALE_STHOUSAND &&
              LocaleItem::SCurrency == LOCALE_SCURRENCY &&
              LocaleItem::ICurrDigits == LOCALE_ICURRDIGITS &&
              LocaleItem::ICurrency == LOCALE_ICURRENCY &&
              LocaleItem::INegCurr == LOCALE_INEGCURR && LocaleItem::SDate == LOCALE_SDATE &&
              LocaleItem::STime == LOCALE_STIME && LocaleItem::SShortDate == LOCALE_SSHORTDATE &&
              LocaleItem::SLongDate == LOCALE_SLONGDATE && LocaleItem::ITime == LOCALE_ITIME &&
              LocaleItem::ITLZero == LOCALE_ITLZERO && LocaleItem::S1159 == LOCALE_S1159 &&
              LocaleItem::S2359 == LOCALE_S2359 && LocaleItem::SDayName1 == LOCALE_SDAYNAME1 &&
              LocaleItem::SAbbrevDayName1 == LOCALE_SABBREVDAYNAME1 &&
              LocaleItem::SMonthName1 == LOCALE_SMONTHNAME1 &&
              LocaleItem::SAbbrevMonthName1 == LOCALE_SABBREVMONTHNAME1 &&
              LocaleSystemDefault == LOCALE_SYSTEM_DEFAULT);

TText LocaleText(uint32_t localeId, uint32_t item, const TText& fallback) {
  int length = GetLocaleInfoW(localeId, item, nullptr, 0);  // characters, the NUL included
  if (length < 1) return fallback;
  if (length == 1) return TText{};
  std::vector<wchar_t> wide(length);
  GetLocaleInfoW(localeId, item, wide.data(), length);
  int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length - 1, nullptr, 0, nullptr, nullptr);
  std::string text(bytes > 0 ? bytes : 0, '\0');
  if (bytes > 0) {
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length - 1, text.data(), bytes, nullptr, nullptr);
  }
  return AnsiText(text);
}

char LocaleChar(uint32_t localeId, uint32_t item, char fallback) {
  char buffer[4];
  return GetLocaleInfoA(localeId, item, buffer, sizeof buffer) < 1 ? fallback : buffer[0];
}
