// Text values, the counted byte strings that carry the code page of their bytes, and the core
// library's two text helpers, QuoteIfNeeded and ReplaceText. Nothing here calls Windows directly:
// code-page work goes through codepage.h, which each build supplies.
#ifndef CHRONEX_CORE_TEXT_H_
#define CHRONEX_CORE_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>

/// Code page tags. A text's tag is a Windows code page number, where 0 and 1 stand for the
/// process's ANSI and OEM code pages, as CP_ACP and CP_OEMCP do in the Win32 API.
constexpr uint32_t CodePageAnsi = 0;
constexpr uint32_t CodePageOem = 1;
constexpr uint32_t CodePageUtf8 = 65001;

/// A text value: bytes, which may hold NUL, and the code page they are in. Texts from the system
/// (arguments, paths, locale names, rendered times, the command's output) are ANSI.
struct TText {
  std::string Bytes;
  uint32_t CodePage = CodePageAnsi;

  bool Empty() const { return Bytes.empty(); }
  size_t Length() const { return Bytes.size(); }
};

inline bool operator==(const TText& a, const TText& b) {
  return a.Bytes == b.Bytes && a.CodePage == b.CodePage;
}
inline bool operator!=(const TText& a, const TText& b) { return !(a == b); }

/// An ANSI text of the given bytes.
inline TText AnsiText(std::string_view bytes) { return TText{std::string(bytes), CodePageAnsi}; }

/// The bytes with "a" to "z" turned into "A" to "Z" and every other byte unchanged.
std::string UpperCaseAscii(std::string_view bytes);

/// S wrapped in one double quote on each side when it is empty or holds a blank or a semicolon;
/// S unchanged otherwise. Nothing inside is escaped, and a tab does not cause quoting. The result
/// is ANSI: a text in another code page is converted first.
TText QuoteIfNeeded(const TText& s);

/// Source with every occurrence of Pattern (or only the first, with firstOnly) replaced by
/// Replacement. Matching ignores case as the Windows ANSI upper-casing sees it; occurrences do
/// not overlap and replaced text is not searched again. An empty Pattern changes nothing.
TText ReplaceText(const TText& source, const TText& pattern, const TText& replacement,
                  bool firstOnly);

#endif  // CHRONEX_CORE_TEXT_H_
