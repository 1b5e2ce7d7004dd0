// Reading a system from NAME=VALUE words, as the calculator's command line and each line of
// its batch input give it. The names are short ASCII spellings of the symbols (f, a, a_ for a',
// NA_ for NA'); numbers take a point as decimal separator only, and every word is either taken
// whole or refused with a German message.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumarik {

// One system as the words give it. Values are in the units the window's boxes take (mm,
// degrees, mrad, nm).
struct CalcRequest {
    bool beam = false;
    bool mirror = false;
    bool virtualObject = false;  // positive (virtual) object distances may be given
    bool altRoot = false;        // the other root of a two-root beam case
    bool objectAtInfinity = false;
    // Parameter numbers (lens/mirror) or beam quantity numbers, in the order given; the
    // object distance at infinity is among them without a value.
    std::vector<std::pair<int, double>> values;
    std::optional<std::pair<int, double>> aperture;
    std::optional<double> indexObject, indexImage, separation, wavelength, m2, detector;
};

struct CalcRead {
    std::optional<CalcRequest> request;
    std::string message;  // why the words were refused
};

// The words of a batch line, split at blanks and tabs.
std::vector<std::string_view> SplitWords(std::string_view line);

// A point-decimal number, the whole text: nothing for text, NaN, an infinity or a number
// beyond the range of float, with the reason in `message`.
std::optional<double> ReadCalcNumber(std::string_view text, std::string& message);

CalcRead ReadCalcWords(const std::vector<std::string_view>& words);

// A refusal with the refused text in German quotes: "Unbekannter Name: „x“".
std::string CalcRefusal(std::string_view reason, std::string_view what);

// The ASCII name of a parameter, aperture or beam quantity number, as the words spell it.
std::string_view CalcParameterName(int number);
std::string_view CalcApertureName(int k);
std::string_view CalcBeamName(int number);

}  // namespace lumarik
