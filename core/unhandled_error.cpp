#include "core/unhandled_error.h"

#include <cstdio>

std::string UnhandledIoErrorReport(uintptr_t codeAddress, int ioError, const char* channelName,
                                   uint32_t systemError) {
  char address[16];
  std::snprintf(address, sizeof address, "%08llX", static_cast<unsigned long long>(codeAddress));
  std::string report = "An unhandled exception occurred at $" + std::string(address) + ":\r\n";
  // Every failed write reads "Disk Full", whatever the system said: its own code follows below.
  report += "I/O error " + std::to_string(ioError) + ": Disk Full\r\n";
  report += "  $" + std::string(address) + "  writing to " + channelName + " failed";
  if (systemError != 0) report += " (system error " + std::to_string(systemError) + ")";
  report += "\r\n\r\n";
  return report;
}

void RaiseIoError(uintptr_t codeAddress, int ioError, const char* channelName,
                  uint32_t systemError) {
  WriteErrorAndExit(UnhandledIoErrorReport(codeAddress, ioError, channelName, systemError),
                    UnhandledErrorExitCode);
}
