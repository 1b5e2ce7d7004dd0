#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/format/NumberInput.h"
#include "core/model/ModelTestSupport.h"
#include "core/model/Options.h"
#include "core/settings/LumarikSettings.h"
#include "support/TempFolder.h"

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

class LumarikSettingsTest : public test::TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        m_file = m_dir / "Lumarik.INI";
    }
    void Put(const std::string& text) const { std::ofstream(m_file) << text << "\n"; }
    // Loads the way the window does; a load never reports a diagnostic.
    void Load(LumarikCode& model, Options& options) const {
        test::RecordingDiagnostics diagnostics;
        model.SetDiagnostics(&diagnostics);
        ClearForLoad(model);
        LoadLensSettings(INICode(m_file), model, options);
        model.SetDiagnostics(nullptr);
        EXPECT_THAT(diagnostics.reports, testing::IsEmpty());
    }
    std::filesystem::path m_file;
};

// A record list of LastValues: key "VarTypeNos" gives VarTypeVal1.., "VarTypeApNos" VarTypeApVal1..
std::string List(const std::string& countKey, int count, std::vector<std::string> records) {
    std::string text = "[LastValues]\n" + countKey + "=" + std::to_string(count);
    const std::string key = countKey.substr(0, countKey.size() - 3) + "Val";
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!records[i].empty()) text += "\n" + key + std::to_string(i + 1) + "=" + records[i];
    }
    return text;
}

const std::string kF = "0|100|True|True|110|True|90|", kA = "1|-200|True|True|-180|True|-220|";
const std::string kU = "5|10|True|False|0|False|0|", kAp = "1|4|True|True|4.4|True|3.6|";
const std::string kInf = "1|-1E+20|True|False|0|False|0|", kAdv = "[LastValues]\nAdvanced=";

// Each file is loaded over a state a recall might find: object at infinity with its record,
// n = 1.2, n' = 1.4, d = 3, λ = 700, preset 3 in force, Airy circle with custom value 0.5.
TEST_F(LumarikSettingsTest, LoadTakesValidValuesAndSkipsDamagedOnes) {
    const std::string off = " adv=0 mir=0 hide=0 pts=0 pos=0 ray=0 extra=0 ";
    const std::pair<std::string, std::string> cases[] = {
        {"", " pct=10 gen= ap= inf=0 wl=700 d=3 n=1.2 n'=1.4 preset=0/0 cofc=0/0.025" + off},
        {"[Options]\nSliderDefaultPercent=95", " pct=80 "},
        {"[Options]\nSliderDefaultPercent=5", " pct=10 "},
        {"[Options]\nMirrorMode=1", off},
        {"[Options]\nMirrorMode=WAHR", " mir=1 adv=0 hide=0 pts=0 pos=0 ray=0 extra=0 "},
        {"[Options]\nAdvOptions=wahr", " adv=1 mir=0 hide=0 pts=0 pos=0 ray=0 extra=0 "},
        {"[Options]\nHideRemConj=True", " hide=1 adv=0 mir=0 pts=0 pos=0 ray=0 extra=0 "},
        {"[Options]\nDrawPoints=True", " pts=1 adv=0 mir=0 hide=0 pos=0 ray=0 extra=0 "},
        {"[Options]\nPositiveObj=vrai", " pos=1 adv=0 mir=0 hide=0 pts=0 ray=0 extra=0 "},
        {"[Options]\nDrawHaltingRay=True", " ray=1 adv=0 mir=0 hide=0 pts=0 pos=0 extra=0 "},
        {"[Extra]\nShowExtra=True", " extra=1 adv=0 mir=0 hide=0 pts=0 pos=0 ray=0 "},
        {kAdv + "600|0|1.5|-1.5|\n[Options]\nAdvOptions=True", " n'=1.5 wl=600 adv=1 "},
        {kAdv + "600|0|1.5|-1.5|", " n'=1.5 "},  // the stored n' counts, not the effective 1
        {kAdv + "600|2.5|1.33|1.5|junk|", " wl=600 d=2.5 n=1.33 n'=1.5 "},
        {kAdv + "600|0|1.5", " wl=700 d=3 n=1.2 n'=1.4 "},
        {kAdv + "600|0|1.5| |", " wl=700 d=3 n=1.2 n'=1.4 "},
        {kAdv + "10|0|1|-3|", " wl=10 n=1 n'=3 "},
        {kAdv + "1000001|0|3.01|3.5|", " wl=546.1 n=1.2 n'=1 "},
        {kAdv + "600|1e300|1.5|1.5|", " d=3 "},
        {kAdv + "abc|x|y|z|", " wl=546.1 d=0 n=1.2 n'=1 "},
        {kAdv + "600|2|1.33|1.33|\n[Options]\nMirrorMode=True", " d=0 n'=-1.33 "},
        {kAdv + "600|0|1.5|7|\n[Options]\nMirrorMode=True", " n'=-1 "},
        {"[Options]\nMirrorMode=True", " d=0 n=1.2 n'=-1.4 "},
        {List("VarTypeNos", 1, {kInf}), " gen=1 inf=1 "},
        {List("VarTypeNos", 1, {"1|-1E+19|True|False|0|False|0|"}), " gen=1 inf=0 "},
        {List("VarTypeNos", 0, {kF, kA}), " gen= inf=0 "},
        {List("VarTypeNos", 3, {kU, kF, kA}), " gen=0,1,5 "},
        {List("VarTypeNos", 2, {"1|-1E+20|True|", kF}), " gen=0 inf=0 "},
        {List("VarTypeNos", 4,
              {"9|1|True|False|0|False|0|", "-1|1|True|False|0|False|0|",
               "x|1|True|False|0|False|0|", kU}),
         " gen=5 "},
        {List("VarTypeNos", 3, {kF, "0|50|True|False|0|False|0|", kA}), " gen=0,1 "},
        {List("VarTypeNos", 4, {kF, kA, kU, "7|-4|True|False|0|False|0|"}), " gen=0,1,5 "},
        {List("VarTypeNos", 2147483647, {kF}), " gen=0 "},
        {List("VarTypeNos", 3, {kF, "", kA}), " gen=0 "},  // a missing key ends the list
        {List("VarTypeApNos", 1, {kInf}), " ap=1 inf=0 "},
        {List("VarTypeApNos", 2, {"4|0.01|True|False|0|False|0|", kAp}), " ap=1 "},
        {List("VarTypeApNos", 2, {"2|0.1|True|False|0|False|0|", kAp}), " ap=2 "},
        {"[LastValues]\nImgHgtFixed2=wahr\nImgHgtOption2=50.6", " preset=1/51 "},
        {"[LastValues]\nImgHgtFixed2=True\nImgHgtOption2=52", " preset=0/0 "},
        {"[LastValues]\nImgHgtFixed2=True\nImgHgtOption2=1e300", " preset=0/0 "},
        {"[LastValues]\nImgHgtFixed2=False\nImgHgtOption2=12", " preset=0/0 "},
        {"[LastValues]\nImgHgtOption2=7", " preset=1/7 "},
        {"[Extra]\nCofCType=2\nCofCCustomVal=0", " cofc=2/0.025 "},
        {"[Extra]\nCofCCustomVal=-0.1", " cofc=0/0.025 "},
        {"[Extra]\nCofCType=99999\nCofCCustomVal=1e300", " cofc=0/0.025 "},
    };
    for (const auto& [file, expected] : cases) {
        Put(file);
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
        Load(model, options);
        std::istringstream tokens(expected);
        for (std::string token; tokens >> token;) {
            EXPECT_THAT(Summary(model, options), HasSubstr(" " + token + " ")) << file;
        }
    }
}

TEST_F(LumarikSettingsTest, UnitTypeIsZeroOrOne) {
    for (const auto& [text, type] : std::vector<std::pair<std::string, int>>{
             {"1", 1}, {"0", 0}, {"2", 0}, {"-1", 0}, {"", 0}}) {
        Put("[Options]\nUnitType=" + text);
        EXPECT_EQ(ReadUnitType(INICode(m_file)), type) << text;
    }
    EXPECT_EQ(UnitTypeEntry(7).key + "=" + UnitTypeEntry(7).value, "UnitType=0");
}

// A mirror with its object at infinity, advanced values, every option and a preset; written and
// loaded back, then written again: the record texts carry every field to the last bit.
TEST_F(LumarikSettingsTest, SavedStateLoadsBackUnchanged) {
    LumarikCode saved, loaded;
    saved.Selected().Add(Rec(kParFocal, -123.456f, -150.2f, -100.1f));
    saved.Selected().Add(Rec(kParObjectDist, kInfinity, 0, 0, false));
    CVarType partial = Rec(kParImageHeight, -4, 0, -3.6f);
    partial.bLimLowDef = false;
    saved.Selected().Add(partial);
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

    const std::vector<IniEntry> entries = LensSettingsEntries(saved, savedOptions);
    ASSERT_TRUE(INICode(m_file).WriteStrings(entries).ok);
    Load(loaded, loadedOptions);
    EXPECT_EQ(Summary(loaded, loadedOptions), Summary(saved, savedOptions));
    std::string written;
    for (const IniEntry& e : entries) written += e.section + "/" + e.key + "=" + e.value + " ";
    std::string again;
    for (const IniEntry& e : LensSettingsEntries(loaded, loadedOptions)) {
        again += e.section + "/" + e.key + "=" + e.value + " ";
    }
    EXPECT_EQ(again, written);
    EXPECT_EQ(written,
              "LastValues/VarTypeNos=3 LastValues/VarTypeVal1=0|-123.456|True|True|-100.1|True|"
              "-150.2| LastValues/VarTypeVal2=1|-1E+20|True|False|0|False|0| LastValues/"
              "VarTypeVal3=7|-4|True|True|-3.6|False|0| LastValues/ImgHgtFixed2=True LastValues/"
              "ImgHgtOption2=11 LastValues/VarTypeApNos=1 LastValues/VarTypeApVal1=2|0.1234567|"
              "True|True|0.2|True|0.1| LastValues/Advanced=632.8|0|1.33|-1.33| Options/"
              "HideRemConj=True Options/DrawPoints=True Options/AdvOptions=True Options/"
              "MirrorMode=True Options/PositiveObj=True Options/DrawHaltingRay=True Extra/"
              "ShowExtra=True Extra/CofCType=1 Extra/CofCCustomVal=0.0125 ");
    savedOptions.imageHeightPreset = false;
    EXPECT_EQ(LensSettingsEntries(saved, savedOptions)[5].value, "0");  // ImgHgtOption2
}

}  // namespace
}  // namespace lumarik
