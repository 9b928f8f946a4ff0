// The program's identity banner on standard error, printed at most once per process.
#ifndef CHRONEX_CORE_BANNER_H_
#define CHRONEX_CORE_BANNER_H_

#include "core/program_info.h"

/// The build date and time of this build, fixed: "2024/05/24" and "2024/05/24 15:02:51".
extern const TText BuildDate;
extern const TText BuildDateTime;
/// " using " and the name and version of the compiler that built the program.
extern const TText ToolchainText;

/// False until ShowProgramBanner first runs.
extern bool BannerShown;

/// Writes the banner to InfoChannel, unless it has been shown before: with standardLines the
/// name, version, build date and description, the rights notice, the author line and an empty
/// line; with extendedLine the file name, full version, build date and hour and toolchain (then
/// an empty line when the standard lines came too). RegionalFormats is set to read and render
/// the build date the same whatever the locale, and put back afterwards.
void ShowProgramBanner(const TFileVersionInfoRec& info, bool extendedLine, bool standardLines);

#endif  // CHRONEX_CORE_BANNER_H_
