// The report of a timed run, written to OutChannel a line at a time, so that its first three
// items can be read while the command runs.
#ifndef CHRONEX_APP_REPORT_H_
#define CHRONEX_APP_REPORT_H_

#include <cstdint>

#include "core/datetime.h"
#include "core/text.h"

/// How the report shows a moment (Fri 05/24/2024 at 15:02:51.123) and an interval (27:04:05.006).
extern const TText ReportTimePattern;
extern const TText ReportElapsedPattern;

/// Items 1 to 3: an empty line, the command line, and the start line with an empty line after it.
void WriteReportOpening(const TText& commandLine, DateTimeValue startTime);

/// Item 4: the captured output as it came, and a line end.
void WriteCapturedOutput(const TText& capturedOutput);

/// Items 5 to 8: start, end and elapsed times, and the ERRORLEVEL line with the command's
/// status and the tool's exit code, each of the last two followed by an empty line.
void WriteReportClosing(DateTimeValue startTime, DateTimeValue endTime, int32_t commandExitStatus,
                        int32_t exitCode);

#endif  // CHRONEX_APP_REPORT_H_
