#!/usr/bin/env python3
"""Reads a tape exported as CSV with Python's csv module and compares it with
the tape it came from.

Usage: csv_python_check.py TAPE.csv EXPECTED.jsonl

EXPECTED holds one JSON array per tape line: [value, key, comment], where
value is the line's value as a hexadecimal float (float.fromhex), so the
comparison is bit for bit, or null for a line that carries no value.

Exits 0 when every row matches, 1 with a message per mismatch otherwise, 2 on
a usage error. Used by the core test suite; runs on its own as well.
"""

import csv
import json
import re
import sys

# What every spreadsheet reads as a number whatever its locale: digits, at
# most one point, an optional minus, no exponent and no separators.
PLAIN_NUMBER = re.compile(r"-?[0-9]+(\.[0-9]+)?")


def check(csv_path, expected_path):
    problems = []
    with open(csv_path, "rb") as f:
        raw = f.read()
    if not raw.endswith(b"\r\n"):
        problems.append("the last row does not end in CR LF")
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.append("the file starts with a byte order mark")

    # newline="" hands the quoted line breaks to the csv module untouched;
    # strict UTF-8 fails on any byte that is not.
    with open(csv_path, newline="", encoding="utf-8", errors="strict") as f:
        rows = list(csv.reader(f, strict=True))
    with open(expected_path, encoding="utf-8") as f:
        expected = [json.loads(line) for line in f if line.strip()]

    if not rows or rows[0] != ["value", "key", "comment"]:
        problems.append(f"header row is {rows[0] if rows else None!r}")
    body = rows[1:]
    if len(body) != len(expected):
        problems.append(f"{len(body)} rows for {len(expected)} tape lines")

    for number, (row, (value, key, comment)) in enumerate(zip(body, expected), start=1):
        where = f"row {number}"
        if len(row) != 3:
            problems.append(f"{where}: {len(row)} fields: {row!r}")
            continue
        text, got_key, got_comment = row
        if value is None:
            if text != "":
                problems.append(f"{where}: value {text!r} for a line without one")
        elif not PLAIN_NUMBER.fullmatch(text):
            problems.append(f"{where}: value {text!r} is not a plain number")
        elif float(text) != float.fromhex(value):
            problems.append(f"{where}: value {text!r} is not {float.fromhex(value)!r}")
        if got_key != key:
            problems.append(f"{where}: key {got_key!r}, expected {key!r}")
        if got_comment != comment:
            problems.append(f"{where}: comment {got_comment!r}, expected {comment!r}")
    return problems


def main(argv):
    if len(argv) != 3:
        print("usage: csv_python_check.py TAPE.csv EXPECTED.jsonl", file=sys.stderr)
        return 2
    problems = check(argv[1], argv[2])
    for problem in problems:
        # ascii() keeps the message printable under LC_ALL=C.
        print(ascii(problem), file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
