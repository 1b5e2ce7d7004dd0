"""The Python module: values from physics, agreement with lumarik-calc for the same system,
refusals as exceptions with the German message, and the example script."""
import json
import math
import os
import subprocess
import sys

import pytest

import lumarik


def test_thin_lens_gives_the_lens_equation_and_names_its_units():
    result = lumarik.solve(f=100, a=-200, u=10, r=10)
    values = result["values"]
    assert values["a_"] == 200  # 1/a' - 1/a = 1/f'
    assert values["m"] == -1
    assert values["K"] == 10  # a'/(2r)
    assert result["units"]["a_"] == "mm" and result["units"]["w"] == "Grad"
    assert result["state"]["solved"] and result["mode"] == "lens"
    assert "Bildweite: a'\t200.0mm" in result["listing"]


def test_object_at_infinity_and_the_wavelength_keyword():
    result = lumarik.solve(f=50, a=math.inf, w=10, F=4, wavelength=500)
    assert result["state"]["object_at_infinity"]
    assert "a" not in result["values"]  # listed as "In Unendlich", not as a number
    assert result["values"]["airy"] == pytest.approx(1.22 * 500e-6 * 4, rel=1e-6)


SYSTEMS = [
    ["f=100", "a=-200", "u=10", "r=10"],
    ["mirror", "f=-100", "a=-300", "u=10", "NA=0.05"],
    ["f=50", "a=inf", "w=10", "F=2.8", "n_=1.5"],
    ["beam", "f=100", "s=300", "r=1", "M2=4", "det=50"],
    ["beam", "f=100", "s_=150", "r_=0.02", "alt"],
]


@pytest.mark.parametrize("words", SYSTEMS, ids=" ".join)
def test_module_gives_what_the_calculator_gives(words):
    done = subprocess.run([os.environ["LUMARIK_CALC"], "--format", "json", *words],
                          capture_output=True, text=True, check=True)
    calc = json.loads(done.stdout)
    kwargs = {}
    for word in words:
        name, _, value = word.partition("=")
        kwargs[name] = True if not value else (math.inf if value == "inf" else float(value))
    result = lumarik.solve(**kwargs)
    assert result["mode"] == calc["mode"]
    assert result["state"] == calc["state"]
    assert result["units"] == calc["units"]
    assert result["values"].keys() == calc["values"].keys()
    for key, value in calc["values"].items():
        assert result["values"][key] == pytest.approx(value, rel=1e-7, abs=1e-12), key


@pytest.mark.parametrize("kwargs, error, message", [
    (dict(f=100, t=100, u=10), lumarik.NoSolution, "keine Lösungen"),
    (dict(f=100, a=200, u=10), lumarik.NoSolution, "realen Objekts negativ"),
    (dict(f=100, a=-200, x=10), lumarik.InputError, "Unbekannter Name"),
    (dict(f=100, a=-200, u=10, a_=200), lumarik.InputError, "genau drei"),
    (dict(f=math.nan, a=-200, u=10), lumarik.InputError, "Keine Zahl"),
    (dict(f="1e400", a=-200, u=10), lumarik.InputError, "außerhalb des Wertebereichs"),
    (dict(f="abc", a=-200, u=10), lumarik.InputError, "Keine Zahl"),
])
def test_refusals_raise_with_the_german_message(kwargs, error, message):
    with pytest.raises(error, match=message) as caught:
        lumarik.solve(**kwargs)
    assert isinstance(caught.value, lumarik.Error)


def test_metadata_names_the_licence():
    assert lumarik.__license__ == "MIT"
    assert lumarik.__version__.count(".") == 2


def test_example_sweep_runs(tmp_path):
    script = os.path.join(os.environ["LUMARIK_EXAMPLES"], "sweep_object_distance.py")
    done = subprocess.run([sys.executable, script, str(tmp_path / "sweep.png")],
                          capture_output=True, text=True, check=True, cwd=tmp_path)
    lines = done.stdout.splitlines()
    a, image, _ = (float(x) for x in lines[1].split())
    assert image == pytest.approx(1 / (1 / 100 + 1 / a), rel=1e-5)
