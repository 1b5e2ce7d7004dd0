#include "core/model/ImageHeightPresets.h"

#include "core/format/NumberInput.h"

namespace lumarik {
namespace {

// Two blanks before the height where the list has always shown two.
constexpr std::array<std::string_view, kImageHeightPresetCount> kPresets = {
    "CCD 1/10inch [1.28 x 0.96]  0.8mm",
    "CCD 1/8inch [1.6 x 1.2]  1mm",
    "CCD 1/6inch [2.4 x 1.8]  1.5mm",
    "CCD 1/4inch [3.2 x 2.4]  2mm",
    "CCD 1/3.6inch [4 x 3]  2.5mm",
    "CCD 1/3.2inch [4.54 x 3.42]  2.8mm",
    "CCD 1/3inch [4.8 x 3.6]  3mm",
    "CCD 1/2.7inch [5.37 x 4.04]  3.4mm",
    "CCD 1/2.5inch [5.76 x 4.29]  3.6mm",
    "CCD 1/2.3inch [6.17 x 4.55]  3.8mm",
    "CCD 1/2inch [6.4 x 4.8]  4mm",
    "CCD 1/1.8inch [7.18 x 5.32]  4.5mm",
    "CCD 1/1.7inch [7.6 x 5.7]  4.8mm",
    "CCD 1/1.6inch [8.08 x 6.01]  5mm",
    "CCD 2/3inch [8.8 x 6.6]  5.5mm",
    "CCD 1/1.2inch [10.67 x 8]  6.7mm",
    "CCD Nikon 1/CX [13.2 x 8.8]  7.9mm",
    "CCD 1inch [12.8 x 9.6]  8mm",
    "CCD Four Thirds [17.3 x 13]  10.8mm",
    "CCD 1.5inch [18.7 x 14]  11.7mm",
    "CCD Foveon [20.7 x 13.8]  12.4mm",
    "CCD APS-C [Canon] [22.2 x 14.8]  13.3mm",
    "CCD APS-C [23.6 x 15.7]  14.2mm",
    "CCD APS-H [27.9 x 18.6]  16.8mm",
    "CCD 35mm [24 x 36]  21.6mm",
    "CCD Leica S [45 x 30]  27mm",
    "CCD Pentax 645D [44 x 33]  27.5mm",
    "CCD Kodak KAF [49 x 36.8]  30.6mm",
    "Mikrofilm [1.0 x 1.0] 0.7mm",
    "Super-8-Film [4.2 x 5.7] 3.55mm",
    "16 mm-Kinofilm [7.5 x 10.3] 6.35mm",
    "35 mm-Kinofilm [16 x 22]  13.6mm",
    "70 mm-Kinofilm [23 x 53] 28.85mm",
    "Minox-Film [8 x 11] 6.8mm",
    "Pocket-Film [13 x 17] 10.7mm",
    "Kleinbildfilm [18 x 24]  15.0mm",
    "Kleinbildfilm [24 x 36]  21.65mm",
    "Foto-Mittelformat [45 x 60]  37.5mm",
    "Foto-Mittelformat [60 x 60]  42.45mm",
    "Foto-Mittelformat [60 x 70]  46.1mm",
    "Foto-Mittelformat [60 x 80]  50.0mm",
    "Foto-Großformat [90 x 120]  75.0mm",
    "Foto-Großformat [180 x 240]  150mm",
    "Fernsehformat 1/6inch [1.6 x 2.1]  1.35mm",
    "Fernsehformat 1/5inch [1.9 x 2.6]  1.6mm",
    "Fernsehformat 1/4inch [2.4 x 3.2]  2.0mm",
    "Fernsehformat 1/3inch [3.6 x 4.8]  3.0mm",
    "Fernsehformat 1/2inch [4.8 x 6.4]  4.0mm",
    "Fernsehformat 2/3inch [6.6 x 8.8]  5.5mm",
    "Fernsehformat 1inch [9.6 x 12.8]  8.0mm",
    "Fernsehformat 1-1/4inch [12.9 x 17.1]  10.7mm"};

}  // namespace

std::string_view ImageHeightPresetText(int entry) {
    if (entry < 1 || entry > kImageHeightPresetCount) return {};
    return kPresets[static_cast<std::size_t>(entry - 1)];
}

float ImageHeightPresetHeight(int entry) {
    const std::string_view text = ImageHeightPresetText(entry);
    const std::size_t blank = text.rfind(' ');
    if (blank == std::string_view::npos) return 0.0f;
    return static_cast<float>(ValNumber(text.substr(blank + 1)));
}

}  // namespace lumarik
