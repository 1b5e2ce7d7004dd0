// The main window's life: first start, caption, exit with its question, what the settings
// file carries from one start to the next, and the system files it saves and opens.

#include <QMimeData>

#include "core/help/HelpTexts.h"
#include "core/model/Selection.h"
#include "ui/help/frmHelp.h"
#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

using Window = test::WindowDriver;
using Files = test::WindowDriver;

// At least the default 820 x 560, larger where the content needs more.
TEST_F(Window, FirstStartOpensCentredAtTheSizeItsContentNeedsAndEndCloses) {
    const QRect area = window->screen()->availableGeometry();
    const QRect placed(window->pos(), window->size());
    EXPECT_EQ(placed.size(), window->minimumSize().expandedTo(QSize(820, 560)));
    EXPECT_TRUE(area.contains(placed));
    EXPECT_LE((placed.center() - area.center()).manhattanLength(), 2);
    EXPECT_EQ(window->windowTitle(),
              "Vendrel: System Lumarik 1.0.0    [Linsensystem]   paraxiale Berechnung");
    EXPECT_FALSE(window->windowIcon().pixmap(16).isNull());
    Click("comEnd");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Window, PlaceAndSizeSurviveARestart) {
    window->move(40, 30);
    window->resize(700, 500);
    const QRect placed(window->pos(), window->size());
    window->close();
    const QString ini = env.ReadFile("Lumarik.INI");
    EXPECT_TRUE(ini.contains(QString::asprintf("[FormPositions]\nFormPosn_frmLumarik=%d|%d|%d|%d",
                                               placed.top() * 15, placed.left() * 15,
                                               placed.height() * 15, placed.width() * 15)))
        << ini.toStdString();
    Open();
    EXPECT_EQ(QRect(window->pos(), window->size()), placed);
    EXPECT_TRUE(env.prompter.Shown().empty());
}

TEST_F(Window, ExitAsksOnlyWhenThereIsSomethingToSave) {
    window->close();  // nothing chosen, never cleared: no question
    EXPECT_TRUE(env.prompter.Shown().empty());

    Open();
    Tick("chkVarType_0");
    env.prompter.AnswerQuestion(PromptAnswer::Cancel);
    window->close();
    ASSERT_EQ(env.prompter.Shown().size(), 1u);
    EXPECT_EQ(env.prompter.Shown()[0].text, "Möchten Sie diese Daten speichern?");
    EXPECT_TRUE(env.prompter.Shown()[0].withCancel);
    EXPECT_TRUE(window->isVisible());
    const QString ini = env.ReadFile("Lumarik.INI");  // a cancelled exit writes only the place
    EXPECT_TRUE(ini.contains("FormPosn_frmLumarik") && !ini.contains("VarTypeNos"));
    env.prompter.AnswerQuestion(PromptAnswer::No);
    window->close();
    EXPECT_FALSE(window->isVisible());

    Open();
    Click("comClear");  // even with nothing chosen, a cleared system is asked about
    env.prompter.AnswerQuestion(PromptAnswer::No);
    window->close();
    EXPECT_EQ(env.prompter.Shown().size(), 3u);
}

TEST_F(Window, SavedAtExitTheNextStartShowsTheSameWindowAndRecallBringsItBack) {
    ChooseLensSystem();
    Type("txtVarLimHi_0", "150");
    Tick("chkVarTypeAp_1");
    Type("txtVarTypeAp_0", "4");
    Find<QListWidget>("lstMirrorMode")->setCurrentRow(1);
    Find<QListWidget>("lstOptions")->item(0)->setCheckState(Qt::Checked);
    env.prompter.AnswerQuestion(PromptAnswer::Yes);
    window->close();
    const QString ini = env.ReadFile("Lumarik.INI");
    EXPECT_TRUE(ini.contains("VarTypeNos=3") && ini.contains("MirrorMode=True"))
        << ini.toStdString();

    Open();
    for (const char* box : {"chkVarType_0", "chkVarTypeAp_1"})
        EXPECT_TRUE(Find<QCheckBox>(box)->isChecked()) << box;
    EXPECT_EQ(Text("txtVarType_0"), "-100.0mm");
    EXPECT_EQ(Text("txtVarLimLow_0"), "-150.0mm");
    EXPECT_EQ(Text("txtVarTypeAp_0"), "4.0");
    EXPECT_EQ(Find<QListWidget>("lstMirrorMode")->currentRow(), 1);
    EXPECT_EQ(Find<QListWidget>("lstOptions")->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(Items("lstResVals").size(), 20);

    Type("txtVarType_0", "-120");
    Click("comRecall");
    EXPECT_EQ(Text("txtVarType_0"), "-100.0mm");
    Click("comUndo");
    EXPECT_EQ(Text("txtVarType_0"), "-120.0mm");
}

TEST_F(Window, AHandWrittenFileIsRead) {
    window.reset();
    env.WriteFile(
        "Lumarik.INI",
        "; written by hand\n[LastValues]\nVarTypeNos=3\nVarTypeVal1=0|50|True|False|0|False|0|\n"
        "VarTypeVal2=1|-1E+20|True|False|0|False|0|\nVarTypeVal3=6|0.1|True|False|0|False|0|\n"
        "VarTypeVal4=2|1|True|False|0|False|0|\nImgHgtFixed2=True\nImgHgtOption2=99\n"
        "[Options]\nMirrorMode=wahr\nSliderDefaultPercent=95\n");
    Open();
    EXPECT_TRUE(env.prompter.Shown().empty());  // no diagnostic for the extra record
    EXPECT_EQ(Text("txtVarType_1"), "In Unendlich");
    EXPECT_TRUE(Find<QCheckBox>("chkObjAtInfinity")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_5")->isEnabled());
    EXPECT_EQ(Find<QListWidget>("lstMirrorMode")->currentRow(), 1);
    EXPECT_EQ(Find<QComboBox>("cmbImagHeight")->currentIndex(), 0);
    EXPECT_EQ(Model().SliderDefaultPercent(), 80);
}

TEST(NewFeatures, ShownAtTheFirstStartOnly) {
    test::TestEnvironment env;
    QSettings().remove(QStringLiteral("NewFeature"));
    for (bool first : {true, false}) {
        frmLumarik window(env.Context());
        window.show();
        QApplication::processEvents();
        const frmHelp* help = window.findChild<frmHelp*>();
        EXPECT_EQ(help ? help->CurrentPage() : -1, first ? kHelpNewFeatures : -1);
    }
}

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
    EXPECT_TRUE(window->windowTitle().endsWith("   paraxiale Berechnung - Labor.lumarik[*]"));
    EXPECT_FALSE(window->isWindowModified());

    Click("comClear");
    EXPECT_FALSE(window->windowTitle().contains("Labor"));
    env.prompter.AnswerInput(path);
    Click("comOpen");
    EXPECT_EQ(Items("lstResVals"), listing);
    EXPECT_EQ(Text("txtVarLimLow_0"), "-150.0mm");
    EXPECT_EQ(Find<QListWidget>("lstMirrorMode")->currentRow(), 1);
    EXPECT_TRUE(window->windowTitle().endsWith(" - Labor.lumarik[*]"));
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

// An open file with unsaved changes is marked in the caption, and neither the end nor another
// file replaces it without asking; Yes writes it. A file whose choice the selection rules
// refuse is refused with their message. The open dialog starts in the last folder used.
TEST_F(Files, UnsavedChangesAreMarkedAndOfferedBeforeTheyAreLost) {
    ChooseLensSystem();
    const QString path = env.FilePath("Labor.lumarik");
    env.prompter.AnswerInput(path);
    Click("comSaveAs");
    EXPECT_FALSE(window->isWindowModified());
    Type("txtVarType_0", "85");
    EXPECT_TRUE(window->isWindowModified());
    Click("comUndo");  // as saved: nothing to save
    EXPECT_FALSE(window->isWindowModified());
    Click("comUndo");

    // Cancel keeps the system; Yes saves it and opens the other file.
    std::string refused = env.ReadFile("Labor.lumarik").toStdString();
    refused.replace(refused.find("VarTypeVal3=5|"), 14, "VarTypeVal3=2|");
    env.WriteFile("Drei.lumarik", QByteArray::fromStdString(refused));
    env.prompter.AnswerQuestion(PromptAnswer::Cancel);
    EXPECT_FALSE(window->OpenSystemFile(env.FilePath("Drei.lumarik")));
    EXPECT_EQ(env.prompter.Shown().back().text, "Änderungen an „Labor.lumarik“ speichern?");
    EXPECT_TRUE(window->isWindowModified());
    env.prompter.AnswerQuestion(PromptAnswer::Yes);
    EXPECT_FALSE(window->OpenSystemFile(env.FilePath("Drei.lumarik")));
    EXPECT_TRUE(env.ReadFile("Labor.lumarik").contains("VarTypeVal1=0|85|"));
    EXPECT_FALSE(window->isWindowModified());
    const QString rule = FromStd(CheckSelectionNumbers({0, 1, 2}).message);
    EXPECT_EQ(env.prompter.MessageTexts().back(), rule);
    EXPECT_TRUE(window->windowTitle().endsWith(" - Labor.lumarik[*]"));

    env.prompter.AnswerInput(std::nullopt);
    Click("comOpen");
    EXPECT_EQ(env.prompter.Shown().back().defaultAnswer, QFileInfo(path).absolutePath());

    // The end asks for the file first, then for the settings.
    Type("txtVarType_0", "90");
    env.prompter.AnswerQuestion(PromptAnswer::Cancel);
    EXPECT_FALSE(window->close());
    env.prompter.AnswerQuestion(PromptAnswer::No);
    env.prompter.AnswerQuestion(PromptAnswer::No);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(env.ReadFile("Labor.lumarik").contains("VarTypeVal1=0|85|"));
    EXPECT_TRUE(env.prompter.AllAnswersUsed());
}

TEST_F(Files, CtrlCInAResultListCopiesEveryListAsColumns) {
    ChooseLensSystem();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QListWidget* values = Find<QListWidget>("lstResVals");
    values->setFocus();
    QTest::keyClick(values, Qt::Key_C, Qt::ControlModifier);
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(
        text.startsWith("Liste\tGröße\tSymbol\tWert\tEinheit\n"
                        "Ergebnisse\tBrennweite\tf'\t100\tmm\n"
                        "Ergebnisse\tObjektweite\ta\t-250\tmm\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Ergebnisse\tWellenlänge\tλ\t546.1\tnm\n"));
    EXPECT_FALSE(text.contains("Näherung"));
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->html().contains("<td>-250</td><td>mm</td>"));
}

}  // namespace
}  // namespace lumarik
