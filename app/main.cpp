// chronex's entry point: process start-up, the core library, the main routine, the process end.
#include "app/front_end.h"
#include "app/main_routine.h"
#include "core/core_state.h"
#include "core/process.h"
#include "core/win32.h"

int main() {
  ProcessStartup();
  CoreStartup();
  MainRoutine();
  ReleaseFrontEnd();
  CoreShutdown();
  ExitProcess(static_cast<UINT>(ExitCode));
}
