#!/usr/bin/env python3
"""Reads dossier-cli's CSV with Python's own csv module and holds every cell to the same
characters' JSON lines: one column a value, lists joined with "; ", names that trip up quoting
read back whole, a spreadsheet formula kept as text behind a quote mark.
    csv_reads_back.py DOSSIER_CLI"""
import csv
import io
import json
import subprocess
import sys

cli = sys.argv[1]
failures = []


def run(*args):
    return subprocess.run([cli, *args], check=True, capture_output=True).stdout


def flattened(value, path, cells):
    if isinstance(value, dict):
        for key, inner in value.items():
            flattened(inner, f"{path}.{key}" if path else key, cells)
    elif isinstance(value, list):
        items = []
        for item in value:
            if isinstance(item, dict) and "score" in item:
                items.append(f"{item['name']} {item['score']}")
            elif isinstance(item, dict):
                known = ", knows the true name" if item["knowsTrueName"] else ""
                items.append(f"{item['to']} {item['kind']}, {item['contact']}{known}")
            else:
                items.append(str(item))
        cells[path] = "; ".join(items)
    elif isinstance(value, bool):
        cells[path] = "true" if value else "false"
    else:
        cells[path] = str(value)
    return cells


def check(args, what):
    data = run(*args, "--format", "csv", "--output", "-")
    if not data.startswith(b"\xef\xbb\xbf"):
        failures.append(f"{what}: no byte order mark")
    if b"\n" in data.replace(b"\r\n", b""):
        failures.append(f"{what}: a line not ended by CR LF outside a quoted cell")
    rows = list(csv.DictReader(io.StringIO(data.decode("utf-8-sig"), newline="")))
    lines = [json.loads(line) for line in run(*args, "--format", "json", "--output", "-").splitlines()]
    if len(rows) != len(lines):
        failures.append(f"{what}: {len(rows)} rows for {len(lines)} characters")
    for row, line in zip(rows, lines):
        expected = flattened(line, "", {})
        for column, cell in row.items():
            wanted = expected.get(column, "")
            if wanted[:1] in ("=", "+", "-", "@") and not wanted.lstrip("-").isdigit():
                wanted = "'" + wanted
            if cell != wanted:
                failures.append(f"{what}: {column} is {cell!r}, the JSON says {wanted!r}")
        missing = set(expected) - set(row)
        if missing:
            failures.append(f"{what}: no column for {sorted(missing)}")


for name in ["O'Hara \"Q\"", "Zoë: #1", "007", "Anne, Jr.", "=SUM(A1)", "Line, \"two\""]:
    check(["--count", "3", "--seed", "5", "--profile", "--name", name], name)
check(["--count", "4", "--seed", "6"], "without names")
check(["--network", "6", "--seed", "2"], "a network")
print("\n".join(failures) if failures else "every cell read back as the JSON has it")
sys.exit(1 if failures else 0)
