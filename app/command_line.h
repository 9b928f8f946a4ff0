// Rebuilding the command line to time from the program's arguments.
#ifndef CHRONEX_APP_COMMAND_LINE_H_
#define CHRONEX_APP_COMMAND_LINE_H_

#include "core/text.h"

/// Arguments 1 to n joined by blanks, each passed through QuoteIfNeeded, with a leading
/// "CMD"/"CMD.EXE" and "/C"/"/K" pair dropped (letters compared without case; only when three
/// arguments or more are given). Bytes 0 to 32 are trimmed from both ends. May be empty.
TText BuildCommandLine();

#endif  // CHRONEX_APP_COMMAND_LINE_H_
