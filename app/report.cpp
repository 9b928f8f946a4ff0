#include "app/report.h"

#include "core/channel.h"
#include "core/program_info.h"

const TText ReportTimePattern = AnsiText("ddd mm/dd/yyyy \"at\" hh:nn:ss.zz");
const TText ReportElapsedPattern = AnsiText("[hh]:nn:ss.zz");

namespace {

// The display name and a 20-byte label whose colons line up with the other labels'.
void Label(std::string_view label) {
  WriteText(OutChannel, ProgramInfo.ProgramDisplayName);
  WriteLiteral(OutChannel, label);
}

void TimeLine(std::string_view label, DateTimeValue value, bool blankAfter) {
  Label(label);
  WriteText(OutChannel, RenderDateTime(ReportTimePattern, value, false));
  if (blankAfter) WriteLiteral(OutChannel, "\r\n");
  EndLine(OutChannel);
}

}  // namespace

void WriteReportOpening(const TText& commandLine, DateTimeValue startTime) {
  EndLine(OutChannel);
  Label(" :  Command Line :  ");
  WriteText(OutChannel, commandLine);
  EndLine(OutChannel);
  TimeLine(" :    Start Line :  ", startTime, true);
}

void WriteCapturedOutput(const TText& capturedOutput) {
  WriteText(OutChannel, capturedOutput);
  EndLine(OutChannel);
}

void WriteReportClosing(DateTimeValue startTime, DateTimeValue endTime, int32_t commandExitStatus,
                        int32_t exitCode) {
  TimeLine(" :    Start Time :  ", startTime, false);
  TimeLine(" :      End Time :  ", endTime, false);
  Label(" :  Elapsed Time :  ");
  WriteText(OutChannel, RenderDateTime(ReportElapsedPattern, endTime - startTime, true));
  WriteLiteral(OutChannel, "\r\n");
  EndLine(OutChannel);
  WriteLiteral(OutChannel, "ERRORLEVEL = ");
  WriteInteger(OutChannel, commandExitStatus);
  WriteLiteral(OutChannel, " [");
  WriteInteger(OutChannel, exitCode);
  WriteLiteral(OutChannel, "]\r\n");
  EndLine(OutChannel);
}
