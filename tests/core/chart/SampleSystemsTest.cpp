#include "core/chart/SampleSystems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/DataTable.h"
#include "support/TempFolder.h"

namespace lumarik {
namespace {

namespace fs = std::filesystem;

constexpr SampleKind kAllKinds[] = {SampleKind::kSinglet, SampleKind::kAchromat,
                                    SampleKind::kAirSpacedAchromat, SampleKind::kTriplet,
                                    SampleKind::kCylinder};

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

using SampleFiles = test::TempFolder;

// A record of each kind reads back as written (the layout itself is pinned by the hand-laid
// singlet and the shipped files); a record one byte short is refused.
TEST(SampleRecord, EachKindReadsBackAsWritten) {
    for (const SampleKind kind : kAllKinds) {
        SampleSystem s = MakeSample(kind, "ACK-100 Achromat F = 100 mm");
        s.available = false;
        s.bestForm = kind == SampleKind::kSinglet;
        s.descriptionLines = {"Gekittet, Ø 25 mm €"};
        s.glasses[0] = "SF56A";
        float number = 0.0f;
        for (float& r : s.radii) r = ++number;
        for (float& t : s.thicknesses) t = ++number;
        if (kind == SampleKind::kCylinder) s.length = ++number;
        std::string record = EncodeSampleRecord(s);
        SampleSystem back;
        ASSERT_TRUE(DecodeSampleRecord(kind, record, back));
        EXPECT_EQ(CsvRow(back), CsvRow(s));
        EXPECT_EQ(back.displayName, "ACK-100 Achromat ... OBSOLET");
        EXPECT_FALSE(DecodeSampleRecord(kind, record.substr(1), back));
        // Older files: a lower-case "sf56", blanks around the name and behind the numbers.
        record.replace(record.find("SF56A"), 5, "sf56 ");
        record.replace(0, 29, "  ACK-100 Achromat F = 100 mm");
        const std::size_t end = record.find_last_not_of('\0') + 1;
        record.replace(end, record.size() - end, record.size() - end, ' ');
        ASSERT_TRUE(DecodeSampleRecord(kind, record, back));
        EXPECT_EQ(CsvRow(back), CsvRow(s));
    }
}

// A singlet record laid out by hand, field by field, as the shipped files hold it: name (40
// blanks-padded bytes), status int16 (1: no longer available), f' and clear radius (float, little
// endian), two description lines of 50, best form int16, one glass of 8, two radii, one
// thickness; 177 bytes in all. The reader takes it apart without help from the writer.
TEST(SampleRecord, HandLaidSingletReads) {
    std::string record(177, '\0');
    const auto text = [&](std::size_t at, std::size_t length, std::string_view value) {
        record.replace(at, length, std::string(value) + std::string(length - value.size(), ' '));
    };
    const auto number = [&](std::size_t at, float value) { std::memcpy(&record[at], &value, 4); };
    text(0, 40, "EPX-020 bikonvex F = 20 mm");
    record[40] = 1;
    number(42, 20.0f);
    number(46, 4.5f);
    text(50, 50, "Bikonvexlinse");
    text(100, 50, "");
    record[150] = 1;
    text(152, 8, "sf56");
    number(160, 20.5f);
    number(164, -20.5f);
    number(168, 3.25f);
    SampleSystem s;
    ASSERT_TRUE(DecodeSampleRecord(SampleKind::kSinglet, record, s));
    EXPECT_EQ(s.name, "EPX-020 bikonvex F = 20 mm");
    EXPECT_EQ(s.displayName, "EPX-020 bikonvex ... OBSOLET");
    EXPECT_FALSE(s.available);
    EXPECT_TRUE(s.bestForm);
    EXPECT_EQ(s.focalLength, 20.0f);
    EXPECT_EQ(s.clearRadius, 4.5f);
    EXPECT_EQ(s.descriptionLines, std::vector<std::string>{"Bikonvexlinse"});
    EXPECT_EQ(s.glasses, std::vector<std::string>{"SF56A"});
    EXPECT_EQ(s.radii, (std::vector<float>{20.5f, -20.5f}));
    EXPECT_EQ(s.thicknesses, std::vector<float>{3.25f});
    // An index record: the kind as int16, the record number as int32, little endian.
    EXPECT_EQ(EncodeSampleIndexRecord(2, 0x01020304), std::string("\x02\x00\x04\x03\x02\x01", 6));
}

// Short, truncated, missing or damaged files give fewer samples, never a crash. Each kind in
// the index takes the next record of its own file; kind 6 and unknown kinds take none.
TEST_F(SampleFiles, DamagedFilesGiveFewerSamples) {
    const std::vector<SampleSystem> samples = {
        MakeSample(SampleKind::kSinglet, "L1 a"), MakeSample(SampleKind::kAchromat, "L2 a"),
        MakeSample(SampleKind::kSinglet, "L1 b"), MakeSample(SampleKind::kCylinder, "C1 a")};
    const std::vector<test::DataRow> cases = test::ReadDataTable("chart/damaged_samples.tsv");
    ASSERT_EQ(cases.size(), 10u);
    for (const test::DataRow& c : cases) {
        fs::remove_all(m_dir / "SH_L1.dat");  // the writer cannot replace a case's folder
        WriteSampleSystems(m_dir, samples);
        const fs::path file = m_dir / c.at(1);
        std::string bytes = Contents(file);
        std::istringstream argument(c.at(3));
        if (c[2] == "remove" || c[2] == "folder") fs::remove(file);
        if (c[2] == "folder") fs::create_directory(file);
        if (c[2] == "cut") bytes.resize(std::stoul(c[3]));
        if (c[2] == "float") {
            std::size_t at = 0;
            std::string value;
            argument >> at >> value;
            const float f = std::stof(value);
            std::memcpy(&bytes[at], &f, 4);
        }
        if (c[2] == "index") bytes.clear();
        for (int kind = 0; c[2] == "index" && argument >> kind;) {
            bytes += EncodeSampleIndexRecord(kind, 0);
        }
        if (c[2] == "cut" || c[2] == "float" || c[2] == "index") Put(file, bytes);
        std::string names;
        for (const SampleSystem& s : ReadSampleSystems(m_dir)) names += s.name + ";";
        EXPECT_EQ(names, c.at(4)) << c[0];
    }
    EXPECT_TRUE(ReadSampleSystems(m_dir / "missing").empty());
}

TEST(SampleNames, DisplayName) {
    const std::vector<test::DataRow> cases = test::ReadDataTable("chart/display_names.tsv");
    ASSERT_EQ(cases.size(), 7u);
    for (const test::DataRow& c : cases) {
        EXPECT_EQ(SampleDisplayName(c.at(0), c.at(1) == "1"), c.at(2)) << c[0];
    }
}

// The writer refuses what the fixed fields cannot hold instead of cutting it silently.
// f' = 50 mm with a clear radius of 12.5 mm works at F/2, NA = 1/(2F) = 0.25.
TEST(SampleNames, DescriptionForTheChart) {
    SampleSystem sample;
    sample.familyName = "Achromat";
    sample.displayName = "ACH-050";
    sample.focalLength = 50.0f;
    sample.clearRadius = 12.5f;
    sample.glasses = {"N-BK7", "SF5"};
    const SampleData data = DescribeSample(sample, ',');
    EXPECT_EQ(data.text,
              "Achromat: ACH-050\nf' = 50,0mm   F/2,0   NA 0,25\nGlas: N-BK7, SF5\n"
              "Feld: im Katalog nicht angegeben");
    ASSERT_TRUE(data.na.has_value());
    EXPECT_DOUBLE_EQ(*data.na, 0.25);
    sample.clearRadius = 0.0f;
    EXPECT_FALSE(DescribeSample(sample, ',').na.has_value());
}

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
