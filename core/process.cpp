// The process start-up state, with the values the native build keeps.
#include "core/process.h"

void* StdInputHandle = nullptr;
void* StdOutputHandle = nullptr;
void* StdErrorHandle = nullptr;
uint32_t ConsoleOutputCodePage = 0;
