// The one way chronex's Win32 files include <windows.h>: a fixed target version (MinGW-w64 picks
// an old default), and the lean headers without the min and max macros.
#ifndef CHRONEX_CORE_WIN32_H_
#define CHRONEX_CORE_WIN32_H_

#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0601  // Windows 7: the oldest system the runner's pipe flags need
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#endif  // CHRONEX_CORE_WIN32_H_
