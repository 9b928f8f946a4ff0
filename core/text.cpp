// The text helpers. Upper-casing for the search in ReplaceText is the one platform call here.
#include "core/text.h"

#include "core/codepage.h"

std::string UpperCaseAscii(std::string_view bytes) {
  std::string result(bytes);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

TText QuoteIfNeeded(const TText& s) {
  std::string bytes = s.Bytes;
  if (ResolveCodePage(s.CodePage) != AnsiCodePage) {
    bytes = ConvertCodePage(s.Bytes, ResolveCodePage(s.CodePage), AnsiCodePage);
  }
  if (bytes.empty() || bytes.find_first_of(" ;") != std::string::npos) {
    bytes = '"' + bytes + '"';
  }
  return TText{bytes, CodePageAnsi};
}

TText ReplaceText(const TText& source, const TText& pattern, const TText& replacement,
                  bool firstOnly) {
  if (pattern.Empty()) return source;

  std::string upperSource = source.Bytes;
  std::string upperPattern = pattern.Bytes;
  UpperCaseAnsi(upperSource);
  UpperCaseAnsi(upperPattern);

  std::string result;
  size_t copiedUpTo = 0;
  size_t found = upperSource.find(upperPattern);
  if (found == std::string::npos) return source;
  while (found != std::string::npos) {
    result.append(source.Bytes, copiedUpTo, found - copiedUpTo);
    result.append(replacement.Bytes);
    copiedUpTo = found + upperPattern.size();
    if (firstOnly) break;
    found = upperSource.find(upperPattern, copiedUpTo);
  }
  result.append(source.Bytes, copiedUpTo, std::string::npos);

  uint32_t codePage = replacement.Length() == pattern.Length() ? source.CodePage : CodePageAnsi;
  return TText{result, codePage};
}
