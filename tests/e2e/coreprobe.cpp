// A test program linked with the real process start-up and core library, for the end-to-end
// tests of the channels and the regional formats.
//
//   coreprobe formats            prints RegionalFormats and SavedRegionalFormats as loaded, and
//                                the same items as the platform gives them (GetLocaleInfoA), one
//                                "name=HEX" line each
//   coreprobe write [-err] [-wait] TEXT...
//                                writes each TEXT (an ANSI text) as a line to OutChannel (with
//                                -err to InfoChannel); with -wait it reads standard input to its
//                                end before the last line
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/arguments.h"
#include "core/channel.h"
#include "core/core_state.h"
#include "core/locale.h"
#include "core/process.h"

namespace {

void Print(const std::string& name, const std::string& bytes) {
  std::printf("%s=", name.c_str());
  for (unsigned char c : bytes) std::printf("%02X", c);
  std::printf("\n");
}

void PrintFormats(const char* prefix, const TRegionalFormatsRec& f) {
  std::string p = prefix;
  Print(p + "TimeSep", std::string(1, f.TimeSep));
  Print(p + "DateSep", std::string(1, f.DateSep));
  Print(p + "DecimalSep", std::string(1, f.DecimalSep));
  Print(p + "ThousandSep", std::string(1, f.ThousandSep));
  Print(p + "ListSep", std::string(1, f.ListSep));
  Print(p + "AmText", f.AmText.Bytes);
  Print(p + "PmText", f.PmText.Bytes);
  Print(p + "ShortDatePattern", f.ShortDatePattern.Bytes);
  Print(p + "LongDatePattern", f.LongDatePattern.Bytes);
  Print(p + "ShortTimePattern", f.ShortTimePattern.Bytes);
  Print(p + "LongTimePattern", f.LongTimePattern.Bytes);
  Print(p + "CurrencySymbol", f.CurrencySymbol.Bytes);
  for (int i = 0; i < 12; ++i) {
    Print(p + "MonthAbbrevs" + std::to_string(i + 1), f.MonthAbbrevs[i].Bytes);
    Print(p + "MonthNames" + std::to_string(i + 1), f.MonthNames[i].Bytes);
  }
  for (int i = 0; i < 7; ++i) {  // entry 0 is Sunday
    Print(p + "DayAbbrevs" + std::to_string(i), f.DayAbbrevs[i].Bytes);
    Print(p + "DayNames" + std::to_string(i), f.DayNames[i].Bytes);
  }
}

// The platform's own answer for an item, in the ANSI code page.
std::string Platform(LCID locale, LCTYPE item) {
  char buffer[256];
  int n = GetLocaleInfoA(locale, item, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, n - 1) : std::string();
}

void PrintPlatform(const char* prefix, LCID id) {
  std::string p = prefix;
  Print(p + "TimeSep", Platform(id, LOCALE_STIME).substr(0, 1));
  Print(p + "DecimalSep", Platform(id, LOCALE_SDECIMAL).substr(0, 1));
  Print(p + "AmText", Platform(id, LOCALE_S1159));
  Print(p + "PmText", Platform(id, LOCALE_S2359));
  Print(p + "ITime", Platform(id, LOCALE_ITIME));
  Print(p + "ITLZero", Platform(id, LOCALE_ITLZERO));
  for (int i = 0; i < 12; ++i) {
    Print(p + "MonthAbbrevs" + std::to_string(i + 1), Platform(id, LOCALE_SABBREVMONTHNAME1 + i));
    Print(p + "MonthNames" + std::to_string(i + 1), Platform(id, LOCALE_SMONTHNAME1 + i));
  }
  for (int i = 0; i < 7; ++i) {
    int day = (i + 6) % 7;  // Sunday is the locale's day 7
    Print(p + "DayAbbrevs" + std::to_string(i), Platform(id, LOCALE_SABBREVDAYNAME1 + day));
    Print(p + "DayNames" + std::to_string(i), Platform(id, LOCALE_SDAYNAME1 + day));
  }
}

}  // namespace

int main() {
  ProcessStartup();
  CoreStartup();
  std::string mode = ProgramArgument(1).Bytes;
  if (mode == "formats") {
    PrintFormats("loaded.", RegionalFormats);
    PrintFormats("saved.", SavedRegionalFormats);
    PrintPlatform("system.", LOCALE_SYSTEM_DEFAULT);
    PrintPlatform("user.", LOCALE_USER_DEFAULT);
    std::fflush(stdout);
  } else if (mode == "write") {
    TChannelRec* channel = &OutChannel;
    bool wait = false;
    int i = 2;
    for (; i <= ProgramArgumentCount() && ProgramArgument(i).Bytes[0] == '-'; ++i) {
      if (ProgramArgument(i).Bytes == "-err") channel = &InfoChannel;
      if (ProgramArgument(i).Bytes == "-wait") wait = true;
    }
    for (; i <= ProgramArgumentCount(); ++i) {
      if (wait && i == ProgramArgumentCount()) {
        char sink[256];
        DWORD got;
        while (ReadFile(StdInputHandle, sink, sizeof sink, &got, nullptr) && got > 0) {
        }
      }
      WriteText(*channel, ProgramArgument(i));
      EndLine(*channel);
    }
  }
  CoreShutdown();
  ExitProcess(static_cast<UINT>(ExitCode));
}
