// The state of the first-order model and its calculation cycle: catalogue, chosen parameters,
// value tables, value memory, effective constants and flags. The document owns one instance and
// makes every change of it; nothing here touches a widget.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/format/NumberInput.h"
#include "core/model/ApertureValues.h"
#include "core/model/CVarType.h"
#include "core/model/Catalogue.h"
#include "core/model/DataDOF.h"
#include "core/model/EffectiveConstants.h"
#include "core/model/ParaxialSolver.h"
#include "core/model/Selection.h"
#include "core/model/VarCollection.h"

namespace lumarik {

class ModelDiagnostics;

// Colours as RGB with red in the low byte.
constexpr std::uint32_t kColourRed = 0x0000FFu;
constexpr std::uint32_t kColourYellow = 0x00FFFFu;

constexpr int kMaxSelected = 3;
constexpr int kMaxApertures = 1;

struct LabelView {
    bool visible = false;
    std::string_view caption;
    std::uint32_t backColour = 0;
};

// What the window shows after a cycle.
struct ResultsView {
    bool ok = false;                  // the solve succeeded
    bool buildListing = false;        // rebuild the listing; otherwise empty the value list only
    bool drawSystem = false;          // redraw the system (the drawing is cleared in any case)
    bool showNoSolution = false;      // the texts::kNoSolution label in front
    LabelView virtualLabel;           // virtual object/image, image at infinity
    bool apertureRowVisible = false;  // and the window is not in beam mode
    int visibleRows = 0;              // parameter rows 1..visibleRows are shown
    bool resultListsVisible = false;  // result lists and drawing: exactly three chosen
};

constexpr int kListingRowCount = 20;

// The results listing, row by row. Every mode has twenty rows: the optional rows of the
// distance block (f, mirror radius, nodal points) are balanced by fillers further down, so
// that a row keeps its place when they come and go.
struct ListingRows {
    std::array<std::string, kListingRowCount> names;
    std::array<std::string, kListingRowCount> values;
};

// Whether a solve carries its values into the value memory, from which a parameter chosen
// later takes its value, or leaves the memory as it was.
enum class SolveMemory { kLeave, kUpdate };

// The value list and the message label of the depth of field (names: texts::kDofRowNames).
struct DepthOfFieldView {
    std::array<std::string, kDofRowCount> values;
    LabelView message;
    int messageHeight = 0;  // twips
};

// What a commit of the custom circle-of-confusion box asks the window to show.
struct CustomCofCResult {
    bool accepted = false;  // the text was a number; otherwise the box is left as it is
    bool changed = false;   // a new custom value was stored and the depth of field evaluated
    // Rewrite the depth-of-field list from DepthOfFieldRows(); only while the listing shows a
    // solved system.
    bool showDepthOfField = false;
    std::string boxText;  // the box's new text when accepted
};

struct CycleResult {
    EnableRules enables;
    ResultsView view;
};

enum class SelectOutcome {
    kAccepted,     // run the selection cycle next
    kIgnoredFull,  // untick the box silently; nothing changed
    kRefused,      // show the message and untick the box; the parameter was removed again
};

struct SelectionResult {
    SelectOutcome outcome = SelectOutcome::kAccepted;
    std::string_view message;
};

class LumarikCode {
public:
    LumarikCode();

    // Collection diagnostics go here (the sink must outlive this object); nothing is
    // reported while none is connected.
    void SetDiagnostics(ModelDiagnostics* diagnostics);

    ParameterCatalogue& Catalogue() { return m_catalogue; }
    const ParameterCatalogue& Catalogue() const { return m_catalogue; }
    EffectiveConstants& Constants() { return m_constants; }
    const EffectiveConstants& Constants() const { return m_constants; }
    VarCollection& Selected() { return m_selected; }
    const VarCollection& Selected() const { return m_selected; }
    VarCollection& Apertures() { return m_apertures; }
    const VarCollection& Apertures() const { return m_apertures; }

    // The user's number format: typed numbers are read with it, values shown with its
    // decimal separator.
    NumberSeparators Separators() const { return m_separators; }
    void SetSeparators(NumberSeparators separators) { m_separators = separators; }
    char DecimalSeparator() const { return m_separators.decimal; }
    // Clamped to 10..80 percent.
    void SetSliderDefaultPercent(int percent);
    int SliderDefaultPercent() const { return m_sliderPercent; }
    // The default limit margin p (0.1 .. 0.8).
    float LimitMargin() const { return static_cast<float>(m_sliderPercent) / 100.0f; }

    // Adds a parameter, carried over from the value memory unless noCarry.
    bool AddVar(int number, bool noCarry = false);
    bool RemoveVar(int number) { return m_selected.Remove(number); }
    bool AddApVar(int k, bool noCarry = false);
    bool RemoveApVar(int k) { return m_apertures.Remove(k); }

    // Value table (0..20), aperture table (0..4), MTF cut-off (lp/mm), cardinal points (0..5,
    // mm from P). Indexes outside read as 0 and are not written.
    float Value(int number) const;
    void SetValue(int number, float value);
    const ValueTable& Values() const { return m_values; }
    float ApertureValue(int k) const;
    void SetApertureValue(int k, float value);
    float MtfCutOff() const { return m_mtfCutOff; }
    float CardinalPoint(int i) const;
    // Entries 0..8 and the aperture entries become 0; f (20) keeps its value.
    void ClearValues();

    const CVarType& Memory(int number) const;
    const CVarType& ApertureMemory(int k) const;
    // Every entry 0..8 into the memory with the given defined flag (0 when undefined).
    void RememberValues(bool defined);
    void RememberApertureValues(bool defined);
    void ClearMemory();

    bool ObjectAtInfinity() const { return m_objectAtInfinity; }
    // For restoring a saved state; the handlers below keep it consistent otherwise.
    void SetObjectAtInfinity(bool atInfinity) { m_objectAtInfinity = atInfinity; }
    bool NoSolution() const { return m_noSolution; }
    bool ApertureMissing() const { return m_apertureMissing; }

    // The rules on the current selection after parameter k was added or removed; a refused
    // k is removed again.
    SelectionCheck CheckSelection(int k);
    // A selection box was ticked or unticked (the model part of the edit; the document takes
    // the undo step before, and SelectionCycle runs after an accepted change).
    SelectionResult SelectParameter(int k, bool ticked);
    // The aperture box k; after an accepted change ApertureCycle runs.
    SelectionResult SelectAperture(int k, bool ticked);
    // The object-at-infinity box. Returns true when the object height was removed (its box
    // follows) before SelectionCycle runs.
    bool ObjectAtInfinityChanged(bool ticked);
    EnableRules Enables() const;

    // The cycle after a change of which parameters are chosen.
    CycleResult SelectionCycle(SolveMemory memory);
    // The cycle after a change of values: Solve(true), Refresh(ok, false).
    ResultsView Recalculate();
    // After a change of the aperture choice: the aperture step alone, no distance solve.
    ResultsView ApertureCycle();

    // The calculation proper. False for an incomplete selection (not a failure: the
    // no-solution flag stays clear) and for a failure (no-solution flag set), run-time errors
    // included. With continuity a complete solve updates the value memory (success) or marks
    // it undefined (incomplete selection); a failure leaves it as it was.
    bool Solve(bool continuity);
    // What the window shows after a solve that returned ok.
    ResultsView Refresh(bool ok) const;

    bool IsVirtualObject() const;
    bool IsVirtualImage() const;
    bool IsImageAtInfinity() const;
    // The caption and colour of the virtual-image label; drawingVisible gates everything but
    // the plain image at infinity.
    LabelView VirtualLabel(bool drawingVisible) const;

    // Display texts with the catalogue's pattern and unit and the user's decimal separator.
    std::string ValueText(int number, float internal) const;
    std::string ApertureValueText(int k, float internal) const;

    // The working F-number |a'/(2·n'·r)| of the current tables; 0 without an aperture.
    float EffectiveFNumber() const;

    // All twenty rows of the results listing from the current tables, each with its name
    // (the window, while Refresh's buildListing, and the printed report).
    ListingRows Listing() const;

    DataDOF& DepthOfField() { return m_dof; }
    const DataDOF& DepthOfField() const { return m_dof; }
    // The depth-of-field list after a successful solve, with its message label: the values,
    // or "  ---" in every row with the reason (none shown while there is no solution).
    DepthOfFieldView DepthOfFieldRows() const;
    // The custom circle-of-confusion box was committed (Enter or leaving it) with a number. One
    // that changes the custom value in use (custom type, positive, within the float range) is
    // stored after beforeChange has run (the document takes its undo step there) and the
    // depth of field is evaluated again.
    CustomCofCResult CommitCustomCofC(double number, const std::function<void()>& beforeChange);
    // A circle-of-confusion option was chosen: the type changes and the depth of field is
    // evaluated again; true when a solved system has a list to rewrite.
    bool ChooseCofCType(int type);
    // The text of the custom box, which always shows the custom value (for the custom type
    // the circle in use).
    std::string CofCBoxText() const;

    // The optional rows of the listing's distance block.
    struct ListingSwitches {
        bool objectFocal = false;  // f
        bool nodalPoints = false;
    };
    ListingSwitches CurrentListingSwitches() const;

private:
    bool SelectionComplete() const;
    // The flag counts only while the object distance is chosen.
    bool ObjectAtInfinityInForce() const;
    // Everything that follows a solved distance/field table, in this order: aperture step,
    // cardinal points, depth of field. A CalcError thrown here fails the whole solve.
    void SolveDerived(bool continuity);
    // Completes the aperture table from the chosen aperture parameter; false while none (or
    // no value) is given and after a trapped run-time error, which ends only this step.
    bool ApertureStep(bool continuity);
    void EvaluateDepthOfField();

    ParameterCatalogue m_catalogue;
    EffectiveConstants m_constants;
    VarCollection m_selected{kMaxSelected, kSelectableCount - 1};
    VarCollection m_apertures{kMaxApertures, kApertureCount - 1};

    ValueTable m_values{};
    ApertureTable m_apertureValues{};
    float m_mtfCutOff = 0.0f;
    CardinalTable m_cardinalPoints{};

    DataDOF m_dof;

    std::array<CVarType, kSelectableCount> m_memory{};
    std::array<CVarType, kApertureCount> m_apertureMemory{};

    bool m_objectAtInfinity = false;
    bool m_noSolution = false;
    bool m_apertureMissing = true;
    bool m_lastSolveOk = false;
    NumberSeparators m_separators;
    int m_sliderPercent = 10;
};

}  // namespace lumarik
