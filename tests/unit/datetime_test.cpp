// Date-time value arithmetic: day numbers, times of day, joining, decoding, the current time.
#include "core/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/clock.h"
#include "tests/unit/regional_formats_fixture.h"

namespace {

TEST(EncodeDate, DayNumbersOfTheProlepticGregorianCalendar) {
  struct Case {
    int year, month, day;
    int32_t dayNumber;
  } cases[] = {
      {1899, 12, 30, 0},             // day 0
      {1899, 12, 29, -1},            // the day before is negative
      {1900, 1, 1, 2},               // 1 January 1900 is day 2
      {1900, 3, 1, 61},              // 1900 is no leap year
      {1970, 1, 1, 25569},           // the Unix epoch
      {2000, 2, 29, 36585},          // 2000 is one
      {2024, 5, 24, 45436},          // the build date of the banner
      {1600, 2, 29, -109512},        // before 1752 too: the calendar is proleptic
      {1, 1, 1, MinDayNumber},       // the first valid date
      {9999, 12, 31, MaxDayNumber},  // the last
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.dayNumber)
        << c.year << "-" << c.month << "-" << c.day;
    TDateTimePartsRec parts;
    DecodeDayNumber(c.dayNumber, parts);
    EXPECT_EQ(parts.Year * 10000 + parts.Month * 100 + parts.Day,
              c.year * 10000 + c.month * 100 + c.day)
        << "day " << c.dayNumber;
  }
}

TEST(EncodeDate, RoundTripsEveryDayFromYear1To9999) {
  TDateTimePartsRec parts;
  int32_t expected = MinDayNumber;
  for (int year = 1; year <= 9999; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        ASSERT_EQ(EncodeDate(year, month, day), expected) << year << "-" << month << "-" << day;
        DecodeDayNumber(expected, parts);
        ASSERT_EQ(parts.Year * 10000 + parts.Month * 100 + parts.Day,
                  year * 10000 + month * 100 + day);
        ++expected;
      }
    }
  }
  EXPECT_EQ(expected, MaxDayNumber + 1);
}

TEST(DaysInMonth, LeapYearsAndMonthsOutsideTheYear) {
  EXPECT_EQ(DaysInMonth(2024, 2), 29);  // divisible by 4
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);  // by 100, not by 400
  EXPECT_EQ(DaysInMonth(2000, 2), 29);  // by 400
  EXPECT_EQ(DaysInMonth(2024, 0), 0);
  EXPECT_EQ(DaysInMonth(2024, 13), 0);
}

TEST(EncodeTime, SumsInIntegersAndDividesOnce) {
  EXPECT_EQ(EncodeTime(15, 2, 51, 0), 54171000.0 / 86400000.0);
  EXPECT_EQ(EncodeTime(23, 59, 60, 0), 1.0);  // the leap second is the next midnight
  EXPECT_EQ(EncodeTime(0, 0, 0, 0), 0.0);
}

TEST(JoinDateTime, AddsToDaysOnOrAfterDay0AndSubtractsFromEarlierOnes) {
  struct Case {
    double day, time;
    const char* shows;
  } cases[] = {
      {45436, 0.5, "2024-05-24 12:00:00.000 w6"},  // a Friday at noon
      {0, 0.25, "1899-12-30 06:00:00.000 w7"},     // day 0 counts as not negative
      {-1, 0.25, "1899-12-29 06:00:00.000 w6"},    // -1.25: the time counts away from zero
      {45436, 1.0, "2024-05-25 00:00:00.000 w7"},  // 23:59:60 is the next midnight
      {-1, 1.0, "1899-12-30 00:00:00.000 w7"},     // also before day 0
      {-5, 1.0, "1899-12-26 00:00:00.000 w3"},     // and further back
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Show(JoinDateTime(c.day, c.time)), c.shows) << c.day << " + " << c.time;
  }
  EXPECT_EQ(JoinDateTime(-1, 0.25), -1.25);
  EXPECT_EQ(JoinDateTime(45436, 1.0), 45437.0);
}

TEST(DecodeDateTime, Cases) {
  const double half = 0.5 / 86400000.0;  // half a millisecond, in days
  struct Case {
    double value;
    const char* shows;
  } cases[] = {
      {0, "1899-12-30 00:00:00.000 w7"},                           // day 0, a Saturday
      {At(2024, 1, 2, 9, 5, 3, 7), "2024-01-02 09:05:03.007 w3"},  // a Tuesday
      {Milliseconds(1234.4), "1899-12-30 00:00:01.234 w7"},        // to the nearest millisecond
      {Milliseconds(1234.6), "1899-12-30 00:00:01.235 w7"},
      {1.0 / 2048, "1899-12-30 00:00:42.188 w7"},   // exactly 42187.5 ms: halves away from zero
      {-1.0 / 2048, "1899-12-30 00:00:42.188 w7"},  // also below zero
      {-Milliseconds(1500), "1899-12-30 00:00:01.500 w7"},  // the time of the absolute value
      {-1.25, "1899-12-29 06:00:00.000 w6"},                // a day before day 0, a Friday
      // Less than half a millisecond before midnight: the next day's date at 00:00:00.000,
      // the weekday of the day it belongs to (Tuesday).
      {EncodeDate(2024, 1, 2) + 1 - 0.8 * half, "2024-01-03 00:00:00.000 w3"},
      // More than half a millisecond before: still the same day.
      {EncodeDate(2024, 1, 2) + 1 - 1.2 * half, "2024-01-02 23:59:59.999 w3"},
      {-693593.5, "0001-01-01 12:00:00.000 w2"},  // the first date, a Monday
      {-693594, "0000-00-00 00:00:00.000 w1"},    // before it: no date
      {-693594.5, "0000-00-00 12:00:00.000 w1"},
      {-693593.9999999999, "0000-00-00 00:00:00.000 w2"},  // rounds into the day before it
      {2958465.5, "9999-12-31 12:00:00.000 w6"},           // the last date, a Friday
      {2958466.25, "9999-12-31 06:00:00.000 w7"},          // after it: held at the last date
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Show(c.value), c.shows) << std::hexfloat << c.value;
  }
}

TEST(DecodeDateTime, ValuesThatAreNoDatesDoNotBreakIt) {
  EXPECT_EQ(Show(std::numeric_limits<double>::quiet_NaN()), "1899-12-30 00:00:00.000 w7");
  EXPECT_EQ(Show(std::numeric_limits<double>::infinity()).substr(0, 10), "9999-12-31");
  EXPECT_EQ(Show(-std::numeric_limits<double>::infinity()).substr(0, 10), "0000-00-00");
  EXPECT_EQ(Show(1e300).substr(0, 10), "9999-12-31");
}

TEST(IntervalWholeDays, AHairBelowAWholeDayCountsTheDay) {
  struct Case {
    double value;
    int64_t days;
  } cases[] = {
      {1.0, 1},                    // exactly a day
      {1.0 - 1e-10, 1},            // decodes to 00:00:00.000: counts the full day
      {2.0 - 1e-10, 2},            // also for more days
      {-(1.0 - 1e-10), 1},         // and for negative intervals
      {0.95, 0},                   // above 0.9 but 22:48: no extra day
      {1.0 - Milliseconds(1), 0},  // 23:59:59.999 is not rounded up
      {100.0 / 24, 4},             // 100 hours
      {0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IntervalWholeDays(c.value, DecodeDateTime(c.value)), c.days) << c.value;
  }
}

TEST(CurrentLocalDateTime, IsTheLocalClockToTheMillisecond) {
  TLocalTimeRec before = ReadLocalClock();
  DateTimeValue now = CurrentLocalDateTime();
  TLocalTimeRec after = ReadLocalClock();
  auto value = [](const TLocalTimeRec& t) {
    return At(t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second, t.Millisecond);
  };
  EXPECT_GE(now, value(before));
  EXPECT_LE(now, value(after));
  double milliseconds = (now - std::floor(now)) * 86400000.0;
  EXPECT_NEAR(milliseconds, std::round(milliseconds), 1e-3);  // whole milliseconds
}

}  // namespace
