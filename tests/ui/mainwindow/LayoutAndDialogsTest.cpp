// The main window's layout (nothing cut, lists that scroll together, keyboard reach) and the
// dialogs it opens.

#include "ui/chart/frmApFNosStandard.h"
#include "ui/mainwindow/WindowDriver.h"
#include "ui/shell/frmHelp.h"

namespace lumarik {
namespace {

using Layout = test::WindowDriver;
using Dialogs = test::WindowDriver;

// Every visible text shows in full: captions, options and list entries, every list row.
void ExpectNothingCut(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const std::string name = w->objectName().toStdString();
        auto* label = qobject_cast<QLabel*>(w);
        auto* list = qobject_cast<QListWidget*>(w);
        if (label && label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
        } else if (label || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)) {
            EXPECT_LE(w->sizeHint().width(), w->width()) << name;
        } else if (list) {
            EXPECT_LE(list->sizeHintForColumn(0), list->viewport()->width()) << name;
            EXPECT_LE(list->count() * list->sizeHintForRow(0), list->viewport()->height()) << name;
        } else if (name.rfind("hscVarValue", 0) == 0) {
            EXPECT_GE(w->width(), 160) << name;
        }
    }
}

TEST_F(Layout, EverythingShowsInFullAtTheFirstSizeAndMaximised) {
    const QSize first = window->size();
    ChooseLensSystem();
    Tick("chkAllowVirtualObj");
    Type("txtVarType_1", "50");  // "     [Virtuell]" follows the value
    Tick("chkVarTypeAp_1");
    Type("txtVarTypeAp_0", "4");
    Find<QListWidget>("lstOptions")->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(window->size(), first);
    ASSERT_EQ(Items("lstResNames").size(), 20);
    ExpectNothingCut(window.get());
    window->showMaximized();
    QApplication::processEvents();
    ExpectNothingCut(window.get());
}

TEST_F(Layout, NamesAndValuesScrollAndSelectTogether) {
    ChooseLensSystem();
    Find<QListWidget>("lstOptions")->item(1)->setCheckState(Qt::Checked);
    for (const QString pair : {"Res", "DOF"}) {
        auto* names = Find<QListWidget>("lst" + pair + "Names");
        auto* values = Find<QListWidget>("lst" + pair + "Vals");
        for (QListWidget* list : {names, values}) list->setFixedHeight(list->height() / 2);
        QApplication::processEvents();
        QWheelEvent wheel({5, 5}, names->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(names->viewport(), &wheel);
        EXPECT_GT(names->verticalScrollBar()->value(), 0);
        EXPECT_EQ(values->verticalScrollBar()->value(), names->verticalScrollBar()->value());
        values->setCurrentRow(4);
        EXPECT_EQ(names->currentRow(), 4);
    }
}

TEST_F(Layout, TabReachesSlidersAndResultsAndKeysMoveASlider) {
    MarkNewFeaturesShown();
    ChooseLensSystem();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto tabFrom = [this](const QString& name) {
        Find<QWidget>(name)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(tabFrom("lstSymbols")->objectName(), "lstResNames");
    QWidget* slider = tabFrom("txtVarLimHi_0");
    EXPECT_EQ(slider->accessibleName(), "Regler 1");
    for (int step = 0; step < 3; ++step) QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(Text("txtVarType_0"), "100.6mm");
}

TEST_F(Dialogs, StandardFNumberEntersTheExactValueOnlyForTheFNumber) {
    ChooseLensSystem();
    Tick("chkVarTypeAp_2");
    EXPECT_FALSE(Find<QPushButton>("comApFNosStandard")->isVisible());
    TickEach({"chkVarTypeAp_2", "chkVarTypeAp_1"});
    ASSERT_TRUE(Find<QPushButton>("comApFNosStandard")->isVisible());

    Click("comApFNosStandard");
    Click("comCancel");  // Cancel changes nothing
    EXPECT_FALSE(Model().Apertures().VarValDef(1));

    Click("comApFNosStandard");
    auto* list = window->findChild<frmApFNosStandard*>();
    ASSERT_NE(list, nullptr);
    auto* entries = list->findChild<QListWidget*>("lstFNos0");
    const QList<QListWidgetItem*> f12 = entries->findItems("F/1.2", Qt::MatchExactly);
    ASSERT_FALSE(f12.isEmpty());
    entries->setCurrentItem(f12.first());
    test::ClickButton(list, "comOK");
    EXPECT_EQ(Text("txtVarTypeAp_0"), "1.1892");
    EXPECT_NEAR(Model().ApertureValue(kApFNumber), 1.1892, 1e-4);
}

TEST_F(Dialogs, HelpOpensOnThePageOfTheOptionsTab) {
    auto* tabs = Find<QTabWidget>("tabOptions");
    const QStringList helpPages = {"Regler", "Erweiterte Optionen"};
    ASSERT_EQ(tabs->count(), helpPages.size());
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        Click("comHelp");
        QPointer<frmHelp> help = window->findChild<frmHelp*>();
        ASSERT_TRUE(help);
        EXPECT_EQ(help->findChild<QListWidget*>("lstPages")->currentItem()->text(),
                  helpPages[page]);
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

}  // namespace
}  // namespace lumarik
