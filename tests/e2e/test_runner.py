"""The command runner, through the real CMD.EXE: what the command writes comes back byte for byte
and in order, with its exit status; it reads the tool's standard input; a process it leaves
behind does not hold the run; a capture limit cuts the output but not the run; only the system's
own CMD.EXE is run. Every run is checked to leave no handle open."""

import re
import shutil
import tempfile
import unittest

from harness import (BUILD, PREFIX, RUNCAPTURE, SCRATCH, WineTestCase, emit_line, emit_pattern,
                     run_capture, run_wine)


def hexed(data: bytes) -> str:
    return data.hex().upper()


class RunnerTestCase(WineTestCase):
    def capture(self, command_line: bytes, **kwargs):
        """Runs command_line through the runner; checks that it started and left nothing open."""
        result = run_capture(command_line, **kwargs)
        self.assertTrue(result.started, f"start failed: {result}")
        self.assertEqual(result.handles, 0, "handles left open by the run")
        return result


class OutputTest(RunnerTestCase):
    def test_the_command_line_runs_as_typed_at_the_prompt(self):
        # Compared with the interactive interpreter (/Q: no prompt), given the line on its input;
        # its first line is its banner. dir runs in C:\users, so that \ is C:\, whose listing
        # holds still; only the free space may change between the two runs.
        users = PREFIX / "drive_c" / "users"
        for line in [b"echo hello", b"echo a & echo b", b"dir \\"]:
            with self.subTest(line=line):
                typed = run_wine("C:\\windows\\system32\\cmd.exe", ["/Q"], stdin=line + b"\r\n",
                                 cwd=users)
                expected = typed.out.split(b"\r\n", 1)[1]
                actual = self.capture(line, cwd=users).output
                free = re.compile(rb"[\d,]+ bytes free")
                self.assertBytes(free.sub(b"N bytes free", actual),
                                 free.sub(b"N bytes free", expected))
                self.assertNotIn(b'"', actual)

    def test_stdout_and_stderr_merge_in_the_order_written(self):
        actions = []
        for i in range(1, 4):
            out, err = b"out %d\r\n" % i, b"err %d\r\n" % i
            actions += ["out:" + hexed(out), "sleep:30", "err:" + hexed(err), "sleep:30"]
        result = self.capture(emit_line(*actions))
        self.assertBytes(result.output,
                         b"out 1\r\nerr 1\r\nout 2\r\nerr 2\r\nout 3\r\nerr 3\r\n")

    def test_what_comes_back(self):
        cases = [
            # stderr only: captured like stdout
            (emit_line("err:" + hexed(b"only on stderr")), b"only on stderr"),
            # nothing written: empty, not a line end
            (emit_line(), b""),
            # every byte value, NUL and those above 127 included, unchanged
            (emit_line("out:" + hexed(bytes(range(256)))), bytes(range(256))),
            # the interpreter's own echo: it writes in the OEM code page (437), so the ANSI (1252)
            # e acute of the command line comes back as 0x82 (which shows that it got there)
            (b"echo caf\xe9", b"caf\x82\r\n"),
        ]
        for line, expected in cases:
            with self.subTest(line=line):
                result = self.capture(line)
                self.assertBytes(result.output, expected)
                self.assertEqual((result.cut, result.kept), (False, len(expected)))

    def test_fifty_megabytes_byte_for_byte(self):
        size = 50 * 1024 * 1024
        result = self.capture(emit_line(f"pattern:{size}"))
        self.assertEqual(len(result.output), size)
        self.assertTrue(result.output == emit_pattern(size), "the 50 MB differ")
        self.assertEqual((result.cut, result.kept, result.discarded), (False, size, 0))


class InputTest(RunnerTestCase):
    def test_the_command_reads_the_tools_standard_input(self):
        data = b"line one\r\nline \x00two\xff\r\n"
        with self.subTest("a pipe"):
            self.assertBytes(self.capture(emit_line("cat"), stdin=data).output, data)
        with self.subTest("a file"), tempfile.TemporaryFile(dir=SCRATCH) as f:
            f.write(data)
            f.seek(0)
            self.assertBytes(self.capture(emit_line("cat"), stdin=f).output, data)


class StatusTest(RunnerTestCase):
    def test_exit_status(self):
        cases = [
            (b"exit /b 1", 1),
            # STILL_ACTIVE: the signalled handle ends the run, not the code (Wine's interpreter
            # keeps 259 only from its own exit /b)
            (b"exit /b 259", 259),
            # 0xC000013A: taken as a signed 32-bit number
            (emit_line("exit:3221225786"), -1073741510),
            (b"echo done", 0),
        ]
        for line, status in cases:
            with self.subTest(line=line):
                self.assertEqual(self.capture(line, status=12345).status, status)

    def test_a_process_left_behind_does_not_hold_the_run(self):
        # The command starts a copy of emit that keeps the pipe open and writes two seconds
        # later, and ends at once: the run ends with the interpreter, without the late bytes.
        line = emit_line("spawn:sleep:2000,out:" + hexed(b"late"), "out:" + hexed(b"early"),
                         "exit:7")
        result = self.capture(line, timeout=20)
        self.assertBytes(result.output, b"early")
        self.assertEqual(result.status, 7)


class LimitTest(RunnerTestCase):
    def test_a_small_limit_keeps_the_first_bytes_and_lets_the_command_finish(self):
        cases = [
            # limit, bytes written
            (1000, 3 * 1024 * 1024),  # far over: the rest is drained to the command's end
            (1000, 1000),             # exactly the limit: nothing cut
            (1000, 1001),             # one byte over
            (0, 10),                  # a limit of 0: nothing kept
        ]
        for limit, size in cases:
            with self.subTest(limit=limit, size=size):
                result = self.capture(emit_line(f"pattern:{size}", "exit:5"), limit=limit)
                kept = min(limit, size)
                self.assertTrue(result.output == emit_pattern(size)[:kept], "not the first bytes")
                self.assertEqual(result.status, 5)
                self.assertEqual((result.cut, result.kept, result.discarded),
                                 (size > limit, kept, size - kept))


class InterpreterPathTest(RunnerTestCase):
    def test_no_cmd_exe_but_the_systems_is_run(self):
        # A CMD.EXE beside the tool, or in the current directory: either would come before the
        # system folder in CreateProcessW's search.
        folder = SCRATCH / "stray-interpreter"
        beside, current = folder / "beside", folder / "current"
        shutil.rmtree(folder, ignore_errors=True)
        try:
            for place in (beside, current):
                place.mkdir(parents=True)
                shutil.copyfile(BUILD / "cmdspy.exe", place / "CMD.EXE")
            tool = beside / "runcapture.exe"
            shutil.copyfile(RUNCAPTURE, tool)
            for where, kwargs in [("beside", {"exe": tool}), ("current", {"cwd": current})]:
                with self.subTest(where):
                    self.assertBytes(self.capture(b"echo hello", **kwargs).output, b"hello\r\n")
        finally:
            shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    unittest.main()
