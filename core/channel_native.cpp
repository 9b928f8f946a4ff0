// Native stand-in for the channels' hand-over: the handle is a POSIX file descriptor.
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "core/channel.h"
#include "core/unhandled_error.h"

bool HandOverToHandle(void* handle, const char* bytes, size_t count, uint32_t* systemError) {
  int fd = static_cast<int>(reinterpret_cast<intptr_t>(handle));
  ssize_t written = write(fd, bytes, count);
  if (written < 0) {
    *systemError = static_cast<uint32_t>(errno);
    return false;
  }
  *systemError = 0;
  return static_cast<size_t>(written) == count;
}

void WriteErrorAndExit(const std::string& report, int exitCode) {
  ssize_t ignored = write(2, report.data(), report.size());
  (void)ignored;
  _exit(exitCode);
}
