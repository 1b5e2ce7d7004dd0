#include "core/settings/BeamSettings.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "core/format/Format.h"
#include "core/format/NumberInput.h"
#include "core/ini/IniDocument.h"
#include "core/ini/IniValues.h"
#include "core/model/ModeSwitches.h"
#include "core/model/Options.h"
#include "core/settings/RecordText.h"

namespace lumarik {

namespace {

constexpr std::string_view kSelectionSection = "LastValues";
constexpr std::string_view kCountKey = "VarTypeGBNos";
constexpr std::string_view kRecordKeySuffix = "VarTypeGBVal";

namespace key {
constexpr std::string_view kExtraGB = "ExtraGB";
constexpr std::string_view kGaussianBeam = "GaussianBeam";
constexpr std::string_view kShowExtraGB = "ShowExtraGB";
constexpr std::string_view kWaveLen = "GBWaveLen";
constexpr std::string_view kMfactorUse = "GBMfactorUse";
constexpr std::string_view kMfactor = "GBMfactor";
constexpr std::string_view kDrgScale = "GBDrgScale";
constexpr std::string_view kConjDist = "GBConjDist";
constexpr std::string_view kDrgScaleType = "GBDrgScaleType";
constexpr std::string_view kDetDistUse = "GBDetDistUse";
constexpr std::string_view kDetDst = "GBDetDst";
constexpr std::string_view kRect = "GaussianBeamRect";
constexpr std::string_view kDiodeMfactor = "GBDiodeMfactor";
constexpr std::string_view kDiodeParamUserType = "GBDiodeParamUserType";
constexpr std::string_view kDiodeParamUserVal = "GBDiodeParamUserVal";
constexpr std::string_view kCircularise = "GBDideCircularise";  // sic: the file's name
constexpr std::string_view kCollimationMode = "GBDiodeCollimationMode";
}  // namespace key

constexpr int kLastDrawScaleType = 6;
// A count key beyond this is damage; no program ever wrote more than three records.
constexpr int kMaxRecordKeys = 64;
constexpr double kDefaultMinSpotDistance = 100.0;

const std::string* FindEntry(const std::vector<IniEntry>& entries, std::string_view key) {
    for (const IniEntry& e : entries) {
        if (EqualsIgnoreCase(e.section, kSelectionSection) && EqualsIgnoreCase(e.key, key))
            return &e.value;
    }
    return nullptr;
}

std::string RecordKey(int i) {
    return std::to_string(i) + std::string(kRecordKeySuffix);
}

// The other form some files hold: VarTypeGBVal1.
std::string SuffixedRecordKey(int i) {
    return std::string(kRecordKeySuffix) + std::to_string(i);
}

bool SelectableBeamNumber(int n) {
    return n >= 0 && n < kBeamSelectableCount && n != kBeamWaistToWaist;
}

// A number, or nothing for a missing key or a text that is no finite number.
std::optional<double> ReadNumber(const INICode& ini, std::string_view name) {
    const std::string text = ini.ReadString(key::kExtraGB, name, "");
    if (text.empty()) return std::nullopt;
    const double v = ValNumber(text);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

bool ReadFlag(const INICode& ini, std::string_view name, std::string_view defaultValue) {
    return IniBool(ini.ReadString(key::kExtraGB, name, defaultValue));
}

}  // namespace

std::vector<IniEntry> SaveBeamSelection(const GaussianBeam& beam) {
    const VarCollection& list = beam.Selection(0);
    std::vector<IniEntry> entries;
    const std::string section(kSelectionSection);
    entries.push_back({section, std::string(kCountKey), Format(list.Count(), "0")});
    for (int i = 1; i <= list.Count(); ++i) {
        entries.push_back({section, RecordKey(i), RecordText(list.Item(i))});
    }
    return entries;
}

// The first record key that is missing in both forms ends the list, so that a count promising
// more records than exist does not make the load look for every number up to it.
bool LoadBeamSelection(GaussianBeam& beam, const std::vector<IniEntry>& entries) {
    const std::string* countText = FindEntry(entries, kCountKey);
    const int count = countText != nullptr ? IniInt(*countText) : 0;
    if (count < 1) return count == 0;
    VarCollection& list = beam.Selection(0);
    list.Clear();
    for (int i = 1; i <= count && !list.IsFull(); ++i) {
        const std::string* text = FindEntry(entries, RecordKey(i));
        if (text == nullptr || text->empty()) text = FindEntry(entries, SuffixedRecordKey(i));
        if (text == nullptr || text->empty()) break;
        const std::optional<CVarType> record = ParseRecord(*text);
        if (!record || !SelectableBeamNumber(record->nVarType) || list.Contains(record->nVarType)) {
            continue;
        }
        list.Add(*record);
    }
    // The rules judge the list as a whole; a refused one is not partly kept.
    if (list.Count() > 0 && !beam.CheckBeamSelection(0, list.VarType(list.Count())).accepted) {
        list.Clear();
    }
    return list.Count() == count;
}

bool LoadBeamSelection(GaussianBeam& beam, const INICode& ini) {
    const std::string section(kSelectionSection);
    std::vector<IniEntry> entries;
    const std::string countText = ini.ReadString(section, kCountKey, "");
    entries.push_back({section, std::string(kCountKey), countText});
    // The records the list takes may sit behind refused ones; the loader stops at a gap.
    const int count = std::min(IniInt(countText), kMaxRecordKeys);
    for (int i = 1; i <= count; ++i) {
        for (const std::string& name : {RecordKey(i), SuffixedRecordKey(i)}) {
            entries.push_back({section, name, ini.ReadString(section, name, "")});
        }
    }
    return LoadBeamSelection(beam, entries);
}

void LoadBeamExtra(const INICode& ini, GaussianBeam& beam, Options& options) {
    options.beamMode = ReadFlag(ini, key::kGaussianBeam, "False");
    options.showExtraGB = ReadFlag(ini, key::kShowExtraGB, "True");
    // A value its box would refuse (no beam has it) takes the default, as a missing one.
    const auto admissible = [&](BeamOption option, std::string_view name, double fallback) {
        const double value = ReadNumber(ini, name).value_or(fallback);
        return beam.OptionRefusal(option, value).empty() ? value : fallback;
    };
    const double nm = ReadNumber(ini, key::kWaveLen).value_or(kDefaultWavelengthNm);
    beam.SetWavelengthNm(
        nm >= kLeastWavelengthNm && nm <= kGreatestWavelengthNm ? nm : kDefaultWavelengthNm);
    beam.SetUseM2(ReadFlag(ini, key::kMfactorUse, "false"));
    beam.SetM2(0, admissible(BeamOption::kM2, key::kMfactor, 1.0));
    options.beamDrawScale = std::max(0.0, ReadNumber(ini, key::kDrgScale).value_or(0.0));
    beam.SetMinSpotDistance(
        admissible(BeamOption::kMinSpot, key::kConjDist, kDefaultMinSpotDistance));
    options.beamDrawScaleType =
        std::clamp(ini.ReadInt(key::kExtraGB, key::kDrgScaleType), 0, kLastDrawScaleType);
    beam.SetDetectorOn(ReadFlag(ini, key::kDetDistUse, "false"));
    beam.SetDetectorDistance(admissible(BeamOption::kDetector, key::kDetDst, 0.0));
    beam.SetDiodeMode(ReadFlag(ini, key::kRect, "False"));
    beam.SetM2(1, admissible(BeamOption::kDiodeM2, key::kDiodeMfactor, 1.0));
    // A diode value must be a size: anything else is computed anew from the x section.
    std::optional<double> diodeValue = ReadNumber(ini, key::kDiodeParamUserVal);
    if (diodeValue && *diodeValue <= 0.0) diodeValue.reset();
    beam.LoadDiodeParam(ini.ReadInt(key::kExtraGB, key::kDiodeParamUserType), diodeValue);
    beam.SetCircularise(ReadFlag(ini, key::kCircularise, "False"));
    beam.SetCollimationMode(std::clamp(ini.ReadInt(key::kExtraGB, key::kCollimationMode), 0, 1));
    beam.SetAltSolution(ReadFlag(ini, kAltSolutionKey, "False"));
    // A radius the option box would refuse is not given.
    for (const auto& [key, option] :
         {std::pair{kLensApertureKey, BeamOption::kLensAperture},
          std::pair{kDetectorApertureKey, BeamOption::kDetectorAperture}}) {
        const double radius = ReadNumber(ini, key).value_or(0.0);
        beam.SetOption(option, beam.OptionRefusal(option, radius).empty() ? radius : 0.0);
    }
}

std::vector<IniEntry> BeamExtraEntries(const GaussianBeam& beam, const Options& options) {
    std::vector<IniEntry> entries;
    const auto add = [&entries](std::string_view name, std::string value) {
        entries.push_back({std::string(key::kExtraGB), std::string(name), std::move(value)});
    };
    add(key::kGaussianBeam, IniBoolText(options.beamMode));
    add(key::kShowExtraGB, IniBoolText(options.showExtraGB));
    add(key::kWaveLen, NumberText(beam.GetWavelengthNm()));
    add(key::kMfactorUse, IniBoolText(beam.UseM2()));
    add(key::kMfactor, NumberText(beam.GetM2(0)));
    add(key::kDrgScale, NumberText(options.beamDrawScale));
    add(key::kConjDist, NumberText(beam.MinSpotDistance()));
    add(key::kDrgScaleType, NumberText(options.beamDrawScaleType));
    add(key::kDetDistUse, IniBoolText(beam.DetectorOn()));
    add(key::kDetDst, NumberText(beam.DetectorDistance()));
    add(key::kRect, IniBoolText(beam.DiodeMode()));
    add(key::kDiodeMfactor, NumberText(beam.GetM2(1)));
    const auto [number, value] = beam.DiodeParamSetting();
    add(key::kDiodeParamUserType, NumberText(number));
    add(key::kDiodeParamUserVal, NumberText(value));
    add(key::kCircularise, IniBoolText(beam.Circularise()));
    add(key::kCollimationMode, NumberText(beam.CollimationMode()));
    add(kAltSolutionKey, IniBoolText(beam.AltSolution()));
    add(kLensApertureKey, NumberText(beam.LensAperture()));
    add(kDetectorApertureKey, NumberText(beam.DetectorAperture()));
    return entries;
}

}  // namespace lumarik
