// Process start-up on Windows: everything read from the system before the core library starts,
// the user default locale's regional formats included.
#include "core/arguments.h"
#include "core/codepage.h"
#include "core/locale.h"
#include "core/process.h"
#include "core/win32.h"

void ProcessStartup() {
  // GetModuleFileNameA fills at most 260 bytes and reports how many it wrote (the path is cut,
  // not failed, when it is longer).
  char modulePath[260];
  DWORD pathLength = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
  if (pathLength > sizeof modulePath) pathLength = sizeof modulePath;
  SplitCommandLine(GetCommandLineA(), std::string_view(modulePath, pathLength));

  StdInputHandle = GetStdHandle(STD_INPUT_HANDLE);
  StdOutputHandle = GetStdHandle(STD_OUTPUT_HANDLE);
  StdErrorHandle = GetStdHandle(STD_ERROR_HANDLE);
  AnsiCodePage = GetACP();
  OemCodePage = GetOEMCP();
  ConsoleOutputCodePage = GetConsoleOutputCP();
  LoadRegionalFormats(RegionalFormats, GetUserDefaultLCID());
}
