// The main routine: the help switches, or a timed run of the command and its report.
#ifndef CHRONEX_APP_MAIN_ROUTINE_H_
#define CHRONEX_APP_MAIN_ROUTINE_H_

#include <cstdint>

#include "app/runner.h"

/// The capture limit the tool runs with; a test build of the program sets a small one.
#ifndef CHRONEX_CAPTURE_LIMIT
#define CHRONEX_CAPTURE_LIMIT DefaultCaptureLimit
#endif

/// Exit codes beside 0 (a timed run) and 255 (help): the command could not be started, and its
/// output was cut for want of memory.
constexpr int32_t ExitCodeHelp = 255;
constexpr int32_t ExitCodeStartFailed = 1;
constexpr int32_t ExitCodeOutputCut = 2;

/// Runs once, between CoreStartup and CoreShutdown, and sets ExitCode.
void MainRoutine();

#endif  // CHRONEX_APP_MAIN_ROUTINE_H_
