#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

using Window = test::WindowDriver;

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
    for (const char* box : {"chkVarType_0", "chkVarType_4", "chkVarType_5"}) Tick(box);
    Type("txtVarType_0", "100");
    Type("txtVarType_1", "300");
    Type("txtVarType_2", "10");
    ASSERT_TRUE(Model().NoSolution());
    EXPECT_TRUE(message->isHidden());
    Find<QListWidget>("lstOptions")->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(Find<QWidget>("tabExtraInfo")->isVisible());
}

TEST_F(Window, MirrorSwitchFlipsTheFocalLengthAndItsLimits) {
    Tick("chkVarType_0");
    Type("txtVarType_0", "100");
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
    ASSERT_EQ(env.prompter.MessageTexts().size(), 1u);
    EXPECT_EQ(env.prompter.MessageTexts()[0],
              "Die Brechzahl im Objektraum muss zwischen 1.0 und 3.0 liegen!");
    EXPECT_EQ(Text("txtAdv_1"), "1.0000");
    Type("txtAdv_1", "3");
    EXPECT_EQ(Text("txtAdv_1"), "3.0000");
    EXPECT_FLOAT_EQ(Model().Constants().N(), 3.0f);
    Click("comDefAdvOpts");
    EXPECT_FLOAT_EQ(Model().Constants().N(), 1.0f);
}

TEST_F(Window, ForbiddingVirtualObjectsMakesTheObjectDistanceNegative) {
    Tick("chkAllowVirtualObj");
    Tick("chkVarType_1");
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
    Tick("chkVarType_0");
    Type("txtVarType_0", "100");
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
    Tick("chkVarType_1");
    Tick("chkVarType_5");
    Tick("chkVarType_7");
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
