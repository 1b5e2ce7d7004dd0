// The beam-mode entries of the settings file: the chosen beam parameters of the x section
// (LastValues) and the beam options (ExtraGB).
#pragma once

#include <string_view>
#include <vector>

#include "core/beam/GaussianBeam.h"
#include "core/ini/INICode.h"

namespace lumarik {

// The beam's chosen root of a two-root case ("Alternative Lösung"). Files written before it was
// kept lack it and open with the first root.
inline constexpr std::string_view kAltSolutionKey = "GBAltSolution";

// The clear radius of the lens and the radius of the detector, for the transmitted power; files
// without them have neither.
inline constexpr std::string_view kLensApertureKey = "GBLensAperture";
inline constexpr std::string_view kDetectorApertureKey = "GBDetectorAperture";

struct Options;

// Section LastValues: VarTypeGBNos and 1VarTypeGBVal.. of the axis-0 list.
std::vector<IniEntry> SaveBeamSelection(const GaussianBeam& beam);
// Replaces the axis-0 list by the saved one, read from 1VarTypeGBVal.. or VarTypeGBVal1..
// (both forms exist in files). Only quantities that have a box (0..3, 5..10) are taken, each
// once, at most three; a list the selection rules refuse is left empty, without a message.
// False when the count key promised records that were not all taken.
bool LoadBeamSelection(GaussianBeam& beam, const std::vector<IniEntry>& entries);
bool LoadBeamSelection(GaussianBeam& beam, const INICode& ini);

// Section ExtraGB: the beam mode, its options and the laser-diode settings. Values outside
// their range take their defaults or the nearest admissible value.
void LoadBeamExtra(const INICode& ini, GaussianBeam& beam, Options& options);
std::vector<IniEntry> BeamExtraEntries(const GaussianBeam& beam, const Options& options);

}  // namespace lumarik
