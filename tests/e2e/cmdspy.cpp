// A stand-in for the command interpreter, for the runner's tests: put in place of cmd.exe (or
// beside a program that must not run it), it writes "spy:" and the command line it was given,
// as UTF-8, then CR LF, to standard output, and ends with exit code 0.
#include <windows.h>

#include <string>

int main() {
  const wchar_t* line = GetCommandLineW();
  int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, line, -1, &utf8[0], size, nullptr, nullptr);
  std::string out = "spy:" + utf8 + "\r\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written,
            nullptr);
  return 0;
}
