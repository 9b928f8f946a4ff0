// The running program's identity record, TFileVersionInfoRec, and SetProgramInfo, which fills
// it from the executable's own path and the texts the front end gives.
#ifndef CHRONEX_CORE_PROGRAM_INFO_H_
#define CHRONEX_CORE_PROGRAM_INFO_H_

#include "core/text.h"

/// The program's identity; fields in this order. A value: copying copies its texts.
struct TFileVersionInfoRec {
  bool InfoFilled = false;
  TText FileName;            // the executable's file name, upper-cased when asked
  TText ProgramDisplayName;  // FileName with every occurrence of FileExtension removed
  TText FileExtension;       // the path's extension, dot included, as written
  TText NameAndShortVersion;
  TText FileNameAndFullVersion;
  TText NameAndFullVersion;
  TText Reserved1;
  TText Reserved2;
  TText Reserved3;
  TText Reserved4;
  TText Reserved5;
  TText Description;
  TText Reserved6;
  TText RightsNotice;
  TText AuthorLine;
  TText InfoSource;
  TText Reserved7;
  TText ProgramDirectory;  // without a trailing separator (but after a drive colon)
};

/// The core library's one instance: empty until the main routine stores SetProgramInfo's result.
extern TFileVersionInfoRec ProgramInfo;

/// The record for the running executable (ProgramArgument 0) with these versions and this
/// description; with upperCase, the file name's letters a to z are upper-cased.
TFileVersionInfoRec SetProgramInfo(const TText& shortVersion, const TText& fullVersion,
                                   const TText& description, bool upperCase);

#endif  // CHRONEX_CORE_PROGRAM_INFO_H_
