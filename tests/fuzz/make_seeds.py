#!/usr/bin/env python3
"""Writes the seed corpora in tests/fuzz/corpus/<target>/: a handful of inputs per target, laid
out the way the targets read them with libFuzzer's FuzzedDataProvider (numbers are taken from the
end of the input, last byte first; strings from the front, a backslash and any other byte ending
one, a doubled backslash standing for one). Run it after changing what a target reads:
    python3 tests/fuzz/make_seeds.py
"""
import os
import struct

CORPUS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


class Input:
    """One input, written in the order the target consumes it."""

    def __init__(self):
        self.front = bytearray()
        self.back = bytearray()  # in the order consumed: the input's last byte first

    def string(self, text):  # ConsumeRandomLengthString
        self.front += text.replace(b"\\", b"\\\\") + b"\\ "
        return self

    def rest(self, text):  # ConsumeRemainingBytesAsString, the last thing read from the front
        self.front += text
        return self

    def integer(self, value, size=1):  # ConsumeIntegral / InRange: most significant byte first
        self.back += value.to_bytes(size, "big")
        return self

    def boolean(self, value):
        return self.integer(1 if value else 0)

    def char(self, c):  # ConsumeIntegral<char>, which counts from -128
        return self.integer((ord(c) + 128) & 0xFF)

    def fraction(self, p):  # ConsumeProbability<double>: a 64-bit integer over its maximum
        return self.integer(round(p * (2**64 - 1)), 8)

    def bits(self, value):  # ConsumeIntegral<uint64_t> holding a double's bits
        return self.integer(struct.unpack("<Q", struct.pack("<d", value))[0], 8)

    def data(self):
        return bytes(self.front) + bytes(reversed(self.back))


def day_number(year, month, day):
    """Days from 30 December 1899, proleptic Gregorian."""
    import datetime

    return (datetime.date(year, month, day) - datetime.date(1899, 12, 30)).days


def at(year, month, day, hour=0, minute=0, second=0, ms=0):
    return day_number(year, month, day) + (hour * 3600000 + minute * 60000 + second * 1000 + ms) / 86400000


def command_line():
    def any_line(line, path=b"C:\\Tools\\chronex.exe"):
        return Input().boolean(False).string(path).rest(line)

    def made(*arguments):
        i = Input().boolean(True)
        for a in arguments:
            i.string(a)
        return i

    return {
        "plain": any_line(b"chronex dir /w"),
        "interpreter": any_line(b"chronex CMD /C dir c:\\"),
        "quotes": any_line(b'chronex cmd.exe /k "dir /w" a"b c"d "" say ""hi"" \\"a b\\"'),
        "open_quote": any_line(b'"C:\\My Tools\\chronex.exe" echo\t"open   x\tb', b"C:\\My Tools\\chronex.exe"),
        "made_interpreter": made(b"cmd", b"/c", b"echo", b"a b", b"", b"x;y"),
        "made_bytes": made(b"\xe9t\xe9", b"a\\b", b"'q r'", b"/K"),
    }


def render_datetime():
    def render(pattern, value, interval=False, kind=1):
        i = Input().boolean(False).boolean(interval).integer(kind)
        if kind == 0:
            i.bits(value)
        elif kind == 1:
            i.fraction((value + 700000.0) / 3700000.0)
        else:
            i.fraction((value + 2.0) / 4.0)
        return i.boolean(False).rest(pattern)

    with_formats = (
        Input()
        .boolean(True)
        .char(".")
        .char(".")
        .string(b"yyyy/mm/dd")
        .string(b"dddd d mmmm yyyy")
        .string(b"hh.nn")
        .string(b"hh.nn.ss AM/PM")
        .string(b"vorm.")
        .string(b"nachm.")
        .integer(4)
        .string(b"Mai")
        .integer(5)
        .string(b"Freitag")
        .boolean(False)
        .integer(1)
        .fraction((at(2024, 5, 24, 15, 2, 51, 123) + 700000.0) / 3700000.0)
        .boolean(False)
        .rest(b"c f t tt ddddd dddddd mmmm dddd AMPM a/p am/pm")
    )
    return {
        "report_start": render(b'ddd mm/dd/yyyy "at" hh:nn:ss.zz', at(2024, 5, 24, 15, 2, 51, 123)),
        "elapsed": render(b"[hh]:nn:ss.zz", 1 + (3 * 3600000 + 4 * 60000 + 5006) / 86400000, True),
        "negative_elapsed": render(b"[hh]:nn:ss.zz", -1500 / 86400000, True, kind=2),
        "banner": render(b"dd mmm yyyy @ hh:00:00", at(2024, 5, 24, 15)),
        "every_run": render(b"y yy yyy d dd ddd dddd m mm mmm mmmm h hh n nn s ss z zz e g 'q' \"q\" [n] x", 0.0, True, kind=0),
        "formats": with_formats,
    }


def read_datetime():
    def round_trip_parts(year, month, day, hour, minute, second, ms):
        i = Input().integer(0).boolean(False)
        i.integer(year - 1, 2).integer(month - 1).integer(day - 1)
        return i.integer(hour).integer(minute).integer(second).integer(ms, 2)

    def text(t, order=None, separator="\0", today=(2024, 5, 24), today_pattern=None, formats=None):
        i = Input()
        if formats:
            date_sep, time_sep, decimal_sep, short_date, am, pm = formats
            i.integer(1).char(date_sep).char(time_sep).char(decimal_sep)
            i.string(short_date).string(am).string(pm).integer(50, 2)
        else:
            i.integer(2)
        i.integer(today[0] - 1601, 2).integer(today[1] - 1).integer(today[2] - 1)
        if order is None:
            i.boolean(True)
        else:
            i.boolean(False).string(order)
        i.char(separator)
        if today_pattern is None:
            i.boolean(True)
        else:
            i.boolean(False).string(today_pattern)
        return i.rest(t)

    return {
        "round_trip": round_trip_parts(2024, 5, 24, 15, 2, 51, 123),
        "round_trip_year_1": round_trip_parts(1, 1, 1, 0, 0, 0, 0),
        "date_time": text(b"05/24/2024 15:02:51.5"),
        "banner_date": text(b"2024/05/24", order=b"yyyy/mm/dd"),
        "time_ampm": text(b"3:02 PM"),
        "leap_second": text(b"12/31/9999 23:59:60.999"),
        "formats": text(b"24.05.24 15.02.51,250 nachm.", formats=(".", ".", ",", b"dd/mm/yy", b"vorm.", b"nachm.")),
    }


def replace_text():
    def replace(source, pattern, replacement, first_only=False):
        i = Input().boolean(first_only).boolean(True).string(pattern).boolean(True)
        return i.string(replacement).boolean(True).rest(source)

    return {
        "every": replace(b"abcABC", b"b", b"x"),
        "first_only": replace(b"abcABC", b"b", b"x", True),
        "no_overlap": replace(b"aaaa", b"aa", b"b"),
        "extension": replace(b"A.EXE.EXE", b".exe", b""),
        "today": replace(b"12/30/1899 15:02:51.000", b"12/30/1899", b"05/24/2024"),
        "ansi_letters": replace(b"CAF\xc9 caf\xe9 \xff\x9f", b"caf\xe9", b"T"),
    }


def main():
    for target, inputs in [
        ("command_line", command_line()),
        ("render_datetime", render_datetime()),
        ("read_datetime", read_datetime()),
        ("replace_text", replace_text()),
    ]:
        folder = os.path.join(CORPUS, target)
        os.makedirs(folder, exist_ok=True)
        for name, i in inputs.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(i.data())


if __name__ == "__main__":
    main()
