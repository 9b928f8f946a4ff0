#include "core/program_info.h"

#include "core/arguments.h"
#include "core/paths.h"

TFileVersionInfoRec ProgramInfo;

namespace {

// The maker's fixed notices. The copyright sign is outside ASCII, so the notice is UTF-8 and
// reaches the console converted.
const TText kRightsNotice{"Copyright \xC2\xA9 2026 The chronex developers. MIT License.",
                          CodePageUtf8};
const TText kAuthorLine = AnsiText("Written by the chronex developers - chronex.invalid");

TText Joined(const TText& name, const TText& version) {
  return TText{name.Bytes + " v" + version.Bytes, name.CodePage};
}

}  // namespace

TFileVersionInfoRec SetProgramInfo(const TText& shortVersion, const TText& fullVersion,
                                   const TText& description, bool upperCase) {
  TFileVersionInfoRec r;
  TText path = ProgramArgument(0);
  r.ProgramDirectory = DirectoryOf(path);
  r.FileExtension = ExtensionOf(path);
  r.FileName = FileNameOf(path);
  if (upperCase) r.FileName.Bytes = UpperCaseAscii(r.FileName.Bytes);
  r.ProgramDisplayName = ReplaceText(r.FileName, r.FileExtension, TText{}, false);
  r.FileNameAndFullVersion = Joined(r.FileName, fullVersion);
  r.NameAndFullVersion = Joined(r.ProgramDisplayName, fullVersion);
  r.NameAndShortVersion = Joined(r.ProgramDisplayName, shortVersion);
  r.Description = description;
  r.RightsNotice = kRightsNotice;
  r.AuthorLine = kAuthorLine;
  r.InfoSource = AnsiText("File Info Supplied");
  r.InfoFilled = true;
  return r;
}
