#include "core/model/Selection.h"

#include <algorithm>

#include "core/model/ModelTexts.h"

namespace lumarik {

namespace {

constexpr int kA = kParObjectDist;
constexpr int kAp = kParImageDist;
constexpr int kM = kParMagnification;
constexpr int kU = kParObjectHeight;
constexpr int kW = kParObjectAngle;
constexpr int kUp = kParImageHeight;
constexpr int kWp = kParImageAngle;

SelectionCheck Refuse(std::string_view message) {
    return SelectionCheck{false, message};
}

}  // namespace

SelectionCheck CheckSelectionNumbers(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    if (numbers.size() == 2) {
        if (numbers[0] == kW && numbers[1] == kWp) return Refuse(texts::kAnglesDependent);
        return {};
    }
    if (numbers.size() != 3) return {};
    const int t1 = numbers[0];
    const int t2 = numbers[1];
    const int t3 = numbers[2];
    if (t3 < kFirstFieldPar) return Refuse(texts::kNeedField);
    if (t1 >= kFirstFieldPar) return Refuse(texts::kNeedDistance);
    if (t1 == kM && ((t2 == kU && t3 == kUp) || (t2 == kW && t3 == kWp))) {
        return Refuse(texts::kInconsistentMagnification);
    }
    if (t1 == kA && t2 == kU && (t3 == kW || t3 == kWp)) {
        return Refuse(texts::kInconsistentObjectDistance);
    }
    if (t1 == kAp && ((t2 == kUp && t3 == kWp) || (t2 == kW && t3 == kUp))) {
        return Refuse(texts::kInconsistentImageDistance);
    }
    if ((t1 == kW || t2 == kW) && t3 == kWp) return Refuse(texts::kAnglesDependent);
    return {};
}

std::vector<std::array<int, 3>> AdmissibleSelections() {
    std::vector<std::array<int, 3>> sets;
    for (int i = 0; i < kSelectableCount; ++i) {
        for (int j = i + 1; j < kSelectableCount; ++j) {
            for (int k = j + 1; k < kSelectableCount; ++k) {
                if (CheckSelectionNumbers({i, j, k}).accepted) sets.push_back({i, j, k});
            }
        }
    }
    return sets;
}

EnableRules ComputeEnableRules(bool objectDistanceSelected, bool objectAtInfinity) {
    EnableRules rules;
    rules.objectAtInfinityEnabled = objectDistanceSelected;
    rules.objectAtInfinityChecked = objectAtInfinity;
    rules.parameterEnabled.fill(true);
    rules.apertureEnabled.fill(true);
    if (objectAtInfinity) {
        rules.parameterEnabled[kParMagnification] = false;
        rules.parameterEnabled[kParTrack] = false;
        rules.parameterEnabled[kParObjectHeight] = false;
        rules.apertureEnabled[kApNA] = false;
    }
    return rules;
}

}  // namespace lumarik
