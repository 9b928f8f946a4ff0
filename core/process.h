// What process start-up learns from Windows before anything else runs: the argument table (see
// arguments.h), the three standard handles and the code pages. Handles are kept as void*, the
// type a Win32 HANDLE is, so that portable code can hold them without <windows.h>.
#ifndef CHRONEX_CORE_PROCESS_H_
#define CHRONEX_CORE_PROCESS_H_

#include <cstdint>

/// GetStdHandle of STD_INPUT_HANDLE, STD_OUTPUT_HANDLE and STD_ERROR_HANDLE at process start.
extern void* StdInputHandle;
extern void* StdOutputHandle;
extern void* StdErrorHandle;

/// GetConsoleOutputCP at process start: 0 when the process has no console.
extern uint32_t ConsoleOutputCodePage;

/// Reads the command line, the module path, the standard handles and the code pages into the
/// globals above, in arguments.h and in codepage.h. Windows build only; runs once, first.
void ProcessStartup();

#endif  // CHRONEX_CORE_PROCESS_H_
