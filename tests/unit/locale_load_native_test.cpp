// The rules of the regional formats load, over the native build's stand-in locale table. (Under
// Wine the end-to-end tests check the load against real locales.)
#include <gtest/gtest.h>

#include "core/core_state.h"
#include "core/locale_native.h"

namespace {

class LocaleLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    NativeLocaleTable.clear();
    RegionalFormats = TRegionalFormatsRec{};
  }
  void TearDown() override {
    NativeLocaleTable.clear();
    RegionalFormats = TRegionalFormatsRec{};
  }
};

TEST_F(LocaleLoadTest, TwelveHourClockWithoutLeadingZero) {
  NativeLocaleTable = {{LocaleItem::ITime, "0"}, {LocaleItem::ITLZero, "0"}};
  LoadRegionalFormats(RegionalFormats, LocaleSystemDefault);
  EXPECT_EQ(RegionalFormats.LongTimePattern.Bytes, "h:nn:ss AMPM");
  EXPECT_EQ(RegionalFormats.ShortTimePattern.Bytes, "h:nn AMPM");
  CoreStartup();
  EXPECT_EQ(RegionalFormats.LongTimePattern.Bytes, "h:nn:ss AMPM");
  EXPECT_EQ(RegionalFormats.ShortTimePattern.Bytes, "hh:nn:ss");  // forced
  CoreShutdown();
}

TEST_F(LocaleLoadTest, TwentyFourHourClockWithLeadingZero) {
  NativeLocaleTable = {{LocaleItem::ITime, "1"}, {LocaleItem::ITLZero, "1"}};
  LoadRegionalFormats(RegionalFormats, LocaleSystemDefault);
  EXPECT_EQ(RegionalFormats.LongTimePattern.Bytes, "hh:nn:ss");
}

TEST_F(LocaleLoadTest, SeparatorsAndTheForcedDateSeparator) {
  NativeLocaleTable = {{LocaleItem::STime, "."},
                       {LocaleItem::SDate, "."},
                       {LocaleItem::SDecimal, ","},
                       {LocaleItem::SThousand, "\xA0"},
                       {LocaleItem::SList, ";;;;"}};  // longer than three bytes: the fallback
  CoreStartup();
  EXPECT_EQ(RegionalFormats.TimeSep, '.');
  EXPECT_EQ(RegionalFormats.DateSep, '/');
  EXPECT_EQ(RegionalFormats.DecimalSep, ',');
  EXPECT_EQ(RegionalFormats.ThousandSep, '\xA0');
  EXPECT_EQ(RegionalFormats.ListSep, ',');
  CoreShutdown();
}

TEST_F(LocaleLoadTest, NamesSundayFirstAndMissingEntriesKept) {
  NativeLocaleTable = {{LocaleItem::SDayName1 + 6, "sunnuntai"},
                       {LocaleItem::SDayName1, "maanantai"},
                       {LocaleItem::SAbbrevDayName1 + 5, "la"},
                       {LocaleItem::SMonthName1 + 11, "joulukuu"},
                       {LocaleItem::SAbbrevMonthName1, "tammi"},
                       {LocaleItem::S1159, ""},  // an empty value is an empty text
                       {LocaleItem::SCurrency, "\x80"},
                       {LocaleItem::ICurrDigits, "x"}};  // no integer: the fallback number
  RegionalFormats.MonthNames[0] = AnsiText("kept");
  LoadRegionalFormats(RegionalFormats, LocaleSystemDefault);
  EXPECT_EQ(RegionalFormats.DayNames[0].Bytes, "sunnuntai");
  EXPECT_EQ(RegionalFormats.DayNames[1].Bytes, "maanantai");
  EXPECT_EQ(RegionalFormats.DayAbbrevs[6].Bytes, "la");
  EXPECT_EQ(RegionalFormats.DayNames[2].Bytes, "Tuesday");
  EXPECT_EQ(RegionalFormats.MonthNames[11].Bytes, "joulukuu");
  EXPECT_EQ(RegionalFormats.MonthNames[0].Bytes, "kept");
  EXPECT_EQ(RegionalFormats.MonthAbbrevs[0].Bytes, "tammi");
  EXPECT_TRUE(RegionalFormats.AmText.Empty());
  EXPECT_EQ(RegionalFormats.PmText.Bytes, "PM");
  EXPECT_EQ(RegionalFormats.CurrencySymbol.Bytes, "\x80");
  EXPECT_EQ(RegionalFormats.CurrencyDigits, 0);
}

}  // namespace
