// The sample systems the program ships: catalogue lenses (singlets, achromats, triplets,
// cylinder lenses) kept in six random-access files beside the program, their reader, and the
// writer that tools/make_samples uses to produce them from data/samples.csv.
//
// Files and record lengths (bytes). The index lists the samples in order; for every index record
// of kind 1..5 the next record of that kind's file holds the sample:
//
//   SH_SEQ.dat   6   index            SH_L2a.dat  235  kind 3, air-spaced achromats
//   SH_L1.dat  177   kind 1, singlets SH_L3.dat   235  kind 4, triplets
//   SH_L2.dat  205   kind 2, achromats SH_C1.dat  199  kind 5, cylinder lenses
//
// Numbers are little endian: int16 (2 bytes), int32 (4), float32 (IEEE single, 4). Texts are
// Windows-1252, padded with blanks to their field's length (NUL bytes read as blanks).
//
// Index record:   0 int16 kind: 1..5 a sample, 6 a placeholder that is skipped, others ignored
//                 2 int32 record number of the sample in its kind's file (1-based; written for
//                   whoever reads the files by hand, the reader counts records itself)
//
// Every data record starts with
//     0 char[40] name; a display name is cut before "F =" ("EPX-050 plankonvex F = 50 mm")
//    40 int16    0 = available, otherwise no longer available
//    42 float32  focal length f' (mm)
//    46 float32  clear radius (mm)
//    50 char[50] description, line 1
//   100 char[50] description, line 2
// followed by the lens data of its kind (glass names char[8]; radii, thicknesses and lengths
// float32 in mm; the rest of the record is reserved and zero):
//   kind 1  150 int16 form (1 = best form), 152 glass, 160 R1, 164 R2, 168 centre thickness
//   kind 2  150 glass 1, 158 glass 2, 166 R1, 170 R2, 174 R3, 178 d1, 182 d2
//   kind 3  150 glass 1, 158 glass 2, 166 R1 .. 178 R4, 182 d1, 186 air gap, 190 d2
//   kind 4  150 glass 1, 158 glass 2, 166 glass 3, 174 R1 .. 194 R6, 198 d1 .. 214 d5
//           (element, gap, element, gap, element; a cemented triplet has gaps of 0 and
//           R2 = R3, R4 = R5)
//   kind 5  150 glass, 158 R1, 162 R2, 166 centre thickness, 170 length along the cylinder axis
// Radii are signed in the direction of light, centre of curvature behind the surface positive;
// 0 stands for a plane surface. For a cylinder lens they are the radii of the curved section.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumarik {

enum class SampleKind : int {
    kSinglet = 1,
    kAchromat = 2,
    kAirSpacedAchromat = 3,
    kTriplet = 4,
    kCylinder = 5,
};

// Index records of this kind are skipped without counting.
constexpr int kSamplePlaceholderKind = 6;

constexpr std::string_view kSampleIndexFile = "SH_SEQ.dat";
constexpr std::size_t kSampleIndexRecordLength = 6;

struct SampleSystem {
    SampleKind kind = SampleKind::kSinglet;
    std::string name;  // as stored, trimmed
    bool available = true;
    float focalLength = 0.0f;  // mm
    float clearRadius = 0.0f;  // mm
    // The stored description lines, trailing blank ones left out.
    std::vector<std::string> descriptionLines;
    bool bestForm = false;  // singlets only
    // Trimmed; the old name "SF56" is read as "SF56A".
    std::vector<std::string> glasses;
    std::vector<float> radii;        // mm
    std::vector<float> thicknesses;  // mm, in order along the axis, air gaps included
    float length = 0.0f;             // mm, cylinder lenses only

    // Set by the reader: the name cut before "F =" and, for a lens no longer available,
    // followed by " ... OBSOLET"; and the family the kind stands for.
    std::string displayName;
    std::string familyName;
};

std::string_view SampleFileName(SampleKind kind);
std::size_t SampleRecordLength(SampleKind kind);
// "Einzellinse" / "Einzellinse bester Form", "Achromat", "Achromat [Luftspalt]", "Triplet",
// "Zylinder".
std::string_view SampleFamilyName(SampleKind kind, bool bestForm);
// How many glasses, radii and thicknesses a record of the kind holds.
std::size_t SampleGlassCount(SampleKind kind);
std::size_t SampleRadiusCount(SampleKind kind);
std::size_t SampleThicknessCount(SampleKind kind);

std::string SampleDisplayName(std::string_view storedName, bool available);
// The description as the lens table shows it: the lines joined by CR LF.
std::string SampleDescription(const SampleSystem& sample);

// What the chart tells of a chosen sample: family and name, f', F-number and NA = 1/(2F) from
// the clear radius, the glasses, and that the catalogue gives no field. Numbers with
// `decimalSep`. The NA is also where the chart marks the sample (nothing without a focal
// length or clear radius).
struct SampleData {
    std::string text;
    std::optional<double> na;
};
SampleData DescribeSample(const SampleSystem& sample, char decimalSep);

// The samples in the order of the index in `directory`. Missing or short files give fewer
// samples, never an error: an index record whose kind's file has no further complete record
// adds none, and neither does a record holding a number that is not finite.
std::vector<SampleSystem> ReadSampleSystems(const std::filesystem::path& directory);

// Decodes one data record of the kind (exactly SampleRecordLength(kind) bytes); false when it
// has another length or holds a number that is not finite.
bool DecodeSampleRecord(SampleKind kind, std::string_view record, SampleSystem& sample);

// The record of a sample. Throws std::invalid_argument when a text does not fit its field or
// has a character Windows-1252 cannot hold, when there are more glasses, radii or thicknesses
// than the kind has room for (missing ones are written as blank and 0), or when a number is
// not finite.
std::string EncodeSampleRecord(const SampleSystem& sample);
std::string EncodeSampleIndexRecord(int kind, std::int32_t recordNumber);

struct SampleFile {
    std::string name;
    std::string bytes;
};

// The contents of the six files for the samples, the index first. Throws
// std::invalid_argument as EncodeSampleRecord.
std::vector<SampleFile> EncodeSampleFiles(const std::vector<SampleSystem>& samples);

// Writes EncodeSampleFiles into `directory`, replacing what is there. Throws
// std::invalid_argument as EncodeSampleRecord, std::runtime_error when a file cannot be
// written.
void WriteSampleSystems(const std::filesystem::path& directory,
                        const std::vector<SampleSystem>& samples);

}  // namespace lumarik
