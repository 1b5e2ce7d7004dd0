// Drives the real main window offscreen through its controls, found by object name, with
// the scripted Prompter answering every box.
#pragma once

#include <memory>

#include "support/TestEnvironment.h"
#include "support/WidgetTest.h"
#include "ui/mainwindow/frmLumarik.h"

namespace lumarik::test {

class WindowDriver : public ::testing::Test {
protected:
    WindowDriver() { Open(); }

    void Open() {
        window = std::make_unique<frmLumarik>(env.Context());
        window->show();
    }

    template <typename W>
    W* Find(const QString& name) {
        return FindIn<W>(window.get(), name);
    }
    void Click(const QString& name) { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
    void Tick(const QString& box) { QTest::mouseClick(Find<QCheckBox>(box), Qt::LeftButton); }
    void Type(const QString& box, const QString& text) { TypeInto(Find<QLineEdit>(box), text); }
    QString Text(const QString& box) { return Find<QLineEdit>(box)->text(); }
    QStringList Items(const QString& list) {
        QStringList items;
        QListWidget* w = Find<QListWidget>(list);
        for (int i = 0; i < w->count(); ++i) items << w->item(i)->text();
        return items;
    }
    // f' = 100, a = -250, u = 10: the usual first system.
    void ChooseLensSystem() {
        Tick("chkVarType_0");
        Tick("chkVarType_1");
        Tick("chkVarType_5");
        Type("txtVarType_0", "100");
        Type("txtVarType_1", "-250");
        Type("txtVarType_2", "10");
    }
    // Beam mode with f' = 100, s = 200 and a waist radius of 0.5.
    void ChooseBeam() {
        Tick("chkGaussBeamMode");
        for (const char* box : {"chkVarTypeGB_0", "chkVarTypeGB_1", "chkVarTypeGB_5"}) Tick(box);
        Type("txtVarType_0", "100");
        Type("txtVarType_1", "200");
        Type("txtVarType_2", "0.5");
    }
    const LumarikCode& Model() { return window->Model(); }
    // Opens the context menu of `target` with a right click through its window, as the window
    // system delivers it, and picks an entry with the keyboard.
    void ChooseFromContextMenu(QWidget* target, int entry) {
        bool opened = false;
        QTimer::singleShot(0, target, [entry, &opened] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            opened = true;
            for (int i = 0; i <= entry; ++i) QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        const QPoint at = target->mapTo(target->window(), target->rect().center());
        QTest::mouseClick(target->window()->windowHandle(), Qt::RightButton, {}, at);
        EXPECT_TRUE(opened);
    }

    TestEnvironment env;
    std::unique_ptr<frmLumarik> window;
};

}  // namespace lumarik::test
