#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "core/format/NumberInput.h"
#include "core/model/ModelTestSupport.h"
#include "core/model/Options.h"
#include "core/settings/LumarikSettings.h"
#include "core/settings/SystemFile.h"
#include "support/DataTable.h"

namespace lumarik {
namespace {

using testing::HasSubstr;

CVarType Rec(int number, float value, float low, float high, bool limits = true) {
    return CVarType{static_cast<std::int16_t>(number), value, true, low, high, limits, limits};
}

// Everything a load sets, as " name=value " tokens that a case picks from.
std::string Summary(const LumarikCode& m, const Options& o) {
    const auto numbers = [](const VarCollection& c) {
        std::string s;
        for (const int n : c.Numbers()) s += (s.empty() ? "" : ",") + std::to_string(n);
        return s;
    };
    const EffectiveConstants& c = m.Constants();
    std::ostringstream s;
    s << " pct=" << m.SliderDefaultPercent() << " gen=" << numbers(m.Selected())
      << " ap=" << numbers(m.Apertures()) << " inf=" << m.ObjectAtInfinity()
      << " wl=" << NumberText(c.StoredWavelength()) << " d=" << NumberText(c.StoredD())
      << " n=" << NumberText(c.StoredN()) << " n'=" << NumberText(c.StoredNPrime())
      << " adv=" << c.AdvancedOptions() << " mir=" << c.MirrorMode() << " hide=" << o.hideRemConj
      << " pts=" << o.drawPoints << " pos=" << o.positiveObj << " ray=" << o.drawHaltingRay
      << " extra=" << o.showExtra << " preset=" << o.imageHeightPreset << "/"
      << o.imageHeightPresetIndex << " cofc=" << m.DepthOfField().CofCType() << "/"
      << NumberText(m.DepthOfField().CofCCustomVal()) << " ";
    return s.str();
}

// Loads the way the window does; a load never reports a diagnostic. True when every record
// the count keys promise was taken.
bool Load(const std::string& file, LumarikCode& model, Options& options) {
    test::RecordingDiagnostics diagnostics;
    model.SetDiagnostics(&diagnostics);
    ClearForLoad(model);
    const INICode ini(IniDocument::Parse(file));
    LoadSliderDefaultPercent(ini, model);
    const bool complete = LoadLensSystem(ini, model, options);
    model.SetDiagnostics(nullptr);
    EXPECT_THAT(diagnostics.reports, testing::IsEmpty());
    return complete;
}

class LoadCases : public testing::TestWithParam<test::DataRow> {};

// The cases of tests/data/settings_load_cases.tsv, each loaded over the same state.
TEST_P(LoadCases, TakeValidValuesAndSkipDamagedOnes) {
    std::string file = GetParam().at(0);
    for (std::size_t at; (at = file.find("\\n")) != std::string::npos;) file.replace(at, 2, "\n");
    LumarikCode model;
    model.Selected().Add(Rec(kParObjectDist, kInfinity, 0, 0, false));
    model.SetObjectAtInfinity(true);
    model.Constants().SetN(1.2f);
    model.Constants().SetNPrime(1.4f);
    model.Constants().SetD(3);
    model.Constants().SetWavelength(700);
    model.DepthOfField().SetCofCType(1);
    model.DepthOfField().SetCofCCustomVal(0.5f);
    Options options{false, false, false, false, false, true, 3};
    const bool complete = Load(file, model, options);
    const std::string summary = Summary(model, options) + "complete=" + (complete ? "1 " : "0 ");
    std::istringstream tokens(GetParam().at(1));
    for (std::string token; tokens >> token;) {
        EXPECT_THAT(summary, HasSubstr(" " + token + " ")) << file;
    }
}

const std::vector<test::DataRow> kLoadCases = test::ReadDataTable("settings_load_cases.tsv");
INSTANTIATE_TEST_SUITE_P(Settings, LoadCases, testing::ValuesIn(kLoadCases));

TEST(LumarikSettings, UnitTypeIsZeroOrOne) {
    EXPECT_EQ(kLoadCases.size(), 36u);  // the table was read whole
    const auto read = [](const std::string& text) {
        return ReadUnitType(INICode(IniDocument::Parse("[Options]\nUnitType=" + text)));
    };
    EXPECT_EQ(read("1"), 1);
    for (const char* text : {"0", "2", "-1", ""}) EXPECT_EQ(read(text), 0) << text;
    EXPECT_EQ(UnitTypeEntry(7).key + "=" + UnitTypeEntry(7).value, "UnitType=0");
}

// A mirror with its object at infinity, advanced values, every option and a preset; written and
// loaded back, then written again: the record texts carry every field to the last bit.
TEST(LumarikSettings, SavedStateLoadsBackUnchanged) {
    LumarikCode saved, loaded;
    saved.Selected().Add(Rec(kParFocal, -123.456f, -150.2f, -100.1f));
    saved.Selected().Add(Rec(kParObjectDist, kInfinity, 0, 0, false));
    saved.SetObjectAtInfinity(true);
    saved.Apertures().Add(Rec(kApNA, 0.1234567f, 0.1f, 0.2f));
    EffectiveConstants& c = saved.Constants();
    c.SetMirrorMode(true);
    c.SetAdvancedOptions(true);
    c.SetN(1.33f);
    c.SetNPrime(-1.33f);
    c.SetWavelength(632.8f);
    saved.DepthOfField().SetCofCType(1);
    saved.DepthOfField().SetCofCCustomVal(0.0125f);
    Options savedOptions{true, true, true, true, true, true, 11}, loadedOptions;

    const std::string written = SystemFileText(LensSettingsEntries(saved, savedOptions));
    Load(written, loaded, loadedOptions);
    EXPECT_EQ(Summary(loaded, loadedOptions), Summary(saved, savedOptions));
    EXPECT_EQ(SystemFileText(LensSettingsEntries(loaded, loadedOptions)), written);
}

}  // namespace
}  // namespace lumarik
