// RenderDateTime: the pattern language, one table per concern, over the settings this system
// runs with (English names, "/" and ":", the forced patterns; see the fixture).
#include <gtest/gtest.h>

#include <string>

#include "core/datetime.h"
#include "tests/unit/regional_formats_fixture.h"

namespace {

using RenderDateTimeTest = RegionalFormatsTest;

struct TRenderCase {
  const char* pattern;
  DateTimeValue value;
  bool asInterval;
  const char* expected;
};

// Runs each case and shows the pattern beside what came out.
void ExpectRenders(const TRenderCase* cases, size_t count) {
  for (size_t k = 0; k < count; ++k) {
    const TRenderCase& c = cases[k];
    std::string rendered;
    try {
      rendered = RenderDateTime(AnsiText(c.pattern), c.value, c.asInterval).Bytes;
    } catch (const ConversionError& error) {
      rendered = "ConversionError: " + error.Message;
    }
    EXPECT_EQ(rendered, c.expected)
        << "pattern [" << c.pattern << "]" << (c.asInterval ? " as interval" : "");
  }
}

template <size_t N>
void ExpectRenders(const TRenderCase (&cases)[N]) {
  ExpectRenders(cases, N);
}

// Tuesday 2 January 2024, 9:05:03.007 in the morning, and Friday 24 May 2024 in the afternoon.
const DateTimeValue kMorning = At(2024, 1, 2, 9, 5, 3, 7);
const DateTimeValue kAfternoon = At(2024, 5, 24, 15, 2, 51, 123);
const DateTimeValue kMidnight = At(2024, 1, 2);

TEST_F(RenderDateTimeTest, ThePatternsOfTheReportAndTheBanner) {
  const TRenderCase cases[] = {
      {"ddd mm/dd/yyyy \"at\" hh:nn:ss.zz", kMorning, false, "Tue 01/02/2024 at 09:05:03.007"},
      {"ddd mm/dd/yyyy \"at\" hh:nn:ss.zz", kAfternoon, false, "Fri 05/24/2024 at 15:02:51.123"},
      {"[hh]:nn:ss.zz", 1 + Milliseconds(((3 * 60 + 4) * 60 + 5) * 1000 + 6), true,
       "27:04:05.006"},  // a day and a bit
      {"[hh]:nn:ss.zz", Milliseconds(1500), true, "00:00:01.500"},
      {"dd mmm yyyy", kAfternoon, false, "24 May 2024"},
      {"dd mmm yyyy @ hh:00:00", kAfternoon, false, "24 May 2024 @ 15:00:00"},  // literal zeros
      {"mm/dd/yyyy hh:nn:ss.zzz", EncodeTime(15, 2, 51, 0), true, "12/30/1899 15:02:51.000"},
      {"mm/dd/yyyy", At(2024, 5, 24), true, "05/24/2024"},
  };
  ExpectRenders(cases);
}

TEST_F(RenderDateTimeTest, ElapsedIntervals) {
  const char* kElapsed = "[hh]:nn:ss.zz";
  const TRenderCase cases[] = {
      {kElapsed, 1.0, true, "24:00:00.000"},                    // exactly one day
      {kElapsed, 1.0 - 1e-10, true, "24:00:00.000"},            // a hair below it counts the day
      {kElapsed, 2.0 - 1e-10, true, "48:00:00.000"},            // also two days
      {kElapsed, 1.0 - Milliseconds(1), true, "23:59:59.999"},  // a millisecond below does not
      {kElapsed, 100.0 / 24, true, "100:00:00.000"},            // no upper limit on the hours
      {kElapsed, Milliseconds(40), true, "00:00:00.040"},
      {kElapsed, Milliseconds(1234.4), true, "00:00:01.234"},  // to the nearest millisecond
      {kElapsed, Milliseconds(1234.6), true, "00:00:01.235"},
      {kElapsed, -Milliseconds(1500), true, "-00:00:01.500"},  // end before start
      {kElapsed, -(1.0 - 1e-10), true, "-24:00:00.000"},       // a negative hair below a day
      {kElapsed, -2.5, true, "-60:00:00.000"},
      {kElapsed, 0.0, true, "00:00:00.000"},
      {kElapsed, -0.0, true, "00:00:00.000"},  // minus zero is not below zero
      // Without the flag the brackets print, the hour is of the day and no minus sign is added.
      {kElapsed, 1.5, false, "[12]:00:00.000"},
      {"hh:nn:ss.zzz", -Milliseconds(1500), false, "00:00:01.500"},
      {"hh:nn:ss.zzz", -Milliseconds(1500), true, "-00:00:01.500"},  // the sign needs no brackets
  };
  ExpectRenders(cases);
}

TEST_F(RenderDateTimeTest, Runs) {
  const TRenderCase cases[] = {
      {"y", kMorning, false, "24"},  // one or two y: two digits
      {"yy", At(2005, 1, 1), false, "05"},
      {"yyy", kMorning, false, "2024"},  // three or more: four digits
      {"yyyyy", At(5, 3, 4), false, "0005"},
      {"d", kMorning, false, "2"},
      {"dd", kMorning, false, "02"},
      {"ddd", kMorning, false, "Tue"},
      {"dddd", kMorning, false, "Tuesday"},
      {"ddddd", kMorning, false, "01/02/2024"},                  // ShortDatePattern
      {"dddddd", kMorning, false, "Tuesday, January 02, 2024"},  // LongDatePattern
      {"ddddddddd", kMorning, false, "Tuesday, January 02, 2024"},
      {"m", kMorning, false, "1"},
      {"mm", kMorning, false, "01"},
      {"mmm", kMorning, false, "Jan"},
      {"mmmm", kMorning, false, "January"},
      {"mmmmmm", kMorning, false, "January"},
      {"h", kMorning, false, "9"},
      {"hh", kMorning, false, "09"},
      {"hhhh", kMorning, false, "09"},
      {"hh", kAfternoon, false, "15"},  // the 24-hour clock without an AM/PM element
      {"n", kMorning, false, "5"},
      {"nn", kMorning, false, "05"},
      {"nnn", kMorning, false, "05"},  // longer runs pad only in interval mode
      {"s", kMorning, false, "3"},
      {"sss", kMorning, false, "03"},
      {"z", kMorning, false, "7"},
      {"zz", kMorning, false, "007"},
      {"zzzz", kMorning, false, "007"},
      {"t", kMorning, false, "09:05:03"},     // ShortTimePattern
      {"tt", kMorning, false, "9:05:03 AM"},  // LongTimePattern
      {"ttt", kAfternoon, false, "3:02:51 PM"},
      {"c", kMorning, false, "01/02/2024 9:05:03 AM"},
      {"c", kMidnight, false, "01/02/2024"},                      // no time at 00:00:00
      {"c", kMidnight + Milliseconds(500), false, "01/02/2024"},  // milliseconds do not count
      {"ccc", kMorning, false, "01/02/2024 9:05:03 AM"},
      {"f", kMidnight, false, "01/02/2024 12:00:00 AM"},  // the time always
      {"", kMorning, false, "01/02/2024 9:05:03 AM"},     // an empty pattern is c
      {"e", kMorning, false, "2024"},                     // era year: the year
      {"eeeee", kMorning, false, "02024"},
      {"e", At(5, 3, 4), false, "5"},
      {"g", kMorning, false, ""},  // the era's name: none
      {"g m", kMorning, false, " 1"},
      {"YyYy", kMorning, false, "2024"},  // mixed cases are one run
      {"hHh:Nn", kMorning, false, "09:05"},
      {"DDDD", kMorning, false, "Tuesday"},
      {"dmy", kMorning, false, "2124"},  // different letters are different runs
      {"mmmdd", kMorning, false, "Jan02"},
  };
  ExpectRenders(cases);
}

TEST_F(RenderDateTimeTest, LiteralsQuotesAndBlanks) {
  const TRenderCase cases[] = {
      {"\"at\"", kMorning, false, "at"},      // double quotes
      {"'at'", kMorning, false, "at"},        // apostrophes
      {"\"it's\"", kMorning, false, "it's"},  // the other quote inside is text
      {"'say \"hh\"'", kMorning, false, "say \"hh\""},
      {"\"\"d", kMorning, false, "2"},                  // an empty quote prints nothing
      {"hh \"rest mm", kMorning, false, "09 rest mm"},  // unclosed: the rest is text
      {"'", kMorning, false, ""},
      {"hh\"AMPM\"", kAfternoon, false, "15AMPM"},  // quoted: no 12-hour clock
      {"d   d", kMorning, false, "2   2"},          // blanks as they stand
      {"x", kMorning, false, "X"},                  // other letters in upper case
      {"bijklopqruvwx", kMorning, false, "BIJKLOPQRUVWX"},
      {"@.,-09#\t", kMorning, false, "@.,-09#\t"},  // other characters as they stand
      {"\xE9\xFF", kMorning, false, "\xE9\xFF"},    // bytes above 127 too
      {"d/m/y", kMorning, false, "2/1/24"},         // DateSep
      {"h:n", kMorning, false, "9:5"},              // TimeSep
  };
  ExpectRenders(cases);
}

TEST_F(RenderDateTimeTest, SeparatorsComeFromTheSettings) {
  RegionalFormats.TimeSep = '.';
  RegionalFormats.DateSep = '-';
  const TRenderCase dotted[] = {
      {"ddd mm/dd/yyyy \"at\" hh:nn:ss.zz", kMorning, false, "Tue 01-02-2024 at 09.05.03.007"},
  };
  ExpectRenders(dotted);

  RegionalFormats.TimeSep = '\0';
  RegionalFormats.DateSep = '\0';
  const TRenderCase none[] = {
      {"mm/dd hh:nn", kMorning, false, "0102 0905"},  // a NUL separator prints nothing
  };
  ExpectRenders(none);
}

TEST_F(RenderDateTimeTest, TwelveHourClockAndAmPmElements) {
  const DateTimeValue at0 = At(2024, 1, 2, 0, 30);
  const DateTimeValue at12 = At(2024, 1, 2, 12, 30);
  const DateTimeValue at13 = At(2024, 1, 2, 13, 30);
  const TRenderCase cases[] = {
      {"h AMPM", kMorning, false, "9 AM"},
      {"h AMPM", kAfternoon, false, "3 PM"},
      {"h AMPM", at0, false, "12 AM"},  // 0 shows as 12
      {"h AMPM", at12, false, "12 PM"},
      {"hh AMPM", at13, false, "01 PM"},
      {"hh ampm", at13, false, "01 PM"},       // AmText and PmText, whatever the element's case
      {"h am/pm", kAfternoon, false, "3 pm"},  // AM/PM: its letters as written
      {"h Am/Pm", kMorning, false, "9 Am"},
      {"h a/p", kAfternoon, false, "3 p"},  // A/P: one letter as written
      {"h A/p", kMorning, false, "9 A"},
      {"AMPM h", at13, false, "PM 1"},      // found anywhere in the pattern
      {"hAMPMm", kMorning, false, "9AM5"},  // the element leaves the tokens: m is a minute
      {"h:nn tt", kAfternoon, false, "15:02 3:02:51 PM"},  // an expansion's clock is its own
      {"[h] AMPM", 1.5, true, "36 PM"},  // interval hours ignore the 12-hour clock
  };
  ExpectRenders(cases);

  RegionalFormats.AmText = AnsiText("vorm.");
  RegionalFormats.PmText = AnsiText("nachm.");
  RegionalFormats.ShortTimePattern = AnsiText("h");
  const TRenderCase locale[] = {
      {"h AMPM", kMorning, false, "9 vorm."},
      {"h AMPM", kAfternoon, false, "3 nachm."},
      {"h AM/PM", kAfternoon, false, "3 PM"},      // only AMPM reads the settings
      {"t AMPM", kAfternoon, false, "15 nachm."},  // the pattern's clock is not the expansion's
  };
  ExpectRenders(locale);
}

TEST_F(RenderDateTimeTest, IllegalLetterA) {
  const char* kIllegal = "ConversionError: Illegal character in format string";
  const TRenderCase cases[] = {
      {"hh at", kMorning, false, kIllegal},     // an unquoted at
      {"hh \"at\"", kMorning, false, "09 at"},  // quoted it prints
      {"a", kMorning, false, kIllegal},        {"A", kMorning, false, kIllegal},
      {"AM/P", kMorning, false, kIllegal},  // begins no element
      {"AMP", kMorning, false, kIllegal},      {"A/", kMorning, false, kIllegal},
      {"dd aa/p", kMorning, false, kIllegal},  // the first a begins none, though the second does
  };
  ExpectRenders(cases);
}

TEST_F(RenderDateTimeTest, IntervalModeAndTheTotals) {
  const DateTimeValue longRun = 1 + Milliseconds(((3 * 60 + 4) * 60 + 5) * 1000 + 6);  // 27:04:05
  const DateTimeValue fiveMinutes = Milliseconds(5 * 60 * 1000 + 7000);
  const TRenderCase cases[] = {
      {"[h]", 1.5, true, "36"},        // total hours
      {"[hhhh]", 1.5, true, "0036"},   // padded to the run's length
      {"h", 1.5, true, "12"},          // no brackets: the hour of the day
      {"[h]:h", 1.5, true, "36:12"},   // "]" ends interval mode
      {"[n]", longRun, true, "1624"},  // total minutes
      {"[nnnnnn]", longRun, true, "001624"},
      {"[s]", longRun, true, "97445"},  // total seconds
      {"[ss]", Milliseconds(5000), true, "05"},
      {"[sss]", Milliseconds(5000), true, "005"},
      {"[z]", Milliseconds(40), true, "40"},  // milliseconds are never a total
      {"[d]", longRun, true, "31"},           // nor are dates: 31 December 1899
      {"[hh]:nn", 1.0, true, "24:00"},
      // The rule for m. At the start the token before the previous one is an hour, so an m in
      // interval mode is the total minutes, without leading zeros.
      {"[m]", longRun, true, "1624"},
      {"[mm]", fiveMinutes, true, "5"},
      {"h [m]", longRun, true, "3 1624"},  // an hour, then a blank, then m
      {"[h:m]", longRun, true, "27:4"},    // the previous token is an hour: the minute
      {"[h:mm]", fiveMinutes, true, "0:05"},
      {"[mm] d", longRun, true, "1624 31"},
      {"[d m]", longRun, true, "31 12"},  // neither token an hour: the month
  };
  ExpectRenders(cases);
}

TEST_F(RenderDateTimeTest, TheRuleForM) {
  const TRenderCase cases[] = {
      {"m", kMorning, false, "1"},      // nothing before: the month
      {"h:m", kMorning, false, "9:5"},  // after an hour: the minute, without leading zeros
      {"h:mm", kMorning, false, "9:05"},
      {"hh:mmm", kMorning, false, "09:05"},  // longer runs: still two digits, no names
      {"h\"x\"m", kMorning, false, "9x5"},   // quoted text leaves the tokens
      {"h/m", kMorning, false, "9/5"},       // so do separators
      {"h[m", kMorning, false, "9[5"},       // and brackets
      {"h.m", kMorning, false, "9.5"},       // and other characters
      {"hh mm", kMorning, false, "09 01"},   // a blank is a token: the month
      {"hh  mm", kMorning, false, "09  01"},
      {"h d m", kMorning, false, "9 2 1"},
      {"hm", kMorning, false, "95"},
      {"hsm", kMorning, false, "931"},  // the previous token must be the hour
  };
  ExpectRenders(cases);

  // In a time expansion m prefers the minute; in a date expansion it follows the rule.
  RegionalFormats.ShortTimePattern = AnsiText("mm hh mm");
  RegionalFormats.ShortDatePattern = AnsiText("mm hh mm");
  const TRenderCase expansions[] = {
      {"t", kMorning, false, "05 09 05"},
      {"ddddd", kMorning, false, "01 09 01"},
      {"hddddd", kMorning, false, "901 09 01"},  // an expansion starts a fresh scan
      {"[ddddd]", 1.25, true, "12 06 12"},       // with interval mode off
  };
  ExpectRenders(expansions);
}

TEST_F(RenderDateTimeTest, ExpansionsNestOneLevelOnly) {
  RegionalFormats.ShortDatePattern = AnsiText("dd<ddddd|dddddd|t|tt|c|f>");
  RegionalFormats.LongTimePattern = AnsiText("hh<tt|t|ddddd>");
  RegionalFormats.LongDatePattern = AnsiText("");
  RegionalFormats.ShortTimePattern = AnsiText("");
  const TRenderCase cases[] = {
      {"ddddd", kMorning, false, "02<|||||>"},
      {"tt", kMorning, false, "09<||>"},
      {"c", kMorning, false, "02<|||||> 09<||>"},
      {"dddddd", kMorning, false, ""},  // an empty format renders nothing
      {"t", kMorning, false, ""},
      {"ddddd|dd", kMorning, false, "02<|||||>|02"},  // and the pattern goes on after it
  };
  ExpectRenders(cases);
}

TEST_F(RenderDateTimeTest, DatesOutsideTheCalendarAndValuesThatAreNoDates) {
  const TRenderCase cases[] = {
      {"dddd mm/dd/yyyy", -1.25, false, "Friday 12/29/1899"},       // before day 0
      {"yyyy/mm/dd mmm mmmm|", -693594.5, false, "0000/00/00  |"},  // before 1 January 1
      {"yyyy/mm/dd hh", 2958466.5, false, "9999/12/31 12"},         // after 31 December 9999
      {"yyyy/mm/dd", std::numeric_limits<double>::quiet_NaN(), true, "1899/12/30"},
      {"yyyy/mm/dd", std::numeric_limits<double>::infinity(), true, "9999/12/31"},
  };
  ExpectRenders(cases);
}

TEST_F(RenderDateTimeTest, TheHalfMillisecondBeforeMidnight) {
  const double almost = EncodeDate(2024, 1, 2) + 1 - 0.4 / 86400000.0;
  const TRenderCase cases[] = {
      // The next day's date and time, the weekday of the earlier day (Tuesday).
      {"ddd mm/dd/yyyy hh:nn:ss.zzz", almost, false, "Tue 01/03/2024 00:00:00.000"},
      {"dddd", almost, false, "Tuesday"},
      {"[hh]:nn:ss.zzz", 1 - 0.4 / 86400000.0, true, "24:00:00.000"},
  };
  ExpectRenders(cases);
}

TEST_F(RenderDateTimeTest, At255CharactersAPieceThatDoesNotFitIsLeftOutWhole) {
  const std::string x248(248, 'x');
  const std::string X248(248, 'X');
  struct Case {
    std::string pattern;
    DateTimeValue value;
    bool asInterval;
    std::string expected;
  } cases[] = {
      {std::string(255, 'x'), kMorning, false, std::string(255, 'X')},  // fills the text
      {std::string(300, 'x'), kMorning, false, std::string(255, 'X')},  // the rest left out
      {x248 + "dddd", kMorning, false, X248 + "Tuesday"},               // ends at 255
      {x248 + "xdddd", kMorning, false, X248 + "X"},                    // would be 256
      {x248 + "xdddd d", kMorning, false, X248 + "X 2"},                // goes on after it
      {"\"" + std::string(256, 'q') + "\"d", kMorning, false, "2"},     // a long quote, whole
      {"[" + std::string(255, 'h') + "]", 1.5, true, std::string(253, '0') + "36"},  // fits
      {"[" + std::string(256, 'h') + "]d", 1.5, true, "31"},           // a number too long, whole
      {"ddd" + std::string(253, ' ') + "d", kMorning, false, "Tue2"},  // a run of blanks, whole
      {std::string(255, '.') + "h", -1.5, true, "-" + std::string(255, '.')},  // 256 with "-"
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RenderDateTime(AnsiText(c.pattern), c.value, c.asInterval).Bytes, c.expected)
        << "pattern of " << c.pattern.size() << " [" << c.pattern.substr(0, 12) << "...]";
  }

  // Pieces of an expansion go in one by one.
  RegionalFormats.ShortDatePattern = AnsiText("dddd d");
  EXPECT_EQ(RenderDateTime(AnsiText(x248 + "xddddd"), kMorning, false).Bytes, X248 + "X 2");
}

TEST_F(RenderDateTimeTest, TheResultIsAnsi) {
  TText utf8Pattern{"\"caf\xC3\xA9\" d", CodePageUtf8};
  TText rendered = RenderDateTime(utf8Pattern, kMorning, false);
  EXPECT_EQ(rendered, AnsiText("caf\xE9 2"));
}

}  // namespace
