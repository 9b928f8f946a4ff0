// Windows only: every command line of the table handed to a real process (argdump.exe, linked
// with the real start-up code) through CreateProcessA, and the argument table it reports.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/unit/command_line_cases.h"

namespace {

std::string Directory() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  return p.substr(0, p.find_last_of('\\'));
}

// A folder of the build tree for the copies the tests make.
std::string Scratch() {
  std::string path = Directory() + "\\scratch";
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

std::string FromHex(const std::string& hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return out;
}

// What argdump reports, as label -> bytes, from its "label=HEX" lines.
struct TDump {
  int Count = -99;
  std::vector<std::string> Entries;  // entry 0 to n
  std::string Line;
};

TDump RunArgdump(const char* application, const std::string& commandLine) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  std::string buffer = commandLine;
  PROCESS_INFORMATION process = {};
  TDump dump;
  BOOL started = CreateProcessA(application, buffer.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &process);
  CloseHandle(writeEnd);
  EXPECT_TRUE(started) << "CreateProcessA error " << GetLastError() << " for " << commandLine;
  if (!started) {
    CloseHandle(readEnd);
    return dump;
  }
  std::string output;
  char chunk[4096];
  DWORD got;
  while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0)
    output.append(chunk, got);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  CloseHandle(readEnd);

  size_t pos = 0;
  while (pos < output.size()) {
    size_t end = output.find('\n', pos);
    if (end == std::string::npos) end = output.size();
    std::string line = output.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pos = end + 1;
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string label = line.substr(0, eq), value = line.substr(eq + 1);
    if (label == "count")
      dump.Count = std::stoi(value);
    else if (label == "line")
      dump.Line = FromHex(value);
    else
      dump.Entries.push_back(FromHex(value));
  }
  return dump;
}

TEST(CommandLineProcess, TableOfCases) {
  std::string program = Directory() + "\\argdump.exe";
  for (const TCommandLineCase& c : CommandLineCases) {
    TDump dump = RunArgdump(nullptr, "\"" + program + "\" " + c.Tail);
    ASSERT_EQ(dump.Count, static_cast<int>(c.Arguments.size())) << "tail [" << c.Tail << "]";
    ASSERT_EQ(dump.Entries.size(), c.Arguments.size() + 1);
    EXPECT_EQ(dump.Entries[0], program);
    EXPECT_EQ(std::vector<std::string>(dump.Entries.begin() + 1, dump.Entries.end()), c.Arguments)
        << "tail [" << c.Tail << "]";
    EXPECT_EQ(dump.Line, c.Rebuilt) << "tail [" << c.Tail << "]";
  }
}

// A copy of argdump.exe in a directory with a blank in its name, started without quotes around
// its path through a separate application name.
TEST(CommandLineProcess, UnquotedPathWithABlank) {
  std::string directory = Scratch() + "\\My Tools";
  CreateDirectoryA(directory.c_str(), nullptr);
  std::string program = directory + "\\prog.exe";
  ASSERT_TRUE(CopyFileA((Directory() + "\\argdump.exe").c_str(), program.c_str(), FALSE));
  TDump dump = RunArgdump(program.c_str(), program + " dir");
  ASSERT_EQ(dump.Count, 2);
  EXPECT_EQ(dump.Entries[1], "Tools\\prog.exe");
  EXPECT_EQ(dump.Entries[2], "dir");
  EXPECT_EQ(dump.Line, "Tools\\prog.exe dir");
}

// The executable's path is longer than 255 bytes: entry 0 holds its first 255.
TEST(CommandLineProcess, ProgramPathLongerThan255Bytes) {
  std::string directory = Scratch() + "\\long";
  CreateDirectoryA(directory.c_str(), nullptr);
  std::string name = "argdump.exe";
  size_t fill = 258 - directory.size() - 1 - name.size();
  ASSERT_GT(258u, directory.size() + 20) << "build directory too deep for this test";
  std::string sub = directory + "\\" + std::string(fill - 1, 'p');
  CreateDirectoryA(sub.c_str(), nullptr);
  std::string program = sub + "\\" + name;
  ASSERT_EQ(program.size(), 258u);
  ASSERT_TRUE(CopyFileA((Directory() + "\\argdump.exe").c_str(), program.c_str(), FALSE))
      << GetLastError();
  TDump dump = RunArgdump(nullptr, "\"" + program + "\" x");
  ASSERT_EQ(dump.Count, 1);
  EXPECT_EQ(dump.Entries[0], program.substr(0, 255));
  EXPECT_EQ(dump.Entries[1], "x");
}

}  // namespace
