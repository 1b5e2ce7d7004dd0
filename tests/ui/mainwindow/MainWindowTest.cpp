#include <gtest/gtest.h>

#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "support/TestEnvironment.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/CSApplication.h"

namespace lumarik {
namespace {

using test::TestEnvironment;

TEST(MainWindowTest, CaptionAndEndButton) {
    TestEnvironment env;
    frmLumarik window(env.Context());
    window.show();
    EXPECT_EQ(window.windowTitle(), "Vendrel: Linsensystem Lumarik 1.0.0");
    EXPECT_FALSE(window.windowIcon().pixmap(16).isNull());
    auto* end = window.findChild<QPushButton*>("comEnd");
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->text(), "&Ende");
    QTest::mouseClick(end, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(MainWindowTest, PlaceAndSizeSurviveARestart) {
    TestEnvironment env;
    QRect placed;
    {
        frmLumarik window(env.Context());
        window.show();
        window.move(40, 30);
        window.resize(700, 500);
        placed = QRect(window.pos(), window.size());
        window.close();
    }
    const QString ini = env.ReadFile("Lumarik.INI");
    EXPECT_TRUE(ini.contains("[FormPositions]")) << ini.toStdString();
    EXPECT_TRUE(ini.contains(QString("FormPosn_frmLumarik=%1|%2|%3|%4")
                                 .arg(placed.top() * 15)
                                 .arg(placed.left() * 15)
                                 .arg(placed.height() * 15)
                                 .arg(placed.width() * 15)))
        << ini.toStdString();

    frmLumarik again(env.Context());
    again.show();
    EXPECT_EQ(QRect(again.pos(), again.size()), placed);
    EXPECT_TRUE(env.prompter.Shown().empty());
}

// At least the default 820 x 560, larger where the content needs more.
TEST(MainWindowTest, FirstStartOpensCentredAtTheSizeItsContentNeeds) {
    TestEnvironment env;
    frmLumarik window(env.Context());
    const QRect area = window.screen()->availableGeometry();
    const QRect placed(window.pos(), window.size());
    EXPECT_EQ(placed.size(), window.minimumSize().expandedTo(QSize(820, 560)));
    EXPECT_TRUE(area.contains(placed));
    EXPECT_LE((placed.center() - area.center()).manhattanLength(), 2);
}

}  // namespace
}  // namespace lumarik
