#include "core/calc/Calculator.h"

#include <cfloat>
#include <charconv>
#include <cmath>

#include "core/beam/BeamCatalogue.h"
#include "core/beam/BeamTexts.h"
#include "core/calc/CalcTexts.h"
#include "core/document/ResultLists.h"
#include "core/document/ValueAsker.h"
#include "core/format/NumberInput.h"
#include "core/model/ModeSwitches.h"
#include "core/model/ModelTexts.h"
#include "core/numeric/Calc.h"
#include "core/report/ResultsExport.h"

namespace lumarik {

namespace {

constexpr std::string_view kListResults = "Ergebnisse";
constexpr std::string_view kListDepthOfField = "Schärfentiefe";
constexpr std::string_view kListBeam = "Strahl";
constexpr std::string_view kMtfUnit = "lp/mm";
constexpr float kLargestListedFNumber = 10000.0f;  // beyond it the listing shows "----"

// Nobody answers the window's questions here: the first one refuses the value, and its text
// says why.
struct RefusingAsker : ValueAsker {
    std::string prompt;
    std::optional<std::string> Ask(std::string_view question, std::string_view,
                                   std::string_view) override {
        if (prompt.empty()) prompt = question;
        return std::nullopt;
    }
    std::optional<std::size_t> Choose(std::string_view question, std::string_view,
                                      const std::vector<std::string>&) override {
        if (prompt.empty()) prompt = question;
        return std::nullopt;
    }
};

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \n\r\t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \n\r\t");
    return std::string(text.substr(first, last - first + 1));
}

std::string NumberText(double x) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

CalcOutcome Unsolved(std::string message) {
    return {CalcStatus::kUnsolved, Trimmed(message)};
}

// A listing value that shows a number: "-200.0mm", " 5.0", "±0.250mm", " 183lp/mm*"; not
// "unendlich", "---" or an empty text.
bool ShowsNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return false;
    if (text.compare(i, 2, "\xC2\xB1") == 0) i += 2;  // ±
    if (i < text.size() && text[i] == '-') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

int RowOf(const LumarikDocument& doc, int number) {
    for (int row = 0; row < kApertureRow; ++row) {
        const CVarType* record = doc.RowRecord(row);
        if (record && record->nVarType == number) return row;
    }
    return -1;
}

bool HoldsValue(const LumarikDocument& doc, int row, double internal) {
    const CVarType* record = doc.RowRecord(row);
    return record && record->bVarValDef &&
           std::fabs(static_cast<double>(record->sVarValue) - internal) <=
               1e-6 * std::max(1.0, std::fabs(internal));
}

// Commits `value` (display unit) to the row and says why when the document did not take it.
std::optional<std::string> Commit(LumarikDocument& doc, int row, double value, double factor) {
    RefusingAsker asker;
    doc.CommitNumber(row, value, &asker);
    if (HoldsValue(doc, row, value * factor)) return std::nullopt;
    return asker.prompt.empty() ? std::string(calctexts::kValueRefused) : Trimmed(asker.prompt);
}

std::string Refused(std::string_view name, std::string_view reason) {
    return std::string(name) + ": " + std::string(reason);
}

// The media and the thickness hold for both modes; the wavelength is the Airy radius's for a
// lens or mirror and the beam's in beam mode.
std::optional<std::string> ApplyOptions(LumarikDocument& doc, const CalcRequest& request) {
    if (request.mirror) doc.SwitchLensMirror(true);
    if (request.virtualObject) doc.SetPositiveObj(true);
    const std::pair<int, const std::optional<double>*> advanced[] = {
        {kAdvIndexObject, &request.indexObject},
        {kAdvIndexImage, &request.indexImage},
        {kAdvSeparation, &request.separation},
        {kAdvWavelength, request.beam ? nullptr : &request.wavelength}};
    bool any = false;
    for (const auto& [row, value] : advanced) {
        if (!value || !*value) continue;
        any = true;
        const AdvancedCommit commit = doc.CommitAdvanced(row, NumberText(**value), "");
        if (commit.outcome == AdvancedCommit::Outcome::kRefused) return Trimmed(commit.message);
    }
    if (any) doc.SetAdvancedOptions(true);
    if (!request.beam) return std::nullopt;

    doc.SetBeamMode(true);
    if (request.wavelength) {
        doc.CommitBeamWavelength(NumberText(*request.wavelength));
        if (doc.Beam().GetWavelengthNm() != *request.wavelength) {
            return Refused("lambda", calctexts::kValueRefused);
        }
    }
    // A beam is never better than a Gaussian: M² < 1 describes none.
    if (request.m2 && *request.m2 < 1.0) return Refused("M2", calctexts::kM2BelowOne);
    const std::pair<BeamOption, const std::optional<double>*> options[] = {
        {BeamOption::kM2, &request.m2}, {BeamOption::kDetector, &request.detector}};
    for (const auto& [option, value] : options) {
        if (!*value) continue;
        doc.CommitBeamOption(option, NumberText(**value));
        const bool m2 = option == BeamOption::kM2;
        const double now = m2 ? doc.Beam().GetM2(0) : doc.Beam().DetectorDistance();
        if (!SameValue(now, **value)) return Refused(m2 ? "M2" : "det", calctexts::kValueRefused);
    }
    if (request.m2) doc.SetUseM2(true);
    if (request.detector) doc.SetDetectorOn(true);
    return std::nullopt;
}

}  // namespace

CalcOutcome BuildSystem(LumarikDocument& doc, const CalcRequest& request) {
    doc.SetSeparators(NumberSeparators::WithDecimal('.'));
    if (std::optional<std::string> refused = ApplyOptions(doc, request)) {
        return Unsolved(*refused);
    }
    const ParameterCatalogue& catalogue = doc.Model().Catalogue();
    for (const auto& [number, value] : request.values) {
        if (request.objectAtInfinity && number == kParObjectHeight) {
            return Unsolved(std::string(calctexts::kHeightAtInfinity));
        }
        if (request.beam) {
            const BeamSelectResult r =
                doc.SelectBeamParameter(static_cast<BeamQuantity>(number), true);
            if (r.outcome != BeamSelectOutcome::kAccepted) return Unsolved(std::string(r.message));
        } else {
            const SelectionResult r = doc.SelectParameter(static_cast<Parameter>(number), true);
            if (r.outcome != SelectOutcome::kAccepted) return Unsolved(std::string(r.message));
        }
    }
    if (request.aperture) {
        const SelectionResult r =
            doc.SelectAperture(static_cast<ApertureParameter>(request.aperture->first), true);
        if (r.outcome != SelectOutcome::kAccepted) return Unsolved(std::string(r.message));
    }
    if (request.objectAtInfinity) doc.SetObjectAtInfinity(true);
    for (const auto& [number, value] : request.values) {
        if (request.objectAtInfinity && number == kParObjectDist) continue;
        const int row = RowOf(doc, number);
        const double factor =
            request.beam ? BeamScale(number) : static_cast<double>(catalogue.UnitFactor(number));
        const std::optional<std::string> refused =
            row < 0 ? std::optional(std::string(calctexts::kValueRefused))
                    : Commit(doc, row, value, factor);
        if (refused) {
            const std::string_view name =
                request.beam ? CalcBeamName(number) : CalcParameterName(number);
            return Unsolved(std::string(name) + ": " + *refused);
        }
    }
    if (request.aperture) {
        const auto [k, value] = *request.aperture;
        if (const std::optional<std::string> refused =
                Commit(doc, kApertureRow, value, catalogue.ApertureUnitFactor(k))) {
            return Unsolved(std::string(CalcApertureName(k)) + ": " + *refused);
        }
    }
    if (request.altRoot) doc.SetAltSolution(true);
    return SolvedState(doc);
}

CalcOutcome OpenSystem(LumarikDocument& doc, std::string_view bytes, const std::string& path) {
    doc.SetSeparators(NumberSeparators::WithDecimal('.'));
    std::string_view refusal;
    switch (doc.OpenSystemFile(bytes, path, &refusal)) {
        case SystemFileStatus::kOk:
            return SolvedState(doc);
        case SystemFileStatus::kRefused:
            return Unsolved(std::string(refusal));
        case SystemFileStatus::kNewer:
            return {CalcStatus::kBadInput, std::string(calctexts::kNewerFile)};
        case SystemFileStatus::kDamaged:
            return {CalcStatus::kBadInput, std::string(calctexts::kDamagedFile)};
        case SystemFileStatus::kForeign:
            break;
    }
    return {CalcStatus::kBadInput, std::string(calctexts::kNotASystemFile)};
}

CalcOutcome SolvedState(const LumarikDocument& doc) {
    if (doc.BeamMode()) {
        if (doc.BeamResults().ok) return {};
        return Unsolved(std::string(calctexts::kBeamNoSolution));
    }
    if (doc.Results().ok) return {};
    return Unsolved(std::string(texts::kNoSolution));
}

namespace {

struct LensKey {
    std::string_view key;
    enum Source { kParameter, kAperture, kEffectiveF, kMtf, kMirrorRadius, kNodal } source;
    int number;
};

constexpr LensKey kLensKeys[] = {
    {"f", LensKey::kParameter, kParFocal},       {"f_obj", LensKey::kParameter, kParObjectFocal},
    {"R_mirror", LensKey::kMirrorRadius, 0},     {"PN", LensKey::kNodal, kCardN},
    {"PN_", LensKey::kNodal, kCardNPrime},       {"a", LensKey::kParameter, kParObjectDist},
    {"a_", LensKey::kParameter, kParImageDist},  {"m", LensKey::kParameter, kParMagnification},
    {"t", LensKey::kParameter, kParTrack},       {"u", LensKey::kParameter, kParObjectHeight},
    {"w", LensKey::kParameter, kParObjectAngle}, {"u_", LensKey::kParameter, kParImageHeight},
    {"w_", LensKey::kParameter, kParImageAngle}, {"r", LensKey::kAperture, kApStopRadius},
    {"F", LensKey::kAperture, kApFNumber},       {"K", LensKey::kEffectiveF, 0},
    {"NA", LensKey::kAperture, kApNA},           {"NA_", LensKey::kAperture, kApNAImage},
    {"airy", LensKey::kAperture, kApAiryRadius}, {"mtf", LensKey::kMtf, 0},
};

constexpr std::string_view kDofKeys[kDofRowCount] = {"coc",  "dof_image", "dof_object",
                                                     "near", "far",       "hyperfocal"};

struct BeamKey {
    std::string_view key;
    enum Source { kQuantity, kParaxial, kMirrorRadius, kRadius, kResult } source;
    int number;
};

constexpr BeamKey kBeamKeys[] = {
    {"M2", BeamKey::kResult, -1},
    {"f", BeamKey::kQuantity, kBeamFocal},
    {"R_mirror", BeamKey::kMirrorRadius, 0},
    {"f_obj", BeamKey::kQuantity, kBeamObjectFocal},
    {"s", BeamKey::kQuantity, kBeamObjectDist},
    {"s_", BeamKey::kQuantity, kBeamImageDist},
    {"s_par", BeamKey::kParaxial, kBeamParaxialImage},
    {"m", BeamKey::kQuantity, kBeamMag},
    {"t", BeamKey::kQuantity, kBeamWaistToWaist},
    {"r", BeamKey::kQuantity, kBeamObjRadius},
    {"w", BeamKey::kQuantity, kBeamObjDivergence},
    {"zr", BeamKey::kQuantity, kBeamObjRayleigh},
    {"R_lens", BeamKey::kRadius, kResLensRadius},
    {"r_", BeamKey::kQuantity, kBeamImgRadius},
    {"R_det", BeamKey::kRadius, kResDetectorRadius},
    {"airy", BeamKey::kResult, kResAiryRadius},
    {"w_", BeamKey::kQuantity, kBeamImgDivergence},
    {"zr_", BeamKey::kQuantity, kBeamImgRayleigh},
    {"s_over_f", BeamKey::kResult, kResSOverF},
    {"s__over_f", BeamKey::kResult, kResSImageOverF},
};

// A catalogue name as the quantity: without the blanks and the ": " before the symbol.
std::string_view QuantityOf(std::string_view name) {
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = name.find_last_not_of(": ");
    return name.substr(first, last - first + 1);
}

// The rows follow the listing's own rules for what it shows as a number (ResultsTexts.cpp):
// nothing without a solution; t, u and a shown as "In Unendlich" or "Null" with the object at
// infinity, t, m', u' and a' with the image at infinity; the aperture rows only with an
// aperture, the Airy radius and the MTF cut-off not for an image at infinity, the effective
// F-number up to 10000. A test holds these rows against the listing's texts.
void LensRows(const LumarikDocument& doc, std::vector<CalcRow>& rows) {
    const LumarikCode& model = doc.Model();
    const ParameterCatalogue& catalogue = model.Catalogue();
    const bool mirror = model.Constants().MirrorMode();
    const LumarikCode::ListingSwitches show = model.CurrentListingSwitches();
    const bool objectAtInfinity =
        model.ObjectAtInfinity() && model.Selected().Contains(kParObjectDist);
    const bool imageAtInfinity = model.IsImageAtInfinity();
    const bool apertureShown = !model.ApertureMissing();
    for (const LensKey& key : kLensKeys) {
        CalcRow row;
        row.list = kListResults;
        row.key = key.key;
        row.single = true;
        bool listed = true;
        switch (key.source) {
            case LensKey::kParameter: {
                const int n = key.number;
                const float value = model.Value(n);
                if (n == kParObjectFocal) {
                    listed = show.objectFocal;
                } else if (objectAtInfinity && (n == kParTrack || n == kParObjectHeight ||
                                                n == kParObjectDist || n == kParMagnification)) {
                    listed = false;
                } else if (imageAtInfinity && (n == kParTrack || n == kParMagnification ||
                                               n == kParImageHeight || n == kParImageDist)) {
                    listed = false;
                } else if (n == kParObjectDist && value == kInfinity) {
                    listed = false;
                }
                row.quantity = QuantityOf(catalogue.Name(n));
                row.symbol = catalogue.Symbol(n);
                row.number =
                    static_cast<float>(static_cast<double>(value) / catalogue.UnitFactor(n));
                row.unit = catalogue.Unit(n);
                break;
            }
            case LensKey::kAperture:
                listed = apertureShown && !(key.number == kApAiryRadius && imageAtInfinity);
                row.quantity = QuantityOf(catalogue.ApertureName(key.number));
                row.number = std::fabs(model.ApertureValue(key.number));
                row.unit = catalogue.ApertureUnit(key.number);
                break;
            case LensKey::kEffectiveF:
                row.quantity = texts::kEffectiveFNumber;
                row.number = std::fabs(model.EffectiveFNumber());
                listed = apertureShown && row.number <= kLargestListedFNumber;
                break;
            case LensKey::kMtf:
                listed = apertureShown && !imageAtInfinity;
                row.quantity = texts::kMtfCutOff;
                row.number = std::fabs(model.MtfCutOff());
                row.unit = kMtfUnit;
                break;
            case LensKey::kMirrorRadius:
                listed = mirror;
                row.quantity = texts::kMirrorRadius;
                row.number = 2.0 * static_cast<double>(model.Value(kParFocal));
                row.unit = catalogue.Unit(kParFocal);
                break;
            case LensKey::kNodal:
                listed = show.nodalPoints;
                row.quantity = QuantityOf(key.number == kCardN ? texts::kFirstNodalPoint
                                                               : texts::kSecondNodalPoint);
                row.symbol =
                    catalogue.CardinalSymbol(key.number) + catalogue.CardinalSymbol(kCardP);
                row.number = static_cast<double>(model.CardinalPoint(key.number)) -
                             static_cast<double>(model.CardinalPoint(kCardP));
                row.unit = catalogue.Unit(kParObjectFocal);
                break;
        }
        // A value computed in double from stored floats shows as the float it would be stored
        // as, or as the double beyond the float range.
        if (std::fabs(row.number) <= FLT_MAX) {
            row.number = static_cast<float>(row.number);
        } else {
            row.single = false;
        }
        if (listed) rows.push_back(std::move(row));
    }
    // The list of the depth of field shows numbers only once it is evaluated with an aperture.
    if (model.ApertureMissing() || model.EffectiveFNumber() == 0.0f ||
        model.DepthOfField().State() != DofState::kEvaluated) {
        return;
    }
    const DofTable& table = model.DepthOfField().Table();
    for (int i = 0; i < kDofRowCount; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        if (std::fabs(table[at]) >= -kDofInfinity) continue;  // "Infinity"
        CalcRow row;
        row.list = kListDepthOfField;
        row.quantity = texts::kDofRowNames[at];
        row.key = kDofKeys[at];
        // The list shows the limits as signed object distances, the table holds them positive.
        const bool distance = i == kDofNear || i == kDofFar || i == kDofHyperfocal;
        row.number = distance ? -table[at] : table[at];
        row.unit = catalogue.Unit(kParObjectDist);
        rows.push_back(std::move(row));
    }
}

void BeamRows(const LumarikDocument& doc, std::vector<CalcRow>& rows) {
    const GaussianBeam& beam = doc.Beam();
    const BeamSymbols& symbols = beam.Symbols();
    const std::vector<BeamListRow> listing = beam.ListBeamResults(true);
    for (const BeamKey& key : kBeamKeys) {
        CalcRow row;
        row.list = kListBeam;
        row.key = key.key;
        std::string label;
        switch (key.source) {
            case BeamKey::kQuantity:
            case BeamKey::kParaxial:
                label = symbols.Label(key.number);
                row.quantity = QuantityOf(BeamName(key.number));
                row.symbol = symbols.Symbol(key.number);
                row.number = key.source == BeamKey::kParaxial ? beam.GetBeamValue(0, key.number)
                                                              : beam.ShownBeamValue(0, key.number);
                row.unit =
                    key.source == BeamKey::kParaxial ? BeamUnit(kBeamFocal) : BeamUnit(key.number);
                break;
            case BeamKey::kMirrorRadius:
                label = beamtexts::kMirrorRadius;
                row.quantity = QuantityOf(beamtexts::kMirrorRadius);
                row.number = 2.0 * beam.GetBeamValue(0, kBeamObjectFocal);
                row.unit = BeamUnit(kBeamFocal);
                break;
            case BeamKey::kRadius:
            case BeamKey::kResult:
                if (key.number < 0) {
                    // "Multimode: M²": the views point into the static text.
                    const std::string_view multiMode = beamtexts::kMultimode;
                    label = multiMode;
                    row.quantity = QuantityOf(multiMode.substr(0, multiMode.find(':')));
                    row.symbol = multiMode.substr(multiMode.find(": ") + 2);
                    row.number = beam.GetM2(0);
                    break;
                }
                label = symbols.ResultLabel(key.number);
                row.quantity = QuantityOf(BeamResultName(key.number));
                row.symbol = symbols.ResultSymbol(key.number);
                row.number = key.source == BeamKey::kRadius ? beam.ShownRadius(0, key.number)
                                                            : beam.GetBeamResult(0, key.number);
                if (key.source == BeamKey::kRadius || key.number == kResAiryRadius) {
                    row.unit = BeamUnit(kBeamFocal);
                }
                break;
        }
        // What the beam listing shows as a number, read from its texts.
        const BeamListRow* shown = nullptr;
        for (const BeamListRow& r : listing) {
            if (r.name == label) shown = &r;
        }
        if (shown && ShowsNumber(shown->value)) rows.push_back(std::move(row));
    }
}

}  // namespace

std::vector<CalcRow> CalcTable(const LumarikDocument& doc) {
    std::vector<CalcRow> rows;
    if (SolvedState(doc).status != CalcStatus::kSolved) return rows;
    rows.reserve(32);
    if (doc.BeamMode()) {
        BeamRows(doc, rows);
    } else {
        LensRows(doc, rows);
    }
    return rows;
}

const std::vector<std::string_view>& CalcLensKeys() {
    static const std::vector<std::string_view> keys = [] {
        std::vector<std::string_view> k;
        for (const LensKey& key : kLensKeys) k.push_back(key.key);
        for (std::string_view key : kDofKeys) k.push_back(key);
        return k;
    }();
    return keys;
}

const std::vector<std::string_view>& CalcBeamKeys() {
    static const std::vector<std::string_view> keys = [] {
        std::vector<std::string_view> k;
        for (const BeamKey& key : kBeamKeys) k.push_back(key.key);
        return k;
    }();
    return keys;
}

CalcState StateOf(const LumarikDocument& doc) {
    CalcState state;
    if (doc.BeamMode()) {
        state.solved = doc.BeamResults().ok;
        if (!state.solved) state.messages.emplace_back(calctexts::kBeamNoSolution);
        return state;
    }
    const LumarikCode& model = doc.Model();
    const ResultsView& view = doc.Results();
    state.solved = view.ok;
    state.objectAtInfinity = model.ObjectAtInfinity();
    if (view.showNoSolution || !view.ok) state.messages.emplace_back(texts::kNoSolution);
    if (view.ok) {
        state.virtualObject = model.IsVirtualObject();
        state.virtualImage = model.IsVirtualImage();
        state.imageAtInfinity = model.IsImageAtInfinity();
        const LabelView label = model.VirtualLabel(true);
        if (label.visible) state.messages.push_back(Trimmed(label.caption));
        const DepthOfFieldView dof = model.DepthOfFieldRows();
        if (dof.message.visible) state.messages.push_back(Trimmed(dof.message.caption));
    }
    return state;
}

std::string ListingText(const LumarikDocument& doc) {
    std::vector<ResultRow> shown;
    if (doc.BeamMode()) {
        const GaussianBeam& beam = doc.Beam();
        for (BeamListRow& row : beam.ListBeamResults(doc.BeamResults().ok)) {
            shown.push_back({std::move(row.name), std::move(row.value)});
        }
    } else {
        const ListingRows listing = doc.Model().Listing();
        for (std::size_t i = 0; i < listing.names.size(); ++i) {
            shown.push_back({listing.names[i], listing.values[i]});
        }
    }
    // Name and value per line, as the lists show them, without the fillers.
    std::string text;
    for (const ResultRow& row : shown) {
        const std::string name = Trimmed(row.name);
        if (name.find_first_not_of('-') == std::string::npos) continue;
        text += name + "\t" + Trimmed(row.value) + "\n";
    }
    if (doc.BeamMode()) {
        const std::string depth = doc.Beam().DepthOfFocusText(0);
        if (!depth.empty()) text += std::string(kBeamDepthTitle) + "\t" + depth + "\n";
    } else if (doc.Results().ok) {
        const DepthOfFieldView dof = doc.Model().DepthOfFieldRows();
        text += "\n";
        for (std::size_t i = 0; i < dof.values.size(); ++i) {
            text += std::string(texts::kDofRowNames[i]) + "\t" + Trimmed(dof.values[i]) + "\n";
        }
    }
    const CalcState state = StateOf(doc);
    if (!state.messages.empty()) text += "\n";
    for (const std::string& message : state.messages) text += message + "\n";
    return text;
}

}  // namespace lumarik
