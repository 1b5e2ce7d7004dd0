// The rules that accept or refuse a choice of distance/field parameters, the list of the
// admissible choices of three, and the enable rules of the selection boxes.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/model/Catalogue.h"

namespace lumarik {

struct SelectionCheck {
    bool accepted = true;
    // The refusal to show (exclamation icon, OK button); empty when accepted.
    std::string_view message;
};

// Applies the rules to the chosen parameter numbers (in any order; 0..3 of them).
//   2 chosen: w with w' is refused.
//   3 chosen, first refusal wins: three distances; three fields; {m', u, u'} or {m', w, w'};
//   {a, u, w} or {a, u, w'}; {a', u', w'} or {a', w, u'}; w with w' and one distance.
SelectionCheck CheckSelectionNumbers(std::vector<int> numbers);

// The 60 choices of three that the rules accept, each ascending, in lexical order: two
// distances with one field quantity (40) and one distance with two (20).
std::vector<std::array<int, 3>> AdmissibleSelections();

// What the selection boxes may do. The object-at-infinity box exists only while the object
// distance is chosen; an object at infinity has no magnification, track length, object height
// or object-side NA to choose.
struct EnableRules {
    bool objectAtInfinityEnabled = false;
    bool objectAtInfinityChecked = false;
    std::array<bool, kSelectableCount> parameterEnabled{};
    std::array<bool, kSelectableApertureCount> apertureEnabled{};
};

EnableRules ComputeEnableRules(bool objectDistanceSelected, bool objectAtInfinity);

}  // namespace lumarik
