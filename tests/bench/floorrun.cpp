// The benchmark's floor: the least a runner can do, built beside the real one to measure it
// against. It runs the command line held in a file through the system's CMD.EXE /C, reads the
// named pipe overlapped, waiting on the read or the process, and then writes what it got to
// standard output in 256-byte pieces. No limit, no care for failures: not for use.
//
//   floorrun.exe -cmdfile FILE
#include <windows.h>

#include <string>

#include "tests/e2e/cmdfile.h"

int main(int argc, char** argv) {
  std::string commandLine;
  if (argc < 3 || !ReadWholeFile(argv[2], &commandLine)) return 2;
  if (commandLine.find(' ') != std::string::npos && commandLine.find('"') == std::string::npos) {
    commandLine = '"' + commandLine + '"';
  }
  std::string line8 = "CMD.EXE /C " + commandLine;
  std::wstring line(line8.begin(), line8.end());  // the benchmark's lines are ASCII

  wchar_t system[MAX_PATH];
  std::wstring interpreter(system, GetSystemDirectoryW(system, MAX_PATH));
  interpreter += L"\\cmd.exe";

  const wchar_t* name = L"\\\\.\\pipe\\chronex-floor";
  HANDLE readEnd = CreateNamedPipeW(
      name, PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
      PIPE_TYPE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 1024, 1024, 0, nullptr);
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  HANDLE writeEnd = CreateFileW(name, GENERIC_WRITE, 0, &inherited, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(interpreter.c_str(), &line[0], nullptr, nullptr, TRUE,
                      CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, nullptr, nullptr, &startup,
                      &process)) {
    return 3;
  }
  CloseHandle(writeEnd);

  std::string output;
  char chunk[65536];
  OVERLAPPED overlapped = {};
  overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(readEnd, chunk, sizeof chunk, nullptr, &overlapped)) {
      if (GetLastError() != ERROR_IO_PENDING) {
        WaitForSingleObject(process.hProcess, INFINITE);
        break;
      }
      HANDLE waits[2] = {process.hProcess, overlapped.hEvent};
      if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0) {
        CancelIoEx(readEnd, &overlapped);
        GetOverlappedResult(readEnd, &overlapped, &got, TRUE);
        output.append(chunk, got);
        break;
      }
    }
    GetOverlappedResult(readEnd, &overlapped, &got, FALSE);
    output.append(chunk, got);
  }
  for (DWORD available = 0;
       PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0;) {
    DWORD got = 0;
    if (!ReadFile(readEnd, chunk, sizeof chunk, nullptr, &overlapped)) {
      GetOverlappedResult(readEnd, &overlapped, &got, TRUE);
    } else {
      GetOverlappedResult(readEnd, &overlapped, &got, FALSE);
    }
    output.append(chunk, got);
  }

  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  for (size_t at = 0; at < output.size(); at += 256) {
    DWORD written = 0;
    WriteFile(out, output.data() + at,
              static_cast<DWORD>(std::min<size_t>(256, output.size() - at)), &written, nullptr);
  }
  return 0;
}
