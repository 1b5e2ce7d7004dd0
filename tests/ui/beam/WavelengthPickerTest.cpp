#include <vector>

#include "support/TestEnvironment.h"
#include "support/WidgetTest.h"
#include "ui/beam/popEditParamWave.h"
#include "ui/shell/UserStore.h"

namespace lumarik {
namespace {

constexpr int kNdYagRow = 13;  // 1064 nm in the laser grid, 0-based

class WavelengthPickerTest : public ::testing::Test {
protected:
    WavelengthPickerTest() {
        UserStore().remove(QStringLiteral("WaveLine"));
        owner.show();
    }

    // Opens the picker as the main window does; the callback records what it receives.
    popEditParamWave* Open() {
        QPointer<popEditParamWave> dialog = popEditParamWave::Display(
            &owner, env.Context(), [this](double nm) { received.push_back(nm); });
        EXPECT_TRUE(dialog && dialog->isVisible());
        return dialog;
    }
    static void ClickRow(QTableWidget* grid, int row) {
        grid->scrollToItem(grid->item(row, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(row, 1)).center());
    }

    test::TestEnvironment env;
    QWidget owner;
    std::vector<double> received;
};

TEST_F(WavelengthPickerTest, ThreeGridsOnTabsShowTheLists) {
    popEditParamWave* dialog = Open();
    auto* tabs = dialog->findChild<QTabWidget*>("tabWaveSel");
    ASSERT_EQ(tabs->count(), 3);
    const char* names[] = {"ssWavesLaser", "ssWavesFraun", "ssWavesCustom"};
    const int rows[] = {81, 22, 0};
    for (int i = 0; i < 3; ++i) {
        const QTableWidget* grid = dialog->Grid(static_cast<WaveGrid>(i));
        EXPECT_EQ(tabs->widget(i), grid);
        EXPECT_EQ(grid->objectName(), names[i]);
        EXPECT_EQ(grid->accessibleName(), tabs->tabText(i).remove('&'));
        EXPECT_EQ(grid->rowCount(), rows[i]) << names[i];
    }
    const QTableWidget* laser = dialog->Grid(WaveGrid::kLaser);
    EXPECT_EQ(laser->item(kNdYagRow, 0)->text(), "  1064");
    EXPECT_EQ(laser->item(kNdYagRow, 1)->text(), "Nd:YAG, Nd:YVO4");

    // Without a user file a click into its empty grid says so and picks nothing.
    tabs->setCurrentIndex(2);
    QTest::mouseClick(dialog->Grid(WaveGrid::kUser)->viewport(), Qt::LeftButton);
    EXPECT_EQ(env.prompter.MessageTexts(),
              std::vector<QString>{"Es wurden keine beutzerdefinierten Wellenlängen gefunden."});
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(WavelengthPickerTest, PickingCallsBackOnceAndTheRowIsRememberedPerGrid) {
    QPointer<popEditParamWave> dialog = Open();
    ClickRow(dialog->Grid(WaveGrid::kLaser), kNdYagRow);
    EXPECT_TRUE(test::Gone(dialog));
    EXPECT_EQ(received, std::vector<double>{1064.0});
    EXPECT_EQ(UserStore().value("WaveLine/Laser").toString(), "14");

    dialog = Open();
    EXPECT_EQ(dialog->Grid(WaveGrid::kLaser)->currentRow(), kNdYagRow);
    EXPECT_EQ(dialog->Grid(WaveGrid::kGlassCatalogue)->currentRow(), -1);
    // Enter takes the current row; the single-precision 632.8 comes back as the decimal.
    QTableWidget* glass = dialog->Grid(WaveGrid::kGlassCatalogue);
    glass->setCurrentCell(10, 0);
    QTest::keyClick(glass, Qt::Key_Return);
    EXPECT_TRUE(test::Gone(dialog));
    EXPECT_EQ(received, (std::vector<double>{1064.0, 632.8}));
    EXPECT_EQ(UserStore().value("WaveLine/GlassCat").toString(), "11");
}

TEST_F(WavelengthPickerTest, ReadsTheUserFileAtEveryOpening) {
    QDir(env.ProgramDir()).mkpath("UserData");
    env.WriteFile("UserData/WaveLen.lst", "Grün|543.5\nohne Trenner\nkaputt|abc\n");
    QPointer<popEditParamWave> dialog = Open();
    QTableWidget* user = dialog->Grid(WaveGrid::kUser);
    ASSERT_EQ(user->rowCount(), 1);
    EXPECT_EQ(user->item(0, 1)->text(), "Grün");
    ClickRow(user, 0);
    EXPECT_TRUE(test::Gone(dialog));
    EXPECT_EQ(received, std::vector<double>{543.5});

    // A shorter file than the remembered row: the grid has no current row.
    env.WriteFile("UserData/WaveLen.lst", "");
    UserStore().setValue("WaveLine/User", "3");
    dialog = Open();
    EXPECT_EQ(dialog->Grid(WaveGrid::kUser)->rowCount(), 0);
    QTest::mouseClick(dialog->Grid(WaveGrid::kUser)->viewport(), Qt::LeftButton);
    EXPECT_TRUE(env.prompter.MessageTexts().empty());  // an empty file is still a list
    dialog->reject();
}

TEST_F(WavelengthPickerTest, CancelEscapeAndCloseBoxPickNothing) {
    const auto cancel = [](popEditParamWave* d) { test::ClickButton(d, "comCancel"); };
    const auto escape = [](popEditParamWave* d) {
        QTest::keyClick(d->Grid(WaveGrid::kLaser), Qt::Key_Escape);
    };
    const auto closeBox = [](popEditParamWave* d) { d->close(); };
    for (const auto& leave : {+cancel, +escape, +closeBox}) {
        QPointer<popEditParamWave> dialog = Open();
        dialog->Grid(WaveGrid::kLaser)->setCurrentCell(kNdYagRow, 0);
        leave(dialog);
        EXPECT_TRUE(test::Gone(dialog));
    }
    EXPECT_TRUE(received.empty());

    // The same picker opened again after a pick starts without one.
    popEditParamWave reused(env.Context());
    reused.show();
    ClickRow(reused.Grid(WaveGrid::kLaser), kNdYagRow);
    EXPECT_EQ(reused.PickedWavelength(), 1064.0);
    reused.show();
    EXPECT_FALSE(reused.PickedWavelength().has_value());
    reused.close();
    EXPECT_EQ(reused.result(), QDialog::Rejected);
    EXPECT_FALSE(reused.PickedWavelength().has_value());
}

TEST_F(WavelengthPickerTest, OpensWholeOnTheScreenWithNoColumnCut) {
    // A place remembered on a larger screen that is gone now.
    env.WriteFile("Lumarik.INI",
                  "[FormPositions]\nFormPosn_popEditParamWave=30000|60000|900|900\n");
    QPointer<popEditParamWave> dialog = Open();
    const QRect screen = dialog->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(dialog->frameGeometry())) << dialog->x() << "," << dialog->y();
    const QTabBar* tabs = dialog->findChild<QTabWidget*>("tabWaveSel")->tabBar();
    EXPECT_LE(tabs->tabRect(2).right(), tabs->width());
    for (const WaveGrid grid : {WaveGrid::kLaser, WaveGrid::kGlassCatalogue}) {
        QTableWidget* table = dialog->Grid(grid);
        dialog->findChild<QTabWidget*>("tabWaveSel")->setCurrentWidget(table);
        QCoreApplication::processEvents();
        const int last = table->columnCount() - 1;
        EXPECT_LE(table->columnViewportPosition(last) + table->columnWidth(last),
                  table->viewport()->width());
        EXPECT_GE(table->height(), 16 * table->rowHeight(0));
    }
}

}  // namespace
}  // namespace lumarik
