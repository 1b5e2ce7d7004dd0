#include "core/chart/SampleSystems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace lumarik {
namespace {

namespace fs = std::filesystem;

constexpr SampleKind kAllKinds[] = {SampleKind::kSinglet, SampleKind::kAchromat,
                                    SampleKind::kAirSpacedAchromat, SampleKind::kTriplet,
                                    SampleKind::kCylinder};

using test::TempFolder;

SampleSystem MakeSample(SampleKind kind, std::string name) {
    SampleSystem s;
    s.kind = kind;
    s.name = std::move(name);
    s.focalLength = -25.5f;
    s.clearRadius = 11.25f;
    s.descriptionLines = {"Zeile eins", "Zeile zwei"};
    s.glasses.assign(SampleGlassCount(kind), "N-BK7");
    s.radii.assign(SampleRadiusCount(kind), 10.0f);
    s.thicknesses.assign(SampleThicknessCount(kind), 2.5f);
    return s;
}

// A sample as a row of data/samples.csv, the source the shipped files are made from.
std::string CsvRow(const SampleSystem& s) {
    std::ostringstream out;
    auto join = [&out](const auto& items, const char* separator) {
        for (std::size_t i = 0; i < items.size(); ++i) out << (i ? separator : "") << items[i];
        out << ";";
    };
    out << static_cast<int>(s.kind) << ";" << s.name << ";" << s.available << ";" << s.bestForm
        << ";" << s.focalLength << ";" << s.clearRadius << ";";
    join(s.glasses, "/");
    join(s.radii, " ");
    join(s.thicknesses, " ");
    if (s.length != 0.0f) out << s.length;
    for (std::size_t i = 0; i < 2; ++i) {
        out << ";" << (i < s.descriptionLines.size() ? s.descriptionLines[i] : "");
    }
    return out.str();
}

// The files committed under data/ read back as the rows they were made from.
TEST(ShippedSamples, FilesAndContents) {
    std::ifstream csv(std::string(LUMARIK_SOURCE_DATA_DIR) + "/samples.csv");
    std::vector<std::string> rows;
    for (std::string line; std::getline(csv, line);) {
        if (!line.empty() && line[0] != '#' && line.rfind("kind;", 0) != 0) rows.push_back(line);
    }
    const std::vector<SampleSystem> samples = ReadSampleSystems(LUMARIK_SOURCE_DATA_DIR);
    ASSERT_EQ(samples.size(), 58u);
    ASSERT_EQ(rows.size(), samples.size());
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(CsvRow(samples[i]), rows[i]);
    EXPECT_EQ(samples[0].displayName, "EPX-010 plankonvex");
    EXPECT_EQ(SampleDescription(samples[0]),
              "Plankonvexlinse N-BK7, Ø 6 mm, AR 400-700 nm\r\n"
              "Fokussieren und Kollimieren paralleler Strahlen");
}

class SampleFiles : public test::TempFolder {
protected:
    void Put(std::string_view file, std::string_view bytes) const {
        TempFolder::Put(m_dir / file, bytes);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const SampleSystem& s : ReadSampleSystems(m_dir)) names.push_back(s.name);
        return names;
    }
};

// Fields at their documented places, built byte by byte rather than by the writer, and the
// writer putting them back there.
TEST_F(SampleFiles, RecordLayout) {
    auto putFloat = [](std::string& r, std::size_t at, float v) { std::memcpy(&r[at], &v, 4); };
    for (const SampleKind kind : kAllKinds) {
        std::string record(SampleRecordLength(kind), ' ');
        record.replace(0, 29, "  ACK-100 Achromat F = 100 mm");
        record.replace(40, 2, "\x01\x00", 2);  // no longer available
        putFloat(record, 42, 100.0f);
        putFloat(record, 46, 11.25f);
        record.replace(50, 19, "Gekittet, \xD8 25 mm \x80");
        record.replace(100, 50, 50, '\0');
        const bool singlet = kind == SampleKind::kSinglet;
        if (singlet) record.replace(150, 2, "\x01\x00", 2);  // best form
        const std::size_t glassAt = singlet ? 152 : 150;
        record.replace(glassAt, 4, "sf56");
        const std::size_t numbersAt = glassAt + 8 * SampleGlassCount(kind);
        const std::size_t count = SampleRadiusCount(kind) + SampleThicknessCount(kind) +
                                  (kind == SampleKind::kCylinder ? 1 : 0);
        const std::size_t ends[] = {172, 186, 194, 218, 174};  // behind the last number
        EXPECT_EQ(numbersAt + 4 * count, ends[static_cast<int>(kind) - 1]);
        for (std::size_t i = 0; i < count; ++i) {
            putFloat(record, numbersAt + 4 * i, static_cast<float>(i + 1));
        }

        SampleSystem s;
        ASSERT_TRUE(DecodeSampleRecord(kind, record, s)) << static_cast<int>(kind);
        EXPECT_EQ(s.name, "ACK-100 Achromat F = 100 mm");
        EXPECT_EQ(s.displayName, "ACK-100 Achromat ... OBSOLET");
        EXPECT_TRUE(s.focalLength == 100.0f && s.clearRadius == 11.25f);
        EXPECT_EQ(s.descriptionLines, std::vector<std::string>{"Gekittet, Ø 25 mm €"});
        EXPECT_EQ(s.bestForm, singlet);
        EXPECT_EQ(s.glasses.at(0), "SF56A");
        ASSERT_EQ(s.radii.size(), SampleRadiusCount(kind));
        ASSERT_EQ(s.thicknesses.size(), SampleThicknessCount(kind));
        EXPECT_EQ(s.radii.front(), 1.0f);
        EXPECT_EQ(s.thicknesses.back(), static_cast<float>(s.radii.size() + s.thicknesses.size()));
        EXPECT_EQ(s.length, kind == SampleKind::kCylinder ? static_cast<float>(count) : 0.0f);
        // Written back, the fields that were stored as the writer stores them come out alike.
        const std::string written = EncodeSampleRecord(s);
        EXPECT_EQ(written.substr(40, 60), record.substr(40, 60));
        EXPECT_EQ(written.substr(150, 2), singlet ? record.substr(150, 2) : "SF");
        EXPECT_EQ(written.substr(numbersAt, 4 * count), record.substr(numbersAt, 4 * count));
        EXPECT_FALSE(DecodeSampleRecord(kind, record.substr(1), s));
    }
}

// Short, truncated, missing or damaged files give fewer samples, never a crash. Each kind in
// the index takes the next record of its own file; kind 6 and unknown kinds take none.
TEST_F(SampleFiles, DamagedFilesGiveFewerSamples) {
    const std::vector<SampleSystem> samples = {
        MakeSample(SampleKind::kSinglet, "L1 a"), MakeSample(SampleKind::kAchromat, "L2 a"),
        MakeSample(SampleKind::kSinglet, "L1 b"), MakeSample(SampleKind::kCylinder, "C1 a")};
    const std::vector<SampleFile> files = EncodeSampleFiles(samples);
    const auto& index = files[0].bytes;
    const auto& singlets = files[1].bytes;
    const auto& cylinders = files[5].bytes;
    auto withFloat = [&](const char* file, std::string bytes, std::size_t at, float value) {
        std::memcpy(&bytes[at], &value, 4);
        Put(file, bytes);
    };
    std::string reordered;
    for (const int kind : {5, 6, 0, -1, 7, 32767, -32768, 1, 2, 1, 6}) {
        reordered += EncodeSampleIndexRecord(kind, 0);
    }
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // clang-format off
    const struct { const char* what; std::function<void()> damage; std::vector<std::string> names; }
    cases[] = {
        {"intact", [] {}, {"L1 a", "L2 a", "L1 b", "C1 a"}},
        {"no index", [&] { fs::remove(m_dir / "SH_SEQ.dat"); }, {}},
        {"index cut in a record", [&] { Put("SH_SEQ.dat", index.substr(0, 23)); },
         {"L1 a", "L2 a", "L1 b"}},
        {"index reordered, with other kinds", [&] { Put("SH_SEQ.dat", reordered); },
         {"C1 a", "L1 a", "L2 a", "L1 b"}},
        {"no achromat file", [&] { fs::remove(m_dir / "SH_L2.dat"); }, {"L1 a", "L1 b", "C1 a"}},
        {"singlet file is a folder",
         [&] { fs::remove(m_dir / "SH_L1.dat"); fs::create_directory(m_dir / "SH_L1.dat"); },
         {"L2 a", "C1 a"}},
        {"singlet file cut in its second record",
         [&] { Put("SH_L1.dat", singlets.substr(0, 277)); },
         {"L1 a", "L2 a", "C1 a"}},
        {"cylinder file one byte short", [&] { Put("SH_C1.dat", cylinders.substr(0, 198)); },
         {"L1 a", "L2 a", "L1 b"}},
        {"focal length NaN", [&] { withFloat("SH_L1.dat", singlets, 42, nan); },
         {"L2 a", "L1 b", "C1 a"}},
        {"infinite radius", [&] { withFloat("SH_C1.dat", cylinders, 158, inf); },
         {"L1 a", "L2 a", "L1 b"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        fs::remove_all(m_dir / "SH_L1.dat");  // the writer cannot replace a case's folder
        WriteSampleSystems(m_dir, samples);
        c.damage();
        EXPECT_EQ(Names(), c.names) << c.what;
    }
    EXPECT_TRUE(ReadSampleSystems(m_dir / "missing").empty());
}

TEST(SampleNames, DisplayName) {
    // clang-format off
    const struct { const char* stored; bool available; const char* display; } cases[] = {
        {"  EPX-050 plankonvex F = 50 mm  ", true, "EPX-050 plankonvex"},
        {"TRL-100 Cooke-Triplet", false, "TRL-100 Cooke-Triplet ... OBSOLET"},
        {"X F = 1 F = 2", true, "X"}, {"F = 20 mm", false, " ... OBSOLET"},
        {"X F=20", true, "X F=20"}, {"X f = 20", true, "X f = 20"}, {"", true, ""}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(SampleDisplayName(c.stored, c.available), c.display) << c.stored;
    }
}

// The writer refuses what the fixed fields cannot hold instead of cutting it silently.
TEST(SampleWriter, RefusesWhatDoesNotFit) {
    using Change = std::function<void(SampleSystem&)>;
    // clang-format off
    const std::pair<const char*, Change> cases[] = {
        {"name of 41", [](SampleSystem& s) { s.name = std::string(41, 'x'); }},
        {"line of 51", [](SampleSystem& s) { s.descriptionLines[1] = std::string(51, 'x'); }},
        {"three lines", [](SampleSystem& s) { s.descriptionLines.push_back("x"); }},
        {"glass of 9", [](SampleSystem& s) { s.glasses[0] = "N-BK7-XYZ"; }},
        {"not in Windows-1252", [](SampleSystem& s) { s.name = "f = ∞"; }},
        {"control character", [](SampleSystem& s) { s.descriptionLines[0] = "a\tb"; }},
        {"C1 control", [](SampleSystem& s) { s.name = "a\xC2\x81"; }},
        {"invalid UTF-8", [](SampleSystem& s) { s.name = "\xFF"; }},
        {"second glass", [](SampleSystem& s) { s.glasses.push_back("F2"); }},
        {"third radius", [](SampleSystem& s) { s.radii.push_back(1.0f); }},
        {"length of a singlet", [](SampleSystem& s) { s.length = 10.0f; }},
        {"infinite focal length", [](SampleSystem& s) { s.focalLength = HUGE_VALF; }},
        {"unknown kind", [](SampleSystem& s) { s.kind = static_cast<SampleKind>(6); }},
    };
    // clang-format on
    SampleSystem fitting = MakeSample(SampleKind::kSinglet, std::string(40, 'x'));
    fitting.descriptionLines = {std::string(50, 'y'), "Öffnung\u00A0Ø 25 mm – „gut“"};
    fitting.glasses = {"N-LAK22X"};
    EXPECT_EQ(EncodeSampleRecord(fitting).size(), 177u);
    SampleSystem sparse = fitting;  // missing numbers are written as 0
    sparse.radii.clear();
    sparse.thicknesses.clear();
    ASSERT_TRUE(DecodeSampleRecord(SampleKind::kSinglet, EncodeSampleRecord(sparse), sparse));
    EXPECT_TRUE(sparse.radii == std::vector<float>(2, 0.0f) && sparse.thicknesses[0] == 0.0f);
    for (const auto& [what, change] : cases) {
        SampleSystem s = fitting;
        change(s);
        EXPECT_THROW(EncodeSampleRecord(s), std::invalid_argument) << what;
    }
}

}  // namespace
}  // namespace lumarik
