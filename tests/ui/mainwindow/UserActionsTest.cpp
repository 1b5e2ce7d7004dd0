#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

using Window = test::WindowDriver;

// Clicks into a box that does not have the focus, types and presses Enter, as a user does.
void ClickAndType(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

TEST_F(Window, AClickIntoAFilledBoxSelectsItSoTypingReplacesTheValue) {
    QApplication::setActiveWindow(window.get());
    Tick("chkVarType_0");
    Type("txtVarType_0", "100");
    QLineEdit* value = Find<QLineEdit>("txtVarType_0");
    QLineEdit* upper = Find<QLineEdit>("txtVarLimHi_0");
    ClickAndType(upper, "130");
    EXPECT_EQ(upper->text(), "130.0mm");
    ClickAndType(value, "120");
    EXPECT_FLOAT_EQ(Model().Selected().VarValue(1), 120.0f);
    // A second click into the focused box places the cursor: typing inserts there.
    QTest::mouseClick(value, Qt::LeftButton, {}, QPoint(value->width() - 4, value->height() / 2));
    EXPECT_FALSE(value->hasSelectedText());
}

// A screen reader or automation tool ticks boxes through their accessibility action.
void Toggle(QAbstractButton* box) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(accessible, nullptr);
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::toggleAction());
}

TEST_F(Window, TheAccessibilityToggleActsLikeAClick) {
    for (const char* box : {"chkVarType_0", "chkVarType_1", "chkVarType_5"}) {
        Toggle(Find<QCheckBox>(box));
    }
    EXPECT_EQ(Model().Selected().Count(), 3);
    EXPECT_EQ(Find<QLabel>("lblVarType_2")->text(), "Objekthöhe: u");
    // A refused fourth parameter is unticked again, by the program, without a second message.
    Toggle(Find<QCheckBox>("chkVarType_4"));
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_4")->isChecked());
    EXPECT_EQ(Model().Selected().Count(), 3);

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

TEST_F(Window, ClearReleasesThePresetAndUndoKeepsTheCaption) {
    const QString caption = window->windowTitle();
    Tick("chkVarType_7");
    auto* presets = Find<QComboBox>("cmbImagHeight");
    presets->setCurrentIndex(11);
    emit presets->activated(11);
    Click("comClear");
    EXPECT_EQ(presets->currentIndex(), 0);
    EXPECT_FALSE(presets->isEnabled());
    Click("comUndo");
    EXPECT_EQ(window->windowTitle(), caption);
    Find<QListWidget>("lstMirrorMode")->setCurrentRow(1);
    EXPECT_TRUE(window->windowTitle().contains("[Spiegelsystem]"));
    Click("comUndo");
    EXPECT_TRUE(window->windowTitle().contains("[Linsensystem]"));
}

}  // namespace
}  // namespace lumarik
