// The usage screen that the help switches print on standard output.
#ifndef CHRONEX_APP_USAGE_H_
#define CHRONEX_APP_USAGE_H_

#include <string_view>

/// Writes the title between two rules of as many "-" as it has characters, a line each.
void WriteSectionHeader(std::string_view title);

/// Writes the brief usage screen to OutChannel, or the extended one when ExtendedHelp is set.
void ShowUsage();

#endif  // CHRONEX_APP_USAGE_H_
