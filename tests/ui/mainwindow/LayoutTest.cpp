#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>

#include "ui/mainwindow/WindowDriver.h"
#include "ui/shell/frmHelp.h"

namespace lumarik {
namespace {

using Layout = test::WindowDriver;

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
    EXPECT_TRUE(first.width() >= 820 && first.height() >= 560);
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
    EXPECT_NEAR(Model().Value(kParImageDist), 100.6 * 250.0 / 149.4, 1e-3);
    Click("comUndo");  // the three steps are one slider run
    EXPECT_EQ(Text("txtVarType_0"), "100.0mm");
}

}  // namespace
}  // namespace lumarik
