"""The end-to-end driver: runs chronex.exe (and the tests' own Windows programs) under Wine and
gives back exact stdout bytes, stderr bytes and the exit code.

Every test module imports this; CTest runs each module as one test, with CHRONEX_BUILD_DIR set to
the Windows build tree. Wine always runs through tools/wine-run, which keeps the tree's private
prefix and starts the wineserver away from the tests' pipes.
"""

import fcntl
import os
import shlex
import shutil
import subprocess
import tempfile
import unittest
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = Path(os.environ.get("CHRONEX_BUILD_DIR", ROOT / "build" / "win32")).resolve()
WINE_RUN = ROOT / "tools" / "wine-run"
PREFIX = BUILD / "wineprefix"
CHRONEX = BUILD / "chronex.exe"
LAUNCH = BUILD / "launch.exe"
RUNCAPTURE = BUILD / "runcapture.exe"
EMIT = BUILD / "emit.exe"
SCRATCH = BUILD / "scratch"

DEFAULT_LOCALE = "en_US.UTF-8"
DEFAULT_TIMEOUT = 60


@dataclass
class Result:
    code: int
    out: bytes
    err: bytes


def winpath(path) -> str:
    """The path as a Wine program sees it: the Linux file system is drive Z:."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def wine_env(locale=DEFAULT_LOCALE, prefix=PREFIX, extra=None):
    env = dict(os.environ)
    env["CHRONEX_WINEPREFIX"] = str(prefix)
    env["CHRONEX_LOCALE"] = locale  # tools/wine-run hands it to Wine as LC_ALL
    env.pop("LC_ALL", None)
    env.pop("LANG", None)
    env.pop("LANGUAGE", None)
    if extra:
        env.update(extra)
    return env


def init_prefix(prefix=PREFIX):
    subprocess.run([str(WINE_RUN), "--prefix", str(prefix), "--init"], check=True,
                   stdin=subprocess.DEVNULL)


def prefix_for(locale) -> Path:
    """The prefix that programs under this locale run in. Wine keeps the user's locale settings
    in the prefix's registry and rewrites them whenever a program starts under another locale, so
    two programs under different locales in one prefix at the same time can read each other's
    settings. Each locale but the default one gets a copy of the prefix of its own."""
    if locale == DEFAULT_LOCALE:
        return PREFIX
    prefix = BUILD / f"wineprefix-{locale.split('.')[0]}"
    with open(str(prefix) + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if not (prefix / "system.reg").exists():
            init_prefix(PREFIX)
            copy_prefix(PREFIX, prefix)
    init_prefix(prefix)
    return prefix


def copy_prefix(source: Path, target: Path, tries=5):
    """Copies a prefix that programs of other tests may be running in: Wine makes and removes
    files of its own in it meanwhile (drive_c/windows/*.tmp), and a copy that meets one as it
    goes fails. Such a copy is made again, a few times."""
    for _ in range(tries):
        shutil.rmtree(target, ignore_errors=True)
        done = subprocess.run(["cp", "-a", str(source), str(target)], stderr=subprocess.PIPE)
        if done.returncode == 0:
            return
    raise RuntimeError(f"copying {source} failed {tries} times: {done.stderr.decode()}")


def run_wine(program, args=(), *, stdin=b"", stdout=None, stderr=None, locale=DEFAULT_LOCALE,
             prefix=None, timeout=DEFAULT_TIMEOUT, cwd=None, env=None) -> Result:
    """Runs a Windows program with `wine program args` (Wine quotes the arguments by its own
    rules). stdin is bytes or an open file; stdout and stderr, when given, are open files that
    receive the program's standard output and standard error instead of a pipe."""
    prefix = prefix if prefix is not None else prefix_for(locale)
    command = [str(WINE_RUN), "--prefix", str(prefix), str(program), *map(str, args)]
    stdin_bytes = stdin if isinstance(stdin, (bytes, bytearray)) else None
    completed = subprocess.run(
        command, input=stdin_bytes, stdin=None if stdin_bytes is not None else stdin,
        stdout=stdout if stdout is not None else subprocess.PIPE,
        stderr=stderr if stderr is not None else subprocess.PIPE,
        timeout=timeout, cwd=cwd, env=wine_env(locale, prefix, env))
    return Result(completed.returncode, completed.stdout or b"", completed.stderr or b"")


def run_raw(command_line: bytes, *, app=None, launcher_args=(), **kwargs) -> Result:
    """Runs a program with exactly this Windows command line, through the tests' launcher.
    command_line holds the whole line, program name included, as ANSI bytes."""
    SCRATCH.mkdir(parents=True, exist_ok=True)
    with tempfile.NamedTemporaryFile(dir=SCRATCH, suffix=".cmdline", delete=False) as f:
        f.write(command_line)
        cmdfile = f.name
    try:
        args = ["-cmdfile", winpath(cmdfile), *launcher_args]
        if app is not None:
            args += ["-app", app]
        return run_wine(LAUNCH, args, **kwargs)
    finally:
        os.unlink(cmdfile)


def run_on_console(command_line: bytes, *, console_code_page: int, locale=DEFAULT_LOCALE,
                   timeout=DEFAULT_TIMEOUT) -> Result:
    """Runs a program with this exact command line from a launcher that has a console: under a
    pseudo-terminal (script), the launcher sets the console's output code page and starts the
    program with its standard output redirected to a file. out holds that file's bytes; what the
    program writes to standard error goes to the terminal and is not kept."""
    SCRATCH.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory(dir=SCRATCH) as folder:
        cmdfile = Path(folder) / "line.cmdline"
        outfile = Path(folder) / "stdout.bin"
        cmdfile.write_bytes(command_line)
        inner = " ".join(shlex.quote(a) for a in [
            str(WINE_RUN), "--prefix", str(prefix_for(locale)), str(LAUNCH), "-cmdfile",
            winpath(cmdfile),
            "-conscp", str(console_code_page), "-stdout", winpath(outfile)])
        completed = subprocess.run(["script", "-qec", inner, "/dev/null"],
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, timeout=timeout,
                                   env=wine_env(locale))
        out = outfile.read_bytes() if outfile.exists() else b""
        return Result(completed.returncode, out, b"")


def chronex_line(tail: bytes, exe=CHRONEX) -> bytes:
    """The command line of chronex started by its quoted path, followed by a blank and tail."""
    return b'"' + winpath(exe).encode() + b'" ' + tail


def run_chronex(tail: bytes, *, exe=CHRONEX, **kwargs) -> Result:
    """Runs chronex.exe with tail after its quoted path on its command line, exactly."""
    return run_raw(chronex_line(tail, exe), **kwargs)


def copy_program(name: str, source=CHRONEX) -> Path:
    """A copy of a program under another file name, in the scratch folder."""
    folder = SCRATCH / "copies"
    folder.mkdir(parents=True, exist_ok=True)
    target = folder / name
    shutil.copyfile(source, target)
    return target


@dataclass
class Capture:
    """What runcapture.exe reports of one RunCommandCaptured call."""
    started: bool
    status: int
    error: int
    step: bytes
    message: bytes
    cut: bool
    kept: int
    discarded: int
    handles: int  # the handles the run left open
    output: bytes


def write_cmdfile(command_line: bytes) -> Path:
    """A file in the scratch folder holding the command line's bytes; the caller removes it."""
    SCRATCH.mkdir(parents=True, exist_ok=True)
    with tempfile.NamedTemporaryFile(dir=SCRATCH, suffix=".cmdline", delete=False) as f:
        f.write(command_line)
    return Path(f.name)


def run_capture(command_line: bytes, *, limit=None, status=None, exe=RUNCAPTURE,
                **kwargs) -> Capture:
    """Runs command_line (ANSI bytes) through the real runner, in runcapture.exe, and gives back
    what the runner returned. limit is the capture limit, status the exit status held before the
    run; the other keywords go to run_wine (stdin, prefix, cwd, timeout). runcapture's output
    goes through files: a process the command leaves behind then holds no pipe of ours."""
    cmdfile = write_cmdfile(command_line)
    try:
        args = ["-cmdfile", winpath(cmdfile), "-handles", "1"]
        if limit is not None:
            args += ["-limit", str(limit)]
        if status is not None:
            args += ["-status", str(status)]
        with tempfile.TemporaryFile(dir=SCRATCH) as out, \
                tempfile.TemporaryFile(dir=SCRATCH) as err:
            result = run_wine(exe, args, stdout=out, stderr=err, **kwargs)
            out.seek(0)
            report = out.read()
            err.seek(0)
            errors = err.read()
    finally:
        os.unlink(cmdfile)
    if result.code != 0:
        raise AssertionError(f"runcapture ended with {result.code}: {show(errors)}")
    header, _, output = report.partition(b"\r\n\r\n")
    fields = dict(line.split(b"=", 1) for line in header.split(b"\r\n"))
    return Capture(started=fields[b"started"] == b"1", status=int(fields[b"status"]),
                   error=int(fields[b"error"]), step=fields[b"step"],
                   message=fields[b"message"], cut=fields[b"cut"] == b"1",
                   kept=int(fields[b"kept"]), discarded=int(fields[b"discarded"]),
                   handles=int(fields[b"handles"]), output=output)


def emit_line(*actions: str) -> bytes:
    """The command line that runs emit.exe with these actions (see tests/e2e/emit.cpp)."""
    return " ".join([winpath(EMIT), *actions]).encode()


def emit_pattern_blocks(size: int):
    """The bytes emit.exe writes for pattern:size, one 65536-byte block at a time (the last one
    shorter), for output too large to hold whole."""
    x, tail = 1, bytearray()
    for _ in range(65536 - 4):
        x = (x * 1103515245 + 12345) & 0xFFFFFFFF
        tail.append(x >> 24)
    tail = bytes(tail)
    for number, at in enumerate(range(0, size, 65536)):
        yield (number.to_bytes(4, "little") + tail)[:size - at]


def emit_pattern(size: int) -> bytes:
    """The bytes emit.exe writes for pattern:size."""
    return b"".join(emit_pattern_blocks(size))


def system_folder(prefix=PREFIX) -> Path:
    """The folder a 32-bit program of the prefix gets from GetSystemDirectoryW: syswow64 in a
    64-bit prefix, system32 in a 32-bit one."""
    windows = Path(prefix) / "drive_c" / "windows"
    wow = windows / "syswow64"
    return wow if wow.is_dir() else windows / "system32"


def make_scratch_prefix(prefix: Path) -> Path:
    """A fresh copy of the test prefix at prefix, for tests that change the system in it (a
    stand-in or a missing cmd.exe). It has a wineserver of its own; remove_scratch_prefix ends
    that and removes the copy."""
    init_prefix()
    remove_scratch_prefix(prefix)
    copy_prefix(PREFIX, prefix)
    init_prefix(prefix)
    return prefix


def remove_scratch_prefix(prefix: Path):
    if prefix.exists():
        subprocess.run(["wineserver", "-k"], env=wine_env(extra={"WINEPREFIX": str(prefix)}),
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        shutil.rmtree(prefix)
    for suffix in (".lock", ".log"):
        prefix.with_name(prefix.name + suffix).unlink(missing_ok=True)


def show(data: bytes) -> str:
    """Bytes for a failure message, with CR and LF visible."""
    return repr(data)


class WineTestCase(unittest.TestCase):
    """A test case whose prefix is ready before its first test runs."""

    @classmethod
    def setUpClass(cls):
        init_prefix()

    def assertBytes(self, actual: bytes, expected: bytes, what="output"):
        if actual != expected:
            self.fail(f"{what} differs:\n  expected {show(expected)}\n  actual   {show(actual)}")
