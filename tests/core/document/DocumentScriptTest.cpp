// Scripts of edits on a document (tests/data/document_scripts.tsv: scene, step, row or number,
// typed text, the asker's answers) recorded step by step: what each edit returned, the questions
// it asked with their default answers, and the value rows, undo reason and options after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>
#include <set>
#include <sstream>

#include "core/document/LumarikDocument.h"
#include "core/document/ValueAsker.h"
#include "core/ini/IniDocument.h"
#include "core/settings/SystemFile.h"
#include "support/DataTable.h"
#include "support/Recording.h"

namespace lumarik {
namespace {

using test::DataRow;

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
    return '"' + out + '"';
}

// Answers in turn ("~" is Cancel); Cancel once the script is used up. Writes a question's
// prompt when it differs from the one before, and every default answer.
struct ScriptedAsker : ValueAsker {
    std::deque<std::optional<std::string>> answers;
    std::string asked, lastPrompt;
    std::optional<std::string> Ask(std::string_view prompt, std::string_view,
                                   std::string_view defaultAnswer) override {
        if (prompt != lastPrompt) asked += " " + Escaped(prompt);
        lastPrompt = prompt;
        asked += " [" + std::string(defaultAnswer) + "]";
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // The answer is the text of a button.
    std::optional<std::size_t> Choose(std::string_view prompt, std::string_view,
                                      const std::vector<std::string>& buttons) override {
        asked += " " + Escaped(prompt);
        lastPrompt.clear();
        if (answers.empty()) return std::nullopt;
        const std::optional<std::string> answer = answers.front();
        answers.pop_front();
        if (!answer) return std::nullopt;
        const auto at = std::find(buttons.begin(), buttons.end(), *answer);
        if (at == buttons.end()) return std::nullopt;
        return static_cast<std::size_t>(at - buttons.begin());
    }
};

void Print(std::ostream& out, const BeamView& beam) {
    if (beam.shown) out << (beam.ok ? " beam solved" : " beam unsolved");
}

void Print(std::ostream& out, const ValueCommit& c) {
    const char* const outcomes[] = {"ignored", "restored", "stored"};
    out << outcomes[static_cast<int>(c.outcome)] << ' ' << Escaped(c.boxText)
        << (c.limitsChanged ? " limits opened" : "") << (c.presetReleased ? " released" : "")
        << (c.view.ok ? " solved" : "");
    Print(out, c.beam);
}

// One step of a script; the asker answers only steps without '-' in their name, and a step
// with '=' commits a box that shows what was typed. `kept` is the system text a "keep" step
// took, which "open" opens.
std::string Step(LumarikDocument& doc, const DataRow& s, std::string& kept) {
    const std::string& step = s[1];
    const int n = std::atoi(s[2].c_str());
    const std::string& typed = s[3];
    ScriptedAsker asker;
    for (std::size_t at = 0; s[4].size() > 0 && at <= s[4].size();) {
        const std::size_t bar = std::min(s[4].find('|', at), s[4].size());
        const std::string answer = s[4].substr(at, bar - at);
        asker.answers.push_back(answer == "~" ? std::nullopt : std::optional(answer));
        at = bar + 1;
    }
    ValueAsker* a = step.find('-') == std::string::npos ? &asker : nullptr;
    const std::string shown = step.find('=') == std::string::npos ? "shown before" : typed;
    const std::string verb = step.substr(0, step.find_first_of("-="));
    std::ostringstream out;
    // Setting-up steps type their values (typed: one a row, '-' skips a row) without an asker.
    const auto typeRows = [&] {
        std::istringstream values(typed);
        std::string value;
        for (int row = 0; values >> value; ++row)
            if (value != "-") doc.CommitValue(row, value, "", true, nullptr);
    };
    if (verb == "lens") {  // German settings, f', a and u' chosen (rows 0, 1, 2)
        doc.SetSeparators(NumberSeparators::WithDecimal(','));
        for (Parameter k : {kParFocal, kParObjectDist, kParImageHeight})
            doc.SelectParameter(k, true);
        typeRows();
    } else if (verb == "gb") {  // beam mode with f', s and the quantity n chosen
        doc.SetBeamMode(true);
        for (int q : {0, 1, n}) doc.SelectBeamParameter(BeamQuantity(q), true);
        typeRows();
    } else if (verb == "chartlens") {  // f', a at infinity, w and K chosen
        for (Parameter k : {kParFocal, kParObjectDist, kParObjectAngle})
            doc.SelectParameter(k, true);
        doc.SetObjectAtInfinity(true);
        doc.SelectAperture(kApFNumber, true);
        typeRows();
    } else if (verb == "de") {
        doc.SetSeparators(NumberSeparators::WithDecimal(','));
    } else if (verb == "par" || verb == "aperture") {
        const bool tick = typed != "0";
        out << static_cast<int>((verb == "par" ? doc.SelectParameter(Parameter(n), tick)
                                               : doc.SelectAperture(ApertureParameter(n), tick))
                                    .outcome);
    } else if (verb == "infinity") {
        doc.SetObjectAtInfinity(true);
    } else if (verb == "chart" || verb == "chartundo") {  // typed: NA and field angle (°)
        float na = 0, field = 0;
        std::istringstream(typed) >> na >> field;
        const std::optional<ResultsView> v =
            verb == "chart" ? doc.ApFieldParamsChng(na, field) : doc.UndoChart();
        out << (!v      ? "none"
                : v->ok ? "solved"
                        : "unsolved")
            << " chart undo " << doc.ChartUndoAvailable();
    } else if (verb == "beam") {
        doc.SetBeamMode(n != 0);
    } else if (verb == "bsel") {
        out << static_cast<int>(doc.SelectBeamParameter(BeamQuantity(n), typed != "0").outcome);
    } else if (verb == "v") {
        Print(out, doc.CommitValue(n, typed, shown, true, a));
    } else if (verb == "l" || verb == "u") {
        const LimitCommit c = doc.CommitLimit(n, verb == "u", typed, shown, a);
        const char* const outcomes[] = {"ignored", "refused", "shown"};
        out << outcomes[static_cast<int>(c.outcome)] << ' ' << Escaped(c.message);
    } else if (verb == "slide") {  // to position typed of 0..1000
        const SliderCommit c = doc.MoveSlider(n, std::atoi(typed.c_str()), 0, 1000);
        out << (c.moved ? "moved" : "still") << (c.presetReleased ? " released" : "")
            << (c.view.ok ? " solved" : "");
        Print(out, c.beam);
    } else if (verb == "preset") {
        Print(out, doc.ChooseImageHeightPreset(n, a));
    } else if (verb == "posobj") {
        doc.SetPositiveObj(n != 0);
    } else if (verb == "advanced") {
        doc.SetAdvancedOptions(n != 0);
    } else if (verb == "defaults") {
        doc.ResetAdvancedDefaults();
        out << "n=" << doc.Model().Constants().N();
    } else if (verb == "mark") {  // an edit of its own undo step that changes no row
        doc.SetConstructionRays(n != 0);
    } else if (verb == "display") {  // the switches without an undo step
        doc.SetHideRemoteConjugates(n != 0);
        doc.SetDrawPoints(n != 0);
        doc.SetShowExtra(n != 0);
        doc.SetShowExtraGB(n != 0);
        doc.SetAltSolution(n != 0);
        doc.SetUseM2(n != 0);
        doc.SetDetectorOn(n != 0);
        doc.SetDofIndex(n);
    } else if (verb == "cofc") {
        const CustomCofCResult c = doc.CommitCustomCofC(typed, a);
        out << "changed " << c.changed << ' ' << Escaped(c.boxText);
    } else if (verb == "cofctype") {
        out << doc.ChooseCofCType(n) << " type " << doc.Model().DepthOfField().CofCType();
    } else if (verb == "circularise") {
        doc.SwitchCircularisation(n != 0);
    } else if (verb == "collimation") {
        doc.SetCollimationMode(n);
        out << "mode " << doc.Beam().CollimationMode();
    } else if (verb == "ytype") {
        doc.ChooseDiodeParamType(BeamQuantity(n));
        out << "y " << doc.Beam().StoredDiodeParamNumber();
    } else if (verb == "keep") {
        kept = doc.SystemFileText();
    } else if (verb == "open") {
        out << static_cast<int>(doc.OpenSystemFile(n != 0 ? kept : "x", typed));
    } else if (verb == "cycle") {
        doc.RunCycle();
        if (doc.BeamMode()) {
            Print(out, doc.BeamResults());
        } else {
            out << (doc.Results().ok ? "solved" : "unsolved");
        }
    } else if (verb == "saved") {
        doc.MarkSaved(typed);
    } else if (verb == "recall") {  // the settings file holds the kept system
        IniDocument file;
        ParseSystemFile(kept, file);
        doc.Recall(INICode(file));
    } else if (verb == "adv") {
        const AdvancedCommit c = doc.CommitAdvanced(n, typed, "", a);
        out << static_cast<int>(c.outcome) << " n=" << doc.Model().Constants().N();
    } else if (verb == "mirror") {
        doc.SwitchLensMirror(n != 0);
        out << "mirror=" << doc.Model().Constants().MirrorMode();
    } else if (verb == "undo") {
        out << doc.Undo();
    } else if (verb == "clear") {
        doc.Clear();
    } else if (verb == "diode") {
        doc.SwitchDiodeMode(n != 0);
    } else if (verb == "wavelength" || verb == "scale" || verb == "option") {
        const BeamOptionCommit c = verb == "wavelength" ? doc.CommitBeamWavelength(typed, a)
                                   : verb == "scale"
                                       ? doc.CommitBeamDrawScale(typed, a)
                                       : doc.CommitBeamOption(BeamOption(n), typed, a);
        out << (c.stored ? "stored " : "kept ") << Escaped(c.boxText);
        if (verb == "option") out << " option " << doc.Beam().OptionText(BeamOption(n));
        Print(out, c.beam);
    } else if (verb == "scaletype") {
        out << doc.SetBeamDrawScaleType(n);
    } else {
        ADD_FAILURE() << "unknown step " << step;
    }
    out << asker.asked << " |";
    for (int row = 0; row < kValueRowCount; ++row) {
        const CVarType* r = doc.RowRecord(row);
        if (r == nullptr) {
            out << " -";
            continue;
        }
        out << " #" << r->nVarType << ' ';
        (r->bVarValDef ? out << r->sVarValue : out << '?') << " [";
        (r->bLimLowDef ? out << r->sLimLow : out << '?') << ' ';
        (r->bLimHihDef ? out << r->sLimHih : out << '?') << ']';
    }
    out << " | undo " << doc.LastBackupReason() << " preset " << doc.Opts().imageHeightPreset << '/'
        << doc.Opts().imageHeightPresetIndex;
    if (doc.BeamMode() || doc.Beam().DiodeMode()) {
        out << " | beam " << doc.BeamMode() << " diode " << doc.Beam().DiodeMode() << ' '
            << doc.BeamWavelengthText() << " scale " << doc.BeamDrawing().scaleMode << ' '
            << doc.BeamDrawing().fixedDistance;
    }
    // What the step announced, a letter a view: choice, rows, solution, options, mode,
    // drawing, depth of field, file.
    const Changes changes = doc.TakeChanges();
    out << " | ";
    for (int bit = 0; bit < 8; ++bit) out << ((changes >> bit) & 1U ? "CRSOMDTF"[bit] : '-');
    if (!doc.FilePath().empty() || verb == "clear" || verb == "recall") {
        out << " | file '" << doc.FilePath() << "' modified " << doc.Modified() << " save "
            << doc.SomethingToSave();
    }
    return out.str();
}

// Every scene starts from a new document.
TEST(DocumentScripts, EveryStepAsRecorded) {
    const std::vector<DataRow> steps = test::ReadDataTable("document_scripts.tsv");
    ASSERT_GT(steps.size(), 100U);
    std::map<std::string, LumarikDocument> scenes;
    std::map<std::string, std::string> kept;
    // A step and its outcome are recorded once, whichever scene reaches them first; a step that
    // only prepares the next (a mark, a kept file, German settings, an aperture ticked or
    // unticked) the first time it is used.
    std::set<std::string> recorded;
    const std::set<std::string> preparing = {"mark", "keep", "de", "aperture"};
    std::string text;
    for (DataRow s : steps) {
        s.resize(5);
        const std::string line = s[1] + ' ' + s[2] + ' ' + Escaped(s[3]) + ' ' + s[4] + " -> " +
                                 Step(scenes[s[0]], s, kept[s[0]]);
        if (recorded.insert(preparing.count(s[1]) > 0 ? s[1] + s[3] : line).second)
            text += s[0] + ": " + line + '\n';
    }
    test::ExpectRecording("document_scripts.txt", text);
}

}  // namespace
}  // namespace lumarik
