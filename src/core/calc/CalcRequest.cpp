#include "core/calc/CalcRequest.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/beam/BeamCatalogue.h"
#include "core/calc/CalcTexts.h"
#include "core/model/Catalogue.h"

namespace lumarik {

namespace {

enum class Kind { kParameter, kAperture, kBeam, kOption, kSwitch };
enum Option {
    kOptIndexObject,
    kOptIndexImage,
    kOptSeparation,
    kOptWavelength,
    kOptM2,
    kOptDetector
};
enum Switch { kSwBeam, kSwMirror, kSwVirtual, kSwAlt };

struct NameEntry {
    std::string_view name;
    Kind kind;
    int number;
    bool lens;  // valid for lens and mirror
    bool beam;  // valid in beam mode
};

// The names are part of the calculator's interface: scripts rely on them, so they stay.
constexpr std::array<NameEntry, 33> kNames = {{
    {"f", Kind::kParameter, kParFocal, true, false},
    {"a", Kind::kParameter, kParObjectDist, true, false},
    {"a_", Kind::kParameter, kParImageDist, true, false},
    {"m", Kind::kParameter, kParMagnification, true, false},
    {"t", Kind::kParameter, kParTrack, true, false},
    {"u", Kind::kParameter, kParObjectHeight, true, false},
    {"w", Kind::kParameter, kParObjectAngle, true, false},
    {"u_", Kind::kParameter, kParImageHeight, true, false},
    {"w_", Kind::kParameter, kParImageAngle, true, false},
    {"r", Kind::kAperture, kApStopRadius, true, false},
    {"F", Kind::kAperture, kApFNumber, true, false},
    {"NA", Kind::kAperture, kApNA, true, false},
    {"NA_", Kind::kAperture, kApNAImage, true, false},
    {"f", Kind::kBeam, kBeamFocal, false, true},
    {"s", Kind::kBeam, kBeamObjectDist, false, true},
    {"s_", Kind::kBeam, kBeamImageDist, false, true},
    {"m", Kind::kBeam, kBeamMag, false, true},
    {"r", Kind::kBeam, kBeamObjRadius, false, true},
    {"w", Kind::kBeam, kBeamObjDivergence, false, true},
    {"zr", Kind::kBeam, kBeamObjRayleigh, false, true},
    {"r_", Kind::kBeam, kBeamImgRadius, false, true},
    {"w_", Kind::kBeam, kBeamImgDivergence, false, true},
    {"zr_", Kind::kBeam, kBeamImgRayleigh, false, true},
    {"n", Kind::kOption, kOptIndexObject, true, true},
    {"n_", Kind::kOption, kOptIndexImage, true, true},
    {"d", Kind::kOption, kOptSeparation, true, true},
    {"lambda", Kind::kOption, kOptWavelength, true, true},
    {"M2", Kind::kOption, kOptM2, false, true},
    {"det", Kind::kOption, kOptDetector, false, true},
    {"beam", Kind::kSwitch, kSwBeam, true, true},
    {"mirror", Kind::kSwitch, kSwMirror, true, true},
    {"virtual", Kind::kSwitch, kSwVirtual, true, false},
    {"alt", Kind::kSwitch, kSwAlt, false, true},
}};

const NameEntry* Find(std::string_view name, bool beam) {
    const NameEntry* any = nullptr;
    for (const NameEntry& e : kNames) {
        if (e.name != name) continue;
        if (beam ? e.beam : e.lens) return &e;
        any = &e;
    }
    return any;
}

std::string_view NameOf(Kind kind, int number) {
    for (const NameEntry& e : kNames) {
        if (e.kind == kind && e.number == number) return e.name;
    }
    return {};
}

}  // namespace

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r", at);
        if (start == std::string_view::npos) break;
        std::size_t end = line.find_first_of(" \t\r", start);
        if (end == std::string_view::npos) end = line.size();
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

std::optional<double> ReadCalcNumber(std::string_view text, std::string& message) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    // from_chars reads the C locale's form whatever the process's locale; it would also take
    // "nan" and "inf", which are no values here.
    const bool letters = digits.find_first_not_of("0123456789.eE+-") != std::string_view::npos;
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || letters ||
        (error != std::errc() && error != std::errc::result_out_of_range) ||
        end != digits.data() + digits.size()) {
        message = CalcRefusal(calctexts::kNotANumber, text);
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range || !std::isfinite(value) ||
        std::fabs(value) > FLT_MAX) {
        message = CalcRefusal(calctexts::kOutOfRange, text);
        return std::nullopt;
    }
    return value;
}

CalcRead ReadCalcWords(const std::vector<std::string_view>& words) {
    CalcRead read;
    if (words.empty()) {
        read.message = calctexts::kEmptyLine;
        return read;
    }
    CalcRequest request;
    for (std::string_view word : words) {
        if (word == "beam") request.beam = true;
    }
    std::vector<std::string_view> seen;
    int apertures = 0;
    for (std::string_view word : words) {
        const std::size_t eq = word.find('=');
        const std::string_view name = word.substr(0, eq);
        const NameEntry* entry = Find(name, request.beam);
        if (!entry) {
            read.message = CalcRefusal(calctexts::kUnknownName, name);
            return read;
        }
        if (!(request.beam ? entry->beam : entry->lens)) {
            read.message = CalcRefusal(
                request.beam ? calctexts::kNotInBeamMode : calctexts::kNotInLensMode, name);
            return read;
        }
        for (std::string_view other : seen) {
            if (other == name) {
                read.message = CalcRefusal(calctexts::kTwice, name);
                return read;
            }
        }
        seen.push_back(name);
        if (entry->kind == Kind::kSwitch) {
            if (eq != std::string_view::npos) {
                read.message = CalcRefusal(calctexts::kSwitchWithValue, word);
                return read;
            }
            request.mirror |= entry->number == kSwMirror;
            request.virtualObject |= entry->number == kSwVirtual;
            request.altRoot |= entry->number == kSwAlt;
            continue;
        }
        if (eq == std::string_view::npos || eq + 1 == word.size()) {
            read.message = CalcRefusal(calctexts::kValueMissing, word);
            return read;
        }
        const std::string_view text = word.substr(eq + 1);
        if (entry->kind == Kind::kParameter && entry->number == kParObjectDist && text == "inf") {
            request.objectAtInfinity = true;
            request.values.emplace_back(kParObjectDist, 0.0);
            continue;
        }
        const std::optional<double> value = ReadCalcNumber(text, read.message);
        if (!value) {
            read.message = std::string(name) + ": " + read.message;
            return read;
        }
        switch (entry->kind) {
            case Kind::kParameter:
            case Kind::kBeam:
                request.values.emplace_back(entry->number, *value);
                break;
            case Kind::kAperture:
                ++apertures;
                request.aperture = std::pair(entry->number, *value);
                break;
            default: {
                std::optional<double>* options[] = {&request.indexObject, &request.indexImage,
                                                    &request.separation,  &request.wavelength,
                                                    &request.m2,          &request.detector};
                *options[entry->number] = *value;
                break;
            }
        }
    }
    if (request.values.size() != 3) {
        read.message = request.beam ? calctexts::kNotThreeBeam : calctexts::kNotThreeParameters;
        read.message += " (angegeben: " + std::to_string(request.values.size()) + ")";
        return read;
    }
    if (apertures > 1) {
        read.message = calctexts::kTwoApertures;
        return read;
    }
    read.request = std::move(request);
    return read;
}

std::string CalcRefusal(std::string_view reason, std::string_view what) {
    std::string text(reason);
    text += ": \xE2\x80\x9E";  // „
    text += what;
    text += "\xE2\x80\x9C";  // “
    return text;
}

std::string_view CalcParameterName(int number) {
    return NameOf(Kind::kParameter, number);
}

std::string_view CalcApertureName(int k) {
    return NameOf(Kind::kAperture, k);
}

std::string_view CalcBeamName(int number) {
    return NameOf(Kind::kBeam, number);
}

}  // namespace lumarik
