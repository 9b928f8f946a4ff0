// The local wall clock, the one thing date and time text asks of the system. The Windows build
// reads it in clock_win32.cpp, the native build in clock_native.cpp; the arithmetic on what it
// gives lives in the portable date and time files.
#ifndef CHRONEX_CORE_CLOCK_H_
#define CHRONEX_CORE_CLOCK_H_

#include <cstdint>

/// A local wall-clock reading, as the calendar date and the time of day to the millisecond.
struct TLocalTimeRec {
  uint16_t Year = 0;
  uint16_t Month = 0;  ///< 1 to 12
  uint16_t Day = 0;    ///< 1 to 31
  uint16_t Hour = 0;
  uint16_t Minute = 0;
  uint16_t Second = 0;
  uint16_t Millisecond = 0;
};

/// The local time now, to the millisecond and with a resolution of about a millisecond: on
/// Windows the precise system time where the system has it, turned into local time with the
/// bias GetLocalTime applies; GetLocalTime itself (clock ticks of about 15.6 ms) where it has not.
TLocalTimeRec ReadLocalClock();

/// The local time now as GetLocalTime gives it, in whole clock ticks on Windows. Reading dates
/// takes the current year and month from it.
TLocalTimeRec ReadLocalClockCoarse();

#endif  // CHRONEX_CORE_CLOCK_H_
