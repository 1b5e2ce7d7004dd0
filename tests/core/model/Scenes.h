// Replays the scenes of tests/data/model_scenes.tsv (group, scene, then one step a cell) and
// compares what the model answered to each step that answers with the reviewed recording
// model/<scene>.txt.
#pragma once

#include <iomanip>
#include <set>
#include <string>

#include "ModelTestSupport.h"
#include "core/model/ModeSwitches.h"
#include "core/model/ValueEntry.h"
#include "support/Recording.h"

namespace lumarik::test {

// The rows of one group, without the group cell: the scene's name first, then its steps.
inline std::vector<DataRow> SceneRows(const std::string& group) {
    std::vector<DataRow> rows;
    for (DataRow row : ReadDataTable("model_scenes.tsv")) {
        if (row.at(0) != group) continue;
        row.erase(row.begin());
        rows.push_back(std::move(row));
    }
    return rows;
}

inline std::string Show(const LabelView& label) {
    return std::string(label.visible ? "shown '" : "hidden '") + std::string(label.caption) + "' " +
           std::to_string(label.backColour);
}

inline void WriteView(std::ostream& out, const ResultsView& v) {
    out << "  view: ok " << v.ok << ", listing " << v.buildListing << ", draw " << v.drawSystem
        << ", no solution " << v.showNoSolution << ", rows " << v.visibleRows << ", aperture row "
        << v.apertureRowVisible << ", results " << v.resultListsVisible << ", label "
        << Show(v.virtualLabel) << "\n";
}

// name=value [low..high], with what is undefined left out.
inline void WriteRecord(std::ostream& out, const CVarType& r, bool aperture) {
    out << " " << (aperture ? "k" + std::to_string(r.nVarType) : ShortName(r.nVarType)) << "=";
    if (r.bVarValDef) out << r.sVarValue;
    out << " [";
    if (r.bLimLowDef) out << r.sLimLow;
    out << "..";
    if (r.bLimHihDef) out << r.sLimHih;
    out << "]";
}

inline void WriteChosen(std::ostream& out, const LumarikCode& code) {
    out << "  chosen:";
    for (int p = 1; p <= code.Selected().Count(); ++p)
        WriteRecord(out, code.Selected().Item(p), false);
    out << ";";
    for (int p = 1; p <= code.Apertures().Count(); ++p)
        WriteRecord(out, code.Apertures().Item(p), true);
    out << "\n";
}

inline void WriteConstants(std::ostream& out, const LumarikCode& code) {
    const EffectiveConstants& k = code.Constants();
    const DataDOF& dof = code.DepthOfField();
    out << "  constants: n " << k.N() << ", n' " << k.NPrime() << ", d " << k.D() << ", λ "
        << k.Wavelength() << ", stored n' " << k.StoredNPrime() << ", texts " << k.NText(',') << " "
        << k.DText('.') << "; circle type " << dof.CofCType() << ", custom " << dof.CofCCustomVal()
        << ", c " << dof.Table()[kDofCofC] << ", box '" << code.CofCBoxText() << "'\n";
}

// What a scene's "state" step names, in this order: chosen, flags, values, aperture, memory,
// label, enabled, names and texts (the listing's rows), dof, constants. A scene records only
// what its case is about.
inline void WriteState(std::ostream& out, const LumarikCode& code, const std::string& aspects) {
    std::set<std::string> asked;
    std::istringstream words(aspects);
    for (std::string w; words >> w;) asked.insert(w);
    const auto wants = [&](const char* aspect) { return asked.erase(aspect) == 1; };
    if (wants("chosen")) WriteChosen(out, code);
    if (wants("flags")) {
        out << "  flags: no solution " << code.NoSolution() << ", aperture missing "
            << code.ApertureMissing() << ", object at infinity " << code.ObjectAtInfinity()
            << ", virtual object " << code.IsVirtualObject() << ", virtual image "
            << code.IsVirtualImage() << ", image at infinity " << code.IsImageAtInfinity()
            << ", margin " << code.LimitMargin() << "\n";
    }
    if (wants("values")) {
        out << "  values:";
        for (int number : kSolvedNumbers)
            out << " " << ShortName(number) << "=" << code.Value(number);
        out << "\n";
    }
    if (wants("aperture")) {
        out << "  aperture:";
        for (int k = 0; k < kApertureCount; ++k) out << " k" << k << "=" << code.ApertureValue(k);
        out << " Ne=" << code.EffectiveFNumber() << " MTF=" << code.MtfCutOff() << "\n";
    }
    if (wants("memory")) {
        out << "  memory:";
        for (int i = 0; i < kSelectableCount + kApertureCount; ++i) {
            const int k = i - kSelectableCount;  // the aperture memory follows
            const CVarType& m = k < 0 ? code.Memory(i) : code.ApertureMemory(k);
            if (m.bVarValDef)
                out << " " << (k < 0 ? ShortName(i) : "k" + std::to_string(k)) << "="
                    << m.sVarValue;
        }
        out << "\n";
    }
    if (wants("label")) {
        out << "  label with drawing: " << Show(code.VirtualLabel(true))
            << ", without: " << Show(code.VirtualLabel(false)) << "\n";
    }
    if (wants("enabled")) {
        const EnableRules e = code.Enables();
        out << "  enabled: object at infinity " << e.objectAtInfinityEnabled << " ticked "
            << e.objectAtInfinityChecked << ", parameters ";
        for (bool b : e.parameterEnabled) out << b;
        out << ", apertures ";
        for (bool b : e.apertureEnabled) out << b;
        out << "\n";
    }
    const ListingRows rows = code.Listing();
    for (const auto& [aspect, texts] : {std::pair{"names", rows.names}, {"texts", rows.values}}) {
        if (!wants(aspect)) continue;
        out << "  " << aspect << ":";
        for (const std::string& text : texts) out << " '" << text << "'";
        out << "\n";
    }
    if (wants("dof")) {
        const DepthOfFieldView dof = code.DepthOfFieldRows();
        out << "  depth of field:";
        for (const std::string& v : dof.values) out << " '" << v << "'";
        out << "\n  message: " << Show(dof.message) << ", height " << dof.messageHeight << "\n";
    }
    if (wants("constants")) WriteConstants(out, code);
    for (const std::string& unknown : asked) ADD_FAILURE() << "unknown aspect " << unknown;
}

// Adding, removing and solving record only a failure.
inline void Failed(std::ostream& out, bool ok) {
    if (!ok) out << "  0\n";
}

// What the steps on a single record or on the solver alone work on.
struct Loose {
    CVarType record;
    ValueTable table{};
};

inline void RunStep(LumarikCode& code, Loose& loose, const std::string& step, std::ostream& out) {
    std::istringstream in(step);
    std::string op, rest;
    in >> op >> std::ws;
    std::getline(in, rest);
    std::istringstream args(rest);
    std::array<double, 6> x{};
    std::string token;
    for (std::size_t i = 0; i < x.size() && args >> token; ++i)
        x[i] = std::strtod(token.data(), nullptr);
    const auto [a, b, c, d, e, f] = x;
    const int n = static_cast<int>(a);
    const auto given = [&] { return NumberedValues(rest).at(0); };
    VarCollection& s = code.Selected();
    CVarType& record = loose.record;
    if (op == "optics") {
        SetUpSystem(code, {rest, "0", ""}, 0);
    } else if (op == "constants") {
        Optics{a != 0, b != 0, float(c), float(d), float(e)}.ApplyTo(code);
        code.Constants().SetWavelength(float(f));
        WriteConstants(out, code);
    } else if (op == "separators") {
        code.SetSeparators({rest.at(0), rest.at(1)});
    } else if (op == "choose") {
        for (const auto& [number, value] : NumberedValues(rest))
            Choose(code, {{number, float(value)}});
    } else if (op == "aperture") {
        GiveAperture(code, given().first, float(given().second));
    } else if (op == "set") {
        s.SetVarValue(s.PositionOf(given().first), float(given().second));
        s.SetVarValDef(s.PositionOf(given().first), true);
    } else if (op == "limits") {  // n low high, both defined
        const int p = s.PositionOf(n);
        s.SetLimLow(p, float(b));
        s.SetLimHih(p, float(c));
        s.SetLimLowDef(p, true);
        s.SetLimHihDef(p, true);
    } else if (op == "lowdef" || op == "nohigh") {
        op == "lowdef" ? s.SetLimLowDef(s.PositionOf(n), true)
                       : s.SetLimHihDef(s.PositionOf(n), false);
    } else if (op == "value") {
        code.SetValue(given().first, float(given().second));
        out << "  " << code.Value(given().first) << "\n";
    } else if (op == "setap") {
        code.SetApertureValue(given().first, float(given().second));
        out << "  " << code.ApertureValue(given().first) << "\n";
    } else if (op == "apundef") {
        code.Apertures().SetVarValDef(1, false);
    } else if (op == "infinity") {
        code.SetObjectAtInfinity(n != 0);
    } else if (op == "tickinfinity") {
        out << "  " << code.ObjectAtInfinityChanged(n != 0) << "\n";
    } else if (op == "add" || op == "new" || op == "addap") {
        Failed(out, op == "addap" ? code.AddApVar(n) : code.AddVar(n, op == "new"));
    } else if (op == "remove" || op == "removeap") {
        Failed(out, op == "remove" ? code.RemoveVar(n) : code.RemoveApVar(n));
    } else if (op == "settype") {  // position number
        s.SetVarType(n, static_cast<int>(b));
    } else if (op == "replace") {  // old new value defined low high
        out << "  " << s.Replace(n, int(b), float(c), d != 0, float(e), float(f)) << "\n";
    } else if (op == "append") {
        CVarType record;
        record.nVarType = static_cast<std::int16_t>(n);
        record.sVarValue = float(b);
        out << "  " << s.AppendCopy(record) << "\n";
    } else if (op == "valueat") {
        out << "  " << s.VarValue(n) << "\n";
    } else if (op == "clear") {
        s.Clear();
    } else if (op == "memoryat") {
        out << "  " << code.Memory(n).bVarValDef << code.ApertureMemory(n).bVarValDef << "\n";
    } else if (op == "tick" || op == "tickap") {
        const SelectionResult r =
            op == "tick" ? code.SelectParameter(n, b != 0) : code.SelectAperture(n, b != 0);
        constexpr const char* kOutcomes[] = {"accepted", "ignored", "refused"};
        out << "  " << kOutcomes[static_cast<int>(r.outcome)] << " '" << r.message << "'\n";
        WriteChosen(out, code);
    } else if (op == "solve") {
        Failed(out, code.Solve(n != 0));
    } else if (op == "recalc" || op == "selcycle" || op == "apcycle" || op == "refresh") {
        WriteView(out, op == "recalc"     ? code.Recalculate()
                       : op == "selcycle" ? code.SelectionCycle(SolveMemory::kLeave).view
                       : op == "apcycle"  ? code.ApertureCycle()
                                          : code.Refresh(true));
    } else if (op == "remember" || op == "rememberap") {
        op == "remember" ? code.RememberValues(n != 0) : code.RememberApertureValues(n != 0);
    } else if (op == "clearmemory") {
        code.ClearMemory();
    } else if (op == "percent") {
        code.SetSliderDefaultPercent(n);
    } else if (op == "cofc") {  // type custom
        code.DepthOfField().SetCofCType(n);
        code.DepthOfField().SetCofCCustomVal(float(b));
    } else if (op == "commitcofc") {
        int backups = 0;
        const std::optional<double> number = ParseNumber(rest, code.Separators());
        const CustomCofCResult r =
            number ? code.CommitCustomCofC(*number, [&] { ++backups; }) : CustomCofCResult{};
        out << "  accepted " << r.accepted << ", changed " << r.changed << ", shown "
            << r.showDepthOfField << ", backups " << backups << ", box '" << r.boxText << "'\n";
    } else if (op == "choosecofc") {
        out << "  " << code.ChooseCofCType(n) << "\n";
    } else if (op == "lensmirror") {
        out << "  " << SwitchLensMirror(code, n != 0) << "\n";
    } else if (op == "advanced") {  // row value
        const AdvancedCommit r = CommitAdvancedValue(code, n, b);
        constexpr const char* kOutcomes[] = {"unchanged", "refused", "accepted"};
        out << "  " << kOutcomes[static_cast<int>(r.outcome)] << " '" << r.message << "'\n";
    } else if (op == "carried") {  // value defined memory-limits margin; memory limits 10, 500
        CVarType memory;
        memory.sVarValue = float(a);
        memory.bVarValDef = b != 0;
        memory.sLimLow = 10.0f;
        memory.sLimHih = 500.0f;
        memory.bLimLowDef = (int(c) & 1) != 0;
        memory.bLimHihDef = (int(c) & 2) != 0;
        WriteRecord(out << " ", CarriedRecord(3, memory, float(d)), false);
        out << "\n";
    } else if (op == "record") {  // value low high, or empty
        record = CVarType{};
        record.sVarValue = float(a);
        record.bVarValDef = record.bLimLowDef = record.bLimHihDef = !rest.empty();
        record.sLimLow = float(b);
        record.sLimHih = float(c);
    } else if (op == "extend") {  // value margin
        out << "  " << ExtendLimits(record, float(a), float(b));
        WriteRecord(out, record, false);
        out << "\n";
    } else if (op == "fill") {
        loose.table.fill(float(a));
    } else if (op == "entry") {  // n=v...
        for (const auto& [i, v] : NumberedValues(rest)) loose.table[std::size_t(i)] = float(v);
    } else if (op == "pair" || op == "triple") {  // i j atInfinity; i j k
        SolverConstants constants;
        constants.objectAtInfinity = op == "pair" && c != 0;
        ParaxialSolver solver(loose.table, constants);
        out << "  "
            << (op == "pair" ? solver.SolvePair(n, int(b)) : solver.Solve(n, int(b), int(c)));
        for (int i = 0; i < 5; ++i) out << " " << ShortName(i) << "=" << loose.table[i];
        out << "\n";
    } else if (op == "negate") {
        MakeObjectDistanceNegative(code);
    } else if (op == "state") {
        if (rest.empty()) ADD_FAILURE() << "a state step names what it records";
        WriteState(out, code, rest);
    } else {
        ADD_FAILURE() << "unknown step " << step;
    }
}

// The base of the tests that play each scene of their group.
class SceneTest : public ::testing::TestWithParam<DataRow> {};

// Plays the scene of a row from SceneRows; what the collections report follows its step.
inline void ExpectScene(const DataRow& row) {
    LumarikCode code;
    RecordingDiagnostics diagnostics;
    code.SetDiagnostics(&diagnostics);
    std::string recorded;
    Loose loose;
    for (std::size_t i = 1, seen = 0; i < row.size(); ++i) {
        std::ostringstream out;
        out << std::setprecision(7);
        RunStep(code, loose, row[i], out);
        while (seen < diagnostics.reports.size())
            out << "  reported: " << diagnostics.reports[seen++] << "\n";
        // A step that answers nothing leaves no line; the steps stand in the scene table.
        if (!out.str().empty()) recorded += "> " + row[i] + "\n" + out.str();
    }
    ExpectRecording("model/" + row.at(0) + ".txt", recorded);
}

// The parameterised test Suite.Name playing every scene of group Suite, instantiated as Prefix.
#define LUMARIK_SCENE_TESTS(Prefix, Suite, Name) \
    using Suite = SceneTest;                     \
    TEST_P(Suite, Name) {                        \
        ExpectScene(GetParam());                 \
    }                                            \
    INSTANTIATE_TEST_SUITE_P(Prefix, Suite, ::testing::ValuesIn(SceneRows(#Suite)), RowName)

// Plays every scene of a group.
inline void ExpectScene(const std::string& group) {
    const std::vector<DataRow> rows = SceneRows(group);
    ASSERT_FALSE(rows.empty()) << group;
    for (const DataRow& row : rows) ExpectScene(row);
}

}  // namespace lumarik::test
