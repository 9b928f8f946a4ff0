// QuoteIfNeeded and ReplaceText, in both builds (the upper-casing is Windows' own under Wine).
#include "core/text.h"

#include <gtest/gtest.h>

namespace {

TEST(QuoteIfNeeded, QuotesEmptyBlankAndSemicolonOnly) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"", "\"\""},                // empty: two quotes
      {"a b", "\"a b\""},          // a blank
      {"a;b", "\"a;b\""},          // a semicolon
      {"ab", "ab"},                // nothing to quote
      {"a\tb", "a\tb"},            // a tab is no blank
      {"\"a b\"", "\"\"a b\"\""},  // already quoted: quoted again
      {"say\"hi\"", "say\"hi\""},  // inner quotes are not looked at
  };
  for (const Case& c : cases) {
    TText result = QuoteIfNeeded(AnsiText(c.in));
    EXPECT_EQ(result.Bytes, c.out) << "input [" << c.in << "]";
    EXPECT_EQ(result.CodePage, CodePageAnsi);
  }
}

TEST(QuoteIfNeeded, ConvertsTextsOfOtherCodePagesToAnsi) {
  TText utf8{"caf\xC3\xA9 au lait", CodePageUtf8};
  EXPECT_EQ(QuoteIfNeeded(utf8), AnsiText("\"caf\xE9 au lait\""));
}

TEST(ReplaceText, Cases) {
  struct Case {
    const char *source, *pattern, *replacement;
    bool firstOnly;
    const char* out;
  } cases[] = {
      {"abcABC", "b", "x", false, "axcAxC"},              // every occurrence, either case
      {"abcABC", "b", "x", true, "axcABC"},               // the first only
      {"aaa", "aa", "b", false, "ba"},                    // occurrences do not overlap
      {"aba", "a", "aa", false, "aabaa"},                 // replaced text is not searched again
      {"TOOL.EXE", ".exe", "", false, "TOOL"},            // the extension strip of the banner
      {"A.EXE.EXE", ".exe", "", false, "A"},              // every occurrence, not only the last
      {"abc", "", "x", false, "abc"},                     // empty pattern: unchanged
      {"", "a", "x", false, ""},                          // empty source
      {"Hello", "HELLO", "bye", false, "bye"},            // replacement keeps its own case
      {"abc", "x", "y", false, "abc"},                    // no occurrence
      {"CAF\xC9 caf\xE9", "caf\xE9", "T", false, "T T"},  // ANSI letters above 127 fold too
  };
  for (const Case& c : cases) {
    TText result =
        ReplaceText(AnsiText(c.source), AnsiText(c.pattern), AnsiText(c.replacement), c.firstOnly);
    EXPECT_EQ(result.Bytes, c.out) << c.source << " / " << c.pattern << " / " << c.replacement;
  }
}

TEST(ReplaceText, KeepsTheSourceCodePageOnlyWhenLengthsMatch) {
  TText source{"abc", CodePageUtf8};
  EXPECT_EQ(ReplaceText(source, AnsiText("b"), AnsiText("x"), false).CodePage, CodePageUtf8);
  EXPECT_EQ(ReplaceText(source, AnsiText("b"), AnsiText("xy"), false).CodePage, CodePageAnsi);
  EXPECT_EQ(ReplaceText(source, AnsiText(""), AnsiText("xy"), false).CodePage, CodePageUtf8);
}

}  // namespace
