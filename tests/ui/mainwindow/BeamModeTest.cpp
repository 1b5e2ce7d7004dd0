#include <gtest/gtest.h>

#include "core/beam/BeamTexts.h"
#include "core/document/LumarikDocument.h"
#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

using BeamWindow = test::WindowDriver;

// The listing the core gives for the same choice and values, typed into a document of its own.
QStringList CoreListing(const std::vector<std::pair<int, const char*>>& typed, bool names) {
    LumarikDocument doc;
    doc.SetBeamMode(true);
    for (const auto& [n, text] : typed) doc.SelectBeamParameter(n, true);
    for (int row = 0; row < static_cast<int>(typed.size()); ++row) {
        doc.CommitValue(row, typed[static_cast<std::size_t>(row)].second, "", true, nullptr);
    }
    QStringList rows;
    for (const BeamListRow& r : doc.Beam().ListBeamResults(doc.RecalcBeam().ok)) {
        rows << QString::fromStdString(names ? r.name : r.value);
    }
    return rows;
}

struct ChosenBeam : BeamWindow {
    void ChooseBeam() {
        Tick("chkGaussBeamMode");
        for (const char* box : {"chkVarTypeGB_0", "chkVarTypeGB_1", "chkVarTypeGB_5"}) Tick(box);
        Type("txtVarType_0", "100");
        Type("txtVarType_1", "200");
        Type("txtVarType_2", "0.5");
    }
    const std::vector<std::pair<int, const char*>> typed = {{0, "100"}, {1, "200"}, {5, "0.5"}};
};

TEST_F(ChosenBeam, TheListingIsTheCoresAndTheLensControlsComeBackUnchanged) {
    Tick("chkVarType_0");
    Type("txtVarType_0", "50");
    ChooseBeam();
    EXPECT_FALSE(Find<QWidget>("fraOptConj")->isVisible());
    EXPECT_TRUE(Find<QWidget>("fraGaussBeamObj")->isVisible());
    EXPECT_FALSE(Find<QWidget>("chkVarTypeGB_4")->isVisible());
    EXPECT_TRUE(window->windowTitle().endsWith("   Berechnung von Gaußschen Strahlen"));
    EXPECT_FALSE(window->windowTitle().contains("[Linsensystem]"));
    EXPECT_EQ(Items("lstResNames"), CoreListing(typed, true));
    EXPECT_EQ(Items("lstResVals"), CoreListing(typed, false));
    EXPECT_TRUE(Items("lstResVals").join('|').contains(" 100.64mm"));
    EXPECT_EQ(Find<QWidget>("chkVarTypeGB_7")->accessibleName(),
              "Rayleighlänge (Strahl [objektseitig])");
    EXPECT_FALSE(Find<QWidget>("tabExtraInfo")->isVisible());

    Tick("chkGaussBeamMode");
    EXPECT_TRUE(Find<QWidget>("fraOptConj")->isVisible());
    EXPECT_FALSE(Find<QWidget>("fraGaussCong")->isVisible());
    EXPECT_EQ(Text("txtVarType_0"), "50.0mm");
    EXPECT_TRUE(window->windowTitle().endsWith("   paraxiale Berechnung"));
}

TEST_F(ChosenBeam, TheAlternativeRootIsOfferedOnlyWhereThereAreTwo) {
    ChooseBeam();
    QCheckBox* alt = Find<QCheckBox>("chkGaussBeamAltSolution");
    EXPECT_FALSE(alt->isEnabled());  // f', s and r: one root
    Tick("chkVarTypeGB_1");
    EXPECT_FALSE(alt->isEnabled());  // two chosen
    Tick("chkVarTypeGB_2");          // f', s' and r: two roots
    ASSERT_TRUE(alt->isEnabled());
    Type("txtVarType_1", "100.645");
    const QStringList first = Items("lstResVals");
    Tick("chkGaussBeamAltSolution");
    EXPECT_NE(Items("lstResVals"), first);
    EXPECT_FALSE(Find<QWidget>("lblInvalidCalcs")->isVisible());
}

TEST_F(ChosenBeam, RefusedChoicesAreToldAndAFourthIsIgnoredSilently) {
    Tick("chkGaussBeamMode");
    Tick("chkVarTypeGB_5");
    Tick("chkVarTypeGB_6");
    ASSERT_EQ(env.prompter.MessageTexts().size(), 1u);
    EXPECT_EQ(env.prompter.MessageTexts()[0], FromStd(beamtexts::kOneBeamPerSide));
    EXPECT_FALSE(Find<QCheckBox>("chkVarTypeGB_6")->isChecked());
    Tick("chkVarTypeGB_0");
    Tick("chkVarTypeGB_1");
    Tick("chkVarTypeGB_8");
    EXPECT_FALSE(Find<QCheckBox>("chkVarTypeGB_8")->isChecked());
    EXPECT_EQ(env.prompter.MessageTexts().size(), 1u);
}

TEST_F(ChosenBeam, UndoTakesBackABeamValueAndTheBeamModeIsSavedAndRestored) {
    ChooseBeam();
    Type("txtVarType_0", "120");
    Click("comUndo");
    EXPECT_EQ(Text("txtVarType_0"), "100.0mm");
    env.prompter.AnswerQuestion(PromptAnswer::Yes);
    window->close();
    const QString ini = env.ReadFile("Lumarik.INI");
    EXPECT_TRUE(ini.contains("1VarTypeGBVal=0|100|True|True|110|True|90|")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("GaussianBeam=True"));

    Open();
    EXPECT_TRUE(Find<QCheckBox>("chkGaussBeamMode")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chkVarTypeGB_5")->isChecked());
    EXPECT_EQ(Text("txtVarType_2"), "0.5mm");
    EXPECT_EQ(Items("lstResVals"), CoreListing(typed, false));
}

TEST_F(BeamWindow, AHandWrittenFileWithBothKeyFormsAndDamagedValuesStartsCleanly) {
    window.reset();
    env.WriteFile("Lumarik.INI",
                  "[LastValues]\nVarTypeGBNos=4\n"
                  "1VarTypeGBVal=4|1|True|False|0|False|0|\n"
                  "VarTypeGBVal2=10|300|True|False|0|False|0|\n"
                  "3VarTypeGBVal=0|50|True|False|0|False|0\n"
                  "VarTypeGBVal4=2|60|True|False|0|False|0|\n"
                  "[ExtraGB]\nGaussianBeam=True\nGBWaveLen=-3\nGBMfactor=0\n"
                  "GBDrgScaleType=99\nGBDiodeCollimationMode=-1\n");
    Open();
    EXPECT_TRUE(env.prompter.Shown().empty());
    EXPECT_TRUE(Find<QCheckBox>("chkGaussBeamMode")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chkVarTypeGB_10")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chkVarTypeGB_2")->isChecked());
    EXPECT_EQ(Text("txtVarType_1"), "60.0mm");
    EXPECT_EQ(Text("txtGBWavelen"), "632.8nm");
}

}  // namespace
}  // namespace lumarik
