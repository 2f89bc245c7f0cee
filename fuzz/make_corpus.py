#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets, one folder each: for the load path valid
statistics files of several sizes from the sample generator and broken ones derived from them
(each a case the reader must refuse or survive), among them lines at the 64 KiB limit; names
files at and past each of their limits; pairs of files for the comparison; files with names,
cover texts and a file name for the JSON.

    python3 make_corpus.py OUTDIR     writes OUTDIR/load, OUTDIR/names, OUTDIR/compare, OUTDIR/json
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


# What fuzz/fuzzinput.h cuts one input at into its parts.
SEPARATOR = b"\n=====\n"
# Bytes the reader keeps of a line (statglob/reader.cpp).
KEPT_LINE = 65536


def line_of_length(data, line_no, length):
    """The file with line `line_no` (0-based) padded to `length` bytes by leading zeros in its
    third value, which the reader takes as the same number."""
    lines = data.split(b"\r\n")
    fields = lines[line_no].split(b";")
    fields[2] = b"0" * (length - len(lines[line_no])) + fields[2]
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
        "line-at-64k-limit": line_of_length(small, 8, KEPT_LINE),
        "line-past-64k-limit": line_of_length(small, 8, KEPT_LINE + 1),
        "hour-line-past-64k-limit": line_of_length(small, 9, KEPT_LINE + 1),
    }
    return files


def names_corpus():
    forty = b"".join(b"E%d\n" % i for i in range(40))
    return {
        "two": b"KG\nEG\n",
        "bom-crlf": b"\xef\xbb\xbfTiefgarage\r\nFoyer S\xc3\xbcd\r\n",
        "cr-only": b"KG\rEG\rOG\r",
        "empty-lines": b"\n\nEG\n",
        "forty": forty,
        "forty-one": forty + b"E40\n",
        "ten-and-eleven": b"NNNNNNNNNN\nNNNNNNNNNNN\n",
        "euro-ten": "€" * 10 + "\n",
        "line-at-cut": b"x" * 256 + b"\n",
        "line-past-cut": b"x" * 257 + b"\n",
        "control": b"A\x1bB\nC\xc2\x81\nN\x00L\n",
        "latin-1": b"M\xfcller\n",
        "outside-1252": "Ω\n".encode(),
        "no-line-end": b"KG",
    }


def compare_corpus():
    small, big = make_sample.build(3, 7), make_sample.build(14, 1307)
    return {
        "three-and-fourteen": small + SEPARATOR + big,
        "fourteen-and-three": big + SEPARATOR + small,
        "forty-and-one": make_sample.build(40, 4711) + SEPARATOR + make_sample.build(1, 2),
        "same-twice": WORKED_EXAMPLE + SEPARATOR + WORKED_EXAMPLE,
        "no-period": replace_value(small, 1, 0, b"") + SEPARATOR + small,
        "one-broken": replace_value(small, 9, 3, b"1x") + SEPARATOR + big,
        "line-at-64k-limit": line_of_length(small, 8, KEPT_LINE) + SEPARATOR + small,
    }


def json_corpus():
    def parts(*p):
        return SEPARATOR.join(p)
    small = make_sample.build(3, 7)
    return {
        "plain": parts(WORKED_EXAMPLE, b"KG\nEG", b"Stadtwerke", b"K-4711", b"/tmp/beispiel.csv"),
        "latin-1": parts(small, b"M\xfcller", b"M\xfcller", b"\xe4\xf6\xfc", b"/tmp/M\xfcller.csv"),
        "broken-utf8": parts(small, b"\xc3", b"\xf0\x9f", b"\xed\xa0\x80", b"\xff\xfe"),
        "controls": parts(small, b"\x00\x1b\x7f", b"\r\n\t", b"\x08", b"\x00"),
        "forty": parts(make_sample.build(40, 4711), b"\n".join(b"E%d" % i for i in range(41)), b"", b"", b""),
        "line-at-64k-limit": parts(line_of_length(small, 8, KEPT_LINE), b"", b"x" * 70000, b"", b""),
    }


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "corpus"
    for target, files in (("load", corpus()), ("names", names_corpus()),
                          ("compare", compare_corpus()), ("json", json_corpus())):
        os.makedirs(os.path.join(out, target), exist_ok=True)
        for name, data in files.items():
            if isinstance(data, str):
                data = data.encode()
            with open(os.path.join(out, target, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
