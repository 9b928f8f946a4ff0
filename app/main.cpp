// chronex's entry point: process start-up, then the front end, then the process end.
#include "core/process.h"
#include "core/win32.h"

int main() {
  ProcessStartup();
  ExitProcess(0);
}
