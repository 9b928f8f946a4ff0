// The end of the process by an error that nothing handles: a report on standard error, then
// exit code 217. In chronex only a failed write to a channel gets here.
#ifndef CHRONEX_CORE_UNHANDLED_ERROR_H_
#define CHRONEX_CORE_UNHANDLED_ERROR_H_

#include <cstdint>
#include <string>

constexpr int UnhandledErrorExitCode = 217;
constexpr int IoErrorWriteFailed = 101;

/// The report's text: "An unhandled exception occurred at $XXXXXXXX:", a line naming the error
/// ("I/O error 101: Disk Full"), a line saying what was being done, and an empty line; CR LF.
std::string UnhandledIoErrorReport(uintptr_t codeAddress, int ioError, const char* channelName,
                                   uint32_t systemError);

/// Writes the report for I/O error `ioError` straight to standard error and ends the process
/// with exit code 217.
[[noreturn]] void RaiseIoError(uintptr_t codeAddress, int ioError, const char* channelName,
                               uint32_t systemError);

/// The platform's last step: the bytes to standard error as they are, then the process ends.
[[noreturn]] void WriteErrorAndExit(const std::string& report, int exitCode);

#endif  // CHRONEX_CORE_UNHANDLED_ERROR_H_
