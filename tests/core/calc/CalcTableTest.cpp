// The calculator's numbers against the window's: the model's recorded scenes (tests/data/model)
// give the values; the rows the calculator lists are exactly those the window's listing shows as
// numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "core/calc/CalcMain.h"
#include "core/model/ModelTexts.h"
#include "support/DataTable.h"

namespace lumarik {
namespace {

constexpr double kRadian = 180.0 / 3.14159265358979323846;

std::map<std::string, double> Values(const LumarikDocument& doc) {
    std::map<std::string, double> values;
    for (const CalcRow& row : CalcTable(doc)) values[std::string(row.key)] = row.number;
    return values;
}

// "  values: f=100 a=-200 ..." of a recording as name -> number.
std::map<std::string, double> RecordedLine(const std::string& file, const std::string& tag) {
    std::ifstream in(std::string(LUMARIK_TEST_DATA_DIR) + "/" + file);
    std::map<std::string, double> values;
    for (std::string line; std::getline(in, line);) {
        const std::size_t at = line.find(tag);
        if (at == std::string::npos) continue;
        std::istringstream items(line.substr(at + tag.size()));
        for (std::string item; items >> item;) {
            const std::size_t eq = item.find('=');
            if (eq != std::string::npos)
                values[item.substr(0, eq)] = std::stod(item.substr(eq + 1));
        }
    }
    return values;
}

bool Near(double a, double b) {
    return std::fabs(a - b) <= 2e-6 * std::max(1.0, std::fabs(b));
}

// A model scene as calculator words; nothing for a step the calculator has no word for.
std::optional<std::string> SceneWords(const test::DataRow& scene) {
    const char* const parameters[] = {"f", "a", "a_", "m", "t", "u", "w", "u_", "w_"};
    const char* const apertures[] = {"r", "F", "NA", "NA_"};
    std::ostringstream words;
    for (std::size_t i = 2; i < scene.size(); ++i) {
        std::istringstream step(scene[i]);
        std::string verb;
        step >> verb;
        if (verb == "optics") {
            std::string first, second, third;
            step >> first >> second >> third;
            if (first == "Mirror") words << " mirror";
            if (!second.empty()) words << " n=" << first << " n_=" << second << " d=" << third;
        } else if (verb == "choose" || verb == "aperture") {
            for (auto [n, v] : test::NumberedValues(scene[i].substr(verb.size()))) {
                if (verb == "aperture") {
                    if (n >= 4) return std::nullopt;
                    words << ' ' << apertures[n] << '=' << v;
                } else if (v == kInfinity) {
                    words << " a=inf";
                } else {
                    if (n == kParObjectDist && v > 0) words << " virtual";
                    const bool angle = n == kParObjectAngle || n == kParImageAngle;
                    words << ' ' << parameters[n] << '=' << (angle ? v * kRadian : v);
                }
            }
        } else if (verb != "separators" && verb != "infinity" && verb != "solve" &&
                   verb != "recalc" && verb != "state" && verb != "selcycle") {
            return std::nullopt;
        }
    }
    return words.str();
}

// Counts the listing's rows that show a number, as the window's result list has them.
int NumbersListed(const LumarikDocument& doc) {
    int count = 0;
    const ListingRows listing = doc.Model().Listing();
    for (const std::string& value : listing.values) {
        const std::size_t i = value.find_first_not_of(' ');
        const std::size_t d = i != std::string::npos && value[i] == '-' ? i + 1 : i;
        count += d != std::string::npos && d < value.size() &&
                 std::isdigit(static_cast<unsigned char>(value[d]));
    }
    const DepthOfFieldView dof = doc.Model().DepthOfFieldRows();
    for (const std::string& value : dof.values) {
        count += value.find_first_of("0123456789") != std::string::npos;
    }
    return count;
}

TEST(CalcTable, GivesTheValuesOfTheModelsRecordedScenes) {
    const std::map<std::string, std::string> recorded = {
        {"f", "f"},   {"a", "a"},    {"a_", "a_"},    {"m", "m"},  {"t", "t"},
        {"u", "u"},   {"u_", "u_"},  {"f_obj", "fo"}, {"r", "k0"}, {"F", "k1"},
        {"NA", "k2"}, {"NA_", "k3"}, {"airy", "k4"},  {"K", "Ne"}, {"mtf", "MTF"}};
    int compared = 0;
    for (const test::DataRow& scene : test::ReadDataTable("model_scenes.tsv")) {
        const std::optional<std::string> words = SceneWords(scene);
        if (!words) continue;
        SCOPED_TRACE(scene[1] + ":" + *words);
        LumarikDocument doc;
        const CalcOutcome outcome = CalcFromWords(doc, SplitWords(*words));
        const std::string file = "model/" + scene[1] + ".txt";
        std::map<std::string, double> want = RecordedLine(file, "values: ");
        if (want.empty()) continue;  // a scene that records no values
        for (const auto& [k, v] : RecordedLine(file, "aperture: ")) want[k] = v;
        std::ifstream in(std::string(LUMARIK_TEST_DATA_DIR) + "/" + file);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        const bool solved = text.find("flags: no solution 0") != std::string::npos;
        EXPECT_EQ(outcome.status == CalcStatus::kSolved, solved) << outcome.message;
        if (solved) {
            EXPECT_EQ(static_cast<int>(CalcTable(doc).size()), NumbersListed(doc));
        }
        for (const auto& [key, value] : Values(doc)) {
            if (key == "w" || key == "w_") {
                EXPECT_TRUE(Near(value / kRadian, want.at(key))) << key << ' ' << value;
            } else if (recorded.count(key) > 0) {
                // The listing shows the aperture values of a mirror without their sign.
                const std::string& name = recorded.at(key);
                const bool magnitude = name[0] == 'k' || name == "Ne" || name == "MTF";
                const double expected = magnitude ? std::fabs(want.at(name)) : want.at(name);
                EXPECT_TRUE(Near(value, expected)) << key << ' ' << value;
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 300);
}

}  // namespace
}  // namespace lumarik
