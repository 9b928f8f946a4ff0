// A test fixture for everything that reads RegionalFormats: each test starts from the values
// this system runs with (English names, "/" and ":", the four forced patterns) and the record is
// put back afterwards, whatever the test changed.
#ifndef CHRONEX_TESTS_UNIT_REGIONAL_FORMATS_FIXTURE_H_
#define CHRONEX_TESTS_UNIT_REGIONAL_FORMATS_FIXTURE_H_

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/datetime.h"
#include "core/regional_formats.h"
#include "tests/system_formats.h"

class RegionalFormatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = RegionalFormats;
    RegionalFormats = SystemFormats();
  }
  void TearDown() override { RegionalFormats = saved_; }

 private:
  TRegionalFormatsRec saved_;
};

/// A value from its calendar parts.
inline DateTimeValue At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                        int millisecond = 0) {
  return JoinDateTime(EncodeDate(year, month, day), EncodeTime(hour, minute, second, millisecond));
}

/// An interval of so many milliseconds, in days.
inline DateTimeValue Milliseconds(double count) { return count / 86400000.0; }

/// A value's decoded parts as "yyyy-mm-dd hh:mm:ss.zzz w", independent of RegionalFormats.
inline std::string Show(DateTimeValue value) {
  TDateTimePartsRec p = DecodeDateTime(value);
  char text[64];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u w%u", p.Year, p.Month, p.Day,
                p.Hour, p.Minute, p.Second, p.Millisecond, p.Weekday);
  return text;
}

/// The message of the ConversionError that `operation` fails with, or "(no failure)".
template <typename TOperation>
std::string FailureOf(TOperation operation) {
  try {
    operation();
  } catch (const ConversionError& error) {
    return error.Message;
  }
  return "(no failure)";
}

#endif  // CHRONEX_TESTS_UNIT_REGIONAL_FORMATS_FIXTURE_H_
