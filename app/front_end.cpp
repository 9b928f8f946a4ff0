#include "app/front_end.h"

#include "core/arguments.h"

TText FirstArgument;
bool ExtendedHelp = false;
TText CommandLine;
TText CapturedOutput;
int32_t CommandExitStatus = 0;

bool ClassifyFirstArgument() {
  FirstArgument = ProgramArgument(1);
  FirstArgument.Bytes = UpperCaseAscii(FirstArgument.Bytes);
  const std::string& first = FirstArgument.Bytes;
  ExtendedHelp = first == "-??" || first == "/??" || first == "--??" || first == "--INFO";
  return ExtendedHelp || first == "-?" || first == "/?" || first == "-H" || first == "/H";
}

void ReleaseFrontEnd() {
  FirstArgument = TText{};
  CommandLine = TText{};
  CapturedOutput = TText{};
}
