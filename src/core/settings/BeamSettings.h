// The beam-mode entries of the settings file: the chosen beam parameters of the x section.
#pragma once

#include <vector>

#include "core/beam/GaussianBeam.h"
#include "core/ini/INICode.h"

namespace lumarik {

// Section LastValues: VarTypeGBNos and 1VarTypeGBVal.. of the axis-0 list.
std::vector<IniEntry> SaveBeamSelection(const GaussianBeam& beam);
// Replaces the axis-0 list by the saved one; records that cannot be restored, or that the
// selection rules refuse, are left out.
void LoadBeamSelection(GaussianBeam& beam, const std::vector<IniEntry>& entries);
void LoadBeamSelection(GaussianBeam& beam, const INICode& ini);

}  // namespace lumarik
