#!/usr/bin/env python3
"""Reads a run's workbook with a reader that is not the program's own, openpyxl, and holds it to
the run's CSV and its statement: the same header, every reading a number equal to the CSV's
within 1e-9 relative, every entry's CRC-32 right and its date a real one, the header row of the
readings frozen in view (and nothing on the run's sheet), and the second sheet holding the
statement.

usage: check-workbook.py BOOK.xlsx READINGS.csv STATEMENT.txt
Exits 0 when it holds, 1 with the reason when not, 77 when openpyxl is not installed."""

import csv
import math
import sys
import zipfile

try:
    import openpyxl
except ImportError:
    print("openpyxl is not installed (Debian: python3-openpyxl)")
    sys.exit(77)


def fail(reason):
    print(reason)
    sys.exit(1)


book_path, csv_path, statement_path = sys.argv[1:4]
with zipfile.ZipFile(book_path) as archive:
    broken = archive.testzip()
    if broken:
        fail(f"{broken}: its CRC-32 does not match its data")
    for entry in archive.infolist():
        year, month, day = entry.date_time[:3]
        if not (1980 <= year and 1 <= month <= 12 and 1 <= day <= 31):
            fail(f"{entry.filename}: no real date, {entry.date_time}")

with open(csv_path, newline="", encoding="utf-8") as f:
    table = list(csv.reader(f))
with open(statement_path, encoding="utf-8") as f:
    statement = f.read().rstrip("\n")

book = openpyxl.load_workbook(book_path)
if len(book.worksheets) != 2:
    fail(f"{len(book.worksheets)} sheets, not 2")
readings, run = book.worksheets
rows = [list(r) for r in readings.iter_rows(values_only=True)]
if rows[0] != table[0]:
    fail(f"header {rows[0]}, the CSV's {table[0]}")
if len(rows) != len(table):
    fail(f"{len(rows) - 1} rows of readings, the CSV's {len(table) - 1}")
for number, (got, expected) in enumerate(zip(rows[1:], table[1:]), start=2):
    for column, value, text in zip(table[0], got, expected):
        if isinstance(value, bool) or not isinstance(value, (int, float)):
            fail(f"row {number}, {column}: {value!r} is not a number")
        want = float(text)
        if abs(value - want) > 1e-9 * max(abs(value), abs(want)):
            fail(f"row {number}, {column}: {value!r}, the CSV's {text}")
        if not math.isfinite(value):
            fail(f"row {number}, {column}: {value!r}")

# The readings scroll under their header row; the run's sheet has no header to keep in view.
if readings.freeze_panes != "A2":
    fail(f"the readings' view keeps {readings.freeze_panes!r} in place, not the header row A2")
if run.freeze_panes is not None:
    fail(f"the run's sheet keeps {run.freeze_panes!r} in place")

if not any(cell == statement for row in run.iter_rows(values_only=True) for cell in row):
    fail("the second sheet does not hold the statement:\n" + statement)
print(f"{len(rows) - 1} readings as numbers, the statement on sheet '{run.title}'")
