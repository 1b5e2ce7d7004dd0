#include <gtest/gtest.h>

#include <QComboBox>

#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

using Persistence = test::WindowDriver;

TEST_F(Persistence, SavedAtExitTheNextStartShowsTheSameWindow) {
    ChooseLensSystem();
    Type("txtVarLimHi_0", "150");
    Tick("chkVarTypeAp_1");
    Type("txtVarTypeAp_0", "4");
    Find<QListWidget>("lstMirrorMode")->setCurrentRow(1);
    Find<QListWidget>("lstOptions")->item(0)->setCheckState(Qt::Checked);
    env.prompter.AnswerQuestion(PromptAnswer::Yes);
    window->close();
    const QString ini = env.ReadFile("Lumarik.INI");
    EXPECT_TRUE(ini.contains("VarTypeNos=3")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("MirrorMode=True"));

    Open();
    EXPECT_TRUE(Find<QCheckBox>("chkVarType_0")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chkVarTypeAp_1")->isChecked());
    EXPECT_EQ(Text("txtVarType_0"), "-100.0mm");
    EXPECT_EQ(Text("txtVarLimLow_0"), "-150.0mm");
    EXPECT_EQ(Text("txtVarType_1"), "-250.0mm");
    EXPECT_EQ(Text("txtVarTypeAp_0"), "4.0");
    EXPECT_EQ(Find<QListWidget>("lstMirrorMode")->currentRow(), 1);
    EXPECT_EQ(Find<QListWidget>("lstOptions")->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(Items("lstResVals").size(), 20);
}

TEST_F(Persistence, AHandWrittenFileIsRead) {
    window.reset();
    env.WriteFile("Lumarik.INI",
                  "; written by hand\n[LastValues]\nVarTypeNos=3\n"
                  "VarTypeVal1=0|50|True|False|0|False|0|\n"
                  "VarTypeVal2=1|-1E+20|True|False|0|False|0|\n"
                  "VarTypeVal3=6|0.1|True|False|0|False|0|\n"
                  "VarTypeVal4=2|1|True|False|0|False|0|\n"
                  "ImgHgtFixed2=True\nImgHgtOption2=99\n"
                  "[Options]\nMirrorMode=wahr\nSliderDefaultPercent=95\n");
    Open();
    EXPECT_TRUE(env.prompter.Shown().empty());  // no diagnostic for the extra record
    EXPECT_TRUE(Model().ObjectAtInfinity());
    EXPECT_EQ(Text("txtVarType_1"), "In Unendlich");
    EXPECT_TRUE(Find<QCheckBox>("chkObjAtInfinity")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_5")->isEnabled());
    EXPECT_TRUE(Model().Constants().MirrorMode());
    EXPECT_EQ(Find<QComboBox>("cmbImagHeight")->currentIndex(), 0);
    EXPECT_EQ(Model().SliderDefaultPercent(), 80);
}

TEST_F(Persistence, RecallBringsBackTheSavedSystemAndUndoTheChangedOne) {
    ChooseLensSystem();
    env.prompter.AnswerQuestion(PromptAnswer::Yes);
    window->close();
    Open();
    Type("txtVarType_0", "120");
    Click("comRecall");
    EXPECT_EQ(Text("txtVarType_0"), "100.0mm");
    Click("comUndo");
    EXPECT_EQ(Text("txtVarType_0"), "120.0mm");
}

TEST_F(Persistence, ACancelledExitWritesOnlyThePosition) {
    ChooseLensSystem();
    env.prompter.AnswerQuestion(PromptAnswer::Cancel);
    window->close();
    const QString ini = env.ReadFile("Lumarik.INI");
    EXPECT_TRUE(ini.contains("FormPosn_frmLumarik"));
    EXPECT_FALSE(ini.contains("VarTypeNos"));
}

}  // namespace
}  // namespace lumarik
