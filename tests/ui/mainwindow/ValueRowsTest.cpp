// The value rows of the main window: ticking a parameter, typing its value and limits, the
// slider, and the choices the window refuses.

#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

using test::ShownPrompt;
using Rows = test::WindowDriver;

TEST_F(Rows, FirstStartShowsEmptyRowsAndHidesResults) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Text(QString("txtVarType_%1").arg(i)), "-- Nicht definiert --");
    }
    EXPECT_FALSE(Find<QListWidget>("lstResNames")->isVisible());
    EXPECT_FALSE(Find<QWidget>("pctDrg")->isVisible());
    EXPECT_FALSE(Find<QCheckBox>("chkObjAtInfinity")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>("txtVarType_0")->accessibleName(), "Wert 1");
    EXPECT_EQ(Find<QScrollBar>("hscVarValueAp_0")->accessibleName(), "Apertur Regler");
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
    ASSERT_EQ(env.prompter.MessageTexts().size(), 1u);
    EXPECT_EQ(env.prompter.MessageTexts()[0],
              "Oberer Grenzwert muß größer als aktueller Wert sein!");
    EXPECT_EQ(Text("txtVarLimHi_0"), "110.0mm");
    Type("txtVarLimLow_0", "100");  // equal to the value: accepted
    EXPECT_EQ(Text("txtVarLimLow_0"), "100.0mm");
    EXPECT_EQ(env.prompter.MessageTexts().size(), 1u);
}

TEST_F(Rows, ASliderWithoutLimitsRestsInTheMiddleAndTakesNoInput) {
    Tick("chkVarType_0");
    Type("txtVarType_0", "100");
    auto* slider = Find<QScrollBar>("hscVarValue_0");
    slider->setValue(100);
    Click("comClear");
    Tick("chkVarType_0");
    EXPECT_EQ(slider->value(), 50);
    EXPECT_FALSE(slider->isEnabled());
}

TEST_F(Rows, APositiveObjectDistanceIsAskedAgainAndACompleteChoiceShowsTheResults) {
    for (const char* box : {"chkVarType_0", "chkVarType_1", "chkVarType_5"}) Tick(box);
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
    Tick("chkVarType_6");
    Tick("chkVarType_8");
    ASSERT_EQ(env.prompter.MessageTexts().size(), 1u);
    EXPECT_EQ(env.prompter.MessageTexts()[0],
              "Objekt- und Bildwinkel können nicht unabhängig voneinander definiert werden! ");
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_8")->isChecked());
}

TEST_F(Rows, LeavingABoxWithTheShownTextChangesNothing) {
    Tick("chkVarType_0");
    Type("txtVarType_0", "123.456");
    EXPECT_EQ(Text("txtVarType_0"), "123.46mm");
    QLineEdit* box = Find<QLineEdit>("txtVarType_0");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Enter);  // the keypad's Enter commits too
    EXPECT_FLOAT_EQ(Model().Selected().VarValue(1), 123.456f);
}

TEST_F(Rows, AClickIntoAFilledBoxSelectsItSoTypingReplacesTheValue) {
    QApplication::setActiveWindow(window.get());
    Tick("chkVarType_0");
    Type("txtVarType_0", "100");
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
    for (const char* box : {"chkVarType_0", "chkVarType_1", "chkVarType_5"}) {
        Toggle(Find<QCheckBox>(box));
    }
    EXPECT_EQ(Model().Selected().Count(), 3);
    EXPECT_EQ(Find<QLabel>("lblVarType_2")->text(), "Objekthöhe: u");
    // A refused fourth parameter is unticked again, by the program, silently.
    Toggle(Find<QCheckBox>("chkVarType_4"));
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_4")->isChecked());
    EXPECT_EQ(Model().Selected().Count(), 3);
    EXPECT_TRUE(env.prompter.Shown().empty());

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

}  // namespace
}  // namespace lumarik
