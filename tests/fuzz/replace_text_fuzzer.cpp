// Fuzz target: ReplaceText against a plain reference: a search from the left, byte by byte, that
// folds letters with a fold of its own on ASCII texts (and with the ANSI upper-casing, byte by
// byte, on others), takes each occurrence and goes on after it. Besides the result's bytes, the
// lengths add up, FirstOnly stops after the first occurrence, an empty pattern changes nothing,
// and the code page is the source's only when the replacement is as long as the pattern.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/codepage.h"
#include "core/text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool IsAscii(const std::string& bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) > 127) return false;
  }
  return true;
}

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

char FoldAnsi(char c) {
  std::string one(1, c);
  UpperCaseAnsi(one);
  return one[0];
}

struct TReferenceRec {
  std::string Bytes;
  size_t Occurrences = 0;
};

TReferenceRec Reference(const std::string& source, const std::string& pattern,
                        const std::string& replacement, bool firstOnly, bool ascii) {
  TReferenceRec result;
  if (pattern.empty()) {
    result.Bytes = source;
    return result;
  }
  size_t i = 0;
  while (i < source.size()) {
    bool match = !(firstOnly && result.Occurrences > 0) && source.size() - i >= pattern.size();
    for (size_t k = 0; match && k < pattern.size(); ++k) {
      char a = source[i + k];
      char b = pattern[k];
      match = ascii ? FoldAscii(a) == FoldAscii(b) : FoldAnsi(a) == FoldAnsi(b);
    }
    if (match) {
      result.Bytes += replacement;
      ++result.Occurrences;
      i += pattern.size();
    } else {
      result.Bytes.push_back(source[i++]);
    }
  }
  return result;
}

uint32_t CodePageOf(FuzzedDataProvider& data) {
  return data.ConsumeBool() ? CodePageAnsi : data.PickValueInArray({CodePageUtf8, 437u, 1252u});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const bool firstOnly = data.ConsumeBool();
  const uint32_t sourceCodePage = CodePageOf(data);
  const TText pattern{data.ConsumeRandomLengthString(16), CodePageOf(data)};
  const TText replacement{data.ConsumeRandomLengthString(16), CodePageOf(data)};
  const TText source{data.ConsumeRemainingBytesAsString(), sourceCodePage};

  const TText result = ReplaceText(source, pattern, replacement, firstOnly);
  const bool ascii = IsAscii(source.Bytes) && IsAscii(pattern.Bytes);
  const TReferenceRec expected =
      Reference(source.Bytes, pattern.Bytes, replacement.Bytes, firstOnly, ascii);
  const std::string what = Visible(source.Bytes) + " " + Visible(pattern.Bytes) + " " +
                           Visible(replacement.Bytes) + (firstOnly ? " first only" : "");
  if (result.Bytes != expected.Bytes) {
    FuzzFailure(what + " gives " + Visible(result.Bytes) + " instead of " +
                Visible(expected.Bytes));
  }
  const size_t length = source.Length() + expected.Occurrences * replacement.Length() -
                        expected.Occurrences * pattern.Length();
  if (result.Length() != length) FuzzFailure(what + ": lengths do not add up");
  if (expected.Occurrences == 0 && result != source) FuzzFailure(what + ": changed");
  if (expected.Occurrences > 0) {
    uint32_t codePage = replacement.Length() == pattern.Length() ? source.CodePage : CodePageAnsi;
    if (result.CodePage != codePage) FuzzFailure(what + ": code page");
  }
  return 0;
}
