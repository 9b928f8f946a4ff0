// Fuzz target: RenderDateTime on arbitrary patterns and values, under this system's regional
// formats or under formats the fuzzer makes (separators, the patterns that expand, AM and PM
// texts, one month and one day name). The text never exceeds 255 characters (256 with the
// leading "-" of a negative interval), and the only failure is the ConversionError of an illegal
// letter, which needs a letter a somewhere.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/codepage.h"
#include "core/datetime.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr size_t kFieldLimit = 80;

TText Field(FuzzedDataProvider& data) {
  return AnsiText(data.ConsumeRandomLengthString(kFieldLimit));
}

void MakeFormats(FuzzedDataProvider& data) {
  RegionalFormats.DateSep = data.ConsumeIntegral<char>();
  RegionalFormats.TimeSep = data.ConsumeIntegral<char>();
  RegionalFormats.ShortDatePattern = Field(data);
  RegionalFormats.LongDatePattern = Field(data);
  RegionalFormats.ShortTimePattern = Field(data);
  RegionalFormats.LongTimePattern = Field(data);
  RegionalFormats.AmText = Field(data);
  RegionalFormats.PmText = Field(data);
  RegionalFormats.MonthNames[data.ConsumeIntegralInRange(0, 11)] = Field(data);
  RegionalFormats.DayNames[data.ConsumeIntegralInRange(0, 6)] = Field(data);
}

// Values of every kind: any bit pattern (NaN, infinities, the smallest and largest numbers),
// and values in and around the range of dates, where the calendar arithmetic works.
DateTimeValue MakeValue(FuzzedDataProvider& data) {
  switch (data.ConsumeIntegralInRange(0, 2)) {
    case 0: {
      uint64_t bits = data.ConsumeIntegral<uint64_t>();
      double value;
      std::memcpy(&value, &bits, sizeof value);
      return value;
    }
    case 1:
      return data.ConsumeFloatingPointInRange(-700000.0, 3000000.0);
    default:
      return data.ConsumeFloatingPointInRange(-2.0, 2.0);
  }
}

bool HoldsLetterA(const std::string& bytes) {
  return bytes.find_first_of("aA") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  RegionalFormats = SystemFormats();
  if (data.ConsumeBool()) MakeFormats(data);
  const bool asInterval = data.ConsumeBool();
  const DateTimeValue value = MakeValue(data);
  const uint32_t codePage = data.ConsumeBool() ? CodePageUtf8 : CodePageAnsi;
  const TText pattern{data.ConsumeRemainingBytesAsString(), codePage};

  TText text;
  try {
    text = RenderDateTime(pattern, value, asInterval);
  } catch (const ConversionError& error) {
    if (error.Message != "Illegal character in format string") {
      FuzzFailure("failure message " + Visible(error.Message));
    }
    const TRegionalFormatsRec& f = RegionalFormats;
    // The letter is looked for in the pattern as rendering sees it, in the ANSI code page.
    std::string ansiPattern = codePage == CodePageAnsi
                                  ? pattern.Bytes
                                  : ConvertCodePage(pattern.Bytes, codePage, AnsiCodePage);
    if (!HoldsLetterA(ansiPattern) && !HoldsLetterA(f.ShortDatePattern.Bytes) &&
        !HoldsLetterA(f.LongDatePattern.Bytes) && !HoldsLetterA(f.ShortTimePattern.Bytes) &&
        !HoldsLetterA(f.LongTimePattern.Bytes)) {
      FuzzFailure("illegal letter reported for " + Visible(pattern.Bytes));
    }
    return 0;
  }

  const bool negativeInterval = asInterval && value < 0;
  const size_t limit = negativeInterval ? 256 : 255;
  if (text.Length() > limit || (negativeInterval && (text.Empty() || text.Bytes[0] != '-'))) {
    FuzzFailure(std::to_string(text.Length()) + " characters for " + Visible(pattern.Bytes) + ": " +
                Visible(text.Bytes));
  }
  if (text.CodePage != CodePageAnsi) FuzzFailure("result not ANSI");
  return 0;
}
