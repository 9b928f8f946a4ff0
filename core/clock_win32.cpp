// The Windows clock: local wall-clock time to the millisecond. GetLocalTime advances in clock
// ticks of about 15.6 ms on many systems, which would show a 5 ms command as taking 0 or 16 ms;
// the precise system time (Windows 8 and later) is read instead where the system has it.
#include "core/clock.h"
#include "core/win32.h"

namespace {

using TPreciseTimeFunction = VOID(WINAPI*)(LPFILETIME);

TLocalTimeRec FromSystemTime(const SYSTEMTIME& time) {
  TLocalTimeRec result;
  result.Year = time.wYear;
  result.Month = time.wMonth;
  result.Day = time.wDay;
  result.Hour = time.wHour;
  result.Minute = time.wMinute;
  result.Second = time.wSecond;
  result.Millisecond = time.wMilliseconds;
  return result;
}

// Looked up at run time, so that the program still starts on a system without it.
TPreciseTimeFunction PreciseTimeFunction() {
  static const TPreciseTimeFunction function = [] {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) return TPreciseTimeFunction(nullptr);
    return reinterpret_cast<TPreciseTimeFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetSystemTimePreciseAsFileTime")));
  }();
  return function;
}

}  // namespace

TLocalTimeRec ReadLocalClock() {
  TPreciseTimeFunction precise = PreciseTimeFunction();
  if (precise != nullptr) {
    FILETIME utc;
    FILETIME local;
    SYSTEMTIME time;
    precise(&utc);
    // FileTimeToLocalFileTime applies the bias in force now, daylight saving time included,
    // which is what GetLocalTime adds to the system time; the conversion to SYSTEMTIME cuts the
    // 100 ns units down to whole milliseconds, as GetLocalTime does.
    if (FileTimeToLocalFileTime(&utc, &local) && FileTimeToSystemTime(&local, &time)) {
      return FromSystemTime(time);
    }
  }
  return ReadLocalClockCoarse();
}

TLocalTimeRec ReadLocalClockCoarse() {
  SYSTEMTIME time;
  GetLocalTime(&time);
  return FromSystemTime(time);
}
