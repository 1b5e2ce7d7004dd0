// Drives the real main window offscreen through its controls, found by object name, with
// the scripted Prompter answering every box.
#pragma once

#include <initializer_list>
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
    void TickEach(std::initializer_list<const char*> boxes) {
        for (const char* box : boxes) Tick(box);
    }
    void Type(const QString& box, const QString& text) { TypeInto(Find<QLineEdit>(box), text); }
    // Into the value boxes of the first rows, in turn.
    void TypeValues(std::initializer_list<const char*> values) {
        int row = 0;
        for (const char* value : values) Type(QString("txtVarType_%1").arg(row++), value);
    }
    QString Text(const QString& box) { return Find<QLineEdit>(box)->text(); }
    // The messages shown so far, one a line.
    QString Told() {
        const std::vector<QString> texts = env.prompter.MessageTexts();
        return QStringList(texts.begin(), texts.end()).join('\n');
    }
    QStringList Items(const QString& list) {
        QStringList items;
        QListWidget* w = Find<QListWidget>(list);
        for (int i = 0; i < w->count(); ++i) items << w->item(i)->text();
        return items;
    }
    void ChooseFocal(const char* value) {
        Tick("chkVarType_0");
        Type("txtVarType_0", value);
    }
    // f' = 100, a = -250, u = 10: the usual first system.
    void ChooseLensSystem() {
        TickEach({"chkVarType_0", "chkVarType_1", "chkVarType_5"});
        TypeValues({"100", "-250", "10"});
    }
    // Beam mode with f' = 100, s = 200 and a waist radius of 0.5.
    void ChooseBeam() {
        TickEach({"chkGaussBeamMode", "chkVarTypeGB_0", "chkVarTypeGB_1", "chkVarTypeGB_5"});
        TypeValues({"100", "200", "0.5"});
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
