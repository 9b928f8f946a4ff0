// Native stand-in for the Windows clock: the standard library's system clock turned into local
// time by the C library, so that the portable date and time code runs off Windows.
#include <chrono>
#include <ctime>

#include "core/clock.h"

namespace {

TLocalTimeRec LocalTimeNow() {
  using std::chrono::duration_cast;
  using std::chrono::milliseconds;
  auto sinceEpoch =
      duration_cast<milliseconds>(std::chrono::system_clock::now().time_since_epoch());
  std::time_t seconds = static_cast<std::time_t>(sinceEpoch.count() / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  TLocalTimeRec now;
  now.Year = static_cast<uint16_t>(local.tm_year + 1900);
  now.Month = static_cast<uint16_t>(local.tm_mon + 1);
  now.Day = static_cast<uint16_t>(local.tm_mday);
  now.Hour = static_cast<uint16_t>(local.tm_hour);
  now.Minute = static_cast<uint16_t>(local.tm_min);
  // A leap second shows as second 60 here; Windows never gives it, so it is held at 59.
  now.Second = static_cast<uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec);
  now.Millisecond = static_cast<uint16_t>(sinceEpoch.count() % 1000);
  return now;
}

}  // namespace

TLocalTimeRec ReadLocalClock() { return LocalTimeNow(); }

TLocalTimeRec ReadLocalClockCoarse() { return LocalTimeNow(); }
