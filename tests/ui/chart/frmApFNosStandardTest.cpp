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
    void ClickEntry(const QString& entry) {
        QListWidgetItem* item = List()->findItems(entry, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << entry.toStdString();
        List()->scrollToItem(item);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                          List()->visualItemRect(item).center());
    }

    frmApFNosStandard dialog;
};

TEST_F(FNumbersDialogTest, ListsTheEngravedNumbersWithTheNote) {
    ASSERT_EQ(List()->count(), 27);
    EXPECT_EQ(List()->item(26)->text(), "F/64");
    EXPECT_EQ(dialog.findChild<QLabel*>("lbl")->text().toStdString(), kStandardFNumbersNote);
}

TEST_F(FNumbersDialogTest, OneClickTakesTheExactNumberOfTheEntry) {
    EXPECT_FALSE(dialog.findChild<QPushButton*>("comOK")->isEnabled());  // nothing chosen yet
    ClickEntry("F/1.2");
    EXPECT_TRUE(!dialog.isVisible() && dialog.result() == QDialog::Accepted);
    EXPECT_NEAR(dialog.ChosenFNumber().value_or(0.0), std::pow(2.0, 0.25), 1e-12);
}

TEST_F(FNumbersDialogTest, ArrowsMoveAndOkTakesTheLastEntry) {
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(List(), Qt::Key_End);
    EXPECT_TRUE(dialog.isVisible());
    test::ClickButton(&dialog, "comOK");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.ChosenFNumber().value_or(0.0), 64.0);
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
        EXPECT_TRUE(dialog->isVisible() && dialog->windowModality() == Qt::WindowModal);
        auto* list = dialog->findChild<QListWidget*>("lstFNos0");
        list->setCurrentRow(12);  // F/6.3
        key == Qt::Key_Cancel ? test::ClickButton(dialog, "comCancel") : QTest::keyClick(list, key);
        EXPECT_TRUE(test::Gone(dialog)) << key;
    }
    ASSERT_EQ(received.size(), 1u);
    EXPECT_NEAR(received.front(), 6.3496, 5e-5);
}

}  // namespace
}  // namespace lumarik
