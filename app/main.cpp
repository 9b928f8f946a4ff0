// chronex's entry point: process start-up, the core library, the front end, the process end.
#include "core/core_state.h"
#include "core/process.h"
#include "core/win32.h"

int main() {
  ProcessStartup();
  CoreStartup();
  CoreShutdown();
  ExitProcess(static_cast<UINT>(ExitCode));
}
