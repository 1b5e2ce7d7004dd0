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
        EXPECT_TRUE(tabs->widget(i) == grid && grid->objectName() == names[i] &&
                    grid->accessibleName() == tabs->tabText(i).remove('&'));
        EXPECT_EQ(grid->rowCount(), rows[i]) << names[i];
    }

    // Without a user file a click into its empty grid says so and picks nothing.
    tabs->setCurrentIndex(2);
    QTest::mouseClick(dialog->Grid(WaveGrid::kUser)->viewport(), Qt::LeftButton);
    EXPECT_EQ(env.prompter.MessageTexts(),
              std::vector<QString>{"Es wurden keine benutzerdefinierten Wellenlängen gefunden."});
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(WavelengthPickerTest, PickingCallsBackOnceAndTheRowIsRememberedPerGrid) {
    QPointer<popEditParamWave> dialog = Open();
    ClickRow(dialog->Grid(WaveGrid::kLaser), kNdYagRow);
    EXPECT_TRUE(test::Gone(dialog) && received == std::vector<double>{1064.0});
    EXPECT_EQ(UserStore().value("WaveLine/Laser").toString(), "14");

    dialog = Open();
    QTableWidget* glass = dialog->Grid(WaveGrid::kGlassCatalogue);
    EXPECT_EQ(dialog->Grid(WaveGrid::kLaser)->currentRow(), kNdYagRow);
    EXPECT_EQ(glass->currentRow(), -1);
    // Enter takes the current row; the single-precision 632.8 comes back as the decimal.
    glass->setCurrentCell(10, 0);
    QTest::keyClick(glass, Qt::Key_Return);
    EXPECT_TRUE(test::Gone(dialog) && received == (std::vector<double>{1064.0, 632.8}));
    EXPECT_EQ(UserStore().value("WaveLine/GlassCat").toString(), "11");
}

TEST_F(WavelengthPickerTest, ReadsTheUserFileAtEveryOpening) {
    QDir(env.ProgramDir()).mkpath("UserData");
    env.WriteFile("UserData/WaveLen.lst", "Grün|543.5\n");
    QPointer<popEditParamWave> dialog = Open();
    QTableWidget* user = dialog->Grid(WaveGrid::kUser);
    ASSERT_EQ(user->rowCount(), 1);
    ClickRow(user, 0);
    EXPECT_TRUE(test::Gone(dialog) && received == std::vector<double>{543.5});

    env.WriteFile("UserData/WaveLen.lst", "");
    dialog = Open();
    EXPECT_EQ(dialog->Grid(WaveGrid::kUser)->rowCount(), 0);
    dialog->reject();
}

TEST_F(WavelengthPickerTest, CancelEscapeAndCloseBoxPickNothing) {
    for (int way = 0; way < 3; ++way) {  // Cancel, Escape, the close box
        QPointer<popEditParamWave> dialog = Open();
        QTableWidget* laser = dialog->Grid(WaveGrid::kLaser);
        laser->setCurrentCell(kNdYagRow, 0);
        if (way == 0) test::ClickButton(dialog, "comCancel");
        if (way == 1) QTest::keyClick(laser, Qt::Key_Escape);
        if (way == 2) dialog->close();
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
}

TEST_F(WavelengthPickerTest, OpensWholeOnTheScreenWithNoColumnCut) {
    // A place remembered on a larger screen that is gone now.
    env.WriteFile("Lumarik.INI",
                  "[FormPositions]\nFormPosn_popEditParamWave=30000|60000|900|900\n");
    QPointer<popEditParamWave> dialog = Open();
    EXPECT_TRUE(dialog->screen()->availableGeometry().contains(dialog->frameGeometry()))
        << dialog->x() << "," << dialog->y();
    auto* tabs = dialog->findChild<QTabWidget*>("tabWaveSel");
    EXPECT_LE(tabs->tabBar()->tabRect(2).right(), tabs->tabBar()->width());
    for (const WaveGrid grid : {WaveGrid::kLaser, WaveGrid::kGlassCatalogue}) {
        QTableWidget* table = dialog->Grid(grid);
        tabs->setCurrentWidget(table);
        QCoreApplication::processEvents();
        const int last = table->columnCount() - 1;
        EXPECT_LE(table->columnViewportPosition(last) + table->columnWidth(last),
                  table->viewport()->width());
        EXPECT_GE(table->height(), 16 * table->rowHeight(0));
    }
}

}  // namespace
}  // namespace lumarik
