#include "core/help/HelpTexts.h"
#include "support/TestEnvironment.h"
#include "support/WidgetTest.h"
#include "ui/help/frmHelp.h"
#include "ui/shell/About.h"
#include "ui/shell/CSApplication.h"

namespace lumarik {
namespace {

using test::ShownPrompt;
using test::TestEnvironment;

TEST(AboutTest, ShowsTitleVersionCommentNoticeAndThePlatformFacts) {
    TestEnvironment env;
    QPointer<About> about = About::Display(env.Context(), nullptr);
    const CSApplication app(env.Context());
    EXPECT_EQ(about->windowTitle(), "Info Lumarik");
    EXPECT_FALSE(about->findChild<QLabel*>("picIcon")->pixmap().isNull());
    EXPECT_EQ(about->findChild<QLabel*>("lblVer")->text(), app.Version());
    EXPECT_EQ(about->findChild<QLabel*>("lblComment")->text(), app.Comment());
    EXPECT_TRUE(about->findChild<QLabel*>("lblDisclaimer")->text().contains("Gewährleistung"));

    test::ClickButton(about, "cmdSysInfo");
    ASSERT_EQ(env.prompter.Shown().size(), 1u);
    const ShownPrompt& shown = env.prompter.Shown().front();
    EXPECT_EQ(shown.icon, PromptIcon::Information);
    for (const QString& fact : {QSysInfo::prettyProductName(), QSysInfo::currentCpuArchitecture(),
                                QString::fromLatin1(qVersion())})
        EXPECT_TRUE(shown.text.contains(fact)) << fact.toStdString();
    EXPECT_TRUE(about->isVisible());
    test::ClickButton(about, "cmdOK");
    EXPECT_TRUE(test::Gone(about));
}

// Each page's own words are checked with the help texts; here the box shows its page.
class HelpPageTest : public ::testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(HelpPageTest, OpensOnTheRequestedTextPage) {
    const auto& [page, name] = GetParam();
    QWidget owner;
    owner.show();
    QPointer<frmHelp> help = frmHelp::Display(&owner, page);
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowModality(), Qt::WindowModal);
    auto* tabs = test::FindIn<QTabWidget>(help, "tabSymbols");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->currentIndex(), page);
    EXPECT_EQ(test::FindIn<QListWidget>(help, "lstPages")->currentRow(), page);
    auto* box = tabs->currentWidget()->findChild<QPlainTextEdit*>(name);
    if (!box) box = qobject_cast<QPlainTextEdit*>(tabs->currentWidget());
    ASSERT_NE(box, nullptr) << name;
    EXPECT_EQ(box->objectName(), name);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->toPlainText().toStdString(), HelpText(page));

    test::ClickButton(help, "comCancel");
    EXPECT_TRUE(test::Gone(help));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Topics, HelpPageTest, ::testing::Values(
    std::pair{kHelpKeyParams, "txtKeyParams"}, std::pair{kHelpSliders, "txtSliders"},
    std::pair{kHelpAdvanced, "txtAdvanced"}, std::pair{kHelpNotes, "txtNotes"},
    std::pair{kHelpNewFeatures, "txtGaussian"}, std::pair{kHelpLatestVersion, "txtLatestVersion"}),
    [](const auto& info) { return std::string(info.param.second); });
// clang-format on

TEST(HelpTest, PagesTurnFromTheListAndPicturesAreDrawn) {
    frmHelp help;
    help.ShowPage(99);
    EXPECT_EQ(help.CurrentPage(), 0);
    help.ShowPage(-1);
    EXPECT_EQ(help.CurrentPage(), 0);
    help.show();

    auto* pages = help.findChild<QListWidget*>("lstPages");
    ASSERT_EQ(pages->count(), help.PageCount());
    QTest::mouseClick(pages->viewport(), Qt::LeftButton, {},
                      pages->visualItemRect(pages->item(3)).center());
    EXPECT_EQ(help.CurrentPage(), 3);

    auto* tabs = help.findChild<QTabWidget*>("tabSymbols");
    // clang-format off
    const std::map<int, QStringList> pictures = {
        {3, {"pctConj", "pctConjMirror"}}, {5, {"pctAp", "pctApMirror"}},
        {6, {"pctCardPoint", "pctCardPointMirror"}}, {7, {"pctDepthField"}},
        {8, {"pctDepthFocus"}}, {11, {"pctHyperFocal"}}};
    // clang-format on
    for (const auto& [page, names] : pictures) {
        help.ShowPage(page);
        for (const QString& name : names) {
            QWidget* picture = test::FindIn(tabs->currentWidget(), name);
            ASSERT_NE(picture, nullptr);
            ASSERT_TRUE(picture->isVisible()) << name.toStdString();
            const QImage image = picture->grab().toImage();
            int inked = 0;
            for (int y = 0; y < image.height(); y += 2)
                for (int x = 0; x < image.width(); x += 2) inked += qGray(image.pixel(x, y)) < 128;
            EXPECT_GT(inked, 100) << name.toStdString();
        }
    }
}

TEST(NewFeaturesTest, ShownOncePerStore) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("user.ini"), QSettings::IniFormat);
    EXPECT_TRUE(ShouldShowNewFeatures(store));
    EXPECT_TRUE(MarkNewFeaturesShown(store));
    EXPECT_FALSE(ShouldShowNewFeatures(store));
    EXPECT_EQ(store.value("NewFeature/V22").toString(), "-1");

    // Read as a Boolean: whatever says false shows the page.
    for (const auto& [stored, shown] :
         {std::pair{"False", true}, {"0", true}, {"", true}, {"True", false}}) {
        store.setValue("NewFeature/V22", stored);
        EXPECT_EQ(ShouldShowNewFeatures(store), shown) << stored;
    }
}

// The program's store is shared by every test program of the run, so this test only ever
// leaves the flag set (the state in which windows under test open without the help page).
TEST(NewFeaturesTest, ProgramStoreIsTheIsolatedUserStore) {
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Lumarik", "Lumarik");
    // The test runner gives each test program a per-user store in a temporary folder.
    ASSERT_TRUE(store.fileName().startsWith(QDir::tempPath())) << store.fileName().toStdString();

    EXPECT_TRUE(MarkNewFeaturesShown());
    EXPECT_FALSE(ShouldShowNewFeatures());
    const QSettings reread(QSettings::NativeFormat, QSettings::UserScope, "Lumarik", "Lumarik");
    EXPECT_EQ(reread.value("NewFeature/V22").toString(), "-1");
}

}  // namespace
}  // namespace lumarik
