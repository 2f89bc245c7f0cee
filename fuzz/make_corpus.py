#!/usr/bin/env python3
"""Writes the fuzz target's seed corpus: valid statistics files of several sizes from the
sample generator, and broken ones derived from them (each a case the reader must refuse
or survive).

    python3 make_corpus.py OUTDIR
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples"))
import make_sample  # noqa: E402

WORKED_EXAMPLE = (
    b"QVL Statistik\r\n07.12.26 18:00;Stop\r\nAnlage\r\nEtagen;2\r\nStart;01.12.26 06:00;\r\n"
    b"-\r\n-\r\n-\r\n"
    b"1;350;7;4;3;0;0;120;3;1;2;0;0;410;9;5;4;0;0;90;2;2;0;0;0;\r\n"
    b";0;0;0;0;0;0;0;4;3;0;0;0;0;0;0;0;3;0;0;0;0;0;0;0;0;0;0;0;0;0;0;5;0;0;0;0;4;0;0;0;0;2;0;0;"
    b"0;0;0;0;\r\n"
    b"2;0;0;0;0;0;0;250;5;3;2;0;0;610;12;6;6;0;0;0;0;0;0;0;0;\r\n"
    b";0;0;0;0;0;0;0;0;0;5;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;6;6;0;0;0;0;0;0;0;0;0;0;0;"
    b"0;0;0;0;\r\n"
    b"-;1520;1388;0;0;\r\n"
)


def replace_value(data, line_no, field_no, text):
    """The file with field `field_no` (0-based) of line `line_no` (0-based) replaced."""
    lines = data.split(b"\r\n")
    fields = lines[line_no].split(b";")
    fields[field_no] = text
    lines[line_no] = b";".join(fields)
    return b"\r\n".join(lines)


def corpus():
    small = make_sample.build(3, 7)
    files = {
        "worked-example": WORKED_EXAMPLE,
        "header-and-travel-line": make_sample.build(0, 1),
        "one-floor": make_sample.build(1, 2),
        "buerohaus-14": make_sample.build(14, 1307),
        "hochhaus-40": make_sample.build(40, 4711),
        "41-floors": make_sample.build(41, 3),
        "empty": b"",
        "five-lines": b"a\r\nb\r\nc\r\nd\r\ne\r\n",
        "cr-only": small.replace(b"\r\n", b"\r"),
        "lf-only": small.replace(b"\r\n", b"\n"),
        "ctrl-z-inside": small[: len(small) // 2] + b"\x1a" + small[len(small) // 2:],
        "cut-in-half": small[: len(small) // 2],
        "bad-field": replace_value(small, 9, 3, b"1x"),
        "empty-field": replace_value(small, 10, 5, b""),
        "int-max": replace_value(replace_value(small, 8, 2, b"2147483647"), 10, 2, b"2147483647"),
        "int-min": replace_value(small, 9, 7, b"-2147483648"),
        "past-int-max": replace_value(small, 8, 2, b"2147483648"),
        "leading-blanks": replace_value(small, 8, 4, b" " * 300 + b"12"),
        "nul-in-value": replace_value(small, 8, 4, b"1\x002"),
        "extra-line-after-trailer": small + b"noch eine\r\n",
        "no-final-semicolon": small.replace(b";\r\n", b"\r\n"),
        "binary": bytes(range(256)) * 4,
    }
    return files


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "corpus"
    os.makedirs(out, exist_ok=True)
    for name, data in corpus().items():
        with open(os.path.join(out, name + ".csv"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
