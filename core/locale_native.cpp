// Native stand-in for the locale lookups: a table that tests fill (NativeLocaleTable in
// locale_native.h); an item missing from it gives the fallback, as a locale without it does.
#include "core/locale_native.h"

std::map<uint32_t, std::string> NativeLocaleTable;

TText LocaleText(uint32_t, uint32_t item, const TText& fallback) {
  auto found = NativeLocaleTable.find(item);
  return found == NativeLocaleTable.end() ? fallback : AnsiText(found->second);
}

char LocaleChar(uint32_t, uint32_t item, char fallback) {
  auto found = NativeLocaleTable.find(item);
  if (found == NativeLocaleTable.end() || found->second.size() > 3) return fallback;
  return found->second.empty() ? '\0' : found->second[0];
}
