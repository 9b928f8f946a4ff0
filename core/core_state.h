// The core library's process-wide state, and CoreStartup and CoreShutdown, which set it up
// before the main routine and release it after. The channels, the regional formats and the
// program information live in their own headers; this file holds the rest.
#ifndef CHRONEX_CORE_CORE_STATE_H_
#define CHRONEX_CORE_CORE_STATE_H_

#include <cstdint>

#include "core/param_records.h"
#include "core/regional_formats.h"
#include "core/text.h"

/// The tool's exit code: 0 at start; the process ends with it.
extern int32_t ExitCode;

/// RegionalFormats as it stood when CoreStartup began: the user default locale's values.
extern TRegionalFormatsRec SavedRegionalFormats;

extern TParamStatusArray ParamStatusTable;
extern TParamRecArray ParamRecTable;
extern TParamStatisticsRec CustomSyntaxValidation;
extern TParamStatisticsRec DefaultSyntaxValidation;
extern TFindParamRec FindParamSlot1, FindParamSlot2, FindParamSlot3, FindParamSlot4, FindParamSlot5,
    FindParamSlot6, FindParamSlot7, FindParamSlot8, FindParamSlot9;

/// QuoteIfNeeded of the executable's directory and of its file name.
extern TText QuotedProgramPath;
extern TText QuotedProgramName;
extern TText CoreTextA;
extern TText CoreTextB;

/// The named patterns, set when the process is loaded.
extern TText PatternLongDate;           // "dddd, mmmm dd, yyyy"
extern TText PatternShortDate;          // "mm/dd/yyyy"
extern TText PatternTime;               // "hh:nn:ss"
extern TText PatternDateTime;           // "mm/dd/yyyy hh:nn:ss"
extern TText PatternDateTotalHours;     // "mm/dd/yyyy [hh]:nn:ss.zzz"
extern TText PatternDateTimeMs;         // "mm/dd/yyyy hh:nn:ss.zzz"
extern TText PatternShortYearDateTime;  // "mm/dd/yy hh:nn:ss"
extern TText PatternDateTimeAmPm;       // "mm/dd/yyyy hh:nn AM/PM"

/// Sets up the state above, binds OutChannel and InfoChannel to standard output and standard
/// error, and reloads RegionalFormats from the system default locale with DateSep "/",
/// ShortDatePattern "mm/dd/yyyy", ShortTimePattern "hh:nn:ss" and LongDatePattern
/// "dddd, mmmm dd, yyyy" forced. Runs once, after process start-up.
void CoreStartup();

/// Releases the state. It neither flushes nor closes the channels: every line has been handed
/// over at its line end.
void CoreShutdown();

#endif  // CHRONEX_CORE_CORE_STATE_H_
