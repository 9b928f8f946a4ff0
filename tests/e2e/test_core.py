"""The core library under Wine: the regional formats as the system locale gives them, the
channels' code-page conversion on a console, and the end of the process when a write fails."""

import subprocess
import unittest

from harness import (BUILD, DEFAULT_TIMEOUT, WINE_RUN, PREFIX, WineTestCase, run_on_console,
                     run_wine, wine_env, winpath)

COREPROBE = BUILD / "coreprobe.exe"
REPORT_START = rb"^An unhandled exception occurred at \$[0-9A-F]{8}:\r\nI/O error 101: Disk Full\r\n"


def formats(locale):
    result = run_wine(COREPROBE, ["formats"], locale=locale)
    assert result.code == 0, result
    items = {}
    for line in result.out.decode().splitlines():
        name, _, value = line.partition("=")
        items[name] = bytes.fromhex(value)
    return items


class RegionalFormatsTest(WineTestCase):
    LOCALES = ["en_US.UTF-8", "fi_FI.UTF-8", "de_DE.UTF-8"]

    def test_loaded_from_the_system_locale_with_four_fields_forced(self):
        names = {}
        for locale in self.LOCALES:
            with self.subTest(locale=locale):
                f = formats(locale)
                for item in ["TimeSep", "DecimalSep", "AmText", "PmText"] + [
                        f"MonthAbbrevs{i}" for i in range(1, 13)] + [
                        f"MonthNames{i}" for i in range(1, 13)] + [
                        f"DayAbbrevs{i}" for i in range(7)] + [f"DayNames{i}" for i in range(7)]:
                    self.assertEqual(f["loaded." + item], f["system." + item], item)
                    self.assertEqual(f["saved." + item], f["user." + item], item)
                hour = b"hh" if f["system.ITLZero"] != b"0" else b"h"
                ampm = b" AMPM" if f["system.ITime"] == b"0" else b""
                self.assertEqual(f["loaded.LongTimePattern"], hour + b":nn:ss" + ampm)
                self.assertEqual(f["loaded.DateSep"], b"/")
                self.assertEqual(f["loaded.ShortDatePattern"], b"mm/dd/yyyy")
                self.assertEqual(f["loaded.ShortTimePattern"], b"hh:nn:ss")
                self.assertEqual(f["loaded.LongDatePattern"], b"dddd, mmmm dd, yyyy")
                names[locale] = f["loaded.DayNames0"]
        # The locales really differ here, or the comparisons above prove little.
        self.assertEqual(len(set(names.values())), len(self.LOCALES), names)

    def test_a_dot_time_separator_leaves_the_date_separator_alone(self):
        f = formats("fi_FI.UTF-8")
        self.assertEqual(f["system.TimeSep"], b".")
        self.assertEqual((f["loaded.TimeSep"], f["loaded.DateSep"]), (b".", b"/"))


class ConsoleCodePageTest(WineTestCase):
    """Texts tagged ANSI (1252 here) reach a console file handle in its output code page."""

    def test_conversion_to_the_console_output_code_page(self):
        line = b'"' + winpath(COREPROBE).encode() + b'" write caf\xe9'
        for code_page, expected in [(850, b"caf\x82\r\n"),      # converted
                                    (65001, b"caf\xc3\xa9\r\n"),  # converted to UTF-8
                                    (1252, b"caf\xe9\r\n")]:     # the ANSI code page: unchanged
            with self.subTest(code_page=code_page):
                result = run_on_console(line, console_code_page=code_page)
                self.assertEqual(result.code, 0)
                self.assertBytes(result.out, expected)


class FailedWriteTest(WineTestCase):
    def test_disk_full_ends_with_217_and_the_report(self):
        with open("/dev/full", "wb") as full:
            result = run_wine(COREPROBE, ["write", "hello"], stdout=full)
        self.assertEqual(result.code, 217)
        self.assertRegex(result.err, REPORT_START)
        self.assertTrue(result.err.endswith(b"\r\n\r\n"), result.err)

    def test_failed_write_to_standard_error_still_ends_with_217(self):
        with open("/dev/full", "wb") as full:
            completed = subprocess.run(
                [str(WINE_RUN), "--prefix", str(PREFIX), str(COREPROBE), "write", "-err", "x"],
                stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=full,
                timeout=DEFAULT_TIMEOUT, env=wine_env())
        self.assertEqual(completed.returncode, 217)
        self.assertEqual(completed.stdout, b"")

    def test_pipe_whose_reader_has_gone(self):
        # The probe writes its first line, waits for its standard input to end, then writes the
        # second: by then the reading end of its standard output is closed.
        with subprocess.Popen(
                [str(WINE_RUN), "--prefix", str(PREFIX), str(COREPROBE), "write", "-wait", "one",
                 "two"], stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                env=wine_env()) as process:
            self.assertEqual(process.stdout.readline(), b"one\r\n")  # handed over before: kept
            process.stdout.close()
            process.stdin.close()
            err = process.stderr.read()
            self.assertEqual(process.wait(timeout=DEFAULT_TIMEOUT), 217)
        self.assertRegex(err, REPORT_START)


if __name__ == "__main__":
    unittest.main()
