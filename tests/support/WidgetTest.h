// What every widget test uses: the Qt widget classes, Qt Test and Google Test, and the few
// steps a user takes on any control (find it by object name, type into it, click a button).
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

namespace lumarik::test {

// The child of `root` called `name`; a missing control fails the test.
template <typename W = QWidget>
W* FindIn(const QObject* root, const QString& name) {
    W* w = root->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// Replaces the box's text as a user does and commits it with Return.
inline void TypeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

inline void ClickButton(const QObject* root, const QString& name) {
    QTest::mouseClick(FindIn<QAbstractButton>(root, name), Qt::LeftButton);
}

// True when the dialog has closed and deleted itself.
template <typename T>
bool Gone(const QPointer<T>& dialog) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return dialog.isNull();
}

}  // namespace lumarik::test
