// The channels' buffering and hand-over pattern, against a recording stand-in for WriteFile.
#include "core/channel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/codepage.h"

namespace {

std::vector<std::string> HandedOver;

bool Record(void*, const char* bytes, size_t count, uint32_t*) {
  HandedOver.emplace_back(bytes, count);
  return true;
}

std::vector<size_t> Sizes() {
  std::vector<size_t> sizes;
  for (const std::string& piece : HandedOver) sizes.push_back(piece.size());
  return sizes;
}

class ChannelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HandedOver.clear();
    BindChannel(channel, nullptr, 0, "test channel");
    channel.HandOver = Record;
  }
  TChannelRec channel;
};

TEST_F(ChannelTest, LinesReachTheHandleInPiecesOf256AndTheRest) {
  struct Case {
    size_t lineLength;  // bytes before CR LF
    std::vector<size_t> calls;
  } cases[] = {
      {600, {256, 256, 90}},  // 602 bytes with CR LF
      {254, {256}},           // exactly one full buffer with CR LF
      {255, {256, 1}},        // the LF alone in a second call
      {0, {2}},               // an empty line is CR LF
  };
  for (const Case& c : cases) {
    HandedOver.clear();
    WriteLiteral(channel, std::string(c.lineLength, 'x'));
    EndLine(channel);
    EXPECT_EQ(Sizes(), c.calls) << "line of " << c.lineLength;
    EXPECT_EQ(HandedOver.back().substr(HandedOver.back().size() - 1), "\n");
  }
}

TEST_F(ChannelTest, AFullBufferWaitsForTheNextWrite) {
  WriteLiteral(channel, std::string(200, 'a'));
  WriteLiteral(channel, std::string(56, 'b'));
  EXPECT_TRUE(HandedOver.empty());
  EXPECT_EQ(channel.Held, 256u);
  WriteChar(channel, 'c');
  EXPECT_EQ(Sizes(), std::vector<size_t>{256});
  EndLine(channel);
  EXPECT_EQ(HandedOver[1], "c\r\n");
}

TEST_F(ChannelTest, LiteralsCharactersAndIntegersAreAppendedUnchanged) {
  WriteLiteral(channel, "ERRORLEVEL = ");
  WriteInteger(channel, -1073741510);
  WriteLiteral(channel, " [");
  WriteInteger(channel, 0);
  WriteChar(channel, ']');
  WriteInteger(channel, INT32_MIN);
  WriteLiteral(channel, "\xE9");  // untagged: never converted
  EndLine(channel);
  EXPECT_EQ(HandedOver,
            std::vector<std::string>{"ERRORLEVEL = -1073741510 [0]-2147483648\xE9\r\n"});
}

TEST_F(ChannelTest, TextsAreConvertedOnlyWhenTheirCodePageDiffers) {
  // No console (code page 0): ANSI texts go out byte for byte, UTF-8 texts are converted.
  WriteText(channel, AnsiText("caf\xE9"));
  WriteText(channel, TText{"\xC2\xA9", CodePageUtf8});
  WriteText(channel, TText{});
  EndLine(channel);
  // A console whose code page is UTF-8: now the ANSI text is the one converted.
  BindChannel(channel, nullptr, CodePageUtf8, "test channel");
  WriteText(channel, AnsiText("caf\xE9"));
  WriteText(channel, TText{"\xC2\xA9", CodePageUtf8});
  EndLine(channel);
  EXPECT_EQ(HandedOver, (std::vector<std::string>{"caf\xE9\xA9\r\n", "caf\xC3\xA9\xC2\xA9\r\n"}));
}

#ifndef _WIN32
bool Refuse(void*, const char*, size_t, uint32_t* systemError) {
  *systemError = 28;
  return false;
}

TEST_F(ChannelTest, AFailedHandOverEndsTheProcessWith217) {
  channel.HandOver = Refuse;
  EXPECT_EXIT(
      {
        WriteLiteral(channel, "lost");
        EndLine(channel);
      },
      ::testing::ExitedWithCode(217),  // eight digits in the 32-bit product, more natively
      "^An unhandled exception occurred at \\$[0-9A-F]{8,16}:\r\nI/O error 101: Disk Full\r\n");
}
#endif

}  // namespace
