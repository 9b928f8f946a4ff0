// The runner's portable half: the interpreter's command line, and the capture buffer's growth,
// limit and exhaustion.
#include "app/runner.h"

#include <gtest/gtest.h>

namespace {

TEST(QuoteIfBlank, WrapsOnlyABlankWithoutQuotes) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"", ""},                    // empty: nothing to wrap
      {"a b", "\"a b\""},          // a blank
      {" ", "\" \""},              // a blank alone
      {"ab", "ab"},                // no blank
      {"a\tb", "a\tb"},            // a tab is no blank
      {"a;b", "a;b"},              // nor is a semicolon
      {"a \"b", "a \"b"},          // one double quote, unpaired, prevents the wrapping
      {"\"a b\"", "\"a b\""},      // already quoted: unchanged
      {"a\\ b\\", "\"a\\ b\\\""},  // backslashes are not escaped, a final one included
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QuoteIfBlank(AnsiText(c.in)).Bytes, c.out) << "input [" << c.in << "]";
  }
  EXPECT_EQ(QuoteIfBlank(TText{"a b", CodePageUtf8}).CodePage, CodePageUtf8);
}

TEST(ComposeProcessCommandLine, QuotesEachItemOnItsOwn) {
  EXPECT_EQ(ComposeProcessCommandLine(AnsiText("C:\\My Tools\\t.exe"), {}).Bytes,
            "\"C:\\My Tools\\t.exe\"");
  EXPECT_EQ(
      ComposeProcessCommandLine(AnsiText("t"), {AnsiText("a b"), AnsiText(""), AnsiText("c\"d e")})
          .Bytes,
      "t \"a b\"  c\"d e");
}

TEST(InterpreterCommandLine, TwoParametersSlashCAndTheLine) {
  struct Case {
    const char* commandLine;
    const char* processLine;
  } cases[] = {
      {"dir \\", "CMD.EXE /C \"dir \\\""},          // a blank: wrapped, unwrapped by CMD
      {"dir", "CMD.EXE /C dir"},                    // no blank: as it is
      {"echo \"a b\"", "CMD.EXE /C echo \"a b\""},  // a quote inside: as it is
      {"echo \"a;b\"", "CMD.EXE /C echo \"a;b\""},  // the same, with a semicolon
      {"\"dir /w\"", "CMD.EXE /C \"dir /w\""},      // quoted whole: CMD takes the quotes off
      {"\"C:\\a b\\t.exe\" x", "CMD.EXE /C \"C:\\a b\\t.exe\" x"},  // two quotes: CMD keeps them
      // More than two and a quote first: CMD would take off the first and the last, so the
      // line gets a pair of its own for CMD to take off.
      {"\"C:\\a b\\t.exe\" \"x y\"", "CMD.EXE /C \"\"C:\\a b\\t.exe\" \"x y\"\""},
      {"", "CMD.EXE /C "},                                    // empty: nothing after /C
      {"echo a & echo b", "CMD.EXE /C \"echo a & echo b\""},  // the interpreter's operators inside
      {"echo caf\xE9 au lait", "CMD.EXE /C \"echo caf\xE9 au lait\""},  // bytes above 127 kept
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InterpreterCommandLine(AnsiText(c.commandLine)), AnsiText(c.processLine))
        << "command line [" << c.commandLine << "]";
  }
}

TEST(GrownCapacity, GrowsGeometricallyWithinTheLimit) {
  constexpr uint64_t Step = CaptureGrowthStep;
  constexpr uint64_t NoLimit = UINT64_MAX;
  struct Case {
    uint64_t capacity, wanted, limit, grown;
  } cases[] = {
      {0, 1, NoLimit, Step},                         // the first growth: one step
      {0, 3 * Step, NoLimit, 3 * Step},              // or what is wanted, when more
      {Step, 1, NoLimit, 2 * Step},                  // then doubling
      {40 * Step, Step, NoLimit, 80 * Step},         // doubling beats the step
      {40 * Step, 100 * Step, NoLimit, 140 * Step},  // what is wanted beats doubling
      {0, 1, 100, 100},                              // a limit below one step
      {40 * Step, Step, 50 * Step, 50 * Step},       // doubling cut to the limit
      {50 * Step, Step, 50 * Step, 50 * Step},       // at the limit: no growth
      {0, 1, 0, 0},                                  // a limit of 0: never any room
      {NoLimit / 2 + 1, 1, NoLimit, NoLimit},        // doubling saturates
      {NoLimit - 1, NoLimit, NoLimit, NoLimit},      // so does adding
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GrownCapacity(c.capacity, c.wanted, c.limit), c.grown)
        << "capacity " << c.capacity << ", wanted " << c.wanted << ", limit " << c.limit;
  }
}

// Appends the bytes as the runner does, in reads of `read` bytes.
void Feed(TCaptureBufferRec& buffer, const std::string& bytes, size_t read) {
  for (size_t at = 0; at < bytes.size(); at += read) {
    AppendCaptured(buffer, std::string_view(bytes).substr(at, read));
  }
}

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 256);
  return bytes;
}

TEST(CaptureBuffer, KeepsEveryByteWithFewGrowths) {
  TCaptureBufferRec buffer;
  std::string bytes = Pattern(5 * 1000 * 1000 + 3);
  int growths = 0;
  size_t capacity = buffer.Bytes.capacity();
  for (size_t at = 0; at < bytes.size(); at += 4000) {
    AppendCaptured(buffer, std::string_view(bytes).substr(at, 4000));
    if (buffer.Bytes.capacity() != capacity) {
      ++growths;
      capacity = buffer.Bytes.capacity();
    }
  }
  EXPECT_EQ(buffer.Discarded, 0u);
  EXPECT_LE(growths, 8);  // 64 KiB doubled up to 8 MiB: geometric, not one growth per step
  EXPECT_EQ(TakeCapturedOutput(buffer), AnsiText(bytes));
  EXPECT_TRUE(buffer.Bytes.empty());
}

TEST(CaptureBuffer, LittleOutputCostsAtMostOneAllocation) {
  TCaptureBufferRec buffer;
  size_t before = buffer.Bytes.capacity();
  AppendCaptured(buffer, "hello\r\n");
  AppendCaptured(buffer, "and a second, longer line\r\n");
  EXPECT_LE(buffer.Bytes.capacity(), std::max<size_t>(before, CaptureGrowthStep + before));
  AppendCaptured(buffer, std::string(1000, 'x'));
  EXPECT_LE(buffer.Bytes.capacity(), std::max<size_t>(before, CaptureGrowthStep + before));
  EXPECT_EQ(TakeCapturedOutput(buffer).Bytes,
            "hello\r\nand a second, longer line\r\n" + std::string(1000, 'x'));
}

TEST(CaptureBuffer, NoOutputGivesAnEmptyText) {
  TCaptureBufferRec buffer;
  AppendCaptured(buffer, "");
  EXPECT_EQ(TakeCapturedOutput(buffer), AnsiText(""));
}

TEST(CaptureBuffer, LimitKeepsTheFirstBytesAndCountsTheRest) {
  struct Case {
    uint64_t limit;
    size_t size;
  } cases[] = {
      {100, 99},        // below the limit: everything
      {100, 100},       // exactly the limit: everything, nothing dropped
      {100, 101},       // one byte over
      {100, 100000},    // far over, in reads larger than the limit
      {0, 10},          // a limit of 0: nothing kept
      {70000, 200000},  // a limit past the first growth step
  };
  for (const Case& c : cases) {
    TCaptureBufferRec buffer;
    buffer.Limit = c.limit;
    std::string bytes = Pattern(c.size);
    Feed(buffer, bytes, 65536);
    size_t kept = std::min<size_t>(c.size, c.limit);
    EXPECT_EQ(buffer.Discarded, c.size - kept) << "limit " << c.limit << ", size " << c.size;
    EXPECT_EQ(TakeCapturedOutput(buffer).Bytes, bytes.substr(0, kept))
        << "limit " << c.limit << ", size " << c.size;
  }
}

TEST(CaptureBuffer, RefusedGrowthLeavesTheBufferAsItWas) {
  // A capacity beyond what a string can hold is refused the way memory is.
  TCaptureBufferRec buffer;
  buffer.Limit = UINT64_MAX;
  AppendCaptured(buffer, "first");
  size_t capacity = buffer.Bytes.capacity();
  EXPECT_FALSE(GrowCapture(buffer, UINT64_MAX / 4));
  EXPECT_EQ(buffer.Bytes.capacity(), capacity);
  EXPECT_EQ(TakeCapturedOutput(buffer).Bytes, "first");
}

#ifdef _WIN32
TEST(WindowsErrorMessage, OneLineWithoutTrailingBlanks) {
  for (uint32_t code : {2u, 5u, 8u, 206u}) {
    std::string text = WindowsErrorMessage(code).Bytes;
    EXPECT_FALSE(text.empty()) << "error " << code;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << "error " << code << ": " << text;
    EXPECT_NE(text.back(), ' ') << "error " << code;
  }
  EXPECT_EQ(WindowsErrorMessage(0x2FFFFFFF).Bytes, "");  // no such code: no text
}
#endif

}  // namespace
