// Splitting a command line into the argument table and rebuilding the command line to time.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include "core/arguments.h"
#include "tests/unit/command_line_cases.h"

namespace {

std::vector<std::string> Arguments() {
  std::vector<std::string> result;
  for (int i = 1; i <= ProgramArgumentCount(); ++i) result.push_back(ProgramArgument(i).Bytes);
  return result;
}

TEST(CommandLine, TableOfCases) {
  for (const TCommandLineCase& c : CommandLineCases) {
    SplitCommandLine("C:\\t.exe " + c.Tail, "C:\\t.exe");
    EXPECT_EQ(Arguments(), c.Arguments) << "tail [" << c.Tail << "]";
    EXPECT_EQ(BuildCommandLine().Bytes, c.Rebuilt) << "tail [" << c.Tail << "]";
  }
}

TEST(CommandLine, FirstTokenEndsAtABlankEvenInAPath) {
  SplitCommandLine("C:\\My Tools\\prog.exe dir", "C:\\My Tools\\prog.exe");
  EXPECT_EQ(Arguments(), (std::vector<std::string>{"Tools\\prog.exe", "dir"}));
  EXPECT_EQ(ProgramArgument(0).Bytes, "C:\\My Tools\\prog.exe");
}

TEST(CommandLine, NoTokenAtAll) {
  for (const char* line : {"", " \t\r\n "}) {
    SplitCommandLine(line, "C:\\t.exe");
    EXPECT_EQ(ProgramArgumentCount(), -1);
    EXPECT_EQ(ProgramArgument(1).Bytes, "");
    EXPECT_EQ(BuildCommandLine().Bytes, "");
  }
}

TEST(CommandLine, NulEndsTheLine) {
  SplitCommandLine(std::string_view("t a\0b c", 7), "C:\\t.exe");
  EXPECT_EQ(Arguments(), (std::vector<std::string>{"a"}));
}

TEST(ProgramArgument, IndexesOutOfRangeAndTheCutPath) {
  std::string longPath = "C:\\" + std::string(300, 'd') + "\\t.exe";
  SplitCommandLine("t a b", longPath);
  EXPECT_EQ(ProgramArgument(0).Bytes, longPath.substr(0, 255));
  EXPECT_EQ(ProgramArgument(-1).Bytes, "");
  EXPECT_EQ(ProgramArgument(3).Bytes, "");
  EXPECT_EQ(ProgramArgument(2).Bytes, "b");
  EXPECT_EQ(ProgramArgument(2).CodePage, CodePageAnsi);
}

}  // namespace
