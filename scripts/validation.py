#!/usr/bin/env python3
"""Runs the validation cases (tests/data/validation.tsv) through lumarik-calc and writes or checks
docs/validation.md.

    scripts/validation.py --calc build/src/lumarik-calc --write   # rewrite the page
    scripts/validation.py --calc build/src/lumarik-calc --check   # fail on a difference or a stale page

A case fails when Lumarik's value differs from the expected one by more than its tolerance;
--check also fails when the committed page differs from the one the cases give now.
"""
import argparse
import json
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
TABLE = ROOT / "tests" / "data" / "validation.tsv"
PAGE = ROOT / "docs" / "validation.md"
# How the last column starts for a case that compares with a number printed in its source.
PRINTED = "gedruckt:"
DERIVED = "berechnet:"


def read_cases():
    cases = []
    for line in TABLE.read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        cells = line.split("\t")
        if len(cells) != 8:
            sys.exit(f"{TABLE}: a row needs 8 cells: {line}")
        case, source, where, words, key, expected, tolerance, basis = cells
        if not basis.startswith((PRINTED, DERIVED)):
            sys.exit(f"{TABLE}: the last cell starts with {PRINTED!r} or {DERIVED!r}: {line}")
        cases.append(dict(case=case, source=source, where=where, words=words, key=key,
                          expected=float(expected), expected_text=expected,
                          tolerance=float(tolerance), basis=basis))
    return cases


def run_calc(calc, words):
    done = subprocess.run([calc, "--format", "json", *words.split()], capture_output=True,
                          text=True, check=False)
    if done.returncode != 0:
        raise RuntimeError(f"lumarik-calc {words}: exit {done.returncode}: {done.stderr.strip()}")
    return json.loads(done.stdout)["values"]


def page(cases, results):
    sources = sorted({c["source"] for c in cases})
    printed = [c for c in cases if c["basis"].startswith(PRINTED)]
    printed_sources = {c["source"] for c in printed}
    lines = [
        "# Lumarik against published values",
        "",
        "Written by `scripts/validation.py --write` from `tests/data/validation.tsv`; the test",
        "`validation_cases` fails when a case leaves its tolerance or this page is out of date.",
        "",
        f"{len(cases)} cases from {len(sources)} sources. {len(printed)} cases from "
        f"{len(printed_sources)} sources",
        "compare with a number printed in the source (a worked example or a table; \"gedruckt\"",
        "below), with a tolerance of half a unit in its last printed place (wider only where the row",
        "says why). The other",
        f"{len(cases) - len(printed)} (\"berechnet\") have no printed number: their expected value is "
        "computed by hand",
        "(the Python expression in the table) from the relation the source states. Lumarik's value",
        "is the one `lumarik-calc --format json` gives, which is the window's value: both read the",
        "same document.",
        "",
        "| Fall | Quelle | Stelle | Eingabe | Name | erwartet | Lumarik | Differenz | Toleranz |",
        "|---|---|---|---|---|---|---|---|---|",
    ]
    for c, value in zip(cases, results):
        diff = value - c["expected"]
        cells = [c["case"], c["source"], c["where"], f"`{c['words']}`", f"`{c['key']}`",
                 c["expected_text"], f"{value:.8g}", f"{diff:.2g}", f"{c['tolerance']:g}"]
        lines.append("| " + " | ".join(cell.replace("|", "\\|") for cell in cells) + " |")
    lines += ["", "## Herkunft der erwarteten Werte", ""]
    for c in cases:
        lines.append(f"- {c['case']} (`{c['key']}`): {c['basis']}")
    lines += ["", "## Quellen", ""] + [f"- {s}" for s in sources]
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--calc", required=True, help="the lumarik-calc program")
    mode = parser.add_mutually_exclusive_group(required=True)
    mode.add_argument("--write", action="store_true")
    mode.add_argument("--check", action="store_true")
    args = parser.parse_args()

    cases = read_cases()
    cache, results, failures = {}, [], []
    for c in cases:
        if c["words"] not in cache:
            cache[c["words"]] = run_calc(args.calc, c["words"])
        values = cache[c["words"]]
        if c["key"] not in values:
            failures.append(f"{c['case']}: no value {c['key']} for {c['words']}")
            results.append(float("nan"))
            continue
        value = values[c["key"]]
        results.append(value)
        if not abs(value - c["expected"]) <= c["tolerance"]:
            failures.append(f"{c['case']} ({c['key']}): Lumarik {value!r}, expected "
                            f"{c['expected_text']} ± {c['tolerance']:g}")
    text = page(cases, results)
    if args.write:
        PAGE.write_text(text, encoding="utf-8")
    elif not PAGE.exists() or PAGE.read_text(encoding="utf-8") != text:
        failures.append(f"{PAGE} is out of date: run scripts/validation.py --calc ... --write")
    for f in failures:
        print(f, file=sys.stderr)
    print(f"{len(cases) - len(failures)} of {len(cases)} checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
