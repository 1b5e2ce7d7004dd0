#include "core/settings/LumarikSettings.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/format/NumberInput.h"
#include "core/format/Rounding.h"
#include "core/ini/IniDocument.h"
#include "core/ini/IniValues.h"
#include "core/model/Catalogue.h"
#include "core/model/ImageHeightPresets.h"
#include "core/model/LumarikCode.h"
#include "core/model/Options.h"
#include "core/numeric/Calc.h"
#include "core/settings/RecordText.h"

namespace lumarik {

namespace {

namespace key {
constexpr std::string_view kOptions = "Options";
constexpr std::string_view kLastValues = "LastValues";
constexpr std::string_view kExtra = "Extra";

constexpr std::string_view kSliderDefaultPercent = "SliderDefaultPercent";
constexpr std::string_view kUnitType = "UnitType";
constexpr std::string_view kHideRemConj = "HideRemConj";
constexpr std::string_view kDrawPoints = "DrawPoints";
constexpr std::string_view kAdvOptions = "AdvOptions";
constexpr std::string_view kMirrorMode = "MirrorMode";
constexpr std::string_view kPositiveObj = "PositiveObj";
constexpr std::string_view kDrawHaltingRay = "DrawHaltingRay";

constexpr std::string_view kVarTypeNos = "VarTypeNos";
constexpr std::string_view kVarTypeVal = "VarTypeVal";
constexpr std::string_view kImgHgtFixed2 = "ImgHgtFixed2";
constexpr std::string_view kImgHgtOption2 = "ImgHgtOption2";
constexpr std::string_view kVarTypeApNos = "VarTypeApNos";
constexpr std::string_view kVarTypeApVal = "VarTypeApVal";
constexpr std::string_view kAdvanced = "Advanced";

constexpr std::string_view kShowExtra = "ShowExtra";
constexpr std::string_view kCofCType = "CofCType";
constexpr std::string_view kCofCCustomVal = "CofCCustomVal";
}  // namespace key

// Wavelength | principal-plane separation | n | n'.
constexpr std::size_t kAdvancedParts = 4;

constexpr double kMinIndex = 1.0;
constexpr double kMaxIndex = 3.0;
constexpr double kMinWavelength = 10.0;  // nm
constexpr double kMaxWavelength = 1e6;

struct RecordList {
    std::string_view countKey;
    std::string_view recordKey;
    int numberCount;  // parameter numbers 0..numberCount-1 have a selection box
};

constexpr RecordList kGeneralList{key::kVarTypeNos, key::kVarTypeVal, kSelectableCount};
constexpr RecordList kApertureList{key::kVarTypeApNos, key::kVarTypeApVal,
                                   kSelectableApertureCount};

bool InRange(double x, double low, double high) {
    return x >= low && x <= high;
}

bool FitsFloat(double x) {
    return std::isfinite(x) && std::fabs(x) <= FLT_MAX;
}

std::string ReadText(const INICode& ini, std::string_view section, std::string_view name,
                     std::string_view defaultValue = {}) {
    return ini.ReadString(section, name, defaultValue);
}

bool ReadBool(const INICode& ini, std::string_view section, std::string_view name) {
    return IniBool(ReadText(ini, section, name, "False"));
}

// Returns the count key's value. The records are taken as they stand (no carry-over from the
// value memory) and inserted in number order, so a hand-edited file listing them in another
// order still gives the collection's order. A record is skipped silently when it has fewer
// than seven fields, a parameter number without a selection box, a number already taken, or
// when the collection is full; the first missing or empty record key ends the list, since the
// program writes keys 1..count without gaps and a count that promises more records than
// exist must not make the load read the file once for every number up to INT_MAX.
//
// The selection rules are not applied: they judge a change the user makes and answer it with
// a message, which a load must not show. A file the program wrote holds a selection that
// passed them; a combination they would refuse, typed into the file by hand, merely solves to
// no result, and the user can untick it.
int LoadRecords(const INICode& ini, const RecordList& list, VarCollection& collection) {
    const int count = ini.ReadInt(key::kLastValues, list.countKey);
    for (int i = 1; i <= count && !collection.IsFull(); ++i) {
        const std::string text =
            ReadText(ini, key::kLastValues, std::string(list.recordKey) + std::to_string(i));
        if (text.empty()) {
            break;
        }
        const std::optional<CVarType> record = ParseRecord(text);
        if (!record || record->nVarType < 0 || record->nVarType >= list.numberCount ||
            collection.Contains(record->nVarType)) {
            continue;
        }
        collection.Add(*record);
    }
    return count;
}

// Only ImgHgtFixed2 that is not empty sets the flag; only a flag in force reads the index.
// A preset flag without a valid entry 1..51 names no format, so no preset is in force.
void LoadImageHeightPreset(const INICode& ini, Options& options) {
    const std::string fixed = ReadText(ini, key::kLastValues, key::kImgHgtFixed2);
    if (!fixed.empty()) {
        options.imageHeightPreset = IniBool(fixed);
    }
    options.imageHeightPresetIndex = 0;
    if (!options.imageHeightPreset) {
        return;
    }
    const double entry = ValNumber(ReadText(ini, key::kLastValues, key::kImgHgtOption2));
    if (InRange(entry, 0.0, kImageHeightPresetCount + 1.0)) {
        const long rounded = RoundHalfEven(entry);
        if (rounded >= 1 && rounded <= kImageHeightPresetCount) {
            options.imageHeightPresetIndex = static_cast<int>(rounded);
        }
    }
    options.imageHeightPreset = options.imageHeightPresetIndex != 0;
}

// A key with fewer than four parts (an empty fourth counts as missing) is damaged as a whole
// and leaves the four values as they were, like an empty key. A value outside its range goes
// to its setter as 0, which keeps the old n, makes n' ±1 and λ the default; a separation
// beyond the float range keeps the old one.
void LoadAdvanced(const INICode& ini, EffectiveConstants& constants) {
    const std::vector<std::string> parts =
        SplitFields(ReadText(ini, key::kLastValues, key::kAdvanced), kAdvancedParts);
    if (parts.size() < kAdvancedParts) {
        return;
    }
    const std::string_view last = parts.back();
    if (TrimBlanks(last.substr(0, last.find(kFieldSeparator))).empty()) {
        return;
    }
    const double wavelength = ValNumber(parts[0]);
    const double d = ValNumber(parts[1]);
    const double n = ValNumber(parts[2]);
    const double nPrime = ValNumber(parts[3]);

    constants.SetWavelength(InRange(wavelength, kMinWavelength, kMaxWavelength)
                                ? static_cast<float>(wavelength)
                                : 0.0f);
    if (FitsFloat(d)) {
        constants.SetD(static_cast<float>(d));
    }
    constants.SetN(InRange(n, kMinIndex, kMaxIndex) ? static_cast<float>(n) : 0.0f);
    constants.SetNPrime(
        InRange(std::fabs(nPrime), kMinIndex, kMaxIndex) ? static_cast<float>(nPrime) : 0.0f);
}

// The stored n' is positive for a lens and negative for a mirror, whose image space is folded
// back; a mirror has no principal-plane separation. The stored value is tested, not the
// effective one: the effective n' of a mirror is -n whatever is stored, and that of a lens
// without advanced options is 1, so testing it would leave a wrong sign in store.
void FitNPrimeSign(EffectiveConstants& constants) {
    const float nPrime = constants.StoredNPrime();
    if (constants.MirrorMode()) {
        constants.SetD(0.0f);
        if (nPrime > 0.0f) {
            constants.SetNPrime(-nPrime);
        }
    } else if (nPrime < 0.0f) {
        constants.SetNPrime(-nPrime);
    }
}

void LoadExtra(const INICode& ini, LumarikCode& model, Options& options) {
    options.showExtra = ReadBool(ini, key::kExtra, key::kShowExtra);

    DataDOF& dof = model.DepthOfField();
    const int type = IniInt(ReadText(ini, key::kExtra, key::kCofCType, "0"));
    // The type is a 16-bit value; one beyond it is damage, not a type.
    const bool fits = type >= std::numeric_limits<std::int16_t>::min() &&
                      type <= std::numeric_limits<std::int16_t>::max();
    dof.SetCofCType(fits ? type : kCofCCustom);

    // The setter replaces 0 (the "not set" of older files) and any other value that is not
    // positive by the default; so does a number beyond float.
    const double custom = ValNumber(ReadText(ini, key::kExtra, key::kCofCCustomVal, "0.025"));
    dof.SetCofCCustomVal(FitsFloat(custom) ? static_cast<float>(custom) : 0.0f);
}

class EntryList {
public:
    void Add(std::string_view section, std::string name, std::string value) {
        m_entries.push_back(IniEntry{std::string(section), std::move(name), std::move(value)});
    }
    void AddBool(std::string_view section, std::string_view name, bool value) {
        Add(section, std::string(name), IniBoolText(value));
    }
    void AddRecords(const RecordList& list, const VarCollection& collection) {
        Add(key::kLastValues, std::string(list.countKey), std::to_string(collection.Count()));
        int i = 0;
        for (const CVarType& record : collection.Records()) {
            Add(key::kLastValues, std::string(list.recordKey) + std::to_string(++i),
                RecordText(record));
        }
    }
    std::vector<IniEntry> Take() { return std::move(m_entries); }

private:
    std::vector<IniEntry> m_entries;
};

}  // namespace

void ClearForLoad(LumarikCode& model) {
    model.Selected().Clear();
    model.Apertures().Clear();
    model.SetObjectAtInfinity(false);
}

void LoadSliderDefaultPercent(const INICode& ini, LumarikCode& model) {
    model.SetSliderDefaultPercent(ini.ReadInt(key::kOptions, key::kSliderDefaultPercent));
}

bool LoadLensSystem(const INICode& ini, LumarikCode& model, Options& options) {
    // A list of at least one record decides the flag, whether or not a record was taken.
    const int generalCount = LoadRecords(ini, kGeneralList, model.Selected());
    if (generalCount >= 1) {
        const int position = model.Selected().PositionOf(kParObjectDist);
        model.SetObjectAtInfinity(position != 0 &&
                                  model.Selected().VarValue(position) == kInfinity);
    }
    LoadImageHeightPreset(ini, options);

    const int apertureCount = LoadRecords(ini, kApertureList, model.Apertures());
    // Run after ClearForLoad, the collections hold only what was read.
    const bool complete =
        generalCount == model.Selected().Count() && apertureCount == model.Apertures().Count();

    EffectiveConstants& constants = model.Constants();
    LoadAdvanced(ini, constants);
    options.hideRemConj = ReadBool(ini, key::kOptions, key::kHideRemConj);
    options.drawPoints = ReadBool(ini, key::kOptions, key::kDrawPoints);
    constants.SetAdvancedOptions(ReadBool(ini, key::kOptions, key::kAdvOptions));
    constants.SetMirrorMode(ReadBool(ini, key::kOptions, key::kMirrorMode));
    options.positiveObj = ReadBool(ini, key::kOptions, key::kPositiveObj);
    options.drawHaltingRay = ReadBool(ini, key::kOptions, key::kDrawHaltingRay);
    FitNPrimeSign(constants);

    LoadExtra(ini, model, options);
    return complete;
}

int ReadUnitType(const INICode& ini) {
    return ini.ReadInt(key::kOptions, key::kUnitType) == kSymbolsUser ? kSymbolsUser
                                                                      : kSymbolsStandard;
}

IniEntry UnitTypeEntry(int unitType) {
    return IniEntry{std::string(key::kOptions), std::string(key::kUnitType),
                    std::to_string(unitType == kSymbolsUser ? kSymbolsUser : kSymbolsStandard)};
}

std::vector<IniEntry> LensSettingsEntries(const LumarikCode& model, const Options& options) {
    EntryList entries;

    entries.AddRecords(kGeneralList, model.Selected());
    entries.AddBool(key::kLastValues, key::kImgHgtFixed2, options.imageHeightPreset);
    entries.Add(key::kLastValues, std::string(key::kImgHgtOption2),
                std::to_string(options.imageHeightPreset ? options.imageHeightPresetIndex : 0));

    entries.AddRecords(kApertureList, model.Apertures());

    const EffectiveConstants& constants = model.Constants();
    std::string advanced;
    for (const float value : {constants.StoredWavelength(), constants.StoredD(),
                              constants.StoredN(), constants.StoredNPrime()}) {
        advanced += NumberText(value);
        advanced += kFieldSeparator;
    }
    entries.Add(key::kLastValues, std::string(key::kAdvanced), advanced);
    entries.AddBool(key::kOptions, key::kHideRemConj, options.hideRemConj);
    entries.AddBool(key::kOptions, key::kDrawPoints, options.drawPoints);
    entries.AddBool(key::kOptions, key::kAdvOptions, constants.AdvancedOptions());
    entries.AddBool(key::kOptions, key::kMirrorMode, constants.MirrorMode());
    entries.AddBool(key::kOptions, key::kPositiveObj, options.positiveObj);
    entries.AddBool(key::kOptions, key::kDrawHaltingRay, options.drawHaltingRay);

    const DataDOF& dof = model.DepthOfField();
    entries.AddBool(key::kExtra, key::kShowExtra, options.showExtra);
    entries.Add(key::kExtra, std::string(key::kCofCType), std::to_string(dof.CofCType()));
    entries.Add(key::kExtra, std::string(key::kCofCCustomVal), NumberText(dof.CofCCustomVal()));

    return entries.Take();
}

}  // namespace lumarik
