#include <gtest/gtest-spi.h>

#include <QPainter>

#include "support/TestEnvironment.h"
#include "support/WidgetTest.h"
#include "ui/shell/CDebugLog.h"
#include "ui/shell/CSApplication.h"
#include "ui/shell/CSWindow.h"
#include "ui/shell/LeanFusionStyle.h"
#include "ui/shell/QtOutputModule.h"

namespace lumarik {
namespace {

using test::ShownPrompt;
using test::TestEnvironment;

// The title, version and comment are anchored where the user sees them: the window caption,
// the About box and the command line's --version.
// Print and SVG output come from a library found beside the program; a folder without it
// gives none, and the program tells the user instead of writing an empty file.
TEST(QtOutputTest, TheLibraryIsFoundBesideTheProgramOrNotAtAll) {
    const QTemporaryDir empty;
    EXPECT_EQ(LoadQtOutput(empty.path()), nullptr);
    const QtOutput* output = QtOutputModule();
    ASSERT_NE(output, nullptr);
    const QByteArray svg = output->renderSvg(QSize(40, 30), QStringLiteral("Probe"),
                                             [](QPainter& p) { p.drawLine(0, 0, 40, 30); });
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 40 30\"") && svg.contains("<title>Probe</title>"))
        << svg.toStdString();
}

TEST(CSApplicationTest, ShortTitlePathsAndTheSettingsFileInAWritableProgramDirectory) {
    TestEnvironment env;
    const CSApplication app(env.Context());
    EXPECT_EQ(app.TitleVerShort(), "Lumarik 1.0");
    EXPECT_TRUE(app.Path().endsWith('/'));
    EXPECT_TRUE(app.HelpFile().startsWith(app.Path()));
    EXPECT_EQ(app.SettingsFilePath(), QDir(env.ProgramDir()).filePath("Lumarik.INI"));
    ASSERT_TRUE(app.WriteSetting("Options", "UnitType", "1"));
    EXPECT_EQ(app.Settings().ReadInt("Options", "UnitType"), 1);
    EXPECT_TRUE(env.prompter.Shown().empty());
}

TEST(CSApplicationTest, UnwritableProgramDirectoryFallsBackToTheUserDirectory) {
    TestEnvironment env;
    // A "directory" below a regular file can never be written, not even by root.
    env.WriteFile("plain-file", "x");
    AppContext context{env.FilePath("plain-file/program"), &env.prompter};
    const CSApplication app(context);
    const QString path = app.SettingsFilePath();
    EXPECT_FALSE(path.startsWith(env.ProgramDir())) << path.toStdString();
    EXPECT_TRUE(path.endsWith("/Lumarik.INI"));
}

TEST(CSApplicationTest, ProgramContextFindsTheDataBesideOrUnderTheInstallationPrefix) {
    TestEnvironment env;
    ASSERT_TRUE(QDir(env.ProgramDir()).mkpath("build") && QDir(env.ProgramDir()).mkpath("bin"));
    env.WriteFile("build/SH_SEQ.dat", "x");

    const AppContext beside = ProgramContext(env.FilePath("build"), &env.prompter);
    EXPECT_EQ(CSApplication(beside).Path(), env.FilePath("build/"));
    EXPECT_EQ(CSApplication(beside).DataPath(), env.FilePath("build/"));

    // Installed: even where the program folder is writable, nothing is written there.
    const AppContext installed = ProgramContext(env.FilePath("bin"), &env.prompter);
    const CSApplication app(installed);
    EXPECT_EQ(app.DataPath(), env.FilePath("share/lumarik/"));
    EXPECT_EQ(app.SettingsFilePath(),
              QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                  .filePath("Lumarik.INI"));
    EXPECT_EQ(installed.prompter, &env.prompter);
}

TEST(CSApplicationTest, FailedSaveIsToldToTheUser) {
    TestEnvironment env;
    // The settings "file" is a directory: the file exists, but cannot be replaced.
    ASSERT_TRUE(QDir(env.ProgramDir()).mkdir("Lumarik.INI"));
    const CSApplication app(env.Context());
    EXPECT_FALSE(app.WriteSetting("Options", "UnitType", "1"));
    ASSERT_EQ(env.prompter.Shown().size(), 1u);
    const ShownPrompt& shown = env.prompter.Shown().front();
    EXPECT_TRUE(shown.icon == PromptIcon::Exclamation && shown.title == "Lumarik");
    const QString told = "Die Einstellungen konnten nicht gespeichert werden: ";
    EXPECT_TRUE(shown.text.startsWith(told) && shown.text.size() > told.size());
}

TEST(CSApplicationTest, ErrorDisplayLogsAndShows) {
    TestEnvironment env;
    const CSApplication app(env.Context());
    app.ErrorDisplay("Etwas ging schief", "internal detail", 42);
    app.ErrorDisplay("Noch einmal", "second", 7);
    const QString log = env.ReadFile("ERROR.LOG");
    EXPECT_TRUE(log.contains("Etwas ging schief\n  Error: [42]: internal detail\n"));
    EXPECT_TRUE(log.contains("Noch einmal\n  Error: [7]: second\n"));
    ASSERT_EQ(env.prompter.MessageTexts().size(), 2u);
    const ShownPrompt& shown = env.prompter.Shown()[0];
    EXPECT_TRUE(shown.icon == PromptIcon::Exclamation && shown.title == "Lumarik");
}

TEST(CDebugLogTest, AppendsQuotedLinesAndClears) {
    TestEnvironment env;
    CDebugLog log(env.ProgramDir());
    log.WriteToLog("erste Zeile");
    log.WriteToLog("zweite");
    EXPECT_EQ(env.ReadFile("Debug.Log"), "\"erste Zeile\"\n\"zweite\"\n");
    log.LogClear();
    EXPECT_FALSE(QFile::exists(log.FilePath()));
    log.LogClear();  // clearing a missing log is fine
}

TEST(CSWindowTest, ClipboardCommandsWorkOnTheFocusedTextBox) {
    QWidget window;
    auto* box = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    box->setFocus();
    QApplication::processEvents();
    if (QApplication::focusWidget() != box) GTEST_SKIP() << "no focus on this platform";

    CSWindow shell;
    box->setText("100mm");
    box->setSelection(0, 3);
    ASSERT_TRUE(shell.EditCut());
    EXPECT_EQ(box->text(), "mm");
    EXPECT_EQ(QApplication::clipboard()->text(), "100");
    box->setCursorPosition(2);
    ASSERT_TRUE(shell.EditPaste());
    EXPECT_EQ(box->text(), "mm100");
    box->selectAll();
    ASSERT_TRUE(shell.EditCopy());
    EXPECT_EQ(QApplication::clipboard()->text(), "mm100");

    box->clearFocus();
    window.setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(shell.EditCopy());
}

TEST(CSWindowTest, CenterAndAtMouseKeepTheWindowOnTheScreen) {
    QWidget dialog;
    dialog.resize(200, 100);
    dialog.show();
    CSWindow shell;
    shell.Center(&dialog);
    const QRect area = dialog.screen()->availableGeometry();
    EXPECT_LE((dialog.frameGeometry().center() - area.center()).manhattanLength(), 4);
    shell.AtMouse(&dialog, area.right() + 500, area.bottom() + 500);
    EXPECT_TRUE(area.contains(dialog.frameGeometry()));
    shell.TopLeft(&dialog);
    EXPECT_EQ(dialog.frameGeometry().topLeft(), area.topLeft());
}

// Answering in turn is used by every window test; what must never pass unnoticed is a box
// that no test expected.
// The lean style draws group boxes pixel for pixel as Fusion does, titled, ticked and bare,
// and its first frame loads no image plugin (a process that has loaded them already cannot
// tell, and says so).
TEST(LeanFusionStyleTest, GroupBoxesLookAsInFusionWithoutLoadingImagePlugins) {
    auto imagePluginsLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
    };
    const bool loadedBefore = imagePluginsLoaded();
    auto render = [](QStyle* style) {
        QWidget window;
        window.setStyle(style);
        auto* layout = new QHBoxLayout(&window);
        for (int kind = 0; kind < 3; ++kind) {
            auto* box = new QGroupBox(kind == 2 ? QString() : QStringLiteral("Objekt"));
            box->setStyle(style);
            box->setCheckable(kind == 1);
            (new QVBoxLayout(box))->addWidget(new QLabel(QStringLiteral("f' = 50,0mm")));
            layout->addWidget(box);
        }
        window.resize(420, 120);
        return window.grab().toImage();
    };
    LeanFusionStyle lean;
    const QImage drawn = render(&lean);
    if (!loadedBefore) {
        EXPECT_FALSE(imagePluginsLoaded());
    }
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    EXPECT_EQ(drawn, render(fusion.get()));
}

TEST(FakePrompterTest, AnUnscriptedQuestionFailsTheTest) {
    test::FakePrompter prompter;
    EXPECT_NONFATAL_FAILURE(prompter.Question("Speichern?", true, "Lumarik"),
                            "unexpected question");
    EXPECT_NONFATAL_FAILURE(prompter.Input("Wert?", "Titel", ""), "unexpected input box");
}

}  // namespace
}  // namespace lumarik
