#include "tests/unit/command_line_cases.h"

const std::vector<TCommandLineCase> CommandLineCases = {
    {"", {}, ""},                                                           // nothing at all
    {"dir /w", {"dir", "/w"}, "dir /w"},                                    // plain
    {"CMD /C dir", {"CMD", "/C", "dir"}, "dir"},                            // interpreter dropped
    {"cmd.exe /k dir c:\\", {"cmd.exe", "/k", "dir", "c:\\"}, "dir c:\\"},  // /K like /C
    {"Cmd /c echo a b", {"Cmd", "/c", "echo", "a", "b"}, "echo a b"},       // mixed case
    {"\"cmd\" \"/c\" dir", {"cmd", "/c", "dir"}, "dir"},                    // quotes removed first
    {"CMD /C", {"CMD", "/C"}, "CMD /C"},                             // two arguments only: kept
    {"CMD /S /C dir", {"CMD", "/S", "/C", "dir"}, "CMD /S /C dir"},  // /C must be argument 2
    {"C:\\Windows\\System32\\cmd.exe /c dir",                        // a path is no "CMD.EXE"
     {"C:\\Windows\\System32\\cmd.exe", "/c", "dir"},
     "C:\\Windows\\System32\\cmd.exe /c dir"},
    {"cmd /c \"dir /w\"", {"cmd", "/c", "dir /w"}, "\"dir /w\""},  // re-quoted after the drop
    {"CMD /C \"\"", {"CMD", "/C", ""}, "\"\""},                    // an empty argument counts
    {"echo \"\"", {"echo", ""}, "echo \"\""},
    {"echo \"a b\"", {"echo", "a b"}, "echo \"a b\""},
    {"echo a;b", {"echo", "a;b"}, "echo \"a;b\""},                   // a semicolon is quoted
    {"find \"x\" f.txt", {"find", "x", "f.txt"}, "find x f.txt"},    // needless quotes vanish
    {"echo say \"\"hi\"\"", {"echo", "say", "hi"}, "echo say hi"},   // doubled quotes vanish
    {"echo a\"b c\"d", {"echo", "ab cd"}, "echo \"ab cd\""},         // quoting inside a token
    {"echo \"open   x", {"echo", "open   x"}, "echo \"open   x\""},  // never closed
    {"echo 'a b'", {"echo", "'a", "b'"}, "echo 'a b'"},              // apostrophes are plain
    {"echo \\\"a b\\\"", {"echo", "\\a b\\"}, "echo \"\\a b\\\""},   // no escape character
    {"dir\t/w", {"dir", "/w"}, "dir /w"},                            // a tab separates
    {"echo \"a\tb\"", {"echo", "a\tb"}, "echo a\tb"},                // a quoted tab: no quotes
    {"echo    a     b", {"echo", "a", "b"}, "echo a b"},             // separators in a row
    {"\"\"\"\" x", {"", "x"}, "\"\" x"},                             // four quotes: one empty
    {"\"\x01x\" y", {"\x01x", "y"}, "x y"},                          // control byte trimmed first
    {"y \"x\x02\"", {"y", "x\x02"}, "y x"},                          // and last
    {"\xE9t\xE9 \"na\xEFve x\"", {"\xE9t\xE9", "na\xEFve x"}, "\xE9t\xE9 \"na\xEFve x\""},
};
