// The main window's layout (nothing cut, lists that scroll together, keyboard reach), the
// dialogs it opens and the aperture-field chart with its enlarged window.

#include "ui/chart/ApFldChart.h"
#include "ui/chart/frmApFNosStandard.h"
#include "ui/chart/frmApFldPlot.h"
#include "ui/help/frmHelp.h"
#include "ui/mainwindow/WindowDriver.h"
#include "ui/shell/UserStore.h"

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
            EXPECT_LE(w->minimumSizeHint().height(), w->height()) << name;
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

// A start with the fonts, style and captions of the last one takes the least size it measured
// and builds the extra information only when it first shows; that still shows in full. Other
// fonts, or a damaged note of the size, measure anew.
TEST_F(Layout, ARestartTakesTheMeasuredSizeUntilTheFontChanges) {
    const QSize least = window->minimumSize();
    ASSERT_NE(window->findChild<QWidget*>("tabExtraInfo"), nullptr);
    auto showExtraInformation = [this] {
        ChooseLensSystem();
        Find<QListWidget>("lstOptions")->item(1)->setCheckState(Qt::Checked);
        QApplication::processEvents();  // the layout passes the event loop runs
        return Find<QTabWidget>("tabExtraInfo")->geometry();
    };
    const QRect measured = showExtraInformation();
    window.reset();
    Open();
    EXPECT_EQ(window->findChild<QWidget*>("tabExtraInfo"), nullptr);
    EXPECT_EQ(window->minimumSize(), least);
    const QSize first = window->size();
    EXPECT_EQ(showExtraInformation(), measured);
    Find<QTabWidget>("tabExtraInfo")->setCurrentIndex(1);  // the chart is the higher page
    QApplication::processEvents();
    EXPECT_EQ(window->size(), first);
    ExpectNothingCut(window.get());

    const QFont font = QApplication::font();
    QFont larger = font;
    larger.setPointSizeF(font.pointSizeF() * 1.25);
    QApplication::setFont(larger);
    window.reset();
    Open();
    QApplication::setFont(font);
    EXPECT_NE(window->findChild<QWidget*>("tabExtraInfo"), nullptr);
    EXPECT_GT(window->minimumSize().width(), least.width());

    window.reset();
    env.WriteFile("Lumarik.layout", "damaged");
    Open();
    EXPECT_NE(window->findChild<QWidget*>("tabExtraInfo"), nullptr);
    EXPECT_EQ(window->minimumSize(), least);
}

// Building the window opens no other window beside it, not even for a moment (a control
// shown before it has a parent would).
TEST_F(Layout, BuildingTheWindowOpensNoOtherWindow) {
    struct ShownWindows : QObject {
        bool eventFilter(QObject* object, QEvent* event) override {
            auto* w = qobject_cast<QWidget*>(object);
            if (event->type() == QEvent::Show && w && w->isWindow() &&
                !qobject_cast<frmLumarik*>(w)) {
                names << w->objectName();
            }
            return false;
        }
        QStringList names;
    } shown;
    qApp->installEventFilter(&shown);
    frmLumarik second(env.Context());
    second.show();
    qApp->removeEventFilter(&shown);
    EXPECT_TRUE(shown.names.isEmpty()) << shown.names.join(", ").toStdString();
}

// The beam mode shares the window's places: at the first size its frames, rows, results and
// extra information show in full too.
TEST_F(Layout, TheBeamModeShowsInFullAtTheFirstSize) {
    const QSize first = window->size();
    ChooseBeam();
    EXPECT_EQ(window->size(), first);
    ASSERT_TRUE(Find<QWidget>("tabExtraInfoGB")->isVisible());
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
    QWidget* slider = tabFrom("txtVarLimLow_0");
    EXPECT_EQ(slider->accessibleName(), "Brennweite: f' – Regler");
    EXPECT_EQ(slider->accessibleDescription(), "Regler 1");
    for (int step = 0; step < 3; ++step) QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(Text("txtVarType_0"), "100.6mm");
}

// Tab goes as the eye reads: the choice, each value row left to right, the options, the results,
// the drawing and the extra information, then the buttons.
TEST_F(Layout, TabFollowsTheVisualOrder) {
    MarkNewFeaturesShown();
    ChooseLensSystem();
    Tick("chkVarTypeAp_1");
    Find<QListWidget>("lstOptions")->item(1)->setCheckState(Qt::Checked);
    std::vector<QString> order;
    QWidget* w = Find<QWidget>("chkVarType_0");
    do {
        const bool takesTab = w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
        if (takesTab && !w->objectName().isEmpty()) order.push_back(w->objectName());
        w = w->nextInFocusChain();
    } while (w->objectName() != "chkVarType_0");
    const auto at = [&order](const char* name) {
        return std::find(order.begin(), order.end(), QString(name)) - order.begin();
    };
    const char* const expected[] = {
        "chkVarType_0",  "chkVarTypeAp_3", "txtVarType_0",    "txtVarLimLow_0",   "hscVarValue_0",
        "txtVarLimHi_0", "txtVarType_1",   "txtVarLimHiAp_0", "chkGaussBeamMode", "lstResNames",
        "lstResVals",    "pctDrg",         "lstDOFNames",     "comUndo",          "comEnd"};
    for (std::size_t i = 1; i < std::size(expected); ++i) {
        EXPECT_LT(at(expected[i - 1]), at(expected[i])) << expected[i - 1] << " " << expected[i];
        EXPECT_LT(at(expected[i]), static_cast<std::ptrdiff_t>(order.size())) << expected[i];
    }
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

// f' = 50, object at infinity, w = 20°, F/2 with the chart on the extra-information tab.
struct Chart : test::WindowDriver {
    void SetUp() override {
        TickEach(
            {"chkVarType_0", "chkVarType_1", "chkObjAtInfinity", "chkVarType_6", "chkVarTypeAp_1"});
        Type("txtVarType_0", "50");
        Type("txtVarType_2", "20");
        Type("txtVarTypeAp_0", "2");
        Find<QListWidget>("lstOptions")->item(1)->setCheckState(Qt::Checked);
        Find<QTabWidget>("tabExtraInfo")->setCurrentIndex(1);
        chart = window->findChild<ApFldChart*>();
        ASSERT_NE(chart, nullptr);
        plot = Find<QWidget>("pctApFldPlot");
    }
    QPoint At(const ApFldChart& c, ChartPoint p) {
        const ChartPixel px = c.Axes().ToPixel(p);
        return {px.x, px.y};
    }
    // Sent straight to the plot: the offscreen platform hands a moved cursor to whichever
    // window it finds first there, not the one on top.
    static void Hover(QWidget* target, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    QString Label(const QString& name, QWidget* in = nullptr) {
        return (in ? in : window.get())->findChild<QLabel*>(name)->text();
    }
    ApFldChart* chart = nullptr;
    QWidget* plot = nullptr;
};

TEST_F(Chart, ShowsTheSystemAndReadsOutUnderTheMouse) {
    EXPECT_EQ(plot->accessibleName(), "Apertur-Feld-Diagramm");
    EXPECT_EQ(Find<QPushButton>("comApFldEnlarge")->accessibleName(), "Vergrößern");
    EXPECT_EQ(Find<QPushButton>("comApFldUndo")->accessibleName(), "Apertur-Feld rückgängig");
    ASSERT_TRUE(chart->Current().has_value());
    EXPECT_NEAR(chart->Current()->na, 0.25, 1e-6);
    EXPECT_EQ(chart->Hits().size(), 0u);
    // Without the mouse the read-out tells the system: F/2 with the object at infinity works
    // at F/2, a' = f'.
    EXPECT_EQ(Label("lblApFldFNosEff"), "F/2.0 effektiv");
    EXPECT_EQ(Label("lblApFldLensClass"), " Doppel Gauss");
    Hover(plot, At(*chart, {0.1, 5.0}));
    EXPECT_NE(Label("lblApFldLensClass"), " Doppel Gauss");
    Hover(plot, At(*chart, {0.25, 20.0}));
    EXPECT_EQ(chart->Hits(), std::vector<int>{3});
    EXPECT_EQ(Label("lblApFldLensClass"), " Doppel Gauss");
    const QString effective = Label("lblApFldFNosEff");
    EXPECT_TRUE(effective.startsWith("F/") && effective.contains(" effektiv  Feld ") &&
                effective.endsWith("°"))
        << effective.toStdString();
    // Leaving the chart and changing the system show the system again.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(plot, &leave);
    EXPECT_EQ(Label("lblApFldFNosEff"), "F/2.0 effektiv");
    Type("txtVarTypeAp_0", "4");
    EXPECT_EQ(Label("lblApFldFNosEff"), "F/4.0 effektiv");
    // Screen readers read the label's text.
    QLabel* lensClass = window->findChild<QLabel*>("lblApFldLensClass");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(lensClass)->text(QAccessible::Name),
              lensClass->text());
}

// With the focus, arrow keys move a cross-hair from the system's point, the read-out follows
// and is what a screen reader hears, and Enter applies it like a click.
TEST_F(Chart, TheKeyboardMovesACrossHairAndEnterAppliesIt) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    plot->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(chart->Cursor().has_value());
    const QPoint start(chart->Cursor()->x, chart->Cursor()->y);
    EXPECT_EQ(start, At(*chart, *chart->Current()));
    EXPECT_TRUE(plot->accessibleDescription().startsWith("F/2.0"));
    EXPECT_TRUE(plot->accessibleDescription().endsWith("Doppel Gauss"));
    for (int i = 0; i < 10; ++i) QTest::keyClick(plot, Qt::Key_Left);
    QTest::keyClick(plot, Qt::Key_Down);
    const ChartPixel moved = *chart->Cursor();
    EXPECT_LT(moved.x, start.x());
    EXPECT_GT(moved.y, start.y());
    EXPECT_EQ(plot->accessibleDescription().left(Label("lblApFldFNosEff").size()),
              Label("lblApFldFNosEff"));
    EXPECT_TRUE(Label("lblApFldFNosEff").contains("Feld"));
    QTest::keyClick(plot, Qt::Key_Return);
    const ChartAxes& axes = chart->Axes();
    EXPECT_NEAR(window->Model().Value(kParObjectAngle) * 180.0 / M_PI, axes.y.ToValue(moved.y),
                0.05 * axes.y.ToValue(moved.y));
    EXPECT_TRUE(Find<QPushButton>("comApFldUndo")->isEnabled());
}

// Switched to a mirror while its tab is hidden, the chart shows the mirror families once the
// tab shows.
TEST_F(Chart, FollowsTheModeChangedWhileItsTabIsHidden) {
    auto* tabs = Find<QTabWidget>("tabExtraInfo");
    tabs->setCurrentIndex(0);
    Find<QListWidget>("lstMirrorMode")->setCurrentRow(1);
    tabs->setCurrentIndex(1);
    ASSERT_TRUE(plot->isVisible());
    Hover(plot, At(*chart, {0.05, 0.28}));
    EXPECT_TRUE(Label("lblApFldLensClass").contains("Parabel"))
        << Label("lblApFldLensClass").toStdString();
}

TEST_F(Chart, ClickMovesApertureAndFieldAndUndoRestoresOnce) {
    QPushButton* undo = Find<QPushButton>("comApFldUndo");
    // On the system's own point nothing happens.
    QTest::mouseClick(plot, Qt::LeftButton, {}, At(*chart, *chart->Current()));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(window->Model().Selected().Numbers(), (std::vector<int>{0, 1, 6}));

    QTest::mouseClick(plot, Qt::LeftButton, {}, At(*chart, {0.05, 5.0}));
    // The click pixel's values, to the resolution of the chart.
    EXPECT_NEAR(window->Model().ApertureValue(kApFNumber), 10.0, 0.2);
    EXPECT_NEAR(window->Model().Value(kParObjectAngle), 5.0 * M_PI / 180.0, 0.002);
    EXPECT_EQ(Text("txtVarTypeAp_0").left(2), QStringLiteral("9."));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(window->Model().Selected().Numbers(), (std::vector<int>{0, 1, 6}));
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(Text("txtVarTypeAp_0"), "2.0");
    EXPECT_EQ(Text("txtVarType_2"), "20.0Grad");
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(Chart, EnlargedWindowShowsSketchesAndKeepsItsPlace) {
    UserStore().remove(QStringLiteral("ApFieldPlot"));
    Click("comApFldEnlarge");
    auto* big = window->findChild<frmApFldPlot*>();
    ASSERT_NE(big, nullptr);
    QWidget* bigPlot = big->findChild<QWidget*>("pctApFldPlot");
    Hover(bigPlot, At(big->Chart(), {0.046, 13.0}));
    EXPECT_EQ(Label("pctCaptLens", big), "Landschaftslinse");
    EXPECT_EQ(Label("pctCaptLensRays", big), "Landschaftslinse");
    EXPECT_TRUE(Label("lblApFldFNosEff", big).contains("  F(eff)/"));
    Hover(bigPlot, At(big->Chart(), {0.9, 50.0}));
    EXPECT_EQ(Label("pctCaptLens", big).toStdString(), "");

    // A click there acts on the system like one on the small chart.
    QTest::mouseClick(bigPlot, Qt::LeftButton, {}, At(big->Chart(), {0.1, 10.0}));
    EXPECT_TRUE(Find<QPushButton>("comApFldUndo")->isEnabled());

    big->setGeometry(100, 80, 700, 520);
    const QRect kept = big->geometry();
    big->close();
    QCoreApplication::processEvents();
    Click("comApFldEnlarge");
    big = window->findChild<frmApFldPlot*>();
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->size(), kept.size());
}

// The plot and its axis strips at the size shown, with the system's cross in its place.
TEST_F(Chart, ContextMenuCopiesAndSavesThePicture) {
    Click("comApFldEnlarge");
    auto* big = window->findChild<frmApFldPlot*>();
    ASSERT_NE(big, nullptr);
    QCoreApplication::processEvents();
    for (ApFldChart* c : {chart, &big->Chart()}) {
        QApplication::clipboard()->clear();
        ChooseFromContextMenu(c->Plot(), 0);
        const QImage copied = QApplication::clipboard()->image();
        EXPECT_EQ(copied.size(), c->size());
        const QPoint cross = c->Plot()->pos() + At(*c, *c->Current());
        EXPECT_EQ(copied.pixelColor(cross), QColor(Qt::red));

        const QString file = env.FilePath("diagramm.png");
        env.prompter.AnswerInput(file);
        ChooseFromContextMenu(c->Plot(), 1);
        EXPECT_EQ(QImage(file).size(), c->size() * 2);
    }
    EXPECT_EQ(env.prompter.Shown()[0].defaultAnswer, "Lumarik-Diagramm.png");
}

TEST(ChartLocation, StoredTextTurnsIntoAPositionOrNothing) {
    EXPECT_EQ(ChartLocationText(QRect(150, 300, 9000, 6000)), "150|300|9000|6000|");
    EXPECT_EQ(ChartLocationAsPosition("150|300|9000|6000|"), "300|150|6000|9000");
    for (const char* bad : {"", "150|300|9000|6000", "150|x|9000|6000|", "1|2|3|4|5|"})
        EXPECT_EQ(ChartLocationAsPosition(bad), "") << bad;
}

}  // namespace
}  // namespace lumarik
