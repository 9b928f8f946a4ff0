// Splitting the process command line, and the table the split fills.
#include "core/arguments.h"

namespace {

// Entry 0 is the executable's path; entries 1 to ArgumentCount the arguments.
std::vector<TText> ArgumentTable = {TText{}};
int ArgumentCount = 0;

constexpr size_t kProgramPathLimit = 255;

bool IsSeparator(unsigned char c) { return c >= 1 && c <= 32; }

}  // namespace

std::vector<TText> SplitCommandLineText(std::string_view line, int* tokenCount) {
  std::vector<TText> arguments;
  int count = 0;
  size_t i = 0;
  auto at = [&](size_t k) -> unsigned char {
    return k < line.size() ? static_cast<unsigned char>(line[k]) : 0;
  };
  while (at(i) != 0) {
    while (IsSeparator(at(i))) ++i;
    if (at(i) == 0) break;
    std::string token;
    bool quoting = false;
    for (;;) {
      unsigned char c = at(i);
      if (c == 0) break;
      if (IsSeparator(c) && !quoting) break;
      if (c == '"' && at(i + 1) == '"') {
        i += 2;
      } else if (c == '"') {
        quoting = !quoting;
        ++i;
      } else {
        token.push_back(static_cast<char>(c));
        ++i;
      }
    }
    if (count > 0) arguments.push_back(AnsiText(token));
    ++count;
  }
  if (tokenCount) *tokenCount = count;
  return arguments;
}

void SplitCommandLine(std::string_view commandLine, std::string_view modulePath) {
  int tokens = 0;
  std::vector<TText> arguments = SplitCommandLineText(commandLine, &tokens);
  ArgumentTable.assign(1, AnsiText(modulePath));
  ArgumentTable.insert(ArgumentTable.end(), arguments.begin(), arguments.end());
  ArgumentCount = tokens - 1;
}

int ProgramArgumentCount() { return ArgumentCount; }

TText ProgramArgument(int i) {
  if (i == 0) {
    TText path = ArgumentTable[0];
    if (path.Bytes.size() > kProgramPathLimit) path.Bytes.resize(kProgramPathLimit);
    return path;
  }
  if (i < 1 || i > ArgumentCount) return TText{};
  return ArgumentTable[static_cast<size_t>(i)];
}
