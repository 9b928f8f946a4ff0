#include "core/core_state.h"

#include "core/arguments.h"
#include "core/channel.h"
#include "core/locale.h"
#include "core/paths.h"
#include "core/process.h"
#include "core/program_info.h"

int32_t ExitCode = 0;
TRegionalFormatsRec SavedRegionalFormats;
TParamStatusArray ParamStatusTable;
TParamRecArray ParamRecTable;
TParamStatisticsRec CustomSyntaxValidation;
TParamStatisticsRec DefaultSyntaxValidation;
TFindParamRec FindParamSlot1, FindParamSlot2, FindParamSlot3, FindParamSlot4, FindParamSlot5,
    FindParamSlot6, FindParamSlot7, FindParamSlot8, FindParamSlot9;
TText QuotedProgramPath;
TText QuotedProgramName;
TText CoreTextA;
TText CoreTextB;

TText PatternLongDate = AnsiText("dddd, mmmm dd, yyyy");
TText PatternShortDate = AnsiText("mm/dd/yyyy");
TText PatternTime = AnsiText("hh:nn:ss");
TText PatternDateTime = AnsiText("mm/dd/yyyy hh:nn:ss");
TText PatternDateTotalHours = AnsiText("mm/dd/yyyy [hh]:nn:ss.zzz");
TText PatternDateTimeMs = AnsiText("mm/dd/yyyy hh:nn:ss.zzz");
TText PatternShortYearDateTime = AnsiText("mm/dd/yy hh:nn:ss");
TText PatternDateTimeAmPm = AnsiText("mm/dd/yyyy hh:nn AM/PM");

void CoreStartup() {
  ExitCode = 0;
  BindChannel(OutChannel, StdOutputHandle, ConsoleOutputCodePage, "standard output");
  BindChannel(InfoChannel, StdErrorHandle, ConsoleOutputCodePage, "standard error");
  QuotedProgramPath = QuoteIfNeeded(DirectoryOf(ProgramArgument(0)));
  QuotedProgramName = QuoteIfNeeded(FileNameOf(ProgramArgument(0)));
  ParamStatusTable.clear();
  BuildParamStatusTable(ParamStatusTable);
  ParamRecTable.clear();
  ResetParamRecTable(ParamRecTable, 0);
  ResetValidationRecord(CustomSyntaxValidation, AnsiText("Custom Syntax Validation Record"));
  ResetValidationRecord(DefaultSyntaxValidation, AnsiText("Default Syntax Validation Record"));
  SavedRegionalFormats = RegionalFormats;
  LoadRegionalFormats(RegionalFormats, LocaleSystemDefault);
  RegionalFormats.DateSep = '/';
  RegionalFormats.ShortDatePattern = AnsiText("mm/dd/yyyy");
  RegionalFormats.ShortTimePattern = AnsiText("hh:nn:ss");
  RegionalFormats.LongDatePattern = AnsiText("dddd, mmmm dd, yyyy");
}

void CoreShutdown() {
  ProgramInfo = TFileVersionInfoRec{};
  ParamStatusTable = TParamStatusArray{};
  ParamRecTable = TParamRecArray{};
  CustomSyntaxValidation = TParamStatisticsRec{};
  DefaultSyntaxValidation = TParamStatisticsRec{};
  CoreTextA = TText{};
  CoreTextB = TText{};
  for (TFindParamRec* slot :
       {&FindParamSlot1, &FindParamSlot2, &FindParamSlot3, &FindParamSlot4, &FindParamSlot5,
        &FindParamSlot6, &FindParamSlot7, &FindParamSlot8, &FindParamSlot9}) {
    *slot = TFindParamRec{};
  }
  QuotedProgramPath = TText{};
  QuotedProgramName = TText{};
  SavedRegionalFormats = TRegionalFormatsRec{};
  for (TText* pattern :
       {&PatternLongDate, &PatternShortDate, &PatternTime, &PatternDateTime, &PatternDateTotalHours,
        &PatternDateTimeMs, &PatternShortYearDateTime, &PatternDateTimeAmPm}) {
    *pattern = TText{};
  }
}
