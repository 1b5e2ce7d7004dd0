#!/usr/bin/python3
"""Throughput of lumarik-calc's batch mode: random solvable systems piped through
`lumarik-calc --batch --format csv`, timed in CPU seconds of the calculator's process (user +
system, from the kernel's accounting of the child), so a busy machine does not count.

    bench/calc/calc_batch.py --calc build/src/lumarik-calc [--systems 100000] [--runs 3]

The systems (a fixed seed) are thin lenses and mirrors with a real object and an aperture in
every form, objects at infinity, and one in eight a Gaussian beam; every row must come back
solved. Prints the median of the runs in systems per CPU second.
"""
import argparse
import os
import random
import resource
import statistics
import subprocess
import tempfile


def systems(count, seed=26):
    rng = random.Random(seed)
    lines = []
    for _ in range(count):
        kind = rng.random()
        f = rng.uniform(20.0, 500.0)
        if kind < 0.125:
            lines.append(f"beam f={f:.6g} s={rng.uniform(1.5, 20.0) * f:.6g} "
                         f"r={rng.uniform(0.05, 2.0):.6g} lambda={rng.choice([532, 632.8, 1064])}")
            continue
        aperture = rng.choice([f"r={rng.uniform(1, 20):.6g}", f"F={rng.uniform(1.4, 22):.6g}",
                               f"NA={rng.uniform(0.01, 0.2):.6g}", f"NA_={rng.uniform(0.01, 0.2):.6g}"])
        if kind < 0.25:
            lines.append(f"f={f:.6g} a=inf w={rng.uniform(1, 30):.6g} {aperture}")
        elif kind < 0.4:
            lines.append(f"mirror f={-f:.6g} a={-rng.uniform(2.2, 20) * f:.6g} "
                         f"u={rng.uniform(1, 50):.6g} {aperture}")
        else:
            lines.append(f"f={f:.6g} a={-rng.uniform(2.2, 20) * f:.6g} "
                         f"u={rng.uniform(1, 50):.6g} {aperture}")
    return "\n".join(lines) + "\n"


def run(calc, path):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    with open(path, "rb") as source:
        done = subprocess.run([calc, "--batch", "--format", "csv"], stdin=source,
                              stdout=subprocess.PIPE, check=False)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    rows = done.stdout.decode("utf-8").splitlines()[1:]
    unsolved = [r for r in rows if r.split(",")[1] != "solved"]
    if done.returncode != 0 or unsolved:
        raise SystemExit(f"exit {done.returncode}; {len(unsolved)} rows not solved, e.g. "
                         f"{unsolved[:3]}")
    return len(rows), cpu


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--calc", required=True)
    parser.add_argument("--systems", type=int, default=100000)
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
        f.write(systems(args.systems))
        path = f.name
    try:
        rates = []
        for _ in range(args.runs):
            count, cpu = run(args.calc, path)
            rates.append(count / cpu)
            print(f"{count} systems in {cpu:.3f} CPU s: {count / cpu:,.0f} systems per CPU second")
        print(f"median: {statistics.median(rates):,.0f} systems per CPU second")
    finally:
        os.unlink(path)


if __name__ == "__main__":
    main()
