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
            shutil.rmtree(prefix, ignore_errors=True)
            subprocess.run(["cp", "-a", str(PREFIX), str(prefix)], check=True)
    init_prefix(prefix)
    return prefix


def run_wine(program, args=(), *, stdin=b"", stdout=None, locale=DEFAULT_LOCALE, prefix=None,
             timeout=DEFAULT_TIMEOUT, cwd=None, env=None) -> Result:
    """Runs a Windows program with `wine program args` (Wine quotes the arguments by its own
    rules). stdin is bytes or an open file; stdout, when given, is an open file that receives the
    program's standard output instead of a pipe."""
    prefix = prefix if prefix is not None else prefix_for(locale)
    command = [str(WINE_RUN), "--prefix", str(prefix), str(program), *map(str, args)]
    stdin_bytes = stdin if isinstance(stdin, (bytes, bytearray)) else None
    completed = subprocess.run(
        command, input=stdin_bytes, stdin=None if stdin_bytes is not None else stdin,
        stdout=stdout if stdout is not None else subprocess.PIPE, stderr=subprocess.PIPE,
        timeout=timeout, cwd=cwd, env=wine_env(locale, prefix, env))
    return Result(completed.returncode, completed.stdout or b"", completed.stderr)


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
