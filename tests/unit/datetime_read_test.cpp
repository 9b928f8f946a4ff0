// ReadDate, ReadTime, ReadDateTime and DateTimeFromText: what they read and every failure
// message, over the settings this system runs with (see the fixture).
#include "core/datetime_read.h"

#include <gtest/gtest.h>

#include <string>

#include "core/clock.h"
#include "tests/unit/regional_formats_fixture.h"

namespace {

using ReadDateTest = RegionalFormatsTest;
using ReadTimeTest = RegionalFormatsTest;
using ReadDateTimeTest = RegionalFormatsTest;
using DateTimeFromTextTest = RegionalFormatsTest;

// What a reading gave: the decoded value, or the failure's message.
template <typename TOperation>
std::string Outcome(TOperation operation) {
  try {
    return Show(operation());
  } catch (const ConversionError& error) {
    return error.Message;
  }
}

TLocalTimeRec Today(int year, int month, int day) {
  TLocalTimeRec today;
  today.Year = static_cast<uint16_t>(year);
  today.Month = static_cast<uint16_t>(month);
  today.Day = static_cast<uint16_t>(day);
  return today;
}

struct TReadDateCase {
  const char* text;
  const char* order;
  char separator;
  const char* outcome;
};

template <size_t N>
void ExpectReadDate(const TReadDateCase (&cases)[N], const TLocalTimeRec& today) {
  for (const TReadDateCase& c : cases) {
    std::string outcome = Outcome(
        [&] { return ReadDateAsOf(AnsiText(c.text), AnsiText(c.order), c.separator, today); });
    EXPECT_EQ(outcome, c.outcome) << "text [" << c.text << "] order [" << c.order << "]";
  }
}

TEST_F(ReadDateTest, Cases) {
  const TReadDateCase cases[] = {
      {"2024/05/24", "yyyy/mm/dd", 0, "2024-05-24 00:00:00.000 w6"},  // the banner's build date
      {"05/24/2024", "mm/dd/yyyy", 0, "2024-05-24 00:00:00.000 w6"},
      {"24.05.2024", "dd.mm.yyyy", '.', "2024-05-24 00:00:00.000 w6"},  // a separator given
      {"24.5.2024", "DMY", '.', "2024-05-24 00:00:00.000 w6"},          // only the letters count
      {"2024/5/24", "YyYy/mM/Dd", 0, "2024-05-24 00:00:00.000 w6"},     // in any case
      {"5/24", "mm/dd/yyyy", 0, "2024-05-24 00:00:00.000 w6"},   // two: month, day, this year
      {"24/5", "dd/mm/yyyy", 0, "2024-05-24 00:00:00.000 w6"},   // day first when M follows D
      {"5/24", "yyyy/mm/dd", 0, "2024-05-24 00:00:00.000 w6"},   // M before D: month first
      {"24", "mm/dd/yyyy", 0, "2024-03-24 00:00:00.000 w1"},     // one: a day of this month
      {"5/24", "mm/dd", 0, "2024-05-24 00:00:00.000 w6"},        // as many as the order names
      {"5/24/", "mm/dd/yyyy", 0, "2024-05-24 00:00:00.000 w6"},  // a separator ends a number
      {"2024/05/24 \t\r\n\f\b", "yyyy/mm/dd", 0, "2024-05-24 00:00:00.000 w6"},  // trailing
      {"  2024/05/24", "yyyy/mm/dd", 0, "2024-05-24 00:00:00.000 w6"},     // blanks are skipped
      {"20 24/05/ 24", "yyyy/mm/dd", 0, "2024-05-24 00:00:00.000 w6"},     // also inside numbers
      {"24 05 2024", "dd mm yyyy", ' ', "2024-05-24 00:00:00.000 w6"},     // unless they separate
      {"0002024/005/024", "yyyy/mm/dd", 0, "2024-05-24 00:00:00.000 w6"},  // leading zeros
      {"2024/02/29", "yyyy/mm/dd", 0, "2024-02-29 00:00:00.000 w5"},       // a leap day
      {"2000/02/29", "yyyy/mm/dd", 0, "2000-02-29 00:00:00.000 w3"},
      {"1/1/1", "yyyy/mm/dd", 0, "2001-01-01 00:00:00.000 w2"},     // one digit is windowed too
      {"0001/1/1", "yyyy/mm/dd", 0, "0001-01-01 00:00:00.000 w2"},  // three or more: in full
      {"9999/12/31", "yyyy/mm/dd", 0, "9999-12-31 00:00:00.000 w6"},
  };
  ExpectReadDate(cases, Today(2024, 3, 10));
}

TEST_F(ReadDateTest, TwoDigitYearsLieInTheWindow) {
  const TReadDateCase window50[] = {
      {"05/24/24", "mm/dd/yyyy", 0, "2024-05-24 00:00:00.000 w6"},
      {"1/1/74", "mm/dd/yyyy", 0, "1974-01-01 00:00:00.000 w3"},  // the window's first year
      {"1/1/73", "mm/dd/yyyy", 0, "2073-01-01 00:00:00.000 w1"},  // the year before: 100 on
      {"1/1/0", "mm/dd/yyyy", 0, "2000-01-01 00:00:00.000 w7"},
      {"1/1/99", "mm/dd/yyyy", 0, "1999-01-01 00:00:00.000 w6"},
      {"1/1/074", "mm/dd/yyyy", 0, "0074-01-01 00:00:00.000 w2"},  // written in full
  };
  ExpectReadDate(window50, Today(2024, 5, 24));

  const TReadDateCase window50In2099[] = {
      {"1/1/48", "mm/dd/yyyy", 0, "2148-01-01 00:00:00.000 w2"},  // base 2049
      {"1/1/49", "mm/dd/yyyy", 0, "2049-01-01 00:00:00.000 w6"},
  };
  ExpectReadDate(window50In2099, Today(2099, 1, 1));

  RegionalFormats.TwoDigitYearWindow = 0;  // this century, never moved on
  const TReadDateCase window0[] = {
      {"1/1/23", "mm/dd/yyyy", 0, "2023-01-01 00:00:00.000 w1"},
      {"1/1/99", "mm/dd/yyyy", 0, "2099-01-01 00:00:00.000 w5"},
  };
  ExpectReadDate(window0, Today(2024, 5, 24));
}

TEST_F(ReadDateTest, Failures) {
  const TReadDateCase cases[] = {
      {"", "yyyy/mm/dd", 0, "\"\" is not a valid date format"},
      {" \t\r\n", "yyyy/mm/dd", 0, "\"\" is not a valid date format"},  // empty once trimmed
      {"2024-05-24", "yyyy/mm/dd", '/', "\"2024-05-24\" is not a valid date format"},
      {"2024/05/2x", "yyyy/mm/dd", 0, "\"2024/05/2x\" is not a valid date format"},
      {"2024/05/24\v", "yyyy/mm/dd", 0, "\"2024/05/24\v\" is not a valid date format"},
      {"1/2/3/4", "yyyy/mm/dd", 0, "\"1/2/3/4\" is not a valid date format"},  // a fourth
      {"1//2", "yyyy/mm/dd", 0, "\"1//2\" is not a valid date format"},        // no digits
      {"/5/24", "yyyy/mm/dd", 0, "\"/5/24\" is not a valid date format"},
      {"24  05 2024", "dd mm yyyy", ' ', "\"24  05 2024\" is not a valid date format"},
      {"2147483648/1/1", "yyyy/mm/dd", 0, "\"2147483648/1/1\" is not a valid date format"},
      {"5/24/2024", "mm/dd", 0, "\"5/24/2024\" is not a valid date format"},  // more than named
      {"24", "", 0, "\"24\" is not a valid date format"},
      {"2147483647/1/1", "yyyy/mm/dd", 0, "Invalid date"},  // above 65535
      {"65536/1/1", "yyyy/mm/dd", 0, "Invalid date"},
      {"1/65536", "mm/dd", 0, "Invalid date"},
      {"2024/13/01", "yyyy/mm/dd", 0, "Invalid date"},  // no such month
      {"2024/00/01", "yyyy/mm/dd", 0, "Invalid date"},
      {"2024/04/31", "yyyy/mm/dd", 0, "Invalid date"},  // no such day
      {"2024/04/0", "yyyy/mm/dd", 0, "Invalid date"},
      {"2023/02/29", "yyyy/mm/dd", 0, "Invalid date"},
      {"1900/02/29", "yyyy/mm/dd", 0, "Invalid date"},
      {"0000/01/01", "yyyy/mm/dd", 0, "Invalid date"},  // year 0, written in full
      {"10000/01/01", "yyyy/mm/dd", 0, "Invalid date"},
      {"31/2", "dd/mm/yyyy", 0, "Invalid date"},
  };
  ExpectReadDate(cases, Today(2024, 3, 10));
}

TEST_F(ReadDateTest, WithoutASeparatorTheSettingsGiveIt) {
  RegionalFormats.DateSep = '-';
  const TReadDateCase cases[] = {
      {"2024-05-24", "yyyy/mm/dd", 0, "2024-05-24 00:00:00.000 w6"},
      {"2024/05/24", "yyyy/mm/dd", 0, "\"2024/05/24\" is not a valid date format"},
      {"2024/05/24", "yyyy/mm/dd", '/', "2024-05-24 00:00:00.000 w6"},
  };
  ExpectReadDate(cases, Today(2024, 3, 10));
}

TEST_F(ReadDateTest, TakesTheCurrentYearAndMonthFromTheClock) {
  TLocalTimeRec before = ReadLocalClockCoarse();
  DateTimeValue value = ReadDate(AnsiText("1"), AnsiText("mm/dd/yyyy"), 0);
  TLocalTimeRec after = ReadLocalClockCoarse();
  EXPECT_TRUE(value == EncodeDate(before.Year, before.Month, 1) ||
              value == EncodeDate(after.Year, after.Month, 1))
      << Show(value);
}

struct TReadTimeCase {
  const char* text;
  const char* outcome;
};

template <size_t N>
void ExpectReadTime(const TReadTimeCase (&cases)[N]) {
  for (const TReadTimeCase& c : cases) {
    EXPECT_EQ(Outcome([&] { return ReadTime(AnsiText(c.text)); }), c.outcome)
        << "text [" << c.text << "]";
  }
}

TEST_F(ReadTimeTest, Cases) {
  const TReadTimeCase cases[] = {
      {"15:02:51", "1899-12-30 15:02:51.000 w7"},
      {"15:02:51.123", "1899-12-30 15:02:51.123 w7"},
      {"15:02:51.5", "1899-12-30 15:02:51.005 w7"},     // a count of milliseconds, not a fraction
      {"15:02:51.0123", "1899-12-30 15:02:51.123 w7"},  // leading zeros are not counted
      {"015:002:0051", "1899-12-30 15:02:51.000 w7"},
      {"15", "1899-12-30 15:00:00.000 w7"},
      {"15:02", "1899-12-30 15:02:00.000 w7"},
      {"  15:02", "1899-12-30 15:02:00.000 w7"},   // leading blanks
      {"15 : 02 ", "1899-12-30 15:02:00.000 w7"},  // blanks anywhere
      {"1 5:02", "1899-12-30 15:02:00.000 w7"},    // even inside a number
      {"3:02 PM", "1899-12-30 15:02:00.000 w7"},
      {"3:02pm", "1899-12-30 15:02:00.000 w7"},  // any case, no blank needed
      {"3:02:51.5 PM", "1899-12-30 15:02:51.005 w7"},
      {"12:00 AM", "1899-12-30 00:00:00.000 w7"},  // 12 AM is midnight
      {"12:30 pm", "1899-12-30 12:30:00.000 w7"},  // 12 PM is noon
      {"11:59 am", "1899-12-30 11:59:00.000 w7"},
      {"PM 3:02", "1899-12-30 15:02:00.000 w7"},  // the word may open the text
      {"pm3", "1899-12-30 15:00:00.000 w7"},
      {"23:59:59.999", "1899-12-30 23:59:59.999 w7"},
      {"23:59:60", "1899-12-31 00:00:00.000 w1"},  // the leap second: the next midnight
      {"23:59:60.999", "1899-12-31 00:00:00.999 w1"},
      {"11:59:60 PM", "1899-12-31 00:00:00.000 w1"},
  };
  ExpectReadTime(cases);
  EXPECT_EQ(ReadTime(AnsiText("23:59:60")), 1.0);
  EXPECT_EQ(ReadTime(AnsiText("15:02:51")), 54171000.0 / 86400000.0);
}

TEST_F(ReadTimeTest, Failures) {
  const TReadTimeCase cases[] = {
      {"", "\"\" is not a valid time"},
      {"   ", "\"   \" is not a valid time"},
      {":15", "\":15\" is not a valid time"},        // begins with the time separator
      {" .5", "\" .5\" is not a valid time"},        // or the decimal separator
      {"15:02:", "\"15:02:\" is not a valid time"},  // a number awaited at the end
      {"15:02:51.", "\"15:02:51.\" is not a valid time"},
      {"15::02", "\"15::02\" is not a valid time"},
      {"15:02:51:00", "\"15:02:51:00\" is not a valid time"},  // a third time separator
      {"15.02", "\"15.02\" is not a valid time"},              // the decimal sign after the hour
      {"15:02.5", "\"15:02.5\" is not a valid time"},
      {"15:02:51.1.2", "\"15:02:51.1.2\" is not a valid time"},  // twice
      {"115:00", "\"115:00\" is not a valid time"},              // three digits for an hour
      {"15:002:513", "\"15:002:513\" is not a valid time"},
      {"15:02:51.1234", "\"15:02:51.1234\" is not a valid time"},  // four for milliseconds
      {"13:00 PM", "\"13:00 PM\" is not a valid time"},            // with AM or PM: hour 1 to 12
      {"0:30 AM", "\"0:30 AM\" is not a valid time"},
      {"3 PM AM", "\"3 PM AM\" is not a valid time"},  // one word only
      {"3 XM", "\"3 XM\" is not a valid time"},        // that is AM or PM
      {"3 P.M.", "\"3 P.M.\" is not a valid time"},    // the decimal sign ends a word
      {"3 PM 4", "\"3 PM 4\" is not a valid time"},    // no number after a word after one
      {"3:PM", "\"3:PM\" is not a valid time"},        // nor a word where a number is awaited
      {"PM", "\"PM\" is not a valid time"},            // no number at all
      {"PM:3", "\"PM:3\" is not a valid time"},
      {"24:00", "\"24:00\" is not a valid time"},
      {"15:60", "\"15:60\" is not a valid time"},
      {"15:02:60", "\"15:02:60\" is not a valid time"},  // 60 seconds only at 23:59
      {"22:59:60", "\"22:59:60\" is not a valid time"},
      {"23:59:61", "\"23:59:61\" is not a valid time"},
      {"15-02", "\"15-02\" is not a valid time"},
  };
  ExpectReadTime(cases);
}

TEST_F(ReadTimeTest, TheSettingsGiveSeparatorsAndWords) {
  RegionalFormats.TimeSep = '.';
  RegionalFormats.DecimalSep = ',';
  RegionalFormats.AmText = AnsiText("ap");
  RegionalFormats.PmText = AnsiText("ip");
  const TReadTimeCase finnish[] = {
      {"15.02.51,5", "1899-12-30 15:02:51.005 w7"},
      {"3.02 ip", "1899-12-30 15:02:00.000 w7"},  // the locale's words
      {"3.02 IP", "1899-12-30 15:02:00.000 w7"},
      {"3.02 PM", "1899-12-30 15:02:00.000 w7"},  // and the English ones
      {"15:02", "\"15:02\" is not a valid time"},
  };
  ExpectReadTime(finnish);

  RegionalFormats.DecimalSep = '.';  // the same sign for both: decimal after the seconds
  const TReadTimeCase same[] = {
      {"15.02.51.5", "1899-12-30 15:02:51.005 w7"},
      {"15.02.51.5.6", "\"15.02.51.5.6\" is not a valid time"},
  };
  ExpectReadTime(same);
}

struct TReadDateTimeCase {
  const char* text;
  const char* outcome;
};

template <size_t N>
void ExpectReadDateTime(const TReadDateTimeCase (&cases)[N]) {
  for (const TReadDateTimeCase& c : cases) {
    EXPECT_EQ(Outcome([&] { return ReadDateTime(AnsiText(c.text)); }), c.outcome)
        << "text [" << c.text << "]";
  }
}

TEST_F(ReadDateTimeTest, Cases) {
  const TReadDateTimeCase cases[] = {
      {"05/24/2024 15:02:51", "2024-05-24 15:02:51.000 w6"},
      {"05/24/2024", "2024-05-24 00:00:00.000 w6"},                     // a date alone
      {"15:02:51", "1899-12-30 15:02:51.000 w7"},                       // a time alone: on day 0
      {" \t05/24/2024   15:02:51 \r\n", "2024-05-24 15:02:51.000 w6"},  // trimmed
      {"05/24/2024\t15:02", "2024-05-24 15:02:00.000 w6"},              // a tab ends the date too
      {"05/24/2024\n3:02 PM", "2024-05-24 15:02:00.000 w6"},
      {"05/24/2024 23:59:60", "2024-05-25 00:00:00.000 w7"},  // the next midnight
      {"12/29/1899 06:00", "1899-12-29 06:00:00.000 w6"},     // before day 0: -1.25
      {"12/29/1899 23:59:60", "1899-12-30 00:00:00.000 w7"},
      {"", "\"\" is not a valid date format"},
      {" \t\r\n", "\"\" is not a valid date format"},
      {"05-24-2024 15:02", "\"05-24-2024\" is not a valid date format"},
      {"05/24/2024 15:02:xx", "\"15:02:xx\" is not a valid time"},
      {"05/24/2024 3 PM 4", "\"3 PM 4\" is not a valid time"},        // the rest is the time
      {"3:02 PM", "\"3:02\" is not a valid date format"},             // a blank ends the date part
      {"05/24/2O24 x", "\"05/24/2O24\" is not a valid date format"},  // the date fails first
      {"13/01/2024 15:02", "Invalid date"},
      {"15h", "\"15h\" is not a valid date format"},  // no time separator: a date
      {"15:02:60", "\"15:02:60\" is not a valid time"},
  };
  ExpectReadDateTime(cases);
  EXPECT_EQ(ReadDateTime(AnsiText("12/29/1899 06:00")), -1.25);
  EXPECT_EQ(ReadDateTime(AnsiText("15:02:51")), 54171000.0 / 86400000.0);
}

TEST_F(ReadDateTimeTest, TheBannersBuildDateTime) {
  RegionalFormats.ShortDatePattern = AnsiText("yyyy/mm/dd");
  EXPECT_EQ(ReadDateTime(AnsiText("2024/05/24 15:02:51")), 45436 + 54171000.0 / 86400000.0);
}

TEST_F(ReadDateTimeTest, BlankSeparators) {
  RegionalFormats.ShortDatePattern = AnsiText("dd mm yyyy");
  RegionalFormats.DateSep = ' ';
  const TReadDateTimeCase dateBlank[] = {
      // The date ends at the last blank before the first time separator.
      {"24 05 2024 15:02:51", "2024-05-24 15:02:51.000 w6"},
      {"24 05 2024  15:02", "2024-05-24 15:02:00.000 w6"},
      {"24 05 2024", "2024-05-24 00:00:00.000 w6"},  // no time separator: one part, a date
      {"15:02", "1899-12-30 15:02:00.000 w7"},
  };
  ExpectReadDateTime(dateBlank);

  RegionalFormats.TimeSep = ' ';
  const TReadDateTimeCase bothBlank[] = {
      {"24 05 2024", "2024-05-24 00:00:00.000 w6"},  // the whole text is the date
      // One part: not a date (four numbers), so a time, which fails too.
      {"24 05 2024 15", "\"24 05 2024 15\" is not a valid time"},
  };
  ExpectReadDateTime(bothBlank);
}

TEST_F(ReadDateTimeTest, EqualSeparatorsTryTheDateFirst) {
  RegionalFormats.ShortDatePattern = AnsiText("dd.mm.yyyy");
  RegionalFormats.DateSep = '.';
  RegionalFormats.TimeSep = '.';
  RegionalFormats.DecimalSep = ',';
  const TReadDateTimeCase cases[] = {
      {"24.05.2024 15.02", "2024-05-24 15:02:00.000 w6"},
      {"24.05.2024", "2024-05-24 00:00:00.000 w6"},
      {"23.59.60", "1899-12-31 00:00:00.000 w1"},  // no month 59: a time
      {"15.62", "\"15.62\" is not a valid time"},  // neither: the time's message
  };
  ExpectReadDateTime(cases);
}

struct TFromTextCase {
  const char* text;
  const char* outcome;
};

TEST_F(DateTimeFromTextTest, FractionsOfASecond) {
  const TFromTextCase cases[] = {
      {"05/24/2024 15:02:51", "2024-05-24 15:02:51.000 w6"},
      {"05/24/2024 15:02:51.5", "2024-05-24 15:02:51.500 w6"},      // padded: 500 milliseconds
      {"05/24/2024 15:02:51.12345", "2024-05-24 15:02:51.123 w6"},  // cut to three digits
      {"05/24/2024 15:02:51.1.9", "2024-05-24 15:02:51.100 w6"},    // after a second stop: gone
      {"05/24/2024 15:02:51.", "2024-05-24 15:02:51.000 w6"},       // an empty fraction
      {"12/30/1899 15:02:51", "1899-12-30 15:02:51.000 w7"},        // names day 0: stays on it
      {"12/30/1899 15:02:51.25", "1899-12-30 15:02:51.250 w7"},
      {"05/24/2024 15:02:xx", "\"15:02:xx\" is not a valid time"},  // failures pass through
      {"xx.5", "\"xx.500\" is not a valid date format"},
      {"", "\"\" is not a valid date format"},
  };
  for (const TFromTextCase& c : cases) {
    EXPECT_EQ(Outcome([&] { return DateTimeFromText(AnsiText(c.text), AnsiText("mm/dd/yyyy")); }),
              c.outcome)
        << "text [" << c.text << "]";
  }
}

TEST_F(DateTimeFromTextTest, TheBannersBuildDateTime) {
  RegionalFormats.ShortDatePattern = AnsiText("yyyy/mm/dd");
  EXPECT_EQ(DateTimeFromText(AnsiText("2024/05/24 15:02:51"), AnsiText("mm/dd/yyyy")),
            45436 + 54171000.0 / 86400000.0);
}

TEST_F(DateTimeFromTextTest, ATimeAloneGetsTodaysDate) {
  struct Case {
    const char* text;
    const char* time;
  } cases[] = {
      {"15:02:51", "15:02:51.000"},
      {"15:02:51.25", "15:02:51.250"},  // with its milliseconds
      {"00:00", "00:00:00.000"},        // midnight also renders as day 0
  };
  for (const Case& c : cases) {
    DateTimeValue before = CurrentLocalDateTime();
    DateTimeValue value = DateTimeFromText(AnsiText(c.text), AnsiText("mm/dd/yyyy"));
    DateTimeValue after = CurrentLocalDateTime();
    std::string shown = Show(value);
    std::string time = shown.substr(11, 12);
    std::string date = shown.substr(0, 10);
    EXPECT_EQ(time, c.time) << c.text;
    EXPECT_TRUE(date == Show(before).substr(0, 10) || date == Show(after).substr(0, 10))
        << c.text << " gave " << shown;
  }
}

}  // namespace
