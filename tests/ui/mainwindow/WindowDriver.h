// Drives the real main window offscreen through its controls, found by object name, with
// the scripted Prompter answering every box.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <memory>

#include "support/TestEnvironment.h"
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
        W* w = window->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void Click(const QString& name) { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
    void Tick(const QString& box) { QTest::mouseClick(Find<QCheckBox>(box), Qt::LeftButton); }
    void Type(const QString& box, const QString& text) {
        QLineEdit* edit = Find<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
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
