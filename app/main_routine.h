// The main routine: the help switches or a timed run of the command, and its report.
#ifndef CHRONEX_APP_MAIN_ROUTINE_H_
#define CHRONEX_APP_MAIN_ROUTINE_H_

#include <cstdint>

#include "core/text.h"

/// Argument 1 with its letters a to z upper-cased; empty without arguments.
extern TText FirstArgument;
/// Set when FirstArgument asks for the extended help ("-??", "/??", "--??", "--INFO").
extern bool ExtendedHelp;
/// The command line to time, as BuildCommandLine rebuilt it.
extern TText CommandLine;
/// Everything the command wrote to standard output and standard error.
extern TText CapturedOutput;
/// The command's exit status, 0 until a run sets it.
extern int32_t CommandExitStatus;

/// Sets FirstArgument and ExtendedHelp from argument 1; true when it is a help switch. Only
/// argument 1 counts, compared after upper-casing.
bool ClassifyFirstArgument();

/// Runs once, between CoreStartup and CoreShutdown: the help branch (exit code 255) or the timed
/// run and its report (exit code 0; 1 when the command could not be started, 2 when its output
/// was cut for want of memory). Sets ExitCode.
void MainRoutine();

/// Releases the front end's texts.
void ReleaseFrontEnd();

#endif  // CHRONEX_APP_MAIN_ROUTINE_H_
