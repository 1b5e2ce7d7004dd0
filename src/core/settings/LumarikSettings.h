// What lens/mirror mode keeps in the settings file: the last system (general and aperture
// records), the image-height preset, the advanced values, the options and the depth-of-field
// choice, read at start and on recall and written at exit.
#pragma once

#include <vector>

#include "core/ini/INICode.h"

namespace lumarik {

class LumarikCode;
struct Options;

// Empties both parameter collections and clears the object-at-infinity flag, so that a list
// of records read afterwards (or none) decides alone whether the object is at infinity. Run
// before LoadLensSystem, at start and on recall alike.
void ClearForLoad(LumarikCode& model);

// Options/SliderDefaultPercent, which belongs to the installation, not the system.
void LoadSliderDefaultPercent(const INICode& ini, LumarikCode& model);
// Reads, in this order: the general records of LastValues with the object-at-infinity flag,
// and the image-height preset; the aperture records; LastValues/Advanced, then the Options
// flags, then fits the sign of n' to the mode; Extra. Missing keys give their defaults. A
// damaged file never stops the load nor reports a diagnostic: a bad record is skipped, a bad
// value takes its default or leaves the old one. The window synchronises its controls from
// model and options afterwards. False when a count key promised records that were not all
// taken.
bool LoadLensSystem(const INICode& ini, LumarikCode& model, Options& options);

// Options/UnitType: kSymbolsUser for 1, kSymbolsStandard for anything else.
int ReadUnitType(const INICode& ini);
IniEntry UnitTypeEntry(int unitType);

// The keys LoadLensSystem reads from LastValues (without SliderDefaultPercent, which only a
// user writes), Options and Extra, in the order of reading, for INICode::WriteStrings.
// Record keys beyond a shorter new count stay in the file; the count key hides them.
std::vector<IniEntry> LensSettingsEntries(const LumarikCode& model, const Options& options);

}  // namespace lumarik
