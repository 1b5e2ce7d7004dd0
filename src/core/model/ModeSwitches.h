// The option switches of lens/mirror mode that change chosen values: the lens/mirror switch,
// making the object distance negative again, and committing an advanced value.
#pragma once

#include <functional>
#include <string_view>

namespace lumarik {

class LumarikCode;

// Switches between lens and mirror. A mirror reflects, so the image space has the index
// -n and the focal length of the same element changes its sign: a chosen f' is negated
// with its limits swapped. False (nothing changed) when the mode is already in force.
bool SwitchLensMirror(LumarikCode& model, bool toMirror);

// After the user forbids positive object distances: a positive object distance and its
// positive limits are negated, and a limit the value then crosses is reopened by the margin.
// Undefined values and limits and an object at infinity stay as they are.
void MakeObjectDistanceNegative(LumarikCode& model);

// Rows of the advanced options.
constexpr int kAdvSeparation = 0;
constexpr int kAdvIndexObject = 1;
constexpr int kAdvIndexImage = 2;
constexpr int kAdvWavelength = 3;
// The wavelengths the model takes, nm, in the advanced options and the beam alike.
constexpr double kLeastWavelengthNm = 10.0;
constexpr double kGreatestWavelengthNm = 1000000.0;
inline constexpr std::string_view kWavelengthRange =
    "Die Wellenlänge muß zwischen 10^1 & 10^6nm liegen! ";

struct AdvancedCommit {
    enum class Outcome { kUnchanged, kRefused, kAccepted } outcome = Outcome::kUnchanged;
    std::string_view message;  // the range message of a refusal
};

// Checks x for advanced row `row` against the row's range and its effective value, and
// stores it when accepted; beforeStore runs just before (the undo backup is taken there).
AdvancedCommit CommitAdvancedValue(LumarikCode& model, int row, double x,
                                   const std::function<void()>& beforeStore = {});

}  // namespace lumarik
