// The identity banner: its lines as the flags choose them, once per process, and the regional
// formats it borrows and puts back.
#include "core/banner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/channel.h"
#include "core/regional_formats.h"

namespace {

std::string Written;

bool Record(void*, const char* bytes, size_t count, uint32_t*) {
  Written.append(bytes, count);
  return true;
}

TFileVersionInfoRec Info() {
  TFileVersionInfoRec info;
  info.NameAndShortVersion = AnsiText("CHRONEX v1.0.0");
  info.FileNameAndFullVersion = AnsiText("CHRONEX.EXE v1.0.0.70");
  info.Description = AnsiText("Time the Execution of a Command and its Arguments");
  info.RightsNotice = AnsiText("(c) notice");
  info.AuthorLine = AnsiText("author line");
  return info;
}

// The banner's bytes for one first call with these flags.
std::string Banner(bool extendedLine, bool standardLines) {
  Written.clear();
  BannerShown = false;
  BindChannel(InfoChannel, nullptr, 0, "standard error");
  InfoChannel.HandOver = Record;
  ShowProgramBanner(Info(), extendedLine, standardLines);
  InfoChannel.HandOver = nullptr;
  return Written;
}

const std::string kStandard =
    "CHRONEX v1.0.0 x86 (24 May 2024) - Time the Execution of a Command and its Arguments\r\n"
    "(c) notice\r\n"
    "author line\r\n"
    "\r\n";
std::string Extended() {
  return "CHRONEX.EXE v1.0.0.70 x86 was compiled on 24 May 2024 @ 15:00:00" + ToolchainText.Bytes +
         "\r\n";
}

TEST(ShowProgramBanner, LinesByFlags) {
  RegionalFormats = TRegionalFormatsRec{};
  EXPECT_EQ(Banner(false, true), kStandard);
  EXPECT_EQ(Banner(true, true), kStandard + Extended() + "\r\n");
  EXPECT_EQ(Banner(true, false), Extended());  // no empty line after it alone
  EXPECT_EQ(Banner(false, false), "");
  EXPECT_EQ(ToolchainText.Bytes.rfind(" using ", 0), 0u);
}

TEST(ShowProgramBanner, OnlyTheFirstCallWrites) {
  RegionalFormats = TRegionalFormatsRec{};
  EXPECT_EQ(Banner(false, false), "");
  InfoChannel.HandOver = Record;
  ShowProgramBanner(Info(), true, true);  // BannerShown is set already
  InfoChannel.HandOver = nullptr;
  EXPECT_EQ(Written, "");
  BannerShown = false;
}

TEST(ShowProgramBanner, ReadsTheBuildDateWhateverTheLocaleAndPutsTheFormatsBack) {
  RegionalFormats = TRegionalFormatsRec{};
  RegionalFormats.TimeSep = '.';
  RegionalFormats.DateSep = '-';
  RegionalFormats.ShortDatePattern = AnsiText("dd.mm.yyyy");
  RegionalFormats.MonthAbbrevs[4] = AnsiText("touko");
  std::string banner = Banner(true, true);
  EXPECT_NE(banner.find("(24 touko 2024)"), std::string::npos) << banner;
  EXPECT_NE(banner.find("@ 15:00:00"), std::string::npos) << banner;
  EXPECT_EQ(RegionalFormats.TimeSep, '.');
  EXPECT_EQ(RegionalFormats.DateSep, '-');
  EXPECT_EQ(RegionalFormats.ShortDatePattern.Bytes, "dd.mm.yyyy");
  RegionalFormats = TRegionalFormatsRec{};
}

}  // namespace
