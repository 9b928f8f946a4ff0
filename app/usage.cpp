// The usage screen's text. An empty line after a section is a CR LF written in front of the
// last line's own line end, so that line and the empty one reach the handle together.
#include "app/usage.h"

#include <string>

#include "app/front_end.h"
#include "core/channel.h"
#include "core/program_info.h"

namespace {

// " " + the display name + text, as one line; with blankAfter, the empty line after it too.
void NameLine(std::string_view text, bool blankAfter = false) {
  WriteLiteral(OutChannel, " ");
  WriteText(OutChannel, ProgramInfo.ProgramDisplayName);
  WriteLiteral(OutChannel, text);
  if (blankAfter) WriteLiteral(OutChannel, "\r\n");
  EndLine(OutChannel);
}

void Line(std::string_view text, bool blankAfter = false) {
  WriteLiteral(OutChannel, text);
  if (blankAfter) WriteLiteral(OutChannel, "\r\n");
  EndLine(OutChannel);
}

}  // namespace

void WriteSectionHeader(std::string_view title) {
  std::string rule(title.size(), '-');
  Line(rule);
  Line(title);
  Line(rule);
}

void ShowUsage() {
  WriteSectionHeader("CMD SYNTAX:");
  NameLine(" <external command plus parameters to execute>");
  NameLine(" [-?|/?|-H|/H|-??|/??]", true);
  if (!ExtendedHelp) return;

  WriteSectionHeader("SYNTAX EXAMPLES:");
  NameLine("");
  NameLine(" DIR \\");
  NameLine(" SUMVAULT -R -D \"%TEMP%\"");
  NameLine(" -?", true);

  WriteSectionHeader("GENERAL USAGE NOTES:");
  WriteLiteral(OutChannel, " * Entering ");
  WriteText(OutChannel, ProgramInfo.ProgramDisplayName);
  Line(" with no parameters will display this help message.");
  Line(" * Parameters surrounded by <> are mandatory; Those surrounded by [] are optional.");
  // "?" "?)" is split so that no compiler reads a trigraph in it.
  Line(
      " * The help parameters (-? and -?"
      "?) must be in the first position to be recognized.",
      true);

  WriteSectionHeader("APP SPECIFIC USAGE NOTES:");
  Line(" * Filenames or parameters with spaces in them must be surrounded by double quotes.");
  Line(" * External processes work just fine, but testing has shown a little quirkiness with");
  Line("   some complex Windows shell scripts. This will be tackled in a subsequent version.");
  Line(
      " * The ERRORLEVEL info will be provided as \"xxx [yyy]\" where xxx is the error level "
      "from");
  WriteLiteral(OutChannel,
               "   the command that was executed, and [yyy] is the errorlevel info for ");
  WriteText(OutChannel, ProgramInfo.ProgramDisplayName);
  WriteLiteral(OutChannel, "\r\n");
  EndLine(OutChannel);

  WriteSectionHeader("EXIT/RETURN CODES:");
  Line(" * Exit/Return Codes will be generated for the following conditions:");
  Line("      0 - Command Completed Successfully");
  Line("    255 - Syntax Help Requested");
}
