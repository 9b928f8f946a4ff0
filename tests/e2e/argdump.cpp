// A test program linked with chronex's real process start-up: it prints the argument table and
// the rebuilt command line, each byte string in hexadecimal, one item a line:
//   count=N / 0=HEX / 1=HEX ... / line=HEX
#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "core/arguments.h"
#include "core/process.h"

namespace {

void PrintHex(const char* label, const std::string& bytes) {
  std::printf("%s=", label);
  for (unsigned char c : bytes) std::printf("%02X", c);
  std::printf("\n");
}

}  // namespace

int main() {
  ProcessStartup();
  std::printf("count=%d\n", ProgramArgumentCount());
  for (int i = 0; i <= ProgramArgumentCount() || i == 0; ++i) {
    PrintHex(std::to_string(i).c_str(), ProgramArgument(i).Bytes);
  }
  PrintHex("line", BuildCommandLine().Bytes);
  return 0;
}
