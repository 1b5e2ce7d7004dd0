#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <map>

#include "core/help/HelpTexts.h"
#include "ui/chart/frmApFNosStandard.h"
#include "ui/mainwindow/WindowDriver.h"
#include "ui/shell/frmHelp.h"

namespace lumarik {
namespace {

using Dialogs = test::WindowDriver;

TEST_F(Dialogs, StandardFNumberEntersTheExactValueOnlyForTheFNumber) {
    ChooseLensSystem();
    Tick("chkVarTypeAp_2");
    EXPECT_FALSE(Find<QPushButton>("comApFNosStandard")->isVisible());
    Tick("chkVarTypeAp_2");
    Tick("chkVarTypeAp_1");
    ASSERT_TRUE(Find<QPushButton>("comApFNosStandard")->isVisible());

    Click("comApFNosStandard");
    auto* list = window->findChild<frmApFNosStandard*>();
    ASSERT_NE(list, nullptr);
    Click("comCancel");  // Cancel changes nothing
    EXPECT_FALSE(Model().Apertures().VarValDef(1));

    Click("comApFNosStandard");
    list = window->findChild<frmApFNosStandard*>();
    ASSERT_NE(list, nullptr);
    auto* entries = list->findChild<QListWidget*>("lstFNos0");
    const QList<QListWidgetItem*> f12 = entries->findItems("F/1.2", Qt::MatchExactly);
    ASSERT_FALSE(f12.isEmpty());
    entries->setCurrentItem(f12.first());
    QTest::mouseClick(list->findChild<QPushButton*>("comOK"), Qt::LeftButton);
    EXPECT_EQ(Text("txtVarTypeAp_0"), "1.1892");
    EXPECT_NEAR(Model().ApertureValue(kApFNumber), 1.1892, 1e-4);
}

TEST_F(Dialogs, HelpOpensOnThePageOfTheOptionsTab) {
    auto* tabs = Find<QTabWidget>("tabOptions");
    const std::map<QString, QString> helpPage = {{"Optionen", "Regler"},
                                                 {"Erweitert", "Erweiterte Optionen"}};
    ASSERT_EQ(tabs->count(), static_cast<int>(helpPage.size()));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        Click("comHelp");
        QPointer<frmHelp> help = window->findChild<frmHelp*>();
        ASSERT_TRUE(help);
        EXPECT_EQ(help->findChild<QListWidget*>("lstPages")->currentItem()->text().toStdString(),
                  helpPage.at(tabs->tabText(page)).toStdString());
        help->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(Dialogs, UserSymbolStyleShowsEverywhere) {
    window.reset();
    env.WriteFile("Lumarik.INI", "[Symbols]\nBrennweite:=F'\n");
    Open();
    ChooseLensSystem();
    EXPECT_FALSE(Find<QPushButton>("comSymbols")->isEnabled());
    Find<QListWidget>("lstSymbols")->setCurrentRow(1);
    EXPECT_TRUE(Find<QPushButton>("comSymbols")->isEnabled());
    EXPECT_EQ(Find<QCheckBox>("chkVarType_0")->text(), "Brennweite: F'");
    EXPECT_EQ(window->findChild<QLabel*>("lblVarType_0")->text(), "Brennweite: F'");
    EXPECT_EQ(Items("lstResNames").first(), "Brennweite: F'");
    EXPECT_TRUE(env.ReadFile("Lumarik.INI").contains("UnitType=1"));
    Find<QListWidget>("lstSymbols")->setCurrentRow(0);
    EXPECT_EQ(Find<QCheckBox>("chkVarType_0")->text(), "Brennweite: f'");
}

TEST(NewFeatures, ShownAtTheFirstStartOnly) {
    test::TestEnvironment env;
    QSettings().remove(QStringLiteral("NewFeature"));
    {
        frmLumarik window(env.Context());
        window.show();
        QApplication::processEvents();
        auto* help = window.findChild<frmHelp*>();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->CurrentPage(), kHelpNewFeatures);
    }
    frmLumarik again(env.Context());
    again.show();
    QApplication::processEvents();
    EXPECT_EQ(again.findChild<frmHelp*>(), nullptr);
}

}  // namespace
}  // namespace lumarik
