// The state of the Gaussian-beam mode and its calculations: the chosen beam quantities per axis,
// the beam value memory, the value and result tables, the options, the laser-diode section and
// the texts the window lists. The window owns one instance and shows what it returns; nothing
// here touches a widget. The implementation is split over GaussianBeam.cpp (state, selection,
// persistence), BeamSolver.cpp, LaserDiode.cpp, BeamListing.cpp and BeamOptions.cpp.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/beam/BeamCatalogue.h"
#include "core/beam/LensTable.h"
#include "core/model/CVarType.h"
#include "core/model/VarCollection.h"

namespace lumarik {

class EffectiveConstants;

// Axis 0 is the beam of the ordinary mode and the x section of a laser diode, axis 1 the y
// section.
constexpr int kBeamAxes = 2;
constexpr int kMaxBeamSelected = 3;
// The longest distance or size an option box takes, mm (100 m: a laboratory's bench).
constexpr double kMaxBeamLength = 1e5;
// The half divergence a beam can have stays below π/2 rad.
constexpr double kMaxDivergence = 1.5707963267948966;
// Where the paraxial beam stops being a good model: a half divergence above 0.1 rad, or a beam
// radius at the lens above a quarter of |f'|.
constexpr double kParaxialDivergence = 0.1;
constexpr double kParaxialLensShare = 0.25;

// The first-order constants the beam results depend on.
struct BeamOptics {
    double principalGap = 0.0;  // P to P'; 0 for a mirror and without advanced options
    double imageIndex = 1.0;    // n', negative for a mirror
    bool mirror = false;
    bool indexNotOne = false;  // an index of the advanced options differs from 1
};
BeamOptics BeamOpticsFrom(const EffectiveConstants& constants);

struct BeamAxisFlags {
    bool inputsDefined = false;   // all three chosen quantities have a value
    bool solveFailed = false;     // the last solution failed, or fewer than three are chosen
    bool objBeamMissing = false;  // no usable object-side beam quantity (5..7)
    bool imgBeamMissing = false;  // no usable image-side beam quantity (8..10)
};

// Which relations solve a complete choice of three: group A has a beam quantity on both sides,
// B only on the object side, C only on the image side; the rest names the conjugate inputs.
enum class BeamCase {
    kNone,
    kAFocal,
    kAObject,
    kAImage,
    kBFocalObject,
    kBFocalImage,
    kBFocalMag,
    kBObjectImage,
    kBObjectMag,
    kBImageMag,
    kCFocalObject,
    kCFocalImage,
    kCFocalMag,
    kCObjectImage,
    kCObjectMag,
    kCImageMag,
};
// From the chosen numbers in ascending order; kNone unless there are three.
BeamCase ClassifyBeamCase(const std::vector<int>& numbers);
// Whether AltSolution can change the result of the case.
bool BeamCaseHasTwoRoots(BeamCase beamCase);

struct BeamSelectionCheck {
    bool accepted = true;
    std::string_view message;  // the refusal to show (exclamation icon, OK button)
};

// The selection rules on chosen numbers in ascending order.
BeamSelectionCheck CheckBeamNumbers(const std::vector<int>& numbers);

enum class BeamSelectOutcome {
    kAccepted,     // run the beam calculation cycle next
    kIgnoredFull,  // a fourth box: untick it silently, nothing changed
    kRefused,      // show the message and untick the box; the number was removed again
};

struct BeamSelectResult {
    BeamSelectOutcome outcome = BeamSelectOutcome::kAccepted;
    std::string_view message;
};

struct BeamListRow {
    std::string name;
    std::string value;
};

// The laser-diode controls after a calculation or a mode change.
struct DiodeControls {
    bool circulariseEnabled = false;
    bool circulariseTicked = false;
    bool collimationEnabled = false;
    bool paramTypeEnabled = false;
    bool paramValueEnabled = false;
    bool diodeM2Enabled = false;
    bool m2Enabled = false;  // the M² box of the x section
    std::array<bool, kBeamSelectableCount> selectionEnabled{};
    bool altSolutionEnabled = false;
    int collimationIndex = 0;
    int paramTypeIndex = -1;  // entry of DiodeParamEntries whose number is the effective one
    std::string paramValueText;
    std::string diodeM2Text;
};

// The number boxes of the extra-information tab.
enum class BeamOption {
    kM2,                // M² of the x section
    kDetector,          // detector distance behind P', mm
    kMinSpot,           // distance of the minimum-spot calculation, mm
    kDiodeParam,        // U(t) of the y section, in the unit of t
    kDiodeM2,           // M² of the y section
    kLensAperture,      // clear radius of the lens, mm; 0: not given
    kDetectorAperture,  // radius of the detector, mm; 0: not given
};

struct DiodeParamEntry {
    std::string text;  // alternate name and symbol
    int number = 0;
};

// What the undo snapshot keeps of the beam mode: the chosen quantities of both sections and the
// beam options (not the value tables, which the next solution rebuilds, nor the symbols).
struct BeamState {
    std::array<std::vector<CVarType>, kBeamAxes> lists;
    double wavelengthNm = kDefaultWavelengthNm;
    std::array<double, kBeamAxes> m2{1.0, 1.0};
    bool useM2 = false;
    bool detectorOn = false;
    double detectorDistance = 0.0;
    bool altSolution = false;
    bool diodeMode = false;
    bool circularise = false;
    int collimationMode = 0;
    int diodeParamNumber = 6;
    std::array<double, kBeamSelectableCount> diodeValues{};
    double lensAperture = 0.0;
    double detectorAperture = 0.0;
};

// Which values of an axis its memory keeps as known: all of a solved axis, or those of one or
// both sides of an unsolved one.
struct KnownBeamValues {
    static KnownBeamValues None() { return {}; }
    static KnownBeamValues All() { return {true, true, true}; }
    static KnownBeamValues Sides(bool object, bool image) { return {false, object, image}; }
    bool all = false;
    bool objectSide = false;
    bool imageSide = false;
};

class GaussianBeam {
public:
    GaussianBeam();

    BeamState State() const;
    void RestoreState(const BeamState& state);

    // ---- catalogue and display ----
    BeamSymbols& Symbols() { return m_symbols; }
    const BeamSymbols& Symbols() const { return m_symbols; }
    char DecimalSeparator() const { return m_decimalSep; }
    void SetDecimalSeparator(char separator) { m_decimalSep = separator; }
    // The margin by which limits are opened around a carried value (0.1 for 10 %).
    float LimitMargin() const { return m_limitMargin; }
    void SetLimitMargin(float margin) { m_limitMargin = margin; }
    const BeamOptics& Optics() const { return m_optics; }
    void SetOptics(const BeamOptics& optics) { m_optics = optics; }

    // ---- tables (axis 0..1, n 0..20, k 0..18; anything else reads 0 and is not written) ----
    double GetBeamValue(int axis, int n) const;
    void SetBeamValue(int axis, int n, double value);
    double GetBeamResult(int axis, int k) const;
    const BeamAxisFlags& Flags(int axis) const;
    // True only after the last solution of the axis succeeded; for axis 1 also false when the
    // y section was not solved at all.
    bool AxisSolved(int axis) const;
    double BeamExtentMin() const { return m_extentMin; }
    double BeamExtentMax() const { return m_extentMax; }

    // ---- options ----
    double GetWavelengthNm() const { return m_wavelengthNm; }
    std::string WavelengthText() const;  // "632.8nm"
    double GetWavelengthMm() const { return m_wavelengthMm; }
    // Stores nm and mm together; 0, a negative or a non-finite value stores 632.8 nm.
    void SetWavelengthNm(double nanometres);
    double GetM2(int axis) const;
    // A value <= 0 stores 1.0.
    void SetM2(int axis, double m2);
    // √M² of the axis while M² is in use, 1 otherwise; scales shown radii and divergences.
    double GetBeamMFactor(int axis) const;
    bool UseM2() const { return m_useM2; }
    void SetUseM2(bool use) { m_useM2 = use; }
    bool DetectorOn() const { return m_detectorOn; }
    void SetDetectorOn(bool on) { m_detectorOn = on; }
    double DetectorDistance() const { return m_detectorDistance; }
    void SetDetectorDistance(double mm) { m_detectorDistance = mm; }
    bool AltSolution() const { return m_altSolution; }
    void SetAltSolution(bool alt) { m_altSolution = alt; }
    double MinSpotDistance() const { return m_minSpotDistance; }
    // Clear radius of the lens and radius of the detector, mm; 0 when not given.
    double LensAperture() const { return m_lensAperture; }
    double DetectorAperture() const { return m_detectorAperture; }
    void SetMinSpotDistance(double mm) { m_minSpotDistance = mm; }
    // Entry of the depth-of-focus growth list, 0..6 (others read as entry 1).
    int DofIndex() const { return m_dofIndex; }
    void SetDofIndex(int index);

    // ---- selection and value memory ----
    VarCollection& Selection(int axis);
    const VarCollection& Selection(int axis) const;
    const CVarType& Memory(int axis, int n) const;
    // Every number 0..10 of the axis into its memory: the known ones defined with their value,
    // everything else 0 and undefined.
    void RememberBeamValues(int axis, KnownBeamValues known);
    void ClearBeamMemory();
    // Nothing when the list is full. Unless loading, the record is carried over from the
    // memory of the axis.
    bool AddBeamVar(int axis, int number, bool loading);
    bool RemoveBeamVar(int axis, int number);
    // The rules on the list after `number` was added or removed; a refused number is removed.
    BeamSelectionCheck CheckBeamSelection(int axis, int number);
    // The model part of a click on selection box `number` of axis 0.
    BeamSelectResult SelectBeamParameter(int number, bool ticked);
    BeamCase CurrentBeamCase(int axis) const;
    // The alternative-solution box: three chosen whose case has two roots.
    bool AltSolutionEnabled() const;

    // ---- solving ----
    // Solves one axis from its list. False for an incomplete choice, a missing or zero value,
    // or a choice without solution (the flags say which); run-time errors included. Given
    // beam quantities and a given m are sizes and are used as absolute values.
    bool SolveBeamAxis(int axis, bool show);
    // Axis 0 and, in laser-diode mode after its success, the y section; returns axis 0's result.
    bool SolveBeam(bool show);
    // t, the paraxial image distance and the results of a solved axis; false on a run-time
    // error. Runs again on its own after a detector change.
    bool DeriveBeamResults(int axis);
    // The three quantities of one side from one given (n 5..7 or 8..10), as its absolute value.
    bool BeamFromGiven(int axis, int n, double value);
    // r' = |r·m| and the image side from it; fails when r' = 0.
    bool ImageBeamFromObject(int axis);
    // r = |r'/m| and the object side from it; fails when r' = 0 or m = 0.
    bool ObjectBeamFromImage(int axis);
    double BeamRadiusAt(double z, double r0) const;
    double WavefrontRadiusAt(double z, double r0) const;

    // ---- laser diode ----
    bool DiodeMode() const { return m_diodeMode; }
    void SetDiodeMode(bool on) { m_diodeMode = on; }
    bool Circularise() const { return m_circularise; }
    void SetCircularise(bool on) { m_circularise = on; }
    // 0 minimum divergence (s = f'), 1 largest waist distance (s = f' + zr).
    int CollimationMode() const { return m_collimationMode; }
    void SetCollimationMode(int mode) { m_collimationMode = mode == 1 ? 1 : 0; }
    // The third chosen number when three are chosen, otherwise the stored one (0 reads as 6).
    int GetDiodeParamNumber() const;
    int StoredDiodeParamNumber() const { return m_diodeParamNumber; }
    // Only 5..7 are stored.
    void SetDiodeParamNumber(int n);
    // U(t) of the effective number t; a stored 0 is first set to the x section's value.
    double GetDiodeParamValue();
    void SetDiodeParamValue(double value);
    // Restores the settings: a number outside 5..7 becomes 6 with the x section's divergence;
    // a missing value takes the x section's current value of the number.
    void LoadDiodeParam(int storedNumber, std::optional<double> storedValue);
    // What to save: the effective number when it lies in 5..7 (else the stored one) and its
    // value.
    std::pair<int, double> DiodeParamSetting() const;
    // The parameter-type list was clicked: the chosen number is stored and takes the y
    // section's solved value of that number, so the y beam stays as it is.
    void ChooseDiodeParamType(int number);
    // The three entries of the parameter-type list (numbers 5, 6, 7).
    std::vector<DiodeParamEntry> DiodeParamEntries() const;
    // Rebuilds the axis-1 list from the solved x section: s, f' and the y quantity t.
    bool BuildDiodeSection();
    // The coupled value of the record at position 1 (f') or 2 (s) from its partner:
    // s = f' (+ zr in collimation mode 1), f' = s (− zr). Nothing unless positions 1 and 2
    // hold f' and s, and in mode 1 an object-side beam value gives zr.
    std::optional<double> CircularisationValue(int axis, int position) const;
    // After the user changed row `position` (1 or 2) of axis 0 in circularisation mode: the
    // partner takes the coupled value. True when it changed.
    bool CoupleCircularisationPartner(int position);
    // Rewrites the axis-0 list into f', s and one object-side beam quantity.
    void SetUpCircularisation();
    // The laser-diode mode switched on or off. Switched on with circularisation set, the
    // selection is brought into form again: it may have changed meanwhile.
    void SwitchDiodeMode(bool on);
    // Circularisation switched on rewrites the selection (in laser-diode mode).
    void SwitchCircularisation(bool on);
    DiodeControls DiodeControlStates() const;
    // The beam part of the window caption.
    std::string ModeCaption() const;

    // ---- option boxes ----
    std::string OptionText(BeamOption option) const;
    // The value to store for a number typed into the option's box (in the box's unit), or
    // nothing when the option refuses it or it changes nothing. M² lies in (0, 50); distances
    // and U(t) must be positive; the detector distance counts as unchanged when it equals the
    // stored one rounded to whole millimetres, as the results use it.
    std::optional<double> OptionChange(BeamOption option, double typed) const;
    // Why a number typed into the option's box cannot be a beam at all, empty when it can:
    // M² from 1 to below 50, distances and sizes above 0 up to kMaxBeamLength, a divergence
    // below π/2.
    std::string_view OptionRefusal(BeamOption option, double typed) const;
    void SetOption(BeamOption option, double value);

    // ---- listing and extra information ----
    std::string BeamValueText(int n) const;
    // The numbers those texts show: quantity n in its display unit (radii and divergences
    // times M of the axis), and a radius of the results table (lens or detector) times M.
    double ShownBeamValue(int axis, int n) const;
    double ShownRadius(int axis, int k) const;
    // The paraxial image distance of the last solution: " 0.0##mm", scientific from 1e5 mm,
    // " unendlich" for a waist in the front focal plane.
    std::string ParaxialImageText() const;
    // The M² values as listed: " 0.0", in laser-diode mode the y section's in brackets.
    std::string M2Text() const;
    // A radius of the results table (lens or detector) as shown: times M of its axis, the y
    // section's in brackets while it is shown, with a leading blank and "mm"; `pattern` is
    // the number part, e.g. "0.0##".
    std::string ShownRadiusText(int k, std::string_view pattern) const;
    // Text of a selection record in its value row, " " when it has no value.
    std::string RecordValueText(const CVarType& record) const;
    // An internal value of quantity n as its value row shows it: pattern and unit, no blank.
    std::string EntryText(int n, double internal) const;
    // Rows of the result lists; empty rows pad the list to previousRows.
    std::vector<BeamListRow> ListBeamResults(bool ok, int previousRows = 0) const;
    std::string DepthOfFocusText(int axis) const;
    // The Airy radius as listed, the y section's in brackets while it is shown.
    std::string AiryRadiusText() const;
    // The share of the power through the lens's clear aperture and onto the detector, with the
    // radii as shown (times M; in laser-diode mode the elliptical spot of both sections), each
    // where its radius is given (the detector's while the detector is on); nothing otherwise.
    std::optional<double> LensTransmission() const;
    std::optional<double> DetectorTransmission() const;
    // The lines of both for the extra information, with a warning below 99 %; empty when
    // neither is given or the beam is not solved.
    std::string TransmissionText() const;
    // Which paraxial bound the solved beam (as shown, with M) exceeds in either section:
    // the reason texts, empty while the model holds.
    std::string NotParaxialText() const;
    // Entries of the growth list and the growth p of an entry.
    std::vector<std::string> DofEntryTexts() const;
    static double DofGrowth(int index);
    std::string MinimumSpotText() const;
    // The lens table of the current system; no rows unless the solution (both sections when
    // circularised) succeeded.
    LensTable LensTableFor(const std::vector<LensSample>& samples) const;

private:
    struct SideFill {
        bool present = false;  // a record of this side is chosen
        bool filled = false;   // it has a usable value
    };

    double& Val(int axis, int n) { return m_values[static_cast<std::size_t>(axis)][n]; }
    double Val(int axis, int n) const { return m_values[static_cast<std::size_t>(axis)][n]; }
    SideFill FillSide(int axis, bool imageSide);
    bool RunCase(int axis, BeamCase beamCase);
    bool SolveAxisCore(int axis, BeamAxisFlags& flags);
    void ApplyCircularisationCoupling(int axis);
    // zr of the chosen object-side beam quantity with its value, if there is one.
    std::optional<double> ObjectRayleighOfList(int axis) const;
    // Adds number to axis 0 with the value of the last solution when there is one.
    void AddSolvedBeamVar(int number);
    void EqualiseFocalAndObject();
    bool DeriveResults(int axis);
    bool DiodeYShown() const;
    std::optional<double> Transmission(double aperture, int result) const;
    // U(t) as the controls show it: a stored 0 stands for the x section's value.
    double ShownDiodeValue(int t) const;

    BeamSymbols m_symbols;
    char m_decimalSep = '.';
    float m_limitMargin = 0.1f;
    BeamOptics m_optics;

    std::array<std::array<double, kBeamValueCount>, kBeamAxes> m_values{};
    std::array<std::array<double, kBeamResultCount>, kBeamAxes> m_results{};
    std::array<BeamAxisFlags, kBeamAxes> m_flags{};
    std::array<bool, kBeamAxes> m_solved{};
    double m_extentMin = 0.0;
    double m_extentMax = 0.0;

    std::array<VarCollection, kBeamAxes> m_lists{
        VarCollection{kMaxBeamSelected, kBeamSelectableCount - 1},
        VarCollection{kMaxBeamSelected, kBeamSelectableCount - 1}};
    std::array<std::array<CVarType, kBeamSelectableCount>, kBeamAxes> m_memory{};

    double m_wavelengthNm = kDefaultWavelengthNm;
    double m_wavelengthMm = kDefaultWavelengthNm * kNmToMm;
    std::array<double, kBeamAxes> m_m2{1.0, 1.0};
    bool m_useM2 = false;
    bool m_detectorOn = false;
    double m_detectorDistance = 0.0;
    bool m_altSolution = false;
    double m_minSpotDistance = 100.0;
    double m_lensAperture = 0.0;
    double m_detectorAperture = 0.0;
    int m_dofIndex = 1;

    bool m_diodeMode = false;
    bool m_circularise = false;
    int m_collimationMode = 0;
    int m_diodeParamNumber = 6;
    std::array<double, kBeamSelectableCount> m_diodeValues{};
};

}  // namespace lumarik
