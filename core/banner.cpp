#include "core/banner.h"

#include "core/channel.h"
#include "core/datetime.h"
#include "core/datetime_read.h"
#include "core/regional_formats.h"

#define CHRONEX_STRINGIFY2(x) #x
#define CHRONEX_STRINGIFY(x) CHRONEX_STRINGIFY2(x)

const TText BuildDate = AnsiText("2024/05/24");
const TText BuildDateTime = AnsiText("2024/05/24 15:02:51");
#if defined(__clang__)
const TText ToolchainText = AnsiText(" using Clang " __clang_version__);
#elif defined(__GNUC__)
const TText ToolchainText = AnsiText(" using GCC " __VERSION__);
#else
const TText ToolchainText = AnsiText(" using a C++ compiler");
#endif

bool BannerShown = false;

namespace {

// Puts the regional formats back however the banner's preparation ends.
struct TFormatsRestorer {
  TRegionalFormatsRec Saved = RegionalFormats;
  ~TFormatsRestorer() { RegionalFormats = Saved; }
};

TText Concat(std::string_view before, const TText& text, std::string_view after) {
  return TText{std::string(before) + text.Bytes + std::string(after), text.CodePage};
}

}  // namespace

void ShowProgramBanner(const TFileVersionInfoRec& info, bool extendedLine, bool standardLines) {
  TFormatsRestorer restorer;
  // The build date and time are written year/month/day with "/" and ":": read them so.
  RegionalFormats.DateSep = '/';
  RegionalFormats.ShortDatePattern = AnsiText("yyyy/mm/dd");
  RegionalFormats.TimeSep = ':';

  DateTimeValue date = ReadDate(BuildDate, RegionalFormats.ShortDatePattern, '\0');
  TText datePart = Concat(" (", RenderDateTime(AnsiText("dd mmm yyyy"), date, false), ") ");
  DateTimeValue dateTime = DateTimeFromText(BuildDateTime, AnsiText("mm/dd/yyyy"));
  TText buildPart = Concat(" was compiled on ",
                           RenderDateTime(AnsiText("dd mmm yyyy @ hh:00:00"), dateTime, false), "");

  if (BannerShown) return;
  if (standardLines) {
    WriteText(InfoChannel, info.NameAndShortVersion);
    WriteLiteral(InfoChannel, " x86");
    WriteText(InfoChannel, datePart);
    WriteLiteral(InfoChannel, "- ");
    WriteText(InfoChannel, info.Description);
    EndLine(InfoChannel);
    WriteText(InfoChannel, info.RightsNotice);
    EndLine(InfoChannel);
    WriteText(InfoChannel, info.AuthorLine);
    WriteLiteral(InfoChannel, "\r\n");
    EndLine(InfoChannel);
  }
  if (extendedLine) {
    WriteText(InfoChannel, info.FileNameAndFullVersion);
    WriteLiteral(InfoChannel, " x86");
    WriteText(InfoChannel, buildPart);
    WriteText(InfoChannel, ToolchainText);
    EndLine(InfoChannel);
    if (standardLines) EndLine(InfoChannel);
  }
  BannerShown = true;
}
