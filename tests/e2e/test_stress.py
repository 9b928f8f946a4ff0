"""chronex under stress, end to end under Wine: output far beyond a pipe-load and beyond what
memory holds, byte for byte; many small writes; every byte value; command lines at and past the
system's limit of 32,767 characters; thousands of arguments; a process left behind that holds the
pipe; standard input at its end; standard output closed by its reader. Every case checks the
bytes and the exit code, and every run has a time-out, so that a hang fails instead of waiting.

Large output goes through files and is compared a block at a time: neither chronex's report nor
the expected bytes are ever held whole by the test."""

import os
import re
import selectors
import shutil
import subprocess
import tempfile
import time
import unittest

from harness import (BUILD, DEFAULT_TIMEOUT, LAUNCH, PREFIX, SCRATCH, WINE_RUN,
                     WineTestCase, chronex_line, emit_line, emit_pattern, emit_pattern_blocks,
                     make_scratch_prefix, remove_scratch_prefix, run_chronex, run_raw, run_wine,
                     system_folder, wine_env, winpath, write_cmdfile)
from test_report import checked_report

HEAVY_TIMEOUT = 300  # for runs that move hundreds of megabytes
MB = 1024 * 1024

# The most characters a command line may have: 32,767 with the NUL that ends it.
LINE_LIMIT = 32766

UNHANDLED_WRITE = re.compile(
    rb"\AAn unhandled exception occurred at \$[0-9A-F]{8}:\r\n"
    rb"I/O error 101: Disk Full\r\n"
    rb"  \$[0-9A-F]{8}  writing to standard output failed \(system error \d+\)\r\n\r\n\Z")


def hexed(data: bytes) -> str:
    return data.hex().upper()


def report_opening_end(head: bytes) -> int:
    """Where item 4 (the command's output) starts: after the empty line that ends item 3."""
    return head.index(b"\r\n\r\n", 2) + 4


class StressTestCase(WineTestCase):
    def report_around_pattern(self, report, size: int, code: int):
        """Checks a report, in an open file, whose output is size bytes of emit's pattern: the
        output a block at a time, then the report around it as a whole report with an empty
        output. Returns the report's parts."""
        report.seek(0)
        head = report.read(64 * 1024)
        start = report_opening_end(head)
        report.seek(start)
        at = 0
        for block in emit_pattern_blocks(size):
            got = report.read(len(block))
            if got != block:
                self.fail(f"the output differs in the {len(block)} bytes from byte {at}"
                          f" ({len(got)} read)")
            at += len(block)
        rest = report.read(64 * 1024)
        parts = checked_report(self, head[:start] + rest, code)
        self.assertEqual(parts["output"], b"", "bytes after the output's end")
        return parts

    def popen_chronex(self, tail: bytes, **kwargs) -> subprocess.Popen:
        """chronex started with tail on its command line, its standard streams the keywords'. The
        launcher ends chronex after the time-out, so that reads of its output cannot wait for
        ever."""
        cmdfile = write_cmdfile(chronex_line(tail))
        self.addCleanup(cmdfile.unlink, missing_ok=True)
        return subprocess.Popen([str(WINE_RUN), "--prefix", str(PREFIX), str(LAUNCH),
                                 "-cmdfile", winpath(cmdfile),
                                 "-timeout", str(DEFAULT_TIMEOUT * 1000)], env=wine_env(), **kwargs)


class LargeOutputTest(StressTestCase):
    def test_200_megabytes_through_the_whole_report(self):
        size = 200 * MB
        with tempfile.TemporaryFile(dir=SCRATCH) as report:
            result = run_chronex(emit_line(f"pattern:{size}", "exit:4"), stdout=report,
                                 timeout=HEAVY_TIMEOUT)
            self.assertEqual((result.code, result.err), (0, b""))
            parts = self.report_around_pattern(report, size, 0)
        self.assertEqual(parts["status"], b"4")

    def test_more_than_memory_holds_is_cut_not_a_crash(self):
        # 600 MB: the capture buffer, doubling, would need 1 GB beside the 512 MB it holds, more
        # than a 32-bit process has room for. The output is cut where memory ran out, and the
        # report holds those bytes; nothing else may need as much again.
        size = 600 * MB
        with tempfile.TemporaryFile(dir=SCRATCH) as report:
            result = run_chronex(emit_line(f"pattern:{size}", "exit:3"), stdout=report,
                                 timeout=HEAVY_TIMEOUT)
            self.assertEqual(result.code, 2, result.err)
            cut = re.fullmatch(rb"CHRONEX: the command's output was cut after (\d+) bytes: there"
                               rb" was no room to keep more\r\n", result.err)
            self.assertIsNotNone(cut, result.err)
            kept = int(cut[1])
            self.assertTrue(256 * MB <= kept < size, kept)
            parts = self.report_around_pattern(report, kept, 2)
        self.assertEqual(parts["status"], b"3")

    def test_100000_short_lines(self):
        # One write a line: as many small pieces as a pipe is ever given.
        result = run_chronex(emit_line("lines:100000"), timeout=HEAVY_TIMEOUT)
        self.assertEqual((result.code, result.err), (0, b""))
        expected = b"".join(b"%d\r\n" % i for i in range(1, 100001))
        self.assertTrue(checked_report(self, result.out, 0)["output"] == expected,
                        "the lines differ")

    def test_binary_output(self):
        everything = bytes(range(256))
        cases = [
            # every byte value, in order (Wine's interpreter runs a program only by a line of at
            # most 1023 characters, so the bytes come in short pieces)
            (["out:" + hexed(everything[:128]), "out:" + hexed(everything[128:])], everything),
            # NULs alone, on standard error
            (["err:" + hexed(bytes(400))], bytes(400)),
            # bytes a text conversion would change: lone CR and LF, CR CR LF, Ctrl-Z, NUL, 0xFF
            (["out:" + hexed(b"a\rb\nc\r\r\nd\x1ae\x00f\xff")], b"a\rb\nc\r\r\nd\x1ae\x00f\xff"),
            # both streams, in turn, each its own bytes
            (["out:00FF", "sleep:20", "err:FF00", "sleep:20", "out:0D"], b"\x00\xff\xff\x00\r"),
            # a lone CR last: item 4's line end follows it
            (["out:" + hexed(b"x\r")], b"x\r"),
        ]
        for actions, output in cases:
            with self.subTest(actions=actions[0][:40]):
                result = run_chronex(emit_line(*actions))
                self.assertEqual((result.code, result.err), (0, b""))
                self.assertBytes(checked_report(self, result.out, 0)["output"], output)


class CommandLineLengthTest(StressTestCase):
    """chronex's own command line at the system's limit and past it, and an interpreter's line
    that the rebuilding makes longer than the limit."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        # A prefix whose cmd.exe is the stand-in that writes back the line it was given.
        cls.spy_prefix = make_scratch_prefix(SCRATCH / "prefix-stress-spy")
        shutil.copyfile(BUILD / "cmdspy.exe", system_folder(cls.spy_prefix) / "cmd.exe")
        result = run_wine("reg", ["add", "HKCU\\Software\\Wine\\DllOverrides", "/v", "cmd.exe",
                                  "/d", "native", "/f"], prefix=cls.spy_prefix)
        if result.code != 0:
            raise RuntimeError(f"reg add failed: {result.err!r}")

    @classmethod
    def tearDownClass(cls):
        remove_scratch_prefix(cls.spy_prefix)

    def test_chronex_started_at_and_past_the_limit(self):
        opening = chronex_line(b"")
        cases = [
            # tail, total length of chronex's line, launcher: what reaches chronex
            # The longest line Windows starts a program with: whole. Wine's interpreter refuses
            # to run a program by a line this long (a message, status 0).
            (emit_line("cmdline", "pad:"), LINE_LIMIT, [], LINE_LIMIT),
            # The same through the interpreter's own echo: Wine's interpreter crashes on it (and
            # its crash report goes to the capture); chronex reports that like any other end.
            (b"echo ", LINE_LIMIT, [], LINE_LIMIT),
            # One past: Windows would not start chronex; Wine does (by CreateProcessW), cutting
            # the line to the limit, and chronex reports and runs the line it was given.
            (emit_line("cmdline", "pad:"), LINE_LIMIT + 1, ["-wide", "1"], LINE_LIMIT),
            (emit_line("cmdline", "pad:"), 40000, ["-wide", "1"], LINE_LIMIT),
        ]
        for tail, total, launcher_args, arrives in cases:
            with self.subTest(tail=tail[-12:], total=total):
                line = opening + tail + b"x" * (total - len(opening) - len(tail))
                result = run_raw(line, launcher_args=launcher_args)
                self.assertEqual(result.code, 0, result.err[-300:])
                parts = checked_report(self, result.out, 0)
                self.assertBytes(parts["line"], line[len(opening):arrives], "item 2")

    def test_the_interpreters_line_at_and_past_the_limit(self):
        # Arguments with a semicolon come back quoted, so the interpreter's line (CMD.EXE /C and
        # the rebuilt line) can outgrow chronex's own. Up to the limit it reaches the interpreter
        # whole; past it the start fails as Windows fails it: chronex never runs a line that the
        # system would cut.
        opening = chronex_line(b"")
        semicolons = len(opening)  # each adds 2 bytes: more than chronex's own path takes
        for length, started in [(LINE_LIMIT, True), (LINE_LIMIT + 1, False)]:
            with self.subTest(length=length):
                rebuilt_start = b"echo" + b' "a;b"' * semicolons + b" "
                pad = b"x" * (length - len(b"CMD.EXE /C ") - len(rebuilt_start))
                tail = b"echo" + b" a;b" * semicolons + b" " + pad
                self.assertLessEqual(len(opening + tail), LINE_LIMIT)
                result = run_chronex(tail, prefix=self.spy_prefix)
                parts = checked_report(self, result.out, 0 if started else 1)
                self.assertBytes(parts["line"], rebuilt_start + pad, "item 2")
                if started:
                    self.assertEqual(result.err, b"")
                    self.assertBytes(parts["output"],
                                     b"spy:CMD.EXE /C " + rebuilt_start + pad + b"\r\n")
                else:
                    self.assertEqual((parts["output"], parts["status"]), (b"", b"0"))
                    self.assertRegex(result.err, rb"\ACHRONEX: the command could not be started: "
                                                 rb"CreateProcessW failed with error 206: "
                                                 rb"[^\r\n]+\r\n\Z")

    def test_2000_arguments(self):
        kinds = [
            # typed, rebuilt
            (b"a", b"a"),
            (b'"b c"', b'"b c"'),  # a blank: quoted again
            (b"d;e", b'"d;e"'),  # a semicolon: quoted
            (b'""', b'""'),  # an empty argument stays one
            (b'f"g h"i', b'"fg hi"'),  # quotes group inside an argument, and go
            (b"\\", b"\\"),  # a backslash is an ordinary character
            (b"1", b"1"), (b"2", b"2"), (b"3", b"3"), (b"4", b"4"),
        ]
        separators = [b" ", b"  ", b"\t"]  # each a separator; the rebuilt line has single blanks
        typed, rebuilt = [b"echo"], [b"echo"]
        for i in range(2000):
            kind = kinds[i % len(kinds)]
            typed += [separators[i % len(separators)], kind[0]]
            rebuilt.append(kind[1])
        line = b" ".join(rebuilt)
        self.assertLess(len(line), 8191, "Wine's interpreter echoes lines of up to 8191 only")
        result = run_chronex(b"".join(typed))
        self.assertEqual((result.code, result.err), (0, b""))
        parts = checked_report(self, result.out, 0)
        self.assertBytes(parts["line"], line, "item 2")
        self.assertBytes(parts["output"], line[len(b"echo "):] + b"\r\n")


def read_to_end(stream, deadline: float) -> bytes:
    """Everything up to the stream's end, or None when it has not ended by the deadline (a
    process still holds its other end)."""
    data = bytearray()
    with selectors.DefaultSelector() as selector:
        selector.register(stream, selectors.EVENT_READ)
        while True:
            left = deadline - time.monotonic()
            if left <= 0 or not selector.select(left):
                return None
            chunk = os.read(stream.fileno(), 65536)
            if not chunk:
                return bytes(data)
            data += chunk


class ProcessLeftBehindTest(StressTestCase):
    def test_a_process_left_behind_holds_neither_chronex_nor_its_output(self):
        # The command starts a copy of emit that copies chronex's standard input, which the test
        # keeps open until it has seen chronex's output end: so the copy lives, holding the
        # pipe, until then. chronex ends with the interpreter, and its standard output ends with
        # chronex, not with the process left behind. (Standard error goes to a file: Wine gives
        # every process it starts the Unix standard error of the process that started it,
        # whatever the Windows handles say, so under Wine a process left behind holds that.)
        tail = emit_line("spawn:cat", "out:" + hexed(b"early"), "exit:7")
        with tempfile.TemporaryFile(dir=SCRATCH) as errors, \
                self.popen_chronex(tail, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                   stderr=errors) as process:
            try:
                code = process.wait(timeout=DEFAULT_TIMEOUT)
                out = read_to_end(process.stdout, time.monotonic() + DEFAULT_TIMEOUT / 2)
            finally:
                process.stdin.close()  # lets the copy end
            errors.seek(0)
            err = errors.read()
        self.assertIsNotNone(out, "standard output still open after chronex ended")
        self.assertEqual((code, err), (0, b""))
        parts = checked_report(self, out, 0)
        self.assertEqual((parts["output"], parts["status"]), (b"early", b"7"))

    def test_a_process_left_behind_that_writes_without_pause(self):
        # The copy writes 1 GB as fast as it can, and fails once chronex has closed the pipe.
        # What chronex got is its first bytes, with the command's own bytes among them.
        tail = emit_line(f"spawn:pattern:{1024 * MB}", "out:" + hexed(b"<early>"), "exit:7")
        with tempfile.TemporaryFile(dir=SCRATCH) as report:
            result = run_chronex(tail, stdout=report, stdin=subprocess.DEVNULL)
            report.seek(0)
            out = report.read()
        self.assertEqual((result.code, result.err), (0, b""))
        parts = checked_report(self, out, 0)
        self.assertEqual(parts["status"], b"7")
        self.assertIn(b"<early>", parts["output"])
        rest = parts["output"].replace(b"<early>", b"", 1)
        self.assertTrue(rest == emit_pattern(len(rest)), "not the first bytes of the pattern")


class InputAtItsEndTest(StressTestCase):
    def test_standard_input_at_its_end(self):
        def closed_pipe(f):
            return b""

        def empty_file(f):
            return f

        def file_read_to_its_end(f):
            f.write(b"read before\r\n")  # the position stays at the end
            f.flush()
            return f

        def null_device(f):
            return subprocess.DEVNULL

        inputs = [closed_pipe, empty_file, file_read_to_its_end, null_device]
        # a program that reads to the end; the system's own paging reader
        commands = [emit_line("cat", "cat", "out:" + hexed(b"done")), b"more"]
        outputs = [b"done", b""]
        for command, output in zip(commands, outputs):
            for make_input in inputs:
                with self.subTest(command=command[-12:], input=make_input.__name__), \
                        tempfile.TemporaryFile(dir=SCRATCH) as f:
                    result = run_chronex(command, stdin=make_input(f))
                    self.assertEqual((result.code, result.err), (0, b""))
                    self.assertBytes(checked_report(self, result.out, 0)["output"], output)

    def test_no_standard_input_at_all(self):
        # Started with its standard input closed: the command gets none either.
        cmdfile = write_cmdfile(chronex_line(emit_line("cat", "out:" + hexed(b"done"))))
        self.addCleanup(cmdfile.unlink, missing_ok=True)
        done = subprocess.run([str(WINE_RUN), "--prefix", str(PREFIX), str(LAUNCH), "-cmdfile",
                               winpath(cmdfile)], preexec_fn=lambda: os.close(0),
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=wine_env(),
                              timeout=DEFAULT_TIMEOUT)
        self.assertEqual((done.returncode, done.stderr), (0, b""))
        self.assertBytes(checked_report(self, done.stdout, 0)["output"], b"done")


class OutputClosedTest(StressTestCase):
    def test_standard_output_closed_by_its_reader(self):
        size = MB
        tail = emit_line("sleep:300", f"pattern:{size}", "exit:3")
        cases = [
            # bytes of the output read before the close (None: only items 1 to 3, while the
            # command still runs), standard error closed as well
            (None, False),
            (300000, False),  # halfway through the output
            (None, True),  # the report of the failure has nowhere to go: the exit code says it
        ]
        for output_read, close_stderr in cases:
            with self.subTest(output_read=output_read, close_stderr=close_stderr):
                with self.popen_chronex(tail, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE) as process:
                    head = b"".join(process.stdout.readline() for _ in range(4))
                    got = process.stdout.read(output_read) if output_read else b""
                    process.stdout.close()
                    if close_stderr:
                        process.stderr.close()
                    code = process.wait(timeout=DEFAULT_TIMEOUT)
                    err = b"" if close_stderr else process.stderr.read()
                self.assertEqual(code, 217, err)
                self.assertRegex(head, rb"\A\r\nCHRONEX :  Command Line :  [^\r]*\r\n"
                                       rb"CHRONEX :    Start Line :  [^\r]+\r\n\r\n\Z")
                self.assertTrue(got == emit_pattern(len(got)), "not the output's first bytes")
                if not close_stderr:
                    self.assertRegex(err, UNHANDLED_WRITE)

    def test_standard_output_without_a_reader_from_the_start(self):
        read_end, write_end = os.pipe()
        os.close(read_end)
        try:
            result = run_chronex(b"echo never shown", stdout=write_end)
        finally:
            os.close(write_end)
        self.assertEqual(result.code, 217)
        self.assertRegex(result.err, UNHANDLED_WRITE)


if __name__ == "__main__":
    unittest.main()
