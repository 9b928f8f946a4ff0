"""The help switches: which first argument gives which banner and usage screen, byte for byte,
and exit code 255; everything else is a timed run."""

import re
import subprocess
import unittest

from harness import (CHRONEX, DEFAULT_TIMEOUT, LAUNCH, ROOT, SCRATCH, WINE_RUN, WineTestCase,
                     chronex_line, copy_program, prefix_for, run_chronex, wine_env, winpath)
from test_core import formats

DATA = ROOT / "tests" / "data"
DESCRIPTION = b"Time the Execution of a Command and its Arguments"


def usage(name: bytes, extended: bool) -> bytes:
    text = (DATA / ("usage_extended.txt" if extended else "usage_brief.txt")).read_bytes()
    return text.replace(b"{N}", name)


def banner_standard(name: bytes, month=b"May") -> bytes:
    # The rights notice holds a copyright sign: ANSI (1252) on a file or pipe.
    return (name + b" v1.0.0 x86 (24 " + month + b" 2024) - " + DESCRIPTION + b"\r\n"
            b"Copyright \xa9 2026 The chronex developers. MIT License.\r\n"
            b"Written by the chronex developers - chronex.invalid\r\n"
            b"\r\n")


BUILD_LINE = re.compile(rb"^(?P<file>\S+) v1\.0\.0\.70 x86 was compiled on 24 (?P<month>\S+) 2024"
                        rb" @ 15:00:00 using \S.*\r\n$")


class HelpSwitchTest(WineTestCase):
    def check_help(self, tail: bytes, extended: bool, screen: bool, exe=CHRONEX, name=b"CHRONEX",
                   locale="en_US.UTF-8", month=b"May"):
        """Runs chronex with tail and checks the banner (standard lines, and the build line when
        extended) on stderr, the usage screen (when screen) on stdout, and exit code 255."""
        result = run_chronex(tail, exe=exe, locale=locale)
        self.assertEqual(result.code, 255, tail)
        expected_out = usage(name, extended) if screen else b""
        self.assertBytes(result.out, expected_out, f"stdout of {tail!r}")
        standard = banner_standard(name, month)
        self.assertTrue(result.err.startswith(standard), f"{tail!r}: {result.err!r}")
        rest = result.err[len(standard):]
        if extended:
            self.assertTrue(rest.endswith(b"\r\n\r\n"), rest)
            line = BUILD_LINE.match(rest[:-2])
            self.assertIsNotNone(line, rest)
            self.assertEqual(line["file"], exe.name.upper().encode())
            self.assertEqual(line["month"], month)
        else:
            self.assertBytes(rest, b"", f"stderr after the banner of {tail!r}")

    def test_classification_of_argument_one(self):
        cases = [
            (b"-?", False, True), (b"/?", False, True), (b"-H", False, True), (b"/H", False, True),
            (b"-h", False, True), (b"/h", False, True),          # lower case counts
            (b"-??", True, True), (b"/??", True, True), (b"--??", True, True),
            (b"--INFO", True, False), (b"--info", True, False), (b"--InFo", True, False),
            (b'"-?"', False, True),                              # the quotes are removed first
            (b"-? dir /w and more", False, True),                # later arguments ignored
            (b"/?? x", True, True),
        ]
        for tail, extended, screen in cases:
            with self.subTest(tail=tail):
                self.check_help(tail, extended, screen)

    def test_not_help_switches_are_timed_commands(self):
        for tail, command_line in [(b"--?", b"--?"), (b"-help", b"-help"), (b"echo -?", b"echo -?"),
                                   (b"-?x", b"-?x")]:
            with self.subTest(tail=tail):
                result = run_chronex(tail)
                self.assertEqual(result.code, 0)
                self.assertEqual(result.err, b"")
                self.assertIn(b"CHRONEX :  Command Line :  " + command_line + b"\r\n", result.out)
                self.assertRegex(result.out, rb"ERRORLEVEL = -?\d+ \[0\]\r\n\r\n$")

    def test_display_name_comes_from_the_file_name(self):
        for file_name, name in [("t.EXE", b"T"), ("a.exeb.exe", b"AB")]:
            with self.subTest(file=file_name):
                self.check_help(b"-??", True, True, exe=copy_program(file_name), name=name)

    def test_banner_precedes_the_screen_in_one_file(self):
        SCRATCH.mkdir(parents=True, exist_ok=True)
        both = SCRATCH / "help-2and1.txt"
        cmdfile = SCRATCH / "help-2and1.cmdline"
        cmdfile.write_bytes(chronex_line(b"-?"))
        with open(both, "wb") as sink:
            code = subprocess.run(
                [str(WINE_RUN), "--prefix", str(prefix_for("en_US.UTF-8")), str(LAUNCH),
                 "-cmdfile", winpath(cmdfile)], stdin=subprocess.DEVNULL, stdout=sink,
                stderr=sink, timeout=DEFAULT_TIMEOUT, env=wine_env()).returncode
        self.assertEqual(code, 255)
        self.assertBytes(both.read_bytes(), banner_standard(b"CHRONEX") + usage(b"CHRONEX", False))

    def test_finnish_locale_names_the_month_but_keeps_the_build_hour(self):
        # The locale's abbreviated May, as the platform gives it; the hour keeps its ":".
        month = formats("fi_FI.UTF-8")["system.MonthAbbrevs5"]
        self.assertNotEqual(month, b"May")
        self.check_help(b"--info", True, False, locale="fi_FI.UTF-8", month=month)


if __name__ == "__main__":
    unittest.main()
