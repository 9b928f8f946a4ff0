// The end-to-end tests' launcher: starts a program with an exact, raw command line, which
// `wine prog args` cannot give (it quotes arguments by rules of its own), and returns the
// program's exit code.
//
//   launch.exe -cmdfile FILE [-app PATH] [-stdout FILE] [-conscp N] [-timeout MS] [-time 1]
//              [-wide 1]
//
// FILE holds the command line's bytes as they are (ANSI). -app passes a separate application
// name to CreateProcessA. -stdout hands the program a new file as its standard output. -conscp
// sets the console's output code page first (only when the launcher has a console). The child
// inherits the launcher's standard handles otherwise. Exit code 250 + a message on stderr when
// the launch itself fails; 251 when -timeout passes before the program ends (it is then killed).
// -time 1 writes "elapsed=SECONDS" on stderr at the end: from just before CreateProcessA to the
// program's end, which leaves out the start of Wine itself (the benchmark's measure).
// -wide 1 starts the program with CreateProcessW, the line and the application name converted
// from the ANSI code page: Wine's CreateProcessA refuses a line of 32,767 characters or more (as
// Windows does); its CreateProcessW starts the program all the same, with the line cut to 32,766.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/e2e/cmdfile.h"

namespace {

int Fail(const char* what) {
  std::fprintf(stderr, "launch: %s failed, error %lu\n", what, GetLastError());
  return 250;
}

// The ANSI bytes as UTF-16, NUL-ended (the test lines are ASCII, or ANSI text of the locale).
std::wstring Widened(const std::string& ansi) {
  int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), size);
  return wide;
}

}  // namespace

int main(int argc, char** argv) {
  const char* cmdFile = nullptr;
  const char* app = nullptr;
  const char* stdoutFile = nullptr;
  unsigned consoleCodePage = 0;
  DWORD timeout = INFINITE;
  bool timed = false;
  bool wide = false;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "-cmdfile"))
      cmdFile = argv[i + 1];
    else if (!std::strcmp(argv[i], "-app"))
      app = argv[i + 1];
    else if (!std::strcmp(argv[i], "-stdout"))
      stdoutFile = argv[i + 1];
    else if (!std::strcmp(argv[i], "-conscp"))
      consoleCodePage = std::strtoul(argv[i + 1], 0, 10);
    else if (!std::strcmp(argv[i], "-timeout"))
      timeout = std::strtoul(argv[i + 1], 0, 10);
    else if (!std::strcmp(argv[i], "-time"))
      timed = !std::strcmp(argv[i + 1], "1");
    else if (!std::strcmp(argv[i], "-wide"))
      wide = !std::strcmp(argv[i + 1], "1");
  }
  std::string commandLine;
  if (!cmdFile || !ReadWholeFile(cmdFile, &commandLine)) {
    std::fprintf(stderr, "launch: no -cmdfile, or it cannot be read\n");
    return 250;
  }

  if (consoleCodePage != 0 && !SetConsoleOutputCP(consoleCodePage))
    return Fail("SetConsoleOutputCP");

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  for (HANDLE* h : {&startup.hStdInput, &startup.hStdOutput, &startup.hStdError}) {
    SetHandleInformation(*h, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  }
  HANDLE file = INVALID_HANDLE_VALUE;
  if (stdoutFile) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    file = CreateFileA(stdoutFile, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Fail("CreateFileA");
    startup.hStdOutput = file;
  }

  std::string buffer = commandLine;  // CreateProcessA may write into its command line
  std::wstring wideBuffer = Widened(commandLine), wideApp = app ? Widened(app) : std::wstring();
  LARGE_INTEGER frequency, began, ended;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&began);
  PROCESS_INFORMATION process = {};
  if (wide) {
    STARTUPINFOW startupW = {};
    startupW.cb = sizeof startupW;
    startupW.dwFlags = startup.dwFlags;
    startupW.hStdInput = startup.hStdInput;
    startupW.hStdOutput = startup.hStdOutput;
    startupW.hStdError = startup.hStdError;
    if (!CreateProcessW(app ? wideApp.c_str() : nullptr, wideBuffer.data(), nullptr, nullptr, TRUE,
                        0, nullptr, nullptr, &startupW, &process)) {
      return Fail("CreateProcessW");
    }
  } else if (!CreateProcessA(app, buffer.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &process)) {
    return Fail("CreateProcessA");
  }
  CloseHandle(process.hThread);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (WaitForSingleObject(process.hProcess, timeout) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 251);
    std::fprintf(stderr, "launch: time-out, program killed\n");
    return 251;
  }
  QueryPerformanceCounter(&ended);
  if (timed) {
    std::fprintf(stderr, "elapsed=%.6f\n",
                 static_cast<double>(ended.QuadPart - began.QuadPart) / frequency.QuadPart);
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}
