// The value rows of the main window: ticking a parameter, typing its value and limits, the
// slider, and the choices the window refuses; the options and undo.

#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

using test::ShownPrompt;
using Rows = test::WindowDriver;
using Window = test::WindowDriver;

TEST_F(Rows, FirstStartShowsEmptyRowsAndHidesResults) {
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Text(QString("txtVarType_%1").arg(i)), "-- Nicht definiert --");
    EXPECT_FALSE(Find<QListWidget>("lstResNames")->isVisible());
    EXPECT_FALSE(Find<QWidget>("pctDrg")->isVisible());
    EXPECT_FALSE(Find<QCheckBox>("chkObjAtInfinity")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>("txtVarType_0")->accessibleName(), "Wert 1");
    EXPECT_EQ(Find<QScrollBar>("hscVarValueAp_0")->accessibleName(), "Apertur Regler");
    // A chosen parameter names the controls of its row; the place stays their description.
    Tick("chkVarTypeAp_1");
    auto* lower = Find<QLineEdit>("txtVarLimLowAp_0");
    EXPECT_EQ(lower->accessibleName(), "Blendenzahl [unendliche Objektweite] – unterer Grenzwert");
    EXPECT_EQ(lower->accessibleDescription(), "Apertur unterer Grenzwert");
    EXPECT_EQ(Find<QLabel>("lblVarTypeAp_0")->buddy(), Find<QLineEdit>("txtVarTypeAp_0"));
}

TEST_F(Rows, TypingAValueOpensLimitsThatAreChecked) {
    Tick("chkVarType_0");
    EXPECT_EQ(Find<QLabel>("lblVarType_0")->text(), "Brennweite: f'");
    Type("txtVarType_0", "100");
    EXPECT_EQ(Text("txtVarType_0"), "100.0mm");
    EXPECT_EQ(Text("txtVarLimLow_0"), "90.0mm");
    EXPECT_EQ(Text("txtVarLimHi_0"), "110.0mm");
    EXPECT_EQ(Find<QScrollBar>("hscVarValue_0")->value(), 50);
    EXPECT_TRUE(env.prompter.Shown().empty());

    Type("txtVarLimHi_0", "95");
    EXPECT_EQ(Told(), "Oberer Grenzwert muß größer als aktueller Wert sein!");
    EXPECT_EQ(Text("txtVarLimHi_0"), "110.0mm");
    Type("txtVarLimLow_0", "100");  // equal to the value: accepted
    EXPECT_EQ(Text("txtVarLimLow_0"), "100.0mm");
    EXPECT_EQ(env.prompter.MessageTexts().size(), 1u);
}

// With a decimal point, "1,400" may be 1.4 or 1400: the window asks, and so does an option box.
TEST_F(Rows, AnAmbiguousNumberIsPutToTheUserWithBothReadings) {
    Tick("chkVarType_0");
    env.prompter.AnswerChoice(1);
    Type("txtVarType_0", "1,400");
    EXPECT_EQ(Text("txtVarType_0"), "1400.0mm");
    const ShownPrompt& asked = env.prompter.Shown().back();
    EXPECT_EQ(asked.kind, ShownPrompt::Kind::Choice);
    EXPECT_EQ(asked.text, "„1,400“ kann 1.4 oder 1400 bedeuten.");
    EXPECT_EQ(asked.defaultAnswer, "1.4|1400");
    env.prompter.AnswerChoice(std::nullopt);
    Type("txtVarType_0", "2,500");
    EXPECT_EQ(Text("txtVarType_0"), "1400.0mm");

    Find<QCheckBox>("chkAdvOpt")->setChecked(true);
    env.prompter.AnswerChoice(0);
    Type("txtAdv_3", "632,800");
    EXPECT_FLOAT_EQ(Model().Constants().StoredWavelength(), 632.8f);
    EXPECT_TRUE(env.prompter.AllAnswersUsed());
}

TEST_F(Rows, ASliderWithoutLimitsRestsInTheMiddleAndTakesNoInput) {
    ChooseFocal("100");
    auto* slider = Find<QScrollBar>("hscVarValue_0");
    slider->setValue(100);
    Click("comClear");
    Tick("chkVarType_0");
    EXPECT_EQ(slider->value(), 50);
    EXPECT_FALSE(slider->isEnabled());
}

TEST_F(Rows, APositiveObjectDistanceIsAskedAgainAndACompleteChoiceShowsTheResults) {
    TickEach({"chkVarType_0", "chkVarType_1", "chkVarType_5"});
    Type("txtVarType_0", "100");
    env.prompter.AnswerInput(std::nullopt);    // Cancel shows the box again
    env.prompter.AnswerInput(QString("abc"));  // not a number: again
    env.prompter.AnswerInput(QString("-250"));
    Type("txtVarType_1", "250");
    ASSERT_EQ(env.prompter.Shown().size(), 3u);
    const ShownPrompt& first = env.prompter.Shown().front();
    EXPECT_EQ(first.title, "Entfernung Objekt-erste Linsenfläche");
    EXPECT_EQ(first.defaultAnswer, "-250");
    EXPECT_TRUE(first.text.endsWith("negativ! \n\n"));
    EXPECT_EQ(Text("txtVarType_1"), "-250.0mm");

    Type("txtVarType_2", "10");
    EXPECT_TRUE(Find<QListWidget>("lstResNames")->isVisible());
    EXPECT_TRUE(Find<QWidget>("pctDrg")->isVisible());
    EXPECT_FALSE(Find<QLabel>("lblInvalidCalcs")->isVisible());
    EXPECT_FLOAT_EQ(Model().Value(2), 100.0f * 250.0f / 150.0f);
    Find<QScrollBar>("hscVarValue_0")->setValue(100);
    EXPECT_EQ(Text("txtVarType_0"), "110.0mm");
    EXPECT_NEAR(Model().Value(2), 110.0 * 250.0 / 140.0, 1e-3);
}

TEST_F(Rows, RefusedSelectionIsToldAndUnticked) {
    TickEach({"chkVarType_6", "chkVarType_8"});
    EXPECT_EQ(Told(),
              "Objekt- und Bildwinkel können nicht unabhängig voneinander definiert werden! ");
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_8")->isChecked());
}

TEST_F(Rows, LeavingABoxWithTheShownTextChangesNothing) {
    ChooseFocal("123.456");
    EXPECT_EQ(Text("txtVarType_0"), "123.46mm");
    QLineEdit* box = Find<QLineEdit>("txtVarType_0");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Enter);  // the keypad's Enter commits too
    EXPECT_FLOAT_EQ(Model().Selected().VarValue(1), 123.456f);
}

TEST_F(Rows, AClickIntoAFilledBoxSelectsItSoTypingReplacesTheValue) {
    QApplication::setActiveWindow(window.get());
    ChooseFocal("100");
    for (const auto& [name, typed] : {std::pair{"txtVarLimHi_0", "130"}, {"txtVarType_0", "120"}}) {
        QLineEdit* box = Find<QLineEdit>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
    }
    EXPECT_EQ(Text("txtVarLimHi_0"), "130.0mm");
    EXPECT_FLOAT_EQ(Model().Selected().VarValue(1), 120.0f);
    // A second click into the focused box places the cursor: typing inserts there.
    QLineEdit* value = Find<QLineEdit>("txtVarType_0");
    QTest::mouseClick(value, Qt::LeftButton, {}, QPoint(value->width() - 4, value->height() / 2));
    EXPECT_FALSE(value->hasSelectedText());
}

// A screen reader or automation tool ticks boxes through their accessibility action.
void Toggle(QAbstractButton* box) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(accessible, nullptr);
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

TEST_F(Rows, TheAccessibilityToggleActsLikeAClick) {
    // The window closed before leaves no stale interface behind for the controls of this one.
    for (int opened = 0; opened < 3; ++opened) {
        Toggle(Find<QCheckBox>("chkVarType_0"));
        window.reset();
        Open();
    }
    for (const char* box : {"chkVarType_0", "chkVarType_1", "chkVarType_5"})
        Toggle(Find<QCheckBox>(box));
    EXPECT_EQ(Model().Selected().Count(), 3);
    EXPECT_EQ(Find<QLabel>("lblVarType_2")->text(), "Objekthöhe: u");
    // A refused fourth parameter is unticked again, by the program, silently.
    Toggle(Find<QCheckBox>("chkVarType_4"));
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_4")->isChecked());
    EXPECT_EQ(Model().Selected().Count(), 3);
    EXPECT_TRUE(env.prompter.Shown().empty());
    // The circle of confusion is chosen on the extra information, built when it first shows.
    TypeValues({"100", "-250", "10"});
    Find<QListWidget>("lstOptions")->item(1)->setCheckState(Qt::Checked);

    Toggle(Find<QCheckBox>("chkVarTypeAp_1"));
    EXPECT_TRUE(Model().Apertures().Contains(kApFNumber));
    Toggle(Find<QCheckBox>("chkAllowVirtualObj"));
    Toggle(Find<QCheckBox>("chkAdvOpt"));
    EXPECT_TRUE(Model().Constants().AdvancedOptions());
    Find<QRadioButton>("optCofCType_1")->toggle();
    EXPECT_EQ(Model().DepthOfField().CofCType(), kCofCAiry);
    // Undo sets the boxes back as the program does: no handler runs, no second undo step.
    Click("comUndo");
    EXPECT_FALSE(Find<QCheckBox>("chkAllowVirtualObj")->isChecked());
    EXPECT_EQ(Find<QCheckBox>("chkAdvOpt")->isChecked(), Model().Constants().AdvancedOptions());
}

TEST_F(Window, ListingAndDepthOfFieldFollowTheSystem) {
    ChooseLensSystem();
    const QStringList values = Items("lstResVals");
    ASSERT_EQ(values.size(), 20);
    EXPECT_EQ(Items("lstResNames").size(), 20);
    EXPECT_TRUE(values.join('|').contains("166.67mm")) << values.join('|').toStdString();

    Find<QListWidget>("lstOptions")->item(1)->setCheckState(Qt::Checked);
    EXPECT_TRUE(Find<QWidget>("tabExtraInfo")->isVisible());
    Tick("chkVarTypeAp_1");
    Type("txtVarTypeAp_0", "4");
    EXPECT_EQ(Items("lstDOFNames").first(), "Unschärfekreis");
    const QStringList dof = Items("lstDOFVals");
    ASSERT_EQ(dof.size(), 6);
    EXPECT_FALSE(dof.contains("  ---"));
    QTest::mouseClick(Find<QRadioButton>("optCofCType_1"), Qt::LeftButton);
    EXPECT_NE(Items("lstDOFVals").first(), dof.first());

    // A custom circle of confusion is one undo step.
    QTest::mouseClick(Find<QRadioButton>("optCofCType_0"), Qt::LeftButton);
    Type("txtDOFCustom", "0.05");
    EXPECT_EQ(Text("txtDOFCustom"), " 0.050mm");
    EXPECT_EQ(Items("lstDOFVals").first(), "  0.050mm");
    Click("comUndo");
    EXPECT_FLOAT_EQ(Model().DepthOfField().CofCCustomVal(), 0.025f);

    // Below the Airy diameter the circle is told; a system without solution hides that.
    Type("txtDOFCustom", "0.001");
    auto* message = Find<QLabel>("lblDOFCalc");
    ASSERT_FALSE(message->isHidden());
    Click("comClear");
    TickEach({"chkVarType_0", "chkVarType_4", "chkVarType_5"});
    TypeValues({"100", "300", "10"});
    ASSERT_TRUE(Model().NoSolution());
    EXPECT_TRUE(message->isHidden());
    Find<QListWidget>("lstOptions")->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(Find<QWidget>("tabExtraInfo")->isVisible());
}

TEST_F(Window, MirrorSwitchFlipsTheFocalLengthAndItsLimits) {
    ChooseFocal("100");
    Find<QListWidget>("lstMirrorMode")->setCurrentRow(1);
    EXPECT_EQ(Text("txtVarType_0"), "-100.0mm");
    EXPECT_EQ(Text("txtVarLimHi_0"), "-90.0mm");
    EXPECT_EQ(window->windowTitle(),
              "Vendrel: System Lumarik 1.0.0    [Spiegelsystem]   paraxiale Berechnung");
    EXPECT_FALSE(Find<QLineEdit>("txtAdv_0")->isVisible());
    Click("comUndo");
    EXPECT_EQ(Text("txtVarType_0"), "100.0mm");
    EXPECT_EQ(Find<QListWidget>("lstMirrorMode")->currentRow(), 0);
    EXPECT_TRUE(window->windowTitle().contains("[Linsensystem]"));
}

TEST_F(Window, AdvancedValuesKeepTheirRanges) {
    Find<QTabWidget>("tabOptions")->setCurrentIndex(1);
    Tick("chkAdvOpt");
    Type("txtAdv_1", "0.5");
    EXPECT_EQ(Told(), "Die Brechzahl im Objektraum muss zwischen 1.0 und 3.0 liegen!");
    EXPECT_EQ(Text("txtAdv_1"), "1.0000");
    Type("txtAdv_1", "3");
    EXPECT_EQ(Text("txtAdv_1"), "3.0000");
    EXPECT_FLOAT_EQ(Model().Constants().N(), 3.0f);
    Click("comDefAdvOpts");
    EXPECT_FLOAT_EQ(Model().Constants().N(), 1.0f);
}

TEST_F(Window, ForbiddingVirtualObjectsMakesTheObjectDistanceNegative) {
    TickEach({"chkAllowVirtualObj", "chkVarType_1"});
    Type("txtVarType_0", "200");
    EXPECT_EQ(Text("txtVarType_0"), "200.0mm");
    Tick("chkAllowVirtualObj");
    EXPECT_EQ(Text("txtVarType_0"), "-200.0mm");
    EXPECT_TRUE(env.prompter.Shown().empty());
}

TEST_F(Window, ImageHeightPresetIsCommittedAndReleasedByTypingOrClear) {
    const QString caption = window->windowTitle();
    Tick("chkVarType_7");
    auto* presets = Find<QComboBox>("cmbImagHeight");
    ASSERT_TRUE(presets->isEnabled());
    ASSERT_EQ(presets->count(), 52);
    presets->setCurrentIndex(11);
    emit presets->activated(11);
    EXPECT_FLOAT_EQ(Model().Selected().VarValue(1), -4.0f);
    EXPECT_EQ(Text("txtVarLimHi_0"), "-3.6mm");
    Type("txtVarType_0", "-5");
    EXPECT_EQ(presets->currentIndex(), 0);
    presets->setCurrentIndex(11);
    emit presets->activated(11);
    Click("comClear");
    EXPECT_EQ(presets->currentIndex(), 0);
    EXPECT_FALSE(presets->isEnabled());
    Click("comUndo");
    EXPECT_EQ(window->windowTitle(), caption);
}

TEST_F(Window, PresetWithoutImageHeightResetsTheList) {
    auto* presets = Find<QComboBox>("cmbImagHeight");
    presets->setEnabled(true);
    presets->setCurrentIndex(5);
    emit presets->activated(5);
    EXPECT_EQ(presets->currentIndex(), 0);
    EXPECT_FALSE(presets->isEnabled());
}

TEST_F(Window, UndoTogglesAndASliderRunIsOneStep) {
    ChooseFocal("100");
    Type("txtVarType_0", "120");
    Click("comUndo");
    EXPECT_EQ(Text("txtVarType_0"), "100.0mm");
    Click("comUndo");
    EXPECT_EQ(Text("txtVarType_0"), "120.0mm");

    auto* slider = Find<QScrollBar>("hscVarValue_0");
    for (int step = 1; step <= 10; ++step) slider->setValue(slider->value() - 3);
    EXPECT_NE(Text("txtVarType_0"), "120.0mm");
    Click("comUndo");
    EXPECT_EQ(Text("txtVarType_0"), "120.0mm");
}

TEST_F(Window, ClearEmptiesAndUndoBringsItBack) {
    ChooseLensSystem();
    Click("comClear");
    EXPECT_EQ(Model().Selected().Count(), 0);
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_0")->isChecked());
    EXPECT_EQ(Text("txtVarType_0"), "-- Nicht definiert --");
    Click("comUndo");
    EXPECT_EQ(Model().Selected().Count(), 3);
    EXPECT_TRUE(Find<QCheckBox>("chkVarType_5")->isChecked());
    EXPECT_EQ(Text("txtVarType_2"), "10.0mm");
}

TEST_F(Window, ObjectAtInfinityRemovesTheObjectHeightAndUndoReturnsIt) {
    TickEach({"chkVarType_1", "chkVarType_5", "chkVarType_7"});
    ASSERT_TRUE(Find<QCheckBox>("chkObjAtInfinity")->isEnabled());
    Tick("chkObjAtInfinity");
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_5")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_5")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_3")->isEnabled());
    EXPECT_EQ(Text("txtVarType_0"), "In Unendlich");
    EXPECT_FALSE(Find<QLineEdit>("txtVarType_0")->isEnabled());
    Click("comUndo");
    EXPECT_TRUE(Find<QCheckBox>("chkVarType_5")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkObjAtInfinity")->isChecked());
}

}  // namespace
}  // namespace lumarik
