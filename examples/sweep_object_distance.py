#!/usr/bin/env python3
"""Sweeps the object distance of a thin lens (f' = 100 mm, object height 10 mm) and shows how
the image distance and the magnification follow, as a table and, where matplotlib is installed,
as a plot saved to sweep_object_distance.png (or the file given as the first argument).

Run with the module on the path, e.g. after ./test.sh:
    PYTHONPATH=build/python python3 examples/sweep_object_distance.py
"""
import sys

import lumarik

FOCAL = 100.0  # mm

distances = [-FOCAL * (1.1 + 0.1 * i) for i in range(40)]  # real objects: a < 0
rows = []
for a in distances:
    result = lumarik.solve(f=FOCAL, a=a, u=10.0)
    rows.append((a, result["values"]["a_"], result["values"]["m"]))

print(f"{'a / mm':>10} {'a_ / mm':>10} {'m':>8}")
for a, image, m in rows:
    print(f"{a:10.1f} {image:10.2f} {m:8.3f}")

try:
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
except ImportError:
    print("matplotlib ist nicht installiert: keine Grafik.")
    sys.exit(0)

figure, axis = plt.subplots()
axis.plot([-a for a, _, _ in rows], [image for _, image, _ in rows], marker=".")
axis.set_xlabel("Objektweite -a / mm")
axis.set_ylabel("Bildweite a' / mm")
axis.set_title(f"Dünne Linse, f' = {FOCAL:g} mm")
axis.grid(True)
target = sys.argv[1] if len(sys.argv) > 1 else "sweep_object_distance.png"
figure.savefig(target)
print(f"Grafik: {target}")
