// Windows only: CurrentLocalDateTime against the system's own clocks. It must be local
// wall-clock time to the millisecond, agree with GetLocalTime to within a clock tick, and follow
// the performance counter, not the 15.6 ms tick, between readings a few milliseconds apart.
#include <gtest/gtest.h>

#include <cmath>

#include "core/clock.h"
#include "core/datetime.h"
#include "core/win32.h"

namespace {

// GetLocalTime advances in ticks of about 15.6 ms; one tick either way, and a little slack.
constexpr double kTickMilliseconds = 17;

DateTimeValue ValueOf(const SYSTEMTIME& time) {
  return JoinDateTime(EncodeDate(time.wYear, time.wMonth, time.wDay),
                      EncodeTime(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds));
}

double MillisecondsBetween(DateTimeValue from, DateTimeValue to) {
  return (to - from) * 86400000.0;
}

double Elapsed(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

TEST(ClockWin32, CurrentLocalDateTimeIsGetLocalTimeToTheMillisecond) {
  SYSTEMTIME before;
  SYSTEMTIME after;
  GetLocalTime(&before);
  DateTimeValue now = CurrentLocalDateTime();
  GetLocalTime(&after);

  EXPECT_GE(MillisecondsBetween(ValueOf(before), now), -kTickMilliseconds);
  EXPECT_LE(MillisecondsBetween(now, ValueOf(after)), kTickMilliseconds + 1000)
      << "slow machine or a clock far from local time";
  EXPECT_GE(MillisecondsBetween(now, ValueOf(after)), -kTickMilliseconds);

  // Whole milliseconds of local time, not of UTC: the decoded hour is GetLocalTime's hour.
  double milliseconds = (now - std::floor(now)) * 86400000.0;
  EXPECT_NEAR(milliseconds, std::round(milliseconds), 1e-3);
  TDateTimePartsRec parts = DecodeDateTime(now);
  EXPECT_TRUE(parts.Hour == before.wHour || parts.Hour == after.wHour);
  EXPECT_TRUE(parts.Day == before.wDay || parts.Day == after.wDay);
}

TEST(ClockWin32, ReadingsAFewMillisecondsApartDifferByThatMuch) {
  // Retried when the thread was held up between the readings, which a busy machine may do.
  double difference = 0;
  double counted = 0;
  for (int attempt = 0; attempt < 20; ++attempt) {
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    DateTimeValue first = CurrentLocalDateTime();
    do {
      QueryPerformanceCounter(&now);
    } while (Elapsed(start, now) < 5);
    DateTimeValue second = CurrentLocalDateTime();
    QueryPerformanceCounter(&end);
    difference = MillisecondsBetween(first, second);
    counted = Elapsed(start, end);
    if (counted < 8) break;
  }
  ASSERT_LT(counted, 8) << "never measured undisturbed";
  EXPECT_GE(difference, 4);  // not 0: the clock did not stand still for a tick
  EXPECT_LE(difference, 9);  // nor 16: it did not jump by one
  EXPECT_NEAR(difference, counted, 2);
}

TEST(ClockWin32, TheCoarseClockIsGetLocalTime) {
  SYSTEMTIME before;
  GetLocalTime(&before);
  TLocalTimeRec coarse = ReadLocalClockCoarse();
  EXPECT_EQ(coarse.Year, before.wYear);
  EXPECT_TRUE(coarse.Month == before.wMonth || coarse.Day == 1);
}

}  // namespace
