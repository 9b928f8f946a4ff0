// The channels' hand-over to a Windows handle, and the unhandled-error exit.
#include "core/channel.h"
#include "core/process.h"
#include "core/unhandled_error.h"
#include "core/win32.h"

namespace {

// Unicode console output code pages, on which WriteFile may count characters, not bytes.
bool IsUnicodeConsole(HANDLE handle) {
  DWORD mode;
  if (!GetConsoleMode(handle, &mode)) return false;
  switch (GetConsoleOutputCP()) {
    case 1200:
    case 1201:
    case 12000:
    case 12001:
    case 65000:
    case 65001:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool HandOverToHandle(void* handle, const char* bytes, size_t count, uint32_t* systemError) {
  DWORD written = 0;
  if (!WriteFile(handle, bytes, static_cast<DWORD>(count), &written, nullptr)) {
    *systemError = GetLastError();
    return false;
  }
  if (written < count && !IsUnicodeConsole(handle)) {
    *systemError = 0;
    return false;
  }
  return true;
}

void WriteErrorAndExit(const std::string& report, int exitCode) {
  DWORD written;
  WriteFile(StdErrorHandle, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
  ExitProcess(static_cast<UINT>(exitCode));
}
