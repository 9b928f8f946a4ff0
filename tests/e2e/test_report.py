"""The report of a timed run, byte for byte: its labels and line ends, the times and the elapsed
time, the command's output and exit status, and chronex's exit codes."""

import datetime
import re
import shutil
import subprocess
import unittest

from harness import (BUILD, CHRONEX, DEFAULT_TIMEOUT, LAUNCH, SCRATCH, WINE_RUN, WineTestCase,
                     chronex_line, copy_program, emit_line, prefix_for, run_chronex, run_wine, wine_env,
                     winpath)

VERINFO = BUILD / "verinfo.exe"
DAYS = rb"\S+"  # the locale's abbreviated day names


def report_pattern(name: bytes, sep: bytes) -> re.Pattern:
    s = re.escape(sep)
    moment = DAYS + rb" \d\d/\d\d/\d{4} at \d\d" + s + rb"\d\d" + s + rb"\d\d\.\d{3}"
    n = re.escape(name)
    return re.compile(
        rb"\r\n"
        + n + rb" :  Command Line :  (?P<line>[^\r\n]*)\r\n"
        + n + rb" :    Start Line :  (?P<startline>" + moment + rb")\r\n\r\n"
        rb"(?P<output>.*)\r\n"
        + n + rb" :    Start Time :  (?P<start>" + moment + rb")\r\n"
        + n + rb" :      End Time :  (?P<end>" + moment + rb")\r\n"
        + n + rb" :  Elapsed Time :  (?P<elapsed>-?\d\d+" + s + rb"\d\d" + s + rb"\d\d\.\d{3})"
        rb"\r\n\r\n"
        rb"ERRORLEVEL = (?P<status>-?\d+) \[(?P<code>-?\d+)\]\r\n\r\n\Z", re.S)


def moment(text: bytes, sep: bytes) -> datetime.datetime:
    """The moment of a report time, its day name aside."""
    m = re.search(rb"(\d\d)/(\d\d)/(\d{4}) at (\d\d)" + re.escape(sep) + rb"(\d\d)"
                  + re.escape(sep) + rb"(\d\d)\.(\d{3})$", text)
    month, day, year, hour, minute, second, ms = map(int, m.groups())
    return datetime.datetime(year, month, day, hour, minute, second, ms * 1000)


def elapsed_text(delta: datetime.timedelta, sep: bytes) -> bytes:
    ms = round(delta.total_seconds() * 1000)
    sign, ms = ("-", -ms) if ms < 0 else ("", ms)
    text = f"{sign}{ms // 3600000:02d}:{ms // 60000 % 60:02d}:{ms // 1000 % 60:02d}.{ms % 1000:03d}"
    return text.replace(":", sep.decode()).encode()


def checked_report(test: unittest.TestCase, out: bytes, code: int, name=b"CHRONEX", sep=b":"):
    """The parts of a whole report (a dict of the pattern's groups), after checking its shape, its
    times against each other and chronex's exit code in its last line."""
    match = report_pattern(name, sep).match(out)
    test.assertIsNotNone(match, f"no whole report: {out[:300]!r} ... {out[-300:]!r}")
    parts = match.groupdict()
    test.assertEqual(parts["startline"], parts["start"])
    start, end = moment(parts["start"], sep), moment(parts["end"], sep)
    test.assertGreaterEqual(end, start)
    test.assertEqual(parts["elapsed"], elapsed_text(end - start, sep))
    test.assertEqual(int(parts["code"]), code)
    return parts


class ReportTest(WineTestCase):
    def report(self, tail: bytes, name=b"CHRONEX", sep=b":", code=0, **kwargs):
        """Runs chronex and returns the report's parts, after checking its whole shape."""
        result = run_chronex(tail, **kwargs)
        self.assertEqual(result.code, code, result)
        parts = checked_report(self, result.out, code, name, sep)
        parts["err"] = result.err
        return parts

    def test_a_run_and_its_output(self):
        cases = [
            (b"echo hello", b"hello\r\n"),                      # a line end, then an empty line
            (emit_line("out:616263"), b"abc"),                       # no line end: item 4 gives one
            (b"rem", b""),                                      # no output: an empty line
            (emit_line("out:0001ff0d0a", "err:6572720d0a"), b"\x00\x01\xff\r\nerr\r\n"),
        ]
        for tail, output in cases:
            with self.subTest(tail=tail):
                parts = self.report(tail)
                self.assertEqual(parts["output"], output)
                self.assertEqual(parts["status"], b"0")
                self.assertEqual(parts["err"], b"")

    def test_command_line_shown_as_rebuilt(self):
        for tail, shown in [(b'cmd /c echo "a b"', b'echo "a b"'), (b"", b""),
                            (b"echo a;b", b'echo "a;b"')]:
            with self.subTest(tail=tail):
                self.assertEqual(self.report(tail)["line"], shown)

    def test_exit_status_is_shown_and_chronex_exits_zero(self):
        for status in ["1", "-1073741510", "259"]:
            with self.subTest(status=status):
                self.assertEqual(self.report(b"exit /b " + status.encode())["status"],
                                 status.encode())
        # 3221225786 read as unsigned: shown signed.
        self.assertEqual(self.report(emit_line("exit:3221225786"))["status"], b"-1073741510")

    def test_display_name_from_the_executable(self):
        for file_name, name in [("t.EXE", b"T"), ("a.exeb.exe", b"AB"), ("chronex", b"CHRONEX")]:
            with self.subTest(file=file_name):
                copy = copy_program(file_name)
                # The application name makes Windows run the file itself, not a name.exe.
                self.report(b"echo x", name=name, exe=copy, app=winpath(copy))

    def test_a_program_in_a_folder_with_a_blank_and_quoted_arguments(self):
        folder = SCRATCH / "with blank"
        folder.mkdir(parents=True, exist_ok=True)
        program = folder / "argdump.exe"
        shutil.copyfile(BUILD / "argdump.exe", program)
        tail = b'"' + winpath(program).encode() + b'" "a b" c'
        parts = self.report(tail)
        self.assertEqual(parts["line"], tail)
        self.assertIn(b"count=2\r\n", parts["output"])
        self.assertIn(b"1=" + b"a b".hex().upper().encode() + b"\r\n", parts["output"])

    def test_finnish_time_separator(self):
        parts = self.report(b"echo x", sep=b".", locale="fi_FI.UTF-8")
        self.assertEqual(parts["output"], b"x\r\n")

    def test_the_first_items_are_readable_while_the_command_runs(self):
        # The command copies chronex's standard input; it cannot end before that input does,
        # which the test closes only once it has read items 1 to 3.
        SCRATCH.mkdir(parents=True, exist_ok=True)
        cmdfile = SCRATCH / "report-live.cmdline"
        cmdfile.write_bytes(chronex_line(emit_line("cat")))
        with subprocess.Popen([str(WINE_RUN), "--prefix", str(prefix_for("en_US.UTF-8")),
                               str(LAUNCH), "-cmdfile", winpath(cmdfile)],
                              stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE, env=wine_env()) as process:
            first = b"".join(process.stdout.readline() for _ in range(4))
            self.assertRegex(first, rb"^\r\nCHRONEX :  Command Line :  [^\r]*emit\.exe cat\r\n"
                                    rb"CHRONEX :    Start Line :  [^\r]+\r\n\r\n$")
            process.stdin.write(b"typed\r\n")
            process.stdin.close()
            rest = process.stdout.read()
            self.assertEqual(process.wait(timeout=DEFAULT_TIMEOUT), 0)
        self.assertTrue(rest.startswith(b"typed\r\n\r\n"), rest)


class VersionResourceTest(WineTestCase):
    def test_version_resource(self):
        result = run_wine(VERINFO, [winpath(CHRONEX)])
        self.assertEqual(result.code, 0, result)
        info = dict(line.split("=", 1) for line in result.out.decode().splitlines())
        self.assertEqual(info["FixedFileVersion"], "1.0.0.70")
        self.assertEqual(info["FixedProductVersion"], "1.0.0.70")
        self.assertEqual(info["FileVersion"], "1.0.0.70")
        self.assertEqual(info["ProductVersion"], "1.0.0.70")
        self.assertEqual(info["FileDescription"],
                         "Time the Execution of a Command and its Arguments")
        self.assertEqual(info["OriginalFilename"], "chronex.exe")
        for name in ["ProductName", "CompanyName", "LegalCopyright", "Comments"]:
            self.assertTrue(info.get(name), name)


if __name__ == "__main__":
    unittest.main()
