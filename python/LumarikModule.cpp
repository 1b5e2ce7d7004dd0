// The Python module lumarik: the calculator's solve for scripts and notebooks. Keyword
// arguments are the calculator's names (wavelength= stands for lambda=, a Python keyword);
// the result is a dict of plain Python values, and a refusal raises lumarik.InputError
// (bad input) or lumarik.NoSolution, both lumarik.Error, with the German message.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "Version.h"
#include "core/calc/CalcMain.h"

namespace py = pybind11;

namespace {

using namespace lumarik;

struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
struct NoSolution : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A keyword argument as the calculator's word: a number in shortest form, True for a switch,
// math.inf as "inf" (the object at infinity); a string is passed as typed, so that the
// calculator's own message refuses what is no number.
std::string Word(const std::string& name, const py::handle& value) {
    const std::string calcName = name == "wavelength" ? "lambda" : name;
    if (py::isinstance<py::bool_>(value)) {
        if (!value.cast<bool>()) return {};
        return calcName;
    }
    if (py::isinstance<py::str>(value)) return calcName + "=" + value.cast<std::string>();
    if (!py::isinstance<py::float_>(value) && !py::isinstance<py::int_>(value)) {
        throw InputError(calcName + ": Keine Zahl");
    }
    const double x = value.cast<double>();
    if (std::isinf(x)) return calcName + "=inf";
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
    return calcName + "=" + std::string(buffer, end);
}

py::dict Result(const LumarikDocument& doc) {
    py::dict values, units;
    py::list rows;
    for (const CalcRow& row : CalcTable(doc)) {
        const std::string key(row.key);
        const double number = row.single ? static_cast<double>(static_cast<float>(row.number))
                                         : row.number;
        values[key.c_str()] = number;
        units[key.c_str()] = row.unit;
        py::dict r;
        r["list"] = std::string(row.list);
        r["quantity"] = row.quantity;
        r["symbol"] = row.symbol;
        r["key"] = key;
        r["value"] = number;
        r["unit"] = row.unit;
        rows.append(r);
    }
    const CalcState state = StateOf(doc);
    py::dict s;
    s["solved"] = state.solved;
    s["virtual_object"] = state.virtualObject;
    s["virtual_image"] = state.virtualImage;
    s["image_at_infinity"] = state.imageAtInfinity;
    s["object_at_infinity"] = state.objectAtInfinity;
    s["messages"] = state.messages;
    py::dict result;
    result["mode"] = doc.BeamMode()                            ? "beam"
                     : doc.Model().Constants().MirrorMode()   ? "mirror"
                                                               : "lens";
    result["values"] = values;
    result["units"] = units;
    result["rows"] = rows;
    result["listing"] = ListingText(doc);
    result["state"] = s;
    return result;
}

py::dict Finished(const LumarikDocument& doc, const CalcOutcome& outcome) {
    if (outcome.status == CalcStatus::kBadInput) throw InputError(outcome.message);
    if (outcome.status == CalcStatus::kUnsolved) throw NoSolution(outcome.message);
    return Result(doc);
}

py::dict Solve(const py::kwargs& kwargs) {
    std::vector<std::string> words;
    for (const auto& [name, value] : kwargs) {
        std::string word = Word(name.cast<std::string>(), value);
        if (!word.empty()) words.push_back(std::move(word));
    }
    std::vector<std::string_view> views(words.begin(), words.end());
    LumarikDocument doc;
    const CalcOutcome outcome = CalcFromWords(doc, views);
    return Finished(doc, outcome);
}

py::dict SolveFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw InputError("Die Datei kann nicht gelesen werden: " + path);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    LumarikDocument doc;
    const CalcOutcome outcome = OpenSystem(doc, bytes, path);
    return Finished(doc, outcome);
}

}  // namespace

PYBIND11_MODULE(lumarik, m) {
    m.doc() = "Lumarik: paraxial pre-design of a thin lens or mirror and Gaussian beams.";
    m.attr("__version__") = std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
                            "." + std::to_string(kVersionPatch);
    m.attr("__license__") = "MIT";
    m.attr("__author__") = "Lumarik <lumarik@example.org>";
    static py::exception<std::runtime_error> error(m, "Error");
    static py::exception<InputError> inputError(m, "InputError", error.ptr());
    static py::exception<NoSolution> noSolution(m, "NoSolution", error.ptr());
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const InputError& e) {
            PyErr_SetString(inputError.ptr(), e.what());
        } catch (const NoSolution& e) {
            PyErr_SetString(noSolution.ptr(), e.what());
        }
    });
    m.def("solve", &Solve,
          "solve(**names) -> dict: the system of the calculator's names (f, a, a_, m, t, u, w, "
          "u_, w_, r, F, NA, NA_, n, n_, d, wavelength, mirror=True, virtual=True; beam=True "
          "with f, s, s_, m, r, w, zr, r_, w_, zr_, M2, det, alt=True). Values in mm, degrees "
          "(lens angles), mrad (beam divergences), nm (wavelength); a=math.inf puts the object "
          "at infinity. Returns mode, values, units, rows, listing and state.");
    m.def("solve_file", &SolveFile, py::arg("path"),
          "solve_file(path) -> dict: the system of a .lumarik file, as solve() returns it.");
}
