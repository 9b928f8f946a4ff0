// CoreStartup's state and CoreShutdown's release, the argument bookkeeping records, and the path
// and program-information texts cut from the executable's path.
#include "core/core_state.h"

#include <gtest/gtest.h>

#include "core/arguments.h"
#include "core/paths.h"
#include "core/program_info.h"

namespace {

TEST(CoreStartup, QuotedProgramPathAndName) {
  struct Case {
    const char *path, *quotedPath, *quotedName;
  } cases[] = {
      {"C:\\My Tools\\t.exe", "\"C:\\My Tools\"", "t.exe"},  // a blank: quoted
      {"C:\\t.exe", "C:\\", "t.exe"},                        // the root keeps its separator
      {"t.exe", "\"\"", "t.exe"},                            // no directory: quoted empty text
  };
  for (const Case& c : cases) {
    SplitCommandLine("t", c.path);
    CoreStartup();
    EXPECT_EQ(QuotedProgramPath.Bytes, c.quotedPath);
    EXPECT_EQ(QuotedProgramName.Bytes, c.quotedName);
    CoreShutdown();
  }
}

TEST(CoreStartup, ParamStatusTableHoldsTheArguments) {
  SplitCommandLine("t a \"b c\"", "C:\\t.exe");
  CoreStartup();
  ASSERT_EQ(ParamStatusTable.size(), 2u);
  EXPECT_EQ(ParamStatusTable[0].Argument.Bytes, "a");
  EXPECT_EQ(ParamStatusTable[1].Argument.Bytes, "b c");
  EXPECT_EQ(ParamStatusTable[1].Value1, 0);
  EXPECT_TRUE(ParamRecTable.empty());
  EXPECT_EQ(CustomSyntaxValidation.Name.Bytes, "Custom Syntax Validation Record");
  EXPECT_EQ(DefaultSyntaxValidation.Name.Bytes, "Default Syntax Validation Record");
  EXPECT_TRUE(CustomSyntaxValidation.Flag1);
  CoreShutdown();

  for (const char* line : {"t", ""}) {  // no arguments, and no token at all
    SplitCommandLine(line, "C:\\t.exe");
    CoreStartup();
    EXPECT_TRUE(ParamStatusTable.empty()) << "[" << line << "]";
    CoreShutdown();
  }
}

TEST(CoreStartup, ForcesFourFormatsAndSavesThePreviousRecord) {
  SplitCommandLine("t", "C:\\t.exe");
  RegionalFormats = TRegionalFormatsRec{};
  RegionalFormats.ShortDatePattern = AnsiText("d.M.yyyy");
  RegionalFormats.DateSep = '.';
  CoreStartup();
  EXPECT_EQ(SavedRegionalFormats.ShortDatePattern.Bytes, "d.M.yyyy");
  EXPECT_EQ(SavedRegionalFormats.DateSep, '.');
  EXPECT_EQ(RegionalFormats.DateSep, '/');
  EXPECT_EQ(RegionalFormats.ShortDatePattern.Bytes, "mm/dd/yyyy");
  EXPECT_EQ(RegionalFormats.ShortTimePattern.Bytes, "hh:nn:ss");
  EXPECT_EQ(RegionalFormats.LongDatePattern.Bytes, "dddd, mmmm dd, yyyy");
  EXPECT_EQ(RegionalFormats.TwoDigitYearWindow, 50);
  EXPECT_EQ(ExitCode, 0);
  CoreShutdown();
  EXPECT_TRUE(QuotedProgramName.Empty());
  EXPECT_TRUE(PatternDateTimeMs.Empty());
  EXPECT_TRUE(SavedRegionalFormats.ShortDatePattern.Bytes == "m/d/yy");  // back to a blank record
  RegionalFormats = TRegionalFormatsRec{};
}

TEST(ResetValidationRecord, KeepsValue13Text11AndAnEmptyName) {
  TParamStatisticsRec record;
  record.Flag2 = true;
  record.Counters[11] = 7;
  record.Value13 = 13;
  record.Counter14 = 14;
  record.Texts[0] = AnsiText("one");
  record.Texts[10] = AnsiText("eleven");
  record.Texts[13] = AnsiText("fourteen");
  record.Name = AnsiText("kept");
  ResetValidationRecord(record, TText{});
  EXPECT_TRUE(record.Flag1);
  EXPECT_FALSE(record.Flag2);
  EXPECT_EQ(record.Counters[11], 0);
  EXPECT_EQ(record.Value13, 13);
  EXPECT_EQ(record.Counter14, 0);
  EXPECT_TRUE(record.Texts[0].Empty());
  EXPECT_EQ(record.Texts[10].Bytes, "eleven");
  EXPECT_TRUE(record.Texts[13].Empty());
  EXPECT_EQ(record.Name.Bytes, "kept");
  ResetValidationRecord(record, AnsiText("new"));
  EXPECT_EQ(record.Name.Bytes, "new");
}

TEST(Paths, DirectoryFileNameAndExtension) {
  struct Case {
    const char *path, *directory, *fileName, *extension;
  } cases[] = {
      {"C:\\Tools\\t.exe", "C:\\Tools", "t.exe", ".exe"},
      {"C:\\t.exe", "C:\\", "t.exe", ".exe"},          // separator kept after the drive
      {"\\t.exe", "\\", "t.exe", ".exe"},              // the root alone
      {"t.exe", "", "t.exe", ".exe"},                  // no separator
      {"C:t.exe", "C:", "t.exe", ".exe"},              // drive-relative
      {"C:\\a\\\\t", "C:\\a\\\\", "t", ""},            // doubled separator kept; no extension
      {"C:\\a.b\\chronex", "C:\\a.b", "chronex", ""},  // a dot in the directory only
      {"C:\\x\\.exe", "C:\\x", ".exe", ""},            // a name that begins with its only dot
      {".exe", "", ".exe", ""},
      {"C:\\x\\a.exeb.exe", "C:\\x", "a.exeb.exe", ".exe"},
      {"/u/t.tar.gz", "/u", "t.tar.gz", ".gz"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DirectoryOf(AnsiText(c.path)).Bytes, c.directory) << c.path;
    EXPECT_EQ(FileNameOf(AnsiText(c.path)).Bytes, c.fileName) << c.path;
    EXPECT_EQ(ExtensionOf(AnsiText(c.path)).Bytes, c.extension) << c.path;
  }
}

TEST(SetProgramInfo, NamesFromTheExecutablePath) {
  struct Case {
    const char* path;
    bool upperCase;
    const char *fileName, *displayName;
  } cases[] = {
      {"C:\\Tools\\chronex.exe", true, "CHRONEX.EXE", "CHRONEX"},
      {"C:\\Tools\\t.EXE", true, "T.EXE", "T"},
      {"C:\\Tools\\a.exeb.exe", true, "A.EXEB.EXE", "AB"},  // the extension goes twice
      {"C:\\Tools\\chronex", true, "CHRONEX", "CHRONEX"},   // no extension
      {"C:\\Tools\\.exe", true, ".EXE", ".EXE"},            // a dot file has none
      {"C:\\Tools\\Chronex.exe", false, "Chronex.exe", "Chronex"},
      {"C:\\Tools\\caf\xE9.exe", true, "CAF\xE9.EXE", "CAF\xE9"},  // only a to z change
  };
  for (const Case& c : cases) {
    SplitCommandLine("t", c.path);
    TFileVersionInfoRec r =
        SetProgramInfo(AnsiText("1.0.0"), AnsiText("1.0.0.70"), AnsiText("D"), c.upperCase);
    EXPECT_EQ(r.FileName.Bytes, c.fileName) << c.path;
    EXPECT_EQ(r.ProgramDisplayName.Bytes, c.displayName) << c.path;
  }

  SplitCommandLine("t", "C:\\Tools\\chronex.exe");
  TFileVersionInfoRec r =
      SetProgramInfo(AnsiText("1.0.0"), AnsiText("1.0.0.70"), AnsiText("Time it"), true);
  EXPECT_TRUE(r.InfoFilled);
  EXPECT_EQ(r.ProgramDirectory.Bytes, "C:\\Tools");
  EXPECT_EQ(r.FileExtension.Bytes, ".exe");
  EXPECT_EQ(r.NameAndShortVersion.Bytes, "CHRONEX v1.0.0");
  EXPECT_EQ(r.FileNameAndFullVersion.Bytes, "CHRONEX.EXE v1.0.0.70");
  EXPECT_EQ(r.NameAndFullVersion.Bytes, "CHRONEX v1.0.0.70");
  EXPECT_EQ(r.Description.Bytes, "Time it");
  EXPECT_EQ(r.InfoSource.Bytes, "File Info Supplied");
  EXPECT_TRUE(r.Reserved1.Empty() && r.Reserved6.Empty() && r.Reserved7.Empty());
}

TEST(SetProgramInfo, AllFieldsComeFromThePathCutTo255Bytes) {
  std::string path = "C:\\" + std::string(250, 'd') + "\\chronex.exe";
  SplitCommandLine("t", path);
  TFileVersionInfoRec r = SetProgramInfo(AnsiText("1"), AnsiText("1"), AnsiText(""), true);
  // The first 255 bytes end "\ch": the name is what is left of chronex.exe.
  EXPECT_EQ(r.ProgramDirectory.Bytes, "C:\\" + std::string(250, 'd'));
  EXPECT_EQ(r.FileName.Bytes, "C");
  EXPECT_TRUE(r.FileExtension.Empty());
}

}  // namespace
