// The main routine. It runs the command, so it is built into the Windows program only; what it
// prints (report.cpp, usage.cpp) is portable and tested natively too.
#include "app/main_routine.h"

#include <string>
#include <utility>

#include "app/command_line.h"
#include "app/front_end.h"
#include "app/report.h"
#include "app/runner.h"
#include "app/usage.h"
#include "core/banner.h"
#include "core/channel.h"
#include "core/core_state.h"
#include "core/datetime.h"
#include "core/program_info.h"

namespace {

// One line on standard error after the report: the display name and what went wrong.
void Complain(const std::string& message, const TText& detail = TText{}) {
  WriteText(InfoChannel, ProgramInfo.ProgramDisplayName);
  WriteLiteral(InfoChannel, ": ");
  WriteLiteral(InfoChannel, message);
  WriteText(InfoChannel, detail);
  EndLine(InfoChannel);
}

void TimedRun() {
  CommandLine = BuildCommandLine();
  DateTimeValue startTime = CurrentLocalDateTime();
  WriteReportOpening(CommandLine, startTime);

  CapturedOutput = TText{};
  TRunResultRec run = RunCommandCaptured(CommandLine, CommandExitStatus, CHRONEX_CAPTURE_LIMIT);
  // Moved, not copied: a capture that took the memory there was leaves none for a copy.
  CapturedOutput = std::move(run.CapturedOutput);
  CommandExitStatus = run.CommandExitStatus;
  WriteCapturedOutput(CapturedOutput);
  DateTimeValue endTime = CurrentLocalDateTime();

  if (!run.Started) {
    ExitCode = ExitCodeStartFailed;
  } else if (run.OutputCut) {
    ExitCode = ExitCodeOutputCut;
  }
  WriteReportClosing(startTime, endTime, CommandExitStatus, ExitCode);

  if (!run.Started) {
    Complain("the command could not be started: " + run.FailedStep.Bytes + " failed with error " +
                 std::to_string(run.ErrorCode) + ": ",
             WindowsErrorMessage(run.ErrorCode));
  } else if (run.OutputCut) {
    Complain("the command's output was cut after " + std::to_string(run.BytesKept) +
             " bytes: there was no room to keep more");
  }
}

}  // namespace

void MainRoutine() {
  ExitCode = 0;
  ProgramInfo = SetProgramInfo(AnsiText("1.0.0"), AnsiText("1.0.0.70"),
                               AnsiText("Time the Execution of a Command and its Arguments"), true);
  if (ClassifyFirstArgument()) {
    ShowProgramBanner(ProgramInfo, ExtendedHelp, true);
    if (FirstArgument.Bytes != "--INFO") ShowUsage();
    ExitCode = ExitCodeHelp;
    return;
  }
  TimedRun();
}
