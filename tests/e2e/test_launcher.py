"""The harness itself: the launcher hands over a raw command line, a separate application name
and the exit code, and a time-out ends a program that does not stop."""

import unittest

from harness import BUILD, WineTestCase, run_raw, winpath


ARGDUMP = BUILD / "argdump.exe"


def dump(result):
    """argdump's report as a dict of label -> bytes (count as int)."""
    items = {}
    for line in result.out.decode().splitlines():
        label, _, value = line.partition("=")
        items[label] = int(value) if label == "count" else bytes.fromhex(value)
    return items


class LauncherTest(WineTestCase):
    def test_raw_command_line_reaches_the_program_unchanged(self):
        # Quotes, doubled quotes and a tab that `wine prog args` would re-quote.
        line = b'"' + winpath(ARGDUMP).encode() + b'" a"b c"d ""x"" "\t"'
        items = dump(run_raw(line))
        self.assertEqual(items["count"], 3)
        self.assertEqual([items["1"], items["2"], items["3"]], [b"ab cd", b"x", b"\t"])

    def test_separate_application_name(self):
        result = run_raw(b"anything at all", app=winpath(ARGDUMP))
        items = dump(result)
        self.assertEqual(items["0"], winpath(ARGDUMP).encode())
        self.assertEqual([items["1"], items["2"]], [b"at", b"all"])

    def test_exit_code_is_passed_through(self):
        cmd = b"C:\\windows\\system32\\cmd.exe /c exit 37"
        self.assertEqual(run_raw(cmd).code, 37)

    def test_time_out_ends_the_program(self):
        cmd = b"C:\\windows\\system32\\ping.exe -n 30 127.0.0.1"
        result = run_raw(cmd, launcher_args=["-timeout", "500"])
        self.assertEqual(result.code, 251)


if __name__ == "__main__":
    unittest.main()
