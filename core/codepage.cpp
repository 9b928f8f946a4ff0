// The code page state and rules shared by both builds.
#include "core/codepage.h"

#include "core/text.h"

uint32_t AnsiCodePage = 1252;
uint32_t OemCodePage = 437;

uint32_t ResolveCodePage(uint32_t tag) {
  if (tag == CodePageAnsi) return AnsiCodePage;
  if (tag == CodePageOem) return OemCodePage;
  return tag;
}

uint32_t MultiByteFlagsFor(uint32_t codePage) {
  constexpr uint32_t kPrecomposed = 1;  // MB_PRECOMPOSED
  switch (codePage) {
    case 42:
    case 50220:
    case 50221:
    case 50222:
    case 50225:
    case 50227:
    case 50229:
    case 65000:
    case 65001:
      return 0;
    default:
      return codePage >= 57002 && codePage <= 57011 ? 0 : kPrecomposed;
  }
}
