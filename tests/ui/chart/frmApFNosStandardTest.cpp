#include "ui/chart/frmApFNosStandard.h"

#include <cmath>

#include "core/chart/StandardFNumbers.h"
#include "support/WidgetTest.h"

namespace lumarik {
namespace {

class FNumbersDialogTest : public ::testing::Test {
protected:
    FNumbersDialogTest() { dialog.show(); }

    QListWidget* List() { return dialog.findChild<QListWidget*>("lstFNos0"); }
    void Click(const QString& button) { test::ClickButton(&dialog, button); }
    QRect EntryRect(const QString& entry) {
        QListWidget* list = List();
        const QList<QListWidgetItem*> found = list->findItems(entry, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << entry.toStdString();
        list->scrollToItem(found.front());
        return list->visualItemRect(found.front());
    }
    void ClickEntry(const QString& entry) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, EntryRect(entry).center());
    }

    frmApFNosStandard dialog;
};

TEST_F(FNumbersDialogTest, ListsTheEngravedNumbersWithTheNote) {
    QListWidget* list = List();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 27);
    EXPECT_EQ(list->item(26)->text(), "F/64");
    EXPECT_EQ(dialog.findChild<QLabel*>("lbl")->text().toStdString(), kStandardFNumbersNote);
}

TEST_F(FNumbersDialogTest, OneClickTakesTheExactNumberOfTheEntry) {
    EXPECT_FALSE(dialog.findChild<QPushButton*>("comOK")->isEnabled());  // nothing chosen yet
    ClickEntry("F/1.2");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.ChosenFNumber().has_value());
    EXPECT_DOUBLE_EQ(*dialog.ChosenFNumber(), std::pow(2.0, 0.25));
}

TEST_F(FNumbersDialogTest, ArrowsMoveAndOkTakesTheLastEntry) {
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(List(), Qt::Key_End);
    EXPECT_TRUE(dialog.isVisible());
    Click("comOK");
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.ChosenFNumber().has_value());
    EXPECT_DOUBLE_EQ(*dialog.ChosenFNumber(), 64.0);
}

// Escape and Cancel choose nothing; Enter takes the current entry.
TEST(FNumbersDisplayTest, CallsBackOnlyOnAcceptAndClosesItself) {
    QWidget owner;
    owner.show();
    std::vector<double> received;
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Cancel, Qt::Key_Return}) {
        QPointer<frmApFNosStandard> dialog = frmApFNosStandard::Display(
            &owner, [&received](double value) { received.push_back(value); });
        ASSERT_TRUE(dialog);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        auto* list = dialog->findChild<QListWidget*>("lstFNos0");
        list->setCurrentRow(12);  // F/6.3
        if (key == Qt::Key_Cancel) {
            test::ClickButton(dialog, "comCancel");
        } else {
            QTest::keyClick(list, key);
        }
        EXPECT_TRUE(test::Gone(dialog)) << key;
    }
    ASSERT_EQ(received.size(), 1u);
    EXPECT_NEAR(received.front(), 6.3496, 5e-5);
}

}  // namespace
}  // namespace lumarik
