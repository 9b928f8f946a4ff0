"""The runner against another interpreter, in a scratch copy of the Wine prefix: a stand-in
cmd.exe in the system folder that writes back the command line it was given, and then no cmd.exe
at all, for a start that fails."""

import shutil
import unittest

from harness import (BUILD, SCRATCH, WineTestCase, make_scratch_prefix, remove_scratch_prefix,
                     run_capture, run_wine, system_folder)

SCRATCH_PREFIX = SCRATCH / "prefix-interpreter"


def setUpModule():
    # One copy of the prefix for the module: a copy takes a few seconds.
    make_scratch_prefix(SCRATCH_PREFIX)
    shutil.copyfile(BUILD / "cmdspy.exe", system_folder(SCRATCH_PREFIX) / "cmd.exe")
    # Wine runs its own built-in cmd.exe whatever file stands in the system folder, unless told
    # to prefer the file.
    result = run_wine("reg", ["add", "HKCU\\Software\\Wine\\DllOverrides", "/v", "cmd.exe",
                              "/d", "native", "/f"], prefix=SCRATCH_PREFIX)
    if result.code != 0:
        raise RuntimeError(f"reg add failed: {result.err!r}")


def tearDownModule():
    remove_scratch_prefix(SCRATCH_PREFIX)


class ScratchPrefixTest(WineTestCase):
    """Runs in the scratch prefix, whose cmd.exe is the stand-in."""

    def capture(self, command_line: bytes, **kwargs):
        return run_capture(command_line, prefix=SCRATCH_PREFIX, **kwargs)


class CommandLineTest(ScratchPrefixTest):
    def test_the_command_line_given_to_the_interpreter(self):
        cases = [
            # command line, locale, what the interpreter gets (as UTF-8)
            (b"dir \\", None, b'CMD.EXE /C "dir \\"'),  # a blank: wrapped
            (b"dir", None, b"CMD.EXE /C dir"),  # no blank: as it is
            (b'echo "a b"', None, b'CMD.EXE /C echo "a b"'),  # quotes inside: as it is
            (b'echo "a;b"', None, b'CMD.EXE /C echo "a;b"'),
            # A quote first and more than two: a pair for the interpreter to take off.
            (b'"C:\\a b\\t.exe" "x y"', None, b'CMD.EXE /C ""C:\\a b\\t.exe" "x y""'),
            (b"", None, b"CMD.EXE /C "),  # empty: nothing after /C
            # ANSI bytes, converted by the ANSI code page: 1252, then 1251
            (b"echo caf\xe9", None, "CMD.EXE /C \"echo caf\u00e9\"".encode()),
            (b"echo caf\xe9", "ru_RU.UTF-8", "CMD.EXE /C \"echo caf\u0439\"".encode()),
        ]
        for line, locale, expected in cases:
            with self.subTest(line=line, locale=locale):
                kwargs = {"locale": locale} if locale else {}
                result = self.capture(line, **kwargs)
                self.assertTrue(result.started)
                self.assertBytes(result.output, b"spy:" + expected + b"\r\n")
                self.assertEqual(result.handles, 0)


class FailedStartTest(ScratchPrefixTest):
    def test_a_start_that_fails_is_reported_and_changes_nothing(self):
        interpreter = system_folder(SCRATCH_PREFIX) / "cmd.exe"
        aside = interpreter.with_name("cmd.exe.aside")
        interpreter.rename(aside)
        try:
            cases = [
                (b"echo hello", 2),  # no interpreter: the file is not found
                # Longer than the system takes: refused as Windows refuses it (Wine would start
                # it cut short), before the interpreter is looked for.
                (b"echo " + b"x" * 40000, 206),
            ]
            for line, error in cases:
                with self.subTest(length=len(line)):
                    result = self.capture(line, status=77)
                    self.assertFalse(result.started)
                    self.assertEqual((result.error, result.step), (error, b"CreateProcessW"))
                    # The system's text for the error, on one line, without a trailing blank.
                    self.assertRegex(result.message, rb"^\S(.*\S)?$")
                    self.assertEqual((result.status, result.output), (77, b""))
                    self.assertEqual(result.handles, 0)
        finally:
            aside.rename(interpreter)


if __name__ == "__main__":
    unittest.main()
