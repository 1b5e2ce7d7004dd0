// Writes the sample catalogue files (SH_SEQ.dat, SH_L1.dat, ...) from their readable source,
// data/samples.csv, whose header explains the columns. The files are committed under data/ and
// shipped with the program; run the tool after editing the CSV:
//
//   lumarik_make_samples data/samples.csv data            writes the six files
//   lumarik_make_samples --check data/samples.csv data    exit status 1 when they differ
//
// (the build offers both: the target lumarik_samples and the test sample_files_up_to_date).
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart/SampleSystems.h"
#include "core/format/NumberInput.h"
#include "core/ini/IniValues.h"

namespace lumarik {
namespace {

constexpr std::size_t kColumns = 12;

float Number(std::string_view text, std::string_view column) {
    const std::optional<double> value = ParseNumber(text, NumberSeparators{});
    if (!value) {
        throw std::invalid_argument(std::string(column) + ": \"" + std::string(text) +
                                    "\" ist keine Zahl");
    }
    return static_cast<float>(*value);
}

bool Flag(std::string_view text, std::string_view column) {
    if (text != "0" && text != "1") {
        throw std::invalid_argument(std::string(column) + ": 0 oder 1 erwartet");
    }
    return text == "1";
}

std::vector<float> Numbers(std::string_view text, std::string_view column) {
    std::vector<float> numbers;
    std::istringstream words{std::string(text)};
    for (std::string word; words >> word;) {
        numbers.push_back(Number(word, column));
    }
    return numbers;
}

SampleSystem ParseRow(const std::vector<std::string>& cells) {
    if (cells.size() != kColumns) {
        throw std::invalid_argument(std::to_string(cells.size()) + " Spalten statt " +
                                    std::to_string(kColumns));
    }
    SampleSystem sample;
    if (cells[0].size() != 1 || cells[0][0] < '1' || cells[0][0] > '5') {
        throw std::invalid_argument("kind: 1 bis 5 erwartet");
    }
    sample.kind = static_cast<SampleKind>(cells[0][0] - '0');
    sample.name = cells[1];
    sample.available = Flag(cells[2], "available");
    sample.bestForm = Flag(cells[3], "best_form");
    if (sample.bestForm && sample.kind != SampleKind::kSinglet) {
        throw std::invalid_argument("best_form nur bei Einzellinsen");
    }
    sample.focalLength = Number(cells[4], "focal_length");
    sample.clearRadius = Number(cells[5], "clear_radius");
    if (!cells[6].empty()) {
        sample.glasses = SplitText(cells[6], '/');
    }
    sample.radii = Numbers(cells[7], "radii");
    sample.thicknesses = Numbers(cells[8], "thicknesses");
    if (!cells[9].empty()) {
        sample.length = Number(cells[9], "length");
    }
    sample.descriptionLines = {cells[10], cells[11]};
    return sample;
}

std::vector<SampleSystem> ReadCsv(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error(file + " kann nicht gelesen werden");
    }
    std::vector<SampleSystem> samples;
    bool header = true;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (header) {  // the column names
            header = false;
            continue;
        }
        try {
            samples.push_back(ParseRow(SplitText(line, ';')));
            EncodeSampleRecord(samples.back());  // reports a field that does not fit
        } catch (const std::invalid_argument& e) {
            throw std::invalid_argument(file + ":" + std::to_string(lineNumber) + ": " + e.what());
        }
    }
    return samples;
}

std::string Contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int Run(const std::vector<std::string>& args) {
    const bool check = !args.empty() && args[0] == "--check";
    const std::size_t first = check ? 1 : 0;
    if (args.size() != first + 2) {
        std::cerr << "Aufruf: lumarik_make_samples [--check] samples.csv Ordner\n";
        return 2;
    }
    const std::vector<SampleSystem> samples = ReadCsv(args[first]);
    const std::string folder = args[first + 1];
    if (!check) {
        WriteSampleSystems(folder, samples);
        std::cout << samples.size() << " Beispielsysteme geschrieben nach " << folder << '\n';
        return 0;
    }
    int status = 0;
    for (const SampleFile& file : EncodeSampleFiles(samples)) {
        if (Contents(folder + "/" + file.name) != file.bytes) {
            std::cerr << folder << "/" << file.name << " passt nicht zu " << args[first]
                      << "; bitte lumarik_make_samples neu ausführen\n";
            status = 1;
        }
    }
    return status;
}

}  // namespace
}  // namespace lumarik

int main(int argc, char** argv) {
    try {
        return lumarik::Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
