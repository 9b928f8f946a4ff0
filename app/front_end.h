// The front end's state for its one run, and the classification of argument 1.
#ifndef CHRONEX_APP_FRONT_END_H_
#define CHRONEX_APP_FRONT_END_H_

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

/// Releases the front end's texts.
void ReleaseFrontEnd();

#endif  // CHRONEX_APP_FRONT_END_H_
