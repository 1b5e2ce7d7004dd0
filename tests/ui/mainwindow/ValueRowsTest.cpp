#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

using test::ShownPrompt;

using MainWindowRows = test::WindowDriver;

TEST_F(MainWindowRows, FirstStartShowsEmptyRowsAndHidesResults) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Text(QString("txtVarType_%1").arg(i)), "-- Nicht definiert --");
    }
    EXPECT_FALSE(Find<QListWidget>("lstResNames")->isVisible());
    EXPECT_FALSE(Find<QWidget>("pctDrg")->isVisible());
    EXPECT_FALSE(Find<QCheckBox>("chkObjAtInfinity")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>("txtVarType_0")->accessibleName(), "Wert 1");
    EXPECT_EQ(Find<QScrollBar>("hscVarValueAp_0")->accessibleName(), "Apertur Regler");
}

TEST_F(MainWindowRows, TypingAValueOpensLimitsAndCentresTheSlider) {
    Tick("chkVarType_0");
    EXPECT_EQ(Find<QLabel>("lblVarType_0")->text(), "Brennweite: f'");
    Type("txtVarType_0", "100");
    EXPECT_EQ(Text("txtVarType_0"), "100.0mm");
    EXPECT_EQ(Text("txtVarLimLow_0"), "90.0mm");
    EXPECT_EQ(Text("txtVarLimHi_0"), "110.0mm");
    EXPECT_EQ(Find<QScrollBar>("hscVarValue_0")->value(), 50);
    EXPECT_TRUE(env.prompter.Shown().empty());
}

TEST_F(MainWindowRows, ASliderWithoutLimitsRestsInTheMiddleAndTakesNoInput) {
    Tick("chkVarType_0");
    Type("txtVarType_0", "100");
    auto* slider = Find<QScrollBar>("hscVarValue_0");
    slider->setValue(100);
    Click("comClear");
    Tick("chkVarType_0");
    EXPECT_EQ(slider->value(), 50);
    EXPECT_FALSE(slider->isEnabled());
}

TEST_F(MainWindowRows, APositiveObjectDistanceIsAskedAgainUntilNegative) {
    Tick("chkVarType_1");
    env.prompter.AnswerInput(std::nullopt);    // Cancel shows the box again
    env.prompter.AnswerInput(QString("abc"));  // not a number: again
    env.prompter.AnswerInput(QString("-250"));
    Type("txtVarType_0", "250");
    ASSERT_EQ(env.prompter.Shown().size(), 3u);
    const ShownPrompt& first = env.prompter.Shown().front();
    EXPECT_EQ(first.title, "Entfernung Objekt-erste Linsenfläche");
    EXPECT_EQ(first.defaultAnswer, "-250");
    EXPECT_TRUE(first.text.endsWith("negativ! \n\n"));
    EXPECT_EQ(Text("txtVarType_0"), "-250.0mm");
    EXPECT_EQ(Text("txtVarLimLow_0"), "-275.0mm");
    EXPECT_EQ(Text("txtVarLimHi_0"), "-225.0mm");
}

TEST_F(MainWindowRows, CompleteSelectionShowsTheResultsAndTheSliderRecomputes) {
    Tick("chkVarType_0");
    Tick("chkVarType_1");
    Tick("chkVarType_5");
    Type("txtVarType_0", "100");
    env.prompter.AnswerInput(QString("-250"));
    Type("txtVarType_1", "250");
    Type("txtVarType_2", "10");
    EXPECT_TRUE(Find<QListWidget>("lstResNames")->isVisible());
    EXPECT_TRUE(Find<QWidget>("pctDrg")->isVisible());
    EXPECT_FALSE(Find<QLabel>("lblInvalidCalcs")->isVisible());
    EXPECT_FLOAT_EQ(window->Model().Value(2), 100.0f * 250.0f / 150.0f);

    Find<QScrollBar>("hscVarValue_0")->setValue(100);
    EXPECT_EQ(Text("txtVarType_0"), "110.0mm");
    EXPECT_NEAR(window->Model().Value(2), 110.0 * 250.0 / 140.0, 1e-3);
}

TEST_F(MainWindowRows, RefusedSelectionIsToldAndUnticked) {
    Tick("chkVarType_6");
    Tick("chkVarType_8");
    ASSERT_EQ(env.prompter.MessageTexts().size(), 1u);
    EXPECT_EQ(env.prompter.MessageTexts()[0],
              "Objekt- und Bildwinkel können nicht unabhängig voneinander definiert werden! ");
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_8")->isChecked());
}

TEST_F(MainWindowRows, AFourthParameterIsUntickedSilently) {
    for (const char* box : {"chkVarType_0", "chkVarType_1", "chkVarType_5", "chkVarType_2"}) {
        Tick(box);
    }
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_2")->isChecked());
    EXPECT_TRUE(env.prompter.Shown().empty());
}

TEST_F(MainWindowRows, LimitChecksRefuseAndRestoreTheBox) {
    Tick("chkVarType_0");
    Type("txtVarType_0", "100");
    Type("txtVarLimHi_0", "95");
    ASSERT_EQ(env.prompter.MessageTexts().size(), 1u);
    EXPECT_EQ(env.prompter.MessageTexts()[0],
              "Oberer Grenzwert muß größer als aktueller Wert sein!");
    EXPECT_EQ(Text("txtVarLimHi_0"), "110.0mm");
    Type("txtVarLimLow_0", "100");  // equal to the value: accepted
    EXPECT_EQ(Text("txtVarLimLow_0"), "100.0mm");
    EXPECT_EQ(env.prompter.MessageTexts().size(), 1u);
}

TEST_F(MainWindowRows, LeavingABoxWithTheShownTextChangesNothing) {
    Tick("chkVarType_0");
    Type("txtVarType_0", "123.456");
    EXPECT_EQ(Text("txtVarType_0"), "123.46mm");
    QLineEdit* box = Find<QLineEdit>("txtVarType_0");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Enter);  // the keypad's Enter commits too
    EXPECT_FLOAT_EQ(window->Model().Selected().VarValue(1), 123.456f);
}

}  // namespace
}  // namespace lumarik
