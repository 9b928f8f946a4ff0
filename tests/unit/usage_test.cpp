// The usage screen, byte for byte, against tests/data/usage_*.txt ("{N}" stands for the display
// name there), and the hand-over of its lines.
#include "app/usage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/front_end.h"
#include "core/channel.h"
#include "core/program_info.h"
#include "core/text.h"

namespace {

std::vector<std::string> HandedOver;

bool Record(void*, const char* bytes, size_t count, uint32_t*) {
  HandedOver.emplace_back(bytes, count);
  return true;
}

std::string Golden(const char* name, const std::string& displayName) {
  std::ifstream file(std::string(CHRONEX_TEST_DATA_DIR) + "/" + name, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  std::string text = content.str();
  EXPECT_FALSE(text.empty()) << name;
  return ReplaceText(AnsiText(text), AnsiText("{N}"), AnsiText(displayName), false).Bytes;
}

std::string ShowScreen(bool extended, const char* displayName) {
  HandedOver.clear();
  BindChannel(OutChannel, nullptr, 0, "standard output");
  OutChannel.HandOver = Record;
  ProgramInfo = TFileVersionInfoRec{};
  ProgramInfo.ProgramDisplayName = AnsiText(displayName);
  ExtendedHelp = extended;
  ShowUsage();
  OutChannel.HandOver = nullptr;
  ProgramInfo = TFileVersionInfoRec{};
  std::string all;
  for (const std::string& piece : HandedOver) all += piece;
  return all;
}

TEST(ShowUsage, BriefAndExtendedScreens) {
  EXPECT_EQ(ShowScreen(false, "CHRONEX"), Golden("usage_brief.txt", "CHRONEX"));
  EXPECT_EQ(ShowScreen(true, "T"), Golden("usage_extended.txt", "T"));
}

TEST(ShowUsage, EveryLineIsHandedOverAtItsEndAndEmptyLinesGoWithTheLineBefore) {
  ShowScreen(false, "CHRONEX");
  ASSERT_EQ(HandedOver.size(), 5u);
  EXPECT_EQ(HandedOver[4], " CHRONEX [-?|/?|-H|/H|-??|/??]\r\n\r\n");
  ShowScreen(true, "CHRONEX");
  EXPECT_EQ(HandedOver.size(), 36u - 4u);  // 36 lines, four of them empty (6, 14, 21, 30)
  EXPECT_EQ(HandedOver.back(), "    255 - Syntax Help Requested\r\n");
}

}  // namespace
