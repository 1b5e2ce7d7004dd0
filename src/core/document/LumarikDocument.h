// The system the user edits: the first-order model, the program options, the beam, the
// one-level undo snapshot and the open file, with every edit the window forwards — choices,
// typed values and limits, slider moves, presets, options, drags, chart clicks, Clear, Undo,
// Recall, files. Each edit carries its own undo rule, runs the calculation it needs and records
// what it changed; the window takes that record and refreshes the views that depend on it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/backup/DataBackup.h"
#include "core/beam/GaussianBeam.h"
#include "core/drawing/DrgRoutines.h"
#include "core/drawing/DrgRoutinesGB.h"
#include "core/drawing/DrgTouch.h"
#include "core/drawing/DrgTouchGB.h"
#include "core/format/NumberInput.h"
#include "core/ini/INICode.h"
#include "core/model/LumarikCode.h"
#include "core/model/ModeSwitches.h"
#include "core/model/Options.h"
#include "core/settings/SystemFile.h"

namespace lumarik {

class ModelDiagnostics;
class ValueAsker;

// Rows 0..2 show the chosen parameters 1..3, row 3 the aperture parameter.
constexpr int kApertureRow = 3;
constexpr int kValueRowCount = 4;

// What an edit changed, for the views that show it: every edit adds to the document's record
// of changes, and the window takes the record after the edit and refreshes what depends on it.
enum Change : unsigned {
    kChangeNone = 0,
    kChangeChoice = 1U << 0,   // which parameters are chosen: the boxes and their enabled states
    kChangeRows = 1U << 1,     // the value rows: captions, values, limits, sliders, the preset
    kChangeResults = 1U << 2,  // the solution: listing, labels, drawing, depth of field, chart
    kChangeOptions = 1U << 3,  // the option controls and the constants they show
    kChangeMode = 1U << 4,     // lens or mirror, paraxial or beam, the laser diode: the layout
    kChangeDrawing = 1U << 5,  // what the drawing shows, nothing else
    kChangeDepthOfField = 1U << 6,
    kChangeFile = 1U << 7,  // the open file
    kChangeAll = (1U << 8) - 1,
};
using Changes = unsigned;

// What the window shows after a beam calculation.
struct BeamView {
    bool shown = false;        // a beam calculation ran: list its results
    bool ok = false;           // the x section solved
    bool rowsChanged = false;  // the circularisation may have rewritten a row: show the rows
    // Not empty: the edit was refused, nothing changed, and this tells the user why.
    std::string refusal;
};

// What a value box shows after a commit.
struct ValueCommit {
    enum class Outcome {
        kIgnored,   // nothing to do: no record, or the box shows what the program wrote
        kRestored,  // the text was refused or changes nothing: the box shows boxText again
        kStored,    // the value was stored and the system recalculated
    } outcome = Outcome::kIgnored;
    std::string boxText;
    bool limitsChanged = false;   // the limits were opened around the value: show them again
    bool presetReleased = false;  // the image-height preset list returns to its first entry
    ResultsView view;             // kStored, lens/mirror mode: what the window shows now
    BeamView beam;                // kStored, beam mode
};

// What a limit box shows after a commit.
struct LimitCommit {
    enum class Outcome {
        kIgnored,  // not a number, no record or unchanged: the box keeps what was typed
        kRefused,  // show `message`; the limits are unchanged
        kShown,    // the limits (stored or unchanged) are shown again
    } outcome = Outcome::kIgnored;
    std::string_view message;
};

struct SliderCommit {
    bool moved = false;  // false while a limit is undefined: the slider changes nothing
    bool presetReleased = false;
    ResultsView view;
    BeamView beam;
};

// What an option box of the beam mode shows after a commit.
struct BeamOptionCommit {
    bool stored = false;       // the value changed the system (one undo step)
    std::string boxText;       // what the box shows now; empty: it keeps what was typed
    BeamView beam;             // the solve, where the commit ran one (the wavelength)
    std::string_view message;  // not empty: the number was refused, and this says why
};

class LumarikDocument {
public:
    // Read-only views of the system; every change is one of the edits below.
    const LumarikCode& Model() const { return m_model; }
    const Options& Opts() const { return m_options; }
    const GaussianBeam& Beam() const { return m_beam; }
    // The user's decimal separator, for the model and the beam alike.
    void SetSeparators(NumberSeparators separators);
    // Collection diagnostics of the model go here (the sink must outlive the document).
    void SetDiagnostics(ModelDiagnostics* diagnostics) { m_model.SetDiagnostics(diagnostics); }

    // ---- undo ----
    // Exchanges the system with the snapshot of the last edit (a second Undo redoes); the
    // open file follows when the edit was an opening or Clear.
    bool Undo();
    BackupReason LastBackupReason() const { return m_backup.LastReason(); }

    // ---- the open file ----
    // The file the system was last opened from or saved to; empty when none.
    const std::string& FilePath() const { return m_file.path; }
    // The system differs from what was last opened, saved or loaded from the settings file
    // (an edit undone is no change).
    bool Modified() const { return SystemFileText() != m_file.savedText; }
    // The system was written to `path` ("Speichern unter...").
    void MarkSaved(std::string path);
    // Whether the exit asks to keep the system: something is chosen, or Clear emptied it.
    bool SomethingToSave() const;

    // ---- what the edits changed and the results they left ----
    // The changes since the last call, which it clears.
    Changes TakeChanges() { return std::exchange(m_changes, kChangeNone); }
    // What the last calculation of each mode gave.
    const ResultsView& Results() const { return m_results; }
    const BeamView& BeamResults() const { return m_beamResults; }
    // The cycle of the mode in force with the value memory updated, as after loading: the
    // selection cycle, or the beam calculation.
    void RunCycle();

    // ---- the aperture/field chart ----
    // A click on the chart at numerical aperture sNA and half field angle sField (degrees):
    // refused (nothing) outside 0.01 ≤ sNA ≤ 1 and 0.1 ≤ sField ≤ 90 or while the system
    // cannot take it (three parameters, a valid calculation and an aperture value needed).
    // Otherwise it takes an undo step and moves the system there, keeping the chart backup;
    // nothing either when the system has no solution there (it stays as it was).
    std::optional<ResultsView> ApFieldParamsChng(float sNA, float sField);
    // The choice and values before the last chart click, while no other edit came after it.
    bool ChartUndoAvailable() const { return m_chartBackup.has_value(); }
    // Puts them back (one undo step) and recalculates; nothing without a chart backup.
    std::optional<ResultsView> UndoChart();

    // ---- the choice of parameters ----
    // A selection box was ticked or unticked: one undo step unless a fourth tick is ignored.
    SelectionResult SelectParameter(Parameter k, bool ticked);
    SelectionResult SelectAperture(ApertureParameter k, bool ticked);
    // True when the object height was removed with it (the boxes must follow).
    bool SetObjectAtInfinity(bool ticked);

    // ---- the beam mode ----
    bool BeamMode() const { return m_options.beamMode; }
    // Switches between lens/mirror and beam mode and runs the cycle of the new mode.
    void SetBeamMode(bool on);
    // A beam selection box: one undo step unless a fourth tick is ignored.
    BeamSelectResult SelectBeamParameter(BeamQuantity number, bool ticked);
    // The beam calculation with the first-order constants in force.
    BeamView RecalcBeam(SolveMemory memory = SolveMemory::kUpdate);
    // The alternative-solution box (no undo step): the other root of a two-root case.
    void SetAltSolution(bool alt);
    // M² and the detector in use or not (no undo step).
    void SetUseM2(bool use);
    void SetDetectorOn(bool on);
    // The growth of the depth of focus shown (no undo step: it changes no result).
    void SetDofIndex(int index);
    // The laser-diode controls, each one undo step: the mode, circularisation (both may
    // rewrite the choice), the collimation mode (in force at the next calculation) and the
    // quantity describing the y section (the y beam stays).
    void SwitchDiodeMode(bool on);
    void SwitchCircularisation(bool on);
    void SetCollimationMode(int mode);
    void ChooseDiodeParamType(BeamQuantity number);
    // The wavelength box (nm): a number inside the model's range (10 nm to 1 mm, as the
    // advanced options take it) that differs from the stored one is stored with an undo step
    // and solved; anything else rewrites the box, a text that is no number or a number out of
    // range with a message. Neither does a wavelength that would leave a solved beam unsolved.
    BeamOptionCommit CommitBeamWavelength(std::string_view typed, ValueAsker* asker = nullptr);
    std::string BeamWavelengthText() const;

    // ---- the beam drawing ----
    BeamDrawOptions BeamDrawing(bool printing = false) const;
    // The scale list's entry; false when it was already in force.
    bool SetBeamDrawScaleType(int mode);
    // The fixed-distance box: the distance in use ("0.0mm") for the modes that use one, else
    // empty and disabled.
    std::string BeamDrawScaleText() const;
    bool BeamDrawScaleEnabled() const { return ScaleModeUsesDistance(m_options.beamDrawScaleType); }
    // A typed fixed distance: a number > 0 that a value box would take is stored (no undo step:
    // it changes only the picture); anything else restores the box.
    BeamOptionCommit CommitBeamDrawScale(std::string_view typed, ValueAsker* asker = nullptr);
    // The beam drag: a press on a handle of the screen drawing, the moves, the release. A move
    // that changed a value solves the beam (one undo step for the whole drag, before its first
    // change); `shown` is false when it changed nothing.
    // A press that swaps a chosen quantity leaves the reason in DragNotice until the next press.
    BeamPress StartBeamDrag(double x, double y, const BeamHandles& handles);
    // What the last press changed in the choice, for the user (empty: nothing).
    const std::string& DragNotice() const { return m_dragNotice; }
    BeamView MoveBeamDrag(double x, double y);

    // ---- the value rows ----
    // In beam mode rows 0..2 edit the beam quantities of the x section and row 3 has none.
    bool RowHasRecord(int row) const;
    // Nothing when the row has no record.
    const CVarType* RowRecord(int row) const;
    // Display text of an internal value of the row's parameter, with pattern and unit.
    std::string RowText(int row, float internal) const;

    // The value box of `row` was committed (Enter or leaving it) with `typed`; `shown` is what
    // the program last wrote into the box, so leaving an unchanged box does nothing. A text
    // that is not a number restores the box. A real object's distance, the F-number and the
    // numerical apertures are corrected through the asker; without an asker such a value is
    // refused rather than changed silently. fromKeyboard: typed by the user (a typed image
    // height releases the preset).
    ValueCommit CommitValue(int row, std::string_view typed, std::string_view shown,
                            bool fromKeyboard, ValueAsker* asker);
    // The same for a number chosen in a list (standard F-numbers), not typed.
    ValueCommit CommitNumber(int row, double x, ValueAsker* asker);
    // A limit box; the sign and range corrections come before the comparisons.
    LimitCommit CommitLimit(int row, bool upper, std::string_view typed, std::string_view shown,
                            ValueAsker* asker);
    // The slider of `row` moved to `position` of minimum..maximum.
    SliderCommit MoveSlider(int row, int position, int minimum, int maximum);

    // ---- image-height presets ----
    // Entry `index` of the preset list was chosen (0: none). The height is committed to the
    // image-height row as a real, inverted image (negative); nothing while the image height is
    // not chosen (the list is then released and disabled).
    ValueCommit ChooseImageHeightPreset(int index, ValueAsker* asker);

    // ---- options ----
    // An advanced value was typed: the range message when refused, empty otherwise; true in
    // `stored` when it changed the system (the caller recalculates).
    AdvancedCommit CommitAdvanced(int row, std::string_view typed, std::string_view shown,
                                  ValueAsker* asker = nullptr);
    // The advanced-options box: the typed constants come into force or the defaults do; no
    // undo step (the values stay as typed).
    void SetAdvancedOptions(bool on);
    // "Standardwerte": the default constants (one undo step).
    void ResetAdvancedDefaults();
    // Lens or mirror (one undo step); the system is solved again in the new mode. Nothing when
    // the mode is already in force.
    std::optional<ResultsView> SwitchLensMirror(bool toMirror);
    // Virtual objects allowed or not (one undo step); forbidding them makes a positive object
    // distance negative.
    void SetPositiveObj(bool allowed);
    // Display switches of the drawing and the extra information: no undo step, except for the
    // construction rays, which change what the drawing grabs.
    void SetHideRemoteConjugates(bool hide);
    void SetDrawPoints(bool draw);
    void SetConstructionRays(bool draw);
    void SetShowExtra(bool show);
    void SetShowExtraGB(bool show);
    // The symbol style (kSymbolsStandard, kSymbolsUser) with the user symbols of `settings`,
    // in both modes; and the user symbols of one mode anew after the symbols dialog kept them.
    void ApplySymbolStyle(int unitType, const INICode& settings);
    void RebuildUserSymbols(bool beam, const INICode& settings);

    // ---- depth of field ----
    // The custom circle-of-confusion box (one undo step when the value in use changes).
    CustomCofCResult CommitCustomCofC(std::string_view typed, ValueAsker* asker = nullptr);
    // A circle-of-confusion option; true when a solved system has a list to rewrite.
    bool ChooseCofCType(int type);

    // ---- the lens drag ----
    // A press on a handle of the screen drawing; the dragged quantities become chosen
    // parameters. One undo step for the whole drag, before its first change.
    PressResult StartLensDrag(double x, double y, const GrabHandles& handles);
    // A move: the system recalculated when a value changed, nothing otherwise.
    std::optional<ResultsView> MoveLensDrag(double x, double y);
    // Ends a drag of either mode, also one whose release was lost; true when a handle was held,
    // and then the system is solved again with a fresh scale.
    bool EndDrag();
    bool Dragging() const { return m_touch.Dragging() || m_beamTouch.Dragging(); }

    // ---- beam options ----
    // A number box of the beam's extra-information tab was committed with `typed` (a unit and
    // either decimal separator are taken as in the value rows). A text that is not a number,
    // or a number the option refuses, restores the box (a number that is no beam, or one that
    // would leave a solved beam unsolved, with a message); a change takes one undo step, except
    // for the distance of the minimum-spot calculation, which changes no result.
    BeamOptionCommit CommitBeamOption(BeamOption option, std::string_view typed,
                                      ValueAsker* asker = nullptr);

    // ---- the whole system ----
    // Empties the system (one undo step): no parameters, no values, default constants, the
    // preset released.
    void Clear();
    // Reads the system from the settings file: at start (no undo step) and on Recall (one undo
    // step; the open file is left).
    void Load(const INICode& ini);
    void Recall(const INICode& ini);
    std::vector<IniEntry> SettingsEntries() const;

    // ---- systems as files ----
    std::string SystemFileText() const;
    // Takes one undo step (Undo returns to the whole system before, options included) and
    // reads the system of the file. A file that is not kOk, or whose entries are missing, out of
    // shape or promise records it lacks, changes nothing; nor does one whose choice of
    // parameters the selection rules refuse (kRefused: the rule's message in `refusal`). On success
    // `path` becomes the open file, unmodified.
    SystemFileStatus OpenSystemFile(std::string_view bytes, std::string path = {},
                                    std::string_view* refusal = nullptr);

private:
    // Every edit with an undo step takes it here: the chart backup belongs to the state right
    // after its click.
    void TakeBackup(BackupReason reason, int index = 0);
    void Announce(Changes changes) { m_changes |= changes; }
    // The calculations, each keeping what it gave and announcing the results.
    ResultsView Solved(const ResultsView& view);
    void ReleaseStalePreset();
    ResultsView Recalculated() { return Solved(m_model.Recalculate()); }
    // The calculation of the mode in force after a change of values.
    void RecalculateMode();
    // After Undo, Recall, Clear and opening: everything may have changed.
    void AfterWholeSystem();
    // Symbols show everywhere: the cycle of the mode runs again.
    void AfterSymbols();
    // Everything Load reads but the slider margin; false when records were promised but not
    // all taken.
    bool LoadSystem(const INICode& ini);
    VarCollection& RowCollection(int row);
    const VarCollection& RowCollection(int row) const;
    int RowPosition(int row) const { return row == kApertureRow ? 1 : row + 1; }
    double RowFactor(int row) const;
    // The undo reason of a typed value or limit in the mode in force.
    BackupReason ValueReason() const { return BeamMode() ? kBackupBeamValue : kBackupValue; }
    // After a beam row changed: the circularisation partner follows, then the beam is solved.
    BeamView AfterBeamRowChange(int row);
    // With circularisation a row's value moves its coupled partners (f' and s, and s with the
    // object-side beam in collimation mode 1). An edit whose coupling would give a focal length
    // of the other sign, or (withinLimits: slider and drag, which move inside the user's
    // limits) carry a coupled row out of its limits, is refused: the reason, empty when the
    // edit may go ahead. `trial` is the beam after the edit of `position`, coupled and solved.
    std::string CouplingRefusal(const GaussianBeam& trial, int position, bool withinLimits) const;
    // The same for `record` stored in value row `row`.
    std::string RowCouplingRefusal(int row, const CVarType& record, bool withinLimits) const;
    // True when `trial` leaves a section unsolved that the beam in force solves.
    bool WouldUnsolve(GaussianBeam trial) const;
    enum class EntryBox { kValue, kLower, kUpper };
    struct Question {
        std::string_view prompt;
        std::string_view title;
        std::function<bool(double)> admissible;
        std::function<double(double)> defaultAnswer;  // offered for the current number
    };
    // The sign and range rules of a typed value or limit; nothing when it must be refused.
    std::optional<double> Correct(const CVarType& record, bool aperture, EntryBox box, double x,
                                  ValueAsker* asker) const;
    std::optional<double> AskUntil(ValueAsker* asker, const Question& question, double x) const;
    // The largest limit a numerical aperture may have; nothing for other parameters.
    std::optional<double> ApertureCeiling(const CVarType& record, bool aperture) const;
    void StoreRecord(int row, const CVarType& record);
    bool ReleasePreset();
    ValueCommit Restored(int row, const CVarType& record);
    // A typed text and an answer of the asker as numbers, in the user's format. A text that may
    // mean two numbers ("1.400" in German settings) is put to the asker with both; without one
    // it is refused, never guessed.
    std::optional<double> Accept(std::string_view text, ValueAsker* asker) const;
    std::optional<double> Reading(const AcceptedNumber& accepted, std::string_view text,
                                  ValueAsker* asker) const;
    std::optional<double> AskNumber(ValueAsker& asker, std::string_view prompt,
                                    std::string_view title, double defaultAnswer) const;

    // Called by every edit: the chart backup belongs to the state right after its click.
    void DropChartBackup() { m_chartBackup.reset(); }

    LumarikCode m_model;
    Options m_options;
    GaussianBeam m_beam;
    DataBackup m_backup;
    struct ChartBackup {
        std::vector<CVarType> selected;
        std::vector<CVarType> apertures;
    };
    std::optional<ChartBackup> m_chartBackup;
    DrgTouch m_touch;
    DrgTouchGB m_beamTouch;
    struct OpenFile {
        std::string path;
        std::string savedText;  // the system as the file holds it
    };
    // The open file, and the one before the last opening or Clear, which their Undo brings
    // back.
    OpenFile m_file;
    OpenFile m_otherFile;
    bool m_cleared = false;  // Clear makes the exit ask even with nothing chosen
    Changes m_changes = kChangeNone;
    std::string m_dragNotice;
    ResultsView m_results;
    BeamView m_beamResults;
};

}  // namespace lumarik
