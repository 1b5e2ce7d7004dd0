#include "core/beam/BeamTexts.h"
#include "core/document/LumarikDocument.h"
#include "ui/mainwindow/WindowDriver.h"
#include "ui/settings/frmSymbols.h"

#include <QScrollBar>

namespace lumarik {
namespace {

using BeamWindow = test::WindowDriver;

// The listing the core gives for the same choice and values, typed into a document of its own.
QStringList CoreListing(const std::vector<std::pair<BeamQuantity, const char*>>& typed,
                        bool names) {
    LumarikDocument doc;
    doc.SetBeamMode(true);
    for (const auto& [n, text] : typed) doc.SelectBeamParameter(n, true);
    int row = 0;
    for (const auto& [n, text] : typed) doc.CommitValue(row++, text, "", true, nullptr);
    QStringList rows;
    for (const BeamListRow& r : doc.Beam().ListBeamResults(doc.RecalcBeam().ok))
        rows << QString::fromStdString(names ? r.name : r.value);
    return rows;
}

struct ChosenBeam : BeamWindow {
    const std::vector<std::pair<BeamQuantity, const char*>> typed = {
        {kBeamFocal, "100"}, {kBeamObjectDist, "200"}, {kBeamObjRadius, "0.5"}};
};

TEST_F(ChosenBeam, TheListingIsTheCoresAndTheLensControlsComeBackUnchanged) {
    ChooseFocal("50");
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
    TickEach({"chkGaussBeamMode", "chkVarTypeGB_5", "chkVarTypeGB_6"});
    EXPECT_EQ(Told(), FromStd(beamtexts::kOneBeamPerSide));
    EXPECT_FALSE(Find<QCheckBox>("chkVarTypeGB_6")->isChecked());
    TickEach({"chkVarTypeGB_0", "chkVarTypeGB_1", "chkVarTypeGB_8"});
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
    EXPECT_EQ(Text("txtGBWavelen"), "632.8nm");
    EXPECT_EQ(Items("lstResVals"), CoreListing(typed, false));
}

// The beam keeps a set of its own: edited in beam mode, kept in SymbolsGB, shown by the rows
// and the listing, and the lens symbols stay as they were.
TEST_F(ChosenBeam, BeamSymbolsAreEditedInBeamModeAndComeBackAtTheNextStart) {
    ChooseBeam();
    Find<QListWidget>("lstSymbols")->setCurrentRow(1);
    Click("comSymbols");
    auto* dialog = window->findChild<frmSymbols*>();
    ASSERT_NE(dialog, nullptr);
    test::TypeInto(test::FindIn<QLineEdit>(dialog, "txtVarTypeGB_0"), "b");
    test::ClickButton(dialog, "comOK");
    EXPECT_EQ(Find<QLabel>("lblVarType_0")->text(), "Brennweite: b");
    EXPECT_EQ(Items("lstResNames")[1], "Brennweite: b");

    Open();
    EXPECT_EQ(Find<QCheckBox>("chkVarType_0")->text(), "Brennweite: f'");
    TickEach({"chkGaussBeamMode", "chkVarTypeGB_0"});
    EXPECT_EQ(Find<QLabel>("lblVarType_0")->text(), "Brennweite: b");
}

// Circularisation in mode 0 gives the y section the lens that matches the x section's output
// radius, f'y = f'x·wx/wy; in mode 1 a typed divergence moves s to f' + zr, shown in its row.
TEST_F(BeamWindow, ALaserDiodeIsCircularisedThroughTheWindowsControls) {
    const auto showPage = [this](const char* name) {
        auto* tabs = Find<QTabWidget>("tabExtraInfoGB");
        QWidget* control = Find<QWidget>(name);
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(control)) tabs->setCurrentIndex(i);
    };
    TickEach({"chkGaussBeamMode", "chkVarTypeGB_0", "chkVarTypeGB_1", "chkVarTypeGB_6"});
    TypeValues({"20", "20", "1"});
    showPage("chkGBExtraDiodeMode");
    Tick("chkGBExtraDiodeMode");
    Type("txtGBExtraDiodeParamVal", "3");
    Tick("chkGBExtraBeamRectCircularise");
    EXPECT_EQ(Items("lstResVals")[1], " 20.0 [6.67]mm");
    EXPECT_TRUE(window->windowTitle().endsWith(" Diode [zirkularisiert - min Divergenz]"));

    auto* mode = Find<QComboBox>("cmbGBExtraBeamRectCircMode");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    Type("txtVarType_2", "2");
    EXPECT_EQ(Text("txtVarType_1"), "70.36mm");
    EXPECT_TRUE(window->windowTitle().endsWith("[zirkularisiert - max Taillenabstand]"));

    // zr = 50.36 mm: s = 30 would need f' = −20.4, the s slider at its lower limit too; each is
    // refused and told once, and s stays.
    Type("txtVarType_1", "30");
    EXPECT_TRUE(Told().contains("umgekehrtem Vorzeichen")) << Told().toStdString();
    EXPECT_EQ(Text("txtVarType_1"), "70.36mm");
    auto* slider = Find<QScrollBar>("hscVarValue_1");
    slider->setValue(slider->minimum());
    QTest::qWait(0);
    EXPECT_EQ(env.prompter.MessageTexts().size(), 2u);
    EXPECT_EQ(Text("txtVarType_1"), "70.36mm");
    // A wavelength that is no number restores the box and says so.
    Type("txtGBWavelen", "abc");
    EXPECT_EQ(Text("txtGBWavelen"), "632.8nm");
    EXPECT_EQ(env.prompter.MessageTexts().back(), FromStd(beamtexts::kNotANumber));
}

}  // namespace
}  // namespace lumarik
