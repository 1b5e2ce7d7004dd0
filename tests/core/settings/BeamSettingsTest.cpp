#include <gtest/gtest.h>

#include "core/beam/BeamTestSupport.h"
#include "core/model/Options.h"
#include "core/settings/BeamSettings.h"
#include "core/settings/SystemFile.h"

namespace lumarik::test {
namespace {

TEST(BeamSettings, SavesAndLoadsTheAxisZeroList) {
    GaussianBeam beam;
    ChooseBeam(beam, {{0, 100}, {1, 250.5}, {6, 0.001}});
    beam.Selection(0).SetLimHih(1, 110.0f);
    beam.Selection(0).SetLimHihDef(1, true);
    const std::vector<IniEntry> saved = SaveBeamSelection(beam);
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_EQ(saved[0].section + saved[0].key + "=" + saved[0].value, "LastValuesVarTypeGBNos=3");
    EXPECT_EQ(saved[1].key + "=" + saved[1].value, "1VarTypeGBVal=0|100|True|True|110|False|0|");
    EXPECT_EQ(saved[3].key, "3VarTypeGBVal");
    GaussianBeam loaded;
    LoadBeamSelection(loaded, saved);
    EXPECT_EQ(SystemFileText(SaveBeamSelection(loaded)), SystemFileText(saved));

    // Through the file reader: keys in any letter case, both key forms, at most three records,
    // no t (4), no number twice; a list the rules refuse (here r and w) is not partly kept.
    const auto load = [](GaussianBeam& beam, const std::string& records) {
        std::string file = "[lastvalues]\n" + records;
        for (std::size_t at; (at = file.find(';')) != std::string::npos;)
            file.replace(at, 1, "|True|False|0|False|0|\n");
        return LoadBeamSelection(beam, INICode(IniDocument::Parse(file)));
    };
    GaussianBeam odd;
    load(odd,
         "vartypegbnos=9\n1VarTypeGBVal=5|0.05;VarTypeGBVal2=4|1;3VarTypeGBVal=11|1;"
         "4VarTypeGBVal=5|1;5VarTypeGBVal=0|100;6VarTypeGBVal=1|100;7VarTypeGBVal=2|100;");
    EXPECT_EQ(odd.Selection(0).Numbers(), (std::vector<int>{0, 1, 5}));
    load(odd, "VarTypeGBNos=3\n1VarTypeGBVal=0|1;2VarTypeGBVal=1|1;VarTypeGBVal3=5|1;");
    EXPECT_EQ(odd.Selection(0).Numbers(), (std::vector<int>{0, 1, 5}));  // the count's own record
    load(odd, "VarTypeGBNos=3\n1VarTypeGBVal=5|1;VarTypeGBVal2=6|1;3VarTypeGBVal=0|1;");
    EXPECT_TRUE(odd.Selection(0).Numbers().empty());
    EXPECT_TRUE(LoadBeamSelection(loaded, {{"LastValues", "VarTypeGBNos", "0"}}));
    EXPECT_FALSE(LoadBeamSelection(loaded, {{"LastValues", "VarTypeGBNos", "-1"}}));
    EXPECT_EQ(loaded.Selection(0).Count(), 3);
    EXPECT_TRUE(LoadBeamSelection(odd, {{"LastValues", "VarTypeGBNos", "1"},
                                        {"LastValues", "1VarTypeGBVal", saved[1].value}}));
    EXPECT_EQ(odd.Selection(0).Numbers(), std::vector<int>{0});
}

// The extra values: saved and loaded back unchanged; a damaged file gives each its default,
// whatever was in force before.
TEST(BeamSettings, ExtrasLoadBackAndDamagedOnesTakeTheirDefaults) {
    GaussianBeam saved, beam;
    Options savedOptions, options;
    saved.SetWavelengthNm(1064);
    saved.SetUseM2(true);
    saved.SetM2(0, 1.3);
    saved.SetM2(1, 1.7);
    saved.SetDetectorOn(true);
    saved.SetDetectorDistance(250);
    saved.SetMinSpotDistance(80);
    saved.SetDiodeMode(true);
    saved.LoadDiodeParam(5, 0.2);
    saved.SetCircularise(true);
    saved.SetCollimationMode(1);
    saved.SetOption(BeamOption::kLensAperture, 12.5);
    saved.SetOption(BeamOption::kDetectorAperture, 3);
    savedOptions.beamMode = true;
    savedOptions.showExtraGB = false;
    savedOptions.beamDrawScaleType = 3;
    savedOptions.beamDrawScale = 40;
    const std::string written = SystemFileText(BeamExtraEntries(saved, savedOptions));
    LoadBeamExtra(INICode(IniDocument::Parse(written)), beam, options);
    EXPECT_EQ(SystemFileText(BeamExtraEntries(beam, options)), written);
    EXPECT_EQ(std::make_tuple(beam.GetM2(0), beam.GetM2(1)), std::make_tuple(1.3, 1.7));

    LoadBeamExtra(INICode(IniDocument::Parse(
                      "[ExtraGB]\nGBWaveLen=abc\nGBMfactor=-2\nGBDrgScale=-4\nGBDrgScaleType=9\n"
                      "GBDiodeCollimationMode=7\nGBConjDist=0\nShowExtraGB=falsch\n")),
                  beam, options);
    EXPECT_EQ(std::tie(options.beamMode, options.showExtraGB, options.beamDrawScale,
                       options.beamDrawScaleType),
              std::make_tuple(false, false, 0.0, 6));
    EXPECT_EQ(std::make_tuple(beam.GetWavelengthNm(), beam.GetM2(0), beam.GetM2(1),
                              beam.CollimationMode(), beam.MinSpotDistance(), beam.DiodeMode()),
              std::make_tuple(632.8, 1.0, 1.0, 1, 100.0, false));

    // Values no beam can have, from a file, take their defaults as well.
    LoadBeamExtra(
        INICode(IniDocument::Parse("[ExtraGB]\nGBWaveLen=1e-30\nGBMfactor=0.5\nGBDiodeMfactor=50\n"
                                   "GBDetDst=1e308\nGBConjDist=1e6\nGBLensAperture=-1\n")),
        beam, options);
    EXPECT_EQ(std::make_tuple(beam.GetWavelengthNm(), beam.GetM2(0), beam.GetM2(1),
                              beam.DetectorDistance(), beam.MinSpotDistance(), beam.LensAperture()),
              std::make_tuple(632.8, 1.0, 1.0, 0.0, 100.0, 0.0));
}

}  // namespace
}  // namespace lumarik::test
