// The table of command lines, shared by the native test of splitting and rebuilding and by the
// Windows test that hands each line to a real process.
#ifndef CHRONEX_TESTS_UNIT_COMMAND_LINE_CASES_H_
#define CHRONEX_TESTS_UNIT_COMMAND_LINE_CASES_H_

#include <string>
#include <vector>

struct TCommandLineCase {
  std::string Tail;                    // what follows the program's name and one blank
  std::vector<std::string> Arguments;  // arguments 1 to n
  std::string Rebuilt;                 // what BuildCommandLine returns
};

extern const std::vector<TCommandLineCase> CommandLineCases;

#endif  // CHRONEX_TESTS_UNIT_COMMAND_LINE_CASES_H_
