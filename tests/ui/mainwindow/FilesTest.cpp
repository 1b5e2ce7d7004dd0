#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

using Files = test::WindowDriver;

// The user's way through: save, clear, open the same system again, undo the opening; a damaged
// file is refused; after a restart the recent list offers the file.
TEST_F(Files, SaveClearOpenUndoRefuseAndReopenFromTheRecentList) {
    ChooseLensSystem();
    Type("txtVarLimHi_0", "150");
    Find<QListWidget>("lstMirrorMode")->setCurrentRow(1);
    const QStringList listing = Items("lstResVals");
    const QString path = env.FilePath("Labor.lumarik");
    env.prompter.AnswerInput(path);
    Click("comSaveAs");
    EXPECT_TRUE(env.ReadFile("Labor.lumarik").startsWith("[LumarikSystem]\nVersion=1\n"));
    EXPECT_TRUE(window->windowTitle().endsWith("   paraxiale Berechnung - Labor.lumarik"));

    Click("comClear");
    EXPECT_FALSE(window->windowTitle().contains("Labor"));
    env.prompter.AnswerInput(path);
    Click("comOpen");
    EXPECT_EQ(Items("lstResVals"), listing);
    EXPECT_EQ(Text("txtVarLimLow_0"), "-150.0mm");
    EXPECT_EQ(Find<QListWidget>("lstMirrorMode")->currentRow(), 1);
    EXPECT_TRUE(window->windowTitle().endsWith(" - Labor.lumarik"));
    Click("comUndo");
    EXPECT_EQ(Model().Selected().Count(), 0);
    EXPECT_FALSE(window->windowTitle().contains("Labor"));

    env.WriteFile("Kaputt.lumarik", "[LumarikSystem]\nVersion=1\n[LastValues]\nVarTypeNos=3\n");
    env.prompter.AnswerInput(env.FilePath("Kaputt.lumarik"));
    Click("comOpen");
    ASSERT_EQ(env.prompter.MessageTexts().size(), 1U);
    EXPECT_TRUE(env.prompter.MessageTexts()[0].endsWith(
        "Kaputt.lumarik“ ist beschädigt oder unvollständig und wurde nicht geöffnet."));
    EXPECT_EQ(Model().Selected().Count(), 0);
    EXPECT_TRUE(env.prompter.AllAnswersUsed());

    window.reset();
    Open();
    const QList<QAction*> recent = Find<QPushButton>("comRecent")->menu()->actions();
    ASSERT_FALSE(recent.isEmpty());
    EXPECT_EQ(recent[0]->text(), "Labor.lumarik");
    recent[0]->trigger();
    EXPECT_EQ(Items("lstResVals"), listing);
}

TEST_F(Files, CtrlCInAResultListCopiesNameTabValueRows) {
    ChooseLensSystem();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QListWidget* values = Find<QListWidget>("lstResVals");
    values->setFocus();
    QTest::keyClick(values, Qt::Key_C, Qt::ControlModifier);
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith("Brennweite: f'\t100.0mm\nObjektweite: a\t-250.0mm\n"))
        << text.toStdString();
    EXPECT_EQ(text.count('\n'), 17);  // twenty rows less the three fillers
}

}  // namespace
}  // namespace lumarik
