"""chronex when things go wrong around the command: an interpreter that cannot be started, and
output beyond what chronex can keep. Each still gives the whole report, then says what happened
on standard error and ends with its own exit code."""

import shutil
import unittest

from harness import (BUILD, SCRATCH, WineTestCase, emit_line, emit_pattern, make_scratch_prefix,
                     remove_scratch_prefix, run_chronex, run_wine, system_folder)
from test_report import report_pattern

NO_CMD_PREFIX = SCRATCH / "prefix-no-cmd"
CHRONEXCUT = BUILD / "chronexcut.exe"  # chronex with a capture limit of 4096 bytes


def setUpModule():
    make_scratch_prefix(NO_CMD_PREFIX)
    # Wine would run its built-in interpreter in place of the missing file, unless told to
    # prefer the file.
    result = run_wine("reg", ["add", "HKCU\\Software\\Wine\\DllOverrides", "/v", "cmd.exe",
                              "/d", "native", "/f"], prefix=NO_CMD_PREFIX)
    if result.code != 0:
        raise RuntimeError(f"reg add failed: {result.err!r}")
    (system_folder(NO_CMD_PREFIX) / "cmd.exe").unlink()


def tearDownModule():
    remove_scratch_prefix(NO_CMD_PREFIX)


class FailedStartTest(WineTestCase):
    def test_the_report_then_the_failure_and_exit_code_1(self):
        result = run_chronex(b"echo hello", prefix=NO_CMD_PREFIX)
        self.assertEqual(result.code, 1, result)
        parts = report_pattern(b"CHRONEX", b":").match(result.out)
        self.assertIsNotNone(parts, result.out)
        self.assertEqual(parts["output"], b"")
        self.assertEqual((parts["status"], parts["code"]), (b"0", b"1"))
        self.assertRegex(result.err, rb"\ACHRONEX: the command could not be started: "
                                     rb"CreateProcessW failed with error 2: [^\r\n]+\r\n\Z")


class CutOutputTest(WineTestCase):
    def test_the_first_bytes_the_real_status_and_exit_code_2(self):
        result = run_chronex(emit_line("pattern:100000", "exit:3"), exe=CHRONEXCUT)
        self.assertEqual(result.code, 2, result.err)
        parts = report_pattern(b"CHRONEXCUT", b":").match(result.out)
        self.assertIsNotNone(parts, result.out[-300:])
        self.assertEqual(parts["output"], emit_pattern(4096))
        self.assertEqual((parts["status"], parts["code"]), (b"3", b"2"))
        self.assertBytes(result.err, b"CHRONEXCUT: the command's output was cut after 4096 bytes:"
                                     b" there was no room to keep more\r\n")

    def test_output_within_the_limit_is_no_cut(self):
        result = run_chronex(emit_line("pattern:4096"), exe=CHRONEXCUT)
        self.assertEqual(result.code, 0, result.err)
        self.assertEqual(result.err, b"")


if __name__ == "__main__":
    unittest.main()
