// BuildCommandLine: the arguments as the user typed them for the interpreter, re-quoted.
#include "app/command_line.h"

#include "core/arguments.h"

namespace {

bool IsInterpreterInvocation() {
  std::string program = UpperCaseAscii(ProgramArgument(1).Bytes);
  std::string option = UpperCaseAscii(ProgramArgument(2).Bytes);
  return (program == "CMD" || program == "CMD.EXE") && (option == "/C" || option == "/K");
}

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

TText BuildCommandLine() {
  int startIndex = 1;
  if (ProgramArgumentCount() > 2 && IsInterpreterInvocation()) startIndex = 3;

  std::string line;
  for (int i = startIndex; i <= ProgramArgumentCount(); ++i) {
    line += QuoteIfNeeded(ProgramArgument(i)).Bytes;
    line += ' ';
  }
  size_t first = 0;
  while (first < line.size() && IsTrimmed(line[first])) ++first;
  size_t last = line.size();
  while (last > first && IsTrimmed(line[last - 1])) --last;
  return AnsiText(std::string_view(line).substr(first, last - first));
}
