// The argument table: the program's own command line split into arguments once, at process
// start, and read by everything else through ProgramArgumentCount and ProgramArgument.
#ifndef CHRONEX_CORE_ARGUMENTS_H_
#define CHRONEX_CORE_ARGUMENTS_H_

#include <string_view>
#include <vector>

#include "core/text.h"

/// The tokens of a command line after the first (the program's name as typed), by chronex's
/// rules: bytes 1 to 32 separate tokens outside quotes; a lone double quote toggles quoting and a
/// doubled one vanishes; there is no escape character; a NUL byte ends the line. Empty tokens
/// count. Sets *tokenCount to the number of tokens, the first included (0 for a blank line).
std::vector<TText> SplitCommandLineText(std::string_view commandLine, int* tokenCount);

/// Fills the argument table from the process command line and the executable's path (entry 0).
/// Process start-up calls it once with GetCommandLineA and GetModuleFileNameA.
void SplitCommandLine(std::string_view commandLine, std::string_view modulePath);

/// The number of arguments after the program's name; -1 when the command line held no token.
int ProgramArgumentCount();

/// Argument i: for 0 the executable's path cut to 255 bytes, for 1 to ProgramArgumentCount the
/// argument, and the empty text for any other index.
TText ProgramArgument(int i);

#endif  // CHRONEX_CORE_ARGUMENTS_H_
