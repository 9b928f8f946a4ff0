// Fuzz target: splitting a command line into the argument table and rebuilding the command line
// to time from it. Any line splits and rebuilds without a fault, and the rebuilt line of
// arguments that can survive rebuilding splits into the same arguments again.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "core/arguments.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// What the process start-up would find: the program's name as typed comes first and is dropped.
constexpr const char* kProgramToken = "chronex ";

std::vector<std::string> TableArguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i <= ProgramArgumentCount(); ++i) arguments.push_back(ProgramArgument(i).Bytes);
  return arguments;
}

std::vector<std::string> SplitArguments(const std::string& afterProgram) {
  std::vector<std::string> arguments;
  for (const TText& argument : SplitCommandLineText(kProgramToken + afterProgram, nullptr)) {
    arguments.push_back(argument.Bytes);
  }
  return arguments;
}

std::string Show(const std::vector<std::string>& arguments) {
  std::string out;
  for (const std::string& argument : arguments) out += Visible(argument) + " ";
  return out;
}

// True when an argument can come back from the rebuilt line. Not a double quote: quotes only
// switch quoting, so no argument can hold one. Not a byte 0 to 31: NUL ends the line, and bytes 1
// to 31 separate arguments like the blank while QuoteIfNeeded does not quote for them (a
// leading or trailing one is even trimmed off the line). Blanks and semicolons are fine: they
// make QuoteIfNeeded quote, and an empty argument comes back as "".
bool SurvivesByte(char ch) {
  unsigned char c = static_cast<unsigned char>(ch);
  return c != '"' && c >= 32;
}

bool Survives(const std::string& argument) {
  for (char ch : argument) {
    if (!SurvivesByte(ch)) return false;
  }
  return true;
}

std::string UpperAscii(std::string bytes) {
  for (char& c : bytes) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return bytes;
}

// The arguments the rebuilt line holds: all of them, less a leading interpreter invocation
// (CMD or CMD.EXE, then /C or /K, in any letter case), which is dropped only when three
// arguments or more are given.
std::vector<std::string> ExpectedAfterRebuild(const std::vector<std::string>& arguments) {
  if (arguments.size() > 2) {
    std::string program = UpperAscii(arguments[0]);
    std::string option = UpperAscii(arguments[1]);
    if ((program == "CMD" || program == "CMD.EXE") && (option == "/C" || option == "/K")) {
      return std::vector<std::string>(arguments.begin() + 2, arguments.end());
    }
  }
  return arguments;
}

// Rebuilds the table's arguments and splits the result again.
void CheckRebuildRoundTrip(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (!Survives(argument)) return;
  }
  std::string rebuilt = BuildCommandLine().Bytes;
  std::vector<std::string> expected = ExpectedAfterRebuild(arguments);
  std::vector<std::string> again = SplitArguments(rebuilt);
  if (again != expected) {
    FuzzFailure("rebuilt line " + Visible(rebuilt) + " splits into " + Show(again) + "instead of " +
                Show(expected));
  }
}

// What holds for every line: the table matches the split, indexes outside it give the empty
// text, no argument holds a double quote, and the rebuilt line is trimmed and holds no NUL.
void CheckAnyLine(const std::string& line, const std::string& modulePath) {
  SplitCommandLine(line, modulePath);
  int tokens = 0;
  std::vector<TText> split = SplitCommandLineText(line, &tokens);
  if (ProgramArgumentCount() != tokens - 1 ||
      static_cast<size_t>(tokens > 0 ? tokens - 1 : 0) != split.size()) {
    FuzzFailure("argument count " + std::to_string(ProgramArgumentCount()) + " for " +
                std::to_string(tokens) + " tokens and " + std::to_string(split.size()) +
                " arguments of " + Visible(line));
  }
  if (ProgramArgument(0).Bytes != modulePath.substr(0, 255)) {
    FuzzFailure("argument 0 " + Visible(ProgramArgument(0).Bytes));
  }
  for (int outside : {INT_MIN, -1, ProgramArgumentCount() + 1, INT_MAX}) {
    if (outside != 0 && !ProgramArgument(outside).Empty()) {
      FuzzFailure("argument " + std::to_string(outside) + " is not empty");
    }
  }
  std::vector<std::string> arguments = TableArguments();
  for (const std::string& argument : arguments) {
    if (argument.find('"') != std::string::npos || argument.find('\0') != std::string::npos) {
      FuzzFailure("argument " + Visible(argument) + " of " + Visible(line));
    }
  }
  std::string rebuilt = BuildCommandLine().Bytes;
  if (!rebuilt.empty() && (static_cast<unsigned char>(rebuilt.front()) <= 32 ||
                           static_cast<unsigned char>(rebuilt.back()) <= 32)) {
    FuzzFailure("rebuilt line not trimmed: " + Visible(rebuilt));
  }
  if (rebuilt.find('\0') != std::string::npos) FuzzFailure("NUL in " + Visible(rebuilt));
  CheckRebuildRoundTrip(arguments);
}

// Arguments made by the fuzzer, each cut at its first byte that cannot survive rebuilding (see
// Survives); the table is filled from a line that quotes every one of them, which must split
// back into exactly them.
void CheckMadeArguments(FuzzedDataProvider& data) {
  std::vector<std::string> arguments;
  std::string line = kProgramToken;
  while (data.remaining_bytes() > 0 && arguments.size() < 64) {
    std::string argument = data.ConsumeRandomLengthString(64);
    size_t end = 0;
    while (end < argument.size() && SurvivesByte(argument[end])) ++end;
    argument.resize(end);
    arguments.push_back(argument);
    line += "\"" + argument + "\" ";
  }
  SplitCommandLine(line, "C:\\chronex.exe");
  if (TableArguments() != arguments) {
    FuzzFailure("line " + Visible(line) + " splits into " + Show(TableArguments()) + "instead of " +
                Show(arguments));
  }
  CheckRebuildRoundTrip(arguments);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  if (data.ConsumeBool()) {
    CheckMadeArguments(data);
  } else {
    std::string modulePath = data.ConsumeRandomLengthString(300);
    CheckAnyLine(data.ConsumeRemainingBytesAsString(), modulePath);
  }
  return 0;
}
