// Loading the regional formats from a Windows locale. The load's rules are portable; the two
// lookups, LocaleText and LocaleChar, are the platform's (locale_win32.cpp), with a table-driven
// stand-in in the native build (locale_native.cpp).
#ifndef CHRONEX_CORE_LOCALE_H_
#define CHRONEX_CORE_LOCALE_H_

#include <cstdint>

#include "core/regional_formats.h"
#include "core/text.h"

/// LOCALE_SYSTEM_DEFAULT: every lookup of CoreStartup's load names the system locale.
constexpr uint32_t LocaleSystemDefault = 0x800;

/// The locale items chronex reads (the Win32 LCTYPE numbers; locale_win32.cpp checks them).
namespace LocaleItem {
constexpr uint32_t SList = 0x0C;
constexpr uint32_t SDecimal = 0x0E;
constexpr uint32_t SThousand = 0x0F;
constexpr uint32_t SCurrency = 0x14;
constexpr uint32_t ICurrDigits = 0x19;
constexpr uint32_t ICurrency = 0x1B;
constexpr uint32_t INegCurr = 0x1C;
constexpr uint32_t SDate = 0x1D;
constexpr uint32_t STime = 0x1E;
constexpr uint32_t SShortDate = 0x1F;
constexpr uint32_t SLongDate = 0x20;
constexpr uint32_t ITime = 0x23;
constexpr uint32_t ITLZero = 0x25;
constexpr uint32_t S1159 = 0x28;
constexpr uint32_t S2359 = 0x29;
constexpr uint32_t SDayName1 = 0x2A;        // Monday; +6 is Sunday
constexpr uint32_t SAbbrevDayName1 = 0x31;  // Monday
constexpr uint32_t SMonthName1 = 0x38;
constexpr uint32_t SAbbrevMonthName1 = 0x44;
}  // namespace LocaleItem

/// The locale's text for the item, in the ANSI code page; the fallback when it has none.
TText LocaleText(uint32_t localeId, uint32_t item, const TText& fallback);

/// The first byte of the locale's value for the item; the fallback when it has none or the
/// value is longer than three bytes.
char LocaleChar(uint32_t localeId, uint32_t item, char fallback);

/// The locale's text (or the fallback text) read as a decimal integer; the fallback number when
/// it is no integer.
int LocaleNumber(uint32_t localeId, uint32_t item, const TText& fallbackText, int fallbackNumber);

/// Loads names, separators, AM/PM texts and the time patterns from the locale into formats;
/// each entry the locale lacks keeps its value. TwoDigitYearWindow is not touched.
void LoadRegionalFormats(TRegionalFormatsRec& formats, uint32_t localeId);

#endif  // CHRONEX_CORE_LOCALE_H_
