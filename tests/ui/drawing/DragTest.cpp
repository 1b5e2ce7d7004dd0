// The system drawing on the real window, driven with the mouse (which value each handle drags
// is the core's, tested there): a dragged element stays under the mouse at the scale of the
// press, the drawing rescales at the release (also a lost one), one Undo takes a drag back, the
// display switches only redraw, and the context menu copies and saves the picture.

#include <ostream>

#include "core/drawing/DrgRoutines.h"
#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

bool SameScale(const DrawTransform& a, const DrawTransform& b) {
    return a.xLeft == b.xLeft && a.xScale == b.xScale && a.yBottom == b.yBottom &&
           a.yScale == b.yScale;
}

class Drag : public test::WindowDriver {
protected:
    void SetUp() override { ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get())); }

    QWidget* Picture() { return Find<QWidget>("pctDrg"); }
    // Paints what is pending, so that handles and transform are those the user sees.
    const DrgRoutines& Drawing() {
        QCoreApplication::processEvents();
        Picture()->repaint();
        return window->Drawing();
    }
    double Handle(int i) { return Drawing().Handles().position[static_cast<std::size_t>(i)]; }
    QPoint At(int xHandle, int yHandle) {
        return QPoint(qRound(Handle(xHandle)), qRound(Handle(yHandle)));
    }
    QImage Shot() { return Picture()->grab().toImage(); }
    void Press(QPoint p) { QTest::mousePress(Picture(), Qt::LeftButton, {}, p); }
    void Move(QPoint p) { QTest::mouseMove(Picture(), p); }
    void Release(QPoint p) { QTest::mouseRelease(Picture(), Qt::LeftButton, {}, p); }
    // The number in a value box, without its unit.
    double Shown(const QString& box) { return Text(box).remove(QStringLiteral("mm")).toDouble(); }
    QString ValueBox(int number) {
        return QStringLiteral("txtVarType_%1").arg(Model().Selected().PositionOf(number) - 1);
    }
};

constexpr int kArrowMiddle = -1;  // halfway between the axis and the object tip

// What must stay under the mouse: factor · value of a parameter (P at z = 0, n = n' = 1);
// a factor of 0 where that way is not dragged.
struct Tracked {
    int parameter;
    double factor;
};

struct FollowCase {
    friend void PrintTo(const FollowCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    int xHandle, yHandle;
    int xReference;           // the plane the dragged distance is measured from
    double xFactor, yFactor;  // the mouse's offset from that plane and the axis, against the press
    int chosen;               // the quantity that is a chosen parameter after the press
    Tracked z, y;
};

class Follow : public Drag, public ::testing::WithParamInterface<FollowCase> {};

TEST_P(Follow, DraggedElementStaysUnderTheMouseAtTheScaleOfThePress) {
    const FollowCase& c = GetParam();
    Tick("chkAllowVirtualObj");
    ChooseLensSystem();
    Type("txtVarType_2", "60");  // the tips stand well apart from the feet
    const DrawTransform pressed = Drawing().Transform();
    const double axis = Handle(kHandleAxisY);
    const double reference = Handle(c.xReference);
    const double pressY =
        c.yHandle == kArrowMiddle ? (axis + Handle(kHandleObjectTipY)) / 2.0 : Handle(c.yHandle);
    const QPoint press(qRound(Handle(c.xHandle)), qRound(pressY));
    const QPoint target(qRound(reference + (press.x() - reference) * c.xFactor),
                        qRound(axis + (press.y() - axis) * c.yFactor));

    Press(press);
    Move((press + target) / 2);
    Move(target);
    const DrgRoutines& during = Drawing();
    ASSERT_TRUE(SameScale(during.Transform(), pressed));
    if (c.z.factor != 0.0) {
        EXPECT_NEAR(during.Transform().X(c.z.factor * Model().Value(c.z.parameter)), target.x(),
                    1.0);
    }
    if (c.y.factor != 0.0) {
        EXPECT_NEAR(during.Transform().Y(c.y.factor * Model().Value(c.y.parameter)), target.y(),
                    1.0);
    }
    EXPECT_TRUE(Find<QCheckBox>(QStringLiteral("chkVarType_%1").arg(c.chosen))->isChecked());
    EXPECT_NEAR(Shown(ValueBox(c.chosen)), Model().Value(c.chosen), 0.051);
    EXPECT_TRUE(env.prompter.Shown().empty());

    Release(target);
    EXPECT_FALSE(SameScale(Drawing().Transform(), pressed));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Handles, Follow, ::testing::Values(
    FollowCase{"ObjectArrow", kHandleObjectX, kArrowMiddle, kHandlePX, 0.8, 1.5,
               kParObjectDist, {kParObjectDist, 1}, {kParObjectHeight, 0.5}},
    FollowCase{"ImageTip", kHandleImageX, kHandleImageTipY, kHandlePPrimeX, 1.0, 1.5,
               kParImageHeight, {}, {kParImageHeight, 1}}),
    [](const ::testing::TestParamInfo<FollowCase>& info) { return info.param.name; });
// clang-format on

TEST_F(Drag, OneUndoTakesBackTheWholeDragWithItsChoice) {
    ChooseLensSystem();
    Type("txtVarType_2", "60");
    const QPoint tip = At(kHandleImageX, kHandleImageTipY);
    Press(tip);
    for (int step = 1; step <= 5; ++step) Move(tip + QPoint(0, 4 * step));
    Release(tip + QPoint(0, 20));
    ASSERT_TRUE(Model().Selected().Contains(kParImageHeight));
    ASSERT_NE(Text("txtVarType_2"), "60.0mm");

    Click("comUndo");
    EXPECT_TRUE(Find<QCheckBox>("chkVarType_5")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_7")->isChecked());
    EXPECT_EQ(Text("txtVarType_2"), "60.0mm");
}

TEST_F(Drag, LensRimFollowsTheMouseAboveAndBelowTheAxisOnlyWithAnAperture) {
    ChooseLensSystem();
    const QPoint onLens(qRound(Handle(kHandlePX)), qRound(Handle(kHandleAxisY)) - 5);
    Press(onLens);  // the lens height is borrowed from the arrows: no rim to grab
    Move(onLens - QPoint(0, 20));
    Release(onLens - QPoint(0, 20));
    EXPECT_FALSE(Model().Apertures().Contains(kApStopRadius));

    Tick("chkVarTypeAp_1");
    Type("txtVarTypeAp_0", "2");  // F-number 2: a stop radius of 25
    const DrawTransform pressed = Drawing().Transform();
    ASSERT_EQ(Drawing().Extents().yMax, 25.0);  // the rim is the highest element
    const double radius = Model().ApertureValue(kApStopRadius);
    const double axis = Handle(kHandleAxisY);
    const double top = Handle(kHandleLensTopY);
    const QPoint press(qRound(Handle(kHandlePX)), qRound((axis + top) / 2.0));
    Press(press);
    EXPECT_TRUE(Find<QCheckBox>("chkVarTypeAp_0")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkVarTypeAp_1")->isChecked());
    const double pressOffset = press.y() - axis;
    for (double offset : {2.0 * pressOffset, -2.0 * pressOffset}) {
        Move(QPoint(press.x(), qRound(axis + offset)));
        const double expected = radius * std::fabs((qRound(axis + offset) - axis) / pressOffset);
        EXPECT_NEAR(Model().ApertureValue(kApStopRadius), expected, 1e-3 * expected) << offset;
        EXPECT_NEAR(Shown("txtVarTypeAp_0"), expected, 0.051) << offset;
        EXPECT_TRUE(SameScale(Drawing().Transform(), pressed));
        EXPECT_EQ(Drawing().Extents().yMax, 25.0);
    }
    Release(press);
    EXPECT_FLOAT_EQ(Drawing().Extents().yMax, Model().ApertureValue(kApStopRadius));
}

TEST_F(Drag, RearPrincipalPlaneDragShowsTheNewSeparation) {
    ChooseLensSystem();
    Find<QTabWidget>("tabOptions")->setCurrentIndex(1);
    Tick("chkAdvOpt");
    Type("txtAdv_0", "20");
    const double xP = Handle(kHandlePX);
    const QPoint press(qRound(Handle(kHandlePPrimeX)) + 2, qRound(Handle(kHandleAxisY)) - 5);
    Press(press);
    const QPoint target(qRound(xP + 2.0 * (press.x() - xP)), press.y());
    Move(target);
    const float d = Model().Constants().StoredD();
    EXPECT_NEAR(d, 20.0 * (target.x() - xP) / (press.x() - xP), 1e-3);
    EXPECT_NEAR(Text("txtAdv_0").toDouble(), d, 0.0005);
    Release(target);
    EXPECT_NEAR(Text("txtAdv_0").toDouble(), d, 0.0005);
}

// Option controls operated while the mouse drags are ignored; at the release they show the
// options in force again.
TEST_F(Drag, OptionsOperatedDuringADragAreIgnored) {
    ChooseLensSystem();
    const QImage before = Shot();
    const QPoint foot = At(kHandleObjectX, kHandleAxisY);
    Press(foot);
    auto* points = Find<QCheckBox>("chkDrawParaxPoints");
    points->setFocus();
    QTest::keyClick(points, Qt::Key_Space);
    EXPECT_EQ(Shot(), before);
    auto* kind = Find<QListWidget>("lstMirrorMode");
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Down);
    Release(foot);
    EXPECT_FALSE(points->isChecked());
    EXPECT_EQ(kind->currentRow(), 0);
    EXPECT_FALSE(Model().Constants().MirrorMode());
    EXPECT_EQ(Shot(), before);
}

// The window may lose the mouse in the middle of a drag; the drag ends then, the drawing takes
// its new scale, and the window takes typed values again.
class LoseRelease : public Drag, public ::testing::WithParamInterface<const char*> {};

TEST_P(LoseRelease, EndsTheDrag) {
    Tick("chkAllowVirtualObj");
    ChooseLensSystem();
    const DrawTransform pressed = Drawing().Transform();
    const QPoint foot = At(kHandleObjectX, kHandleAxisY);
    Press(foot);
    Move(foot + QPoint(40, 0));
    const float a = Model().Value(kParObjectDist);
    ASSERT_NE(a, -250.0f);
    const std::string way = GetParam();
    if (way == "Hidden") {
        window->hide();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    } else if (way == "SecondPress") {
        Press(QPoint(Picture()->width() / 2, 2));  // hits nothing; released at the end
    } else {
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    }
    Move(foot + QPoint(80, 0));
    EXPECT_EQ(Model().Value(kParObjectDist), a);
    EXPECT_FALSE(SameScale(Drawing().Transform(), pressed));
    Type("txtVarType_0", "80");
    EXPECT_EQ(Model().Value(kParFocal), 80.0f);
    Release(foot);
}

INSTANTIATE_TEST_SUITE_P(Drawing, LoseRelease,
                         ::testing::Values("Hidden", "SecondPress", "Deactivated"),
                         [](const auto& info) { return std::string(info.param); });

// Points, remote conjugates and construction rays (the first entry of the options list) change
// the picture and nothing else.
class DisplaySwitch : public Drag, public ::testing::WithParamInterface<const char*> {
protected:
    void Toggle() {
        if (QString(GetParam()) != "lstOptions") return Tick(GetParam());
        auto* list = Find<QListWidget>(GetParam());
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Space);
    }
};

TEST_P(DisplaySwitch, RedrawsWithoutChangingAValue) {
    ChooseLensSystem();
    Type("txtVarType_1", "-5000");  // the object 50 times farther than the image
    const QImage before = Shot();
    const QStringList results = Items("lstResVals");
    const std::vector<int> chosen = Model().Selected().Numbers();
    Toggle();
    EXPECT_NE(Shot(), before);
    EXPECT_EQ(Items("lstResVals"), results);
    EXPECT_EQ(Model().Selected().Numbers(), chosen);
    EXPECT_EQ(Text("txtVarType_1"), "-5000.0mm");
    Toggle();
    EXPECT_EQ(Shot(), before);
}

INSTANTIATE_TEST_SUITE_P(Drawing, DisplaySwitch,
                         ::testing::Values("chkDrawParaxPoints", "chkHideRemoteConjug",
                                           "lstOptions"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(Drag, ContextMenuCopiesAndSavesThePicture) {
    ChooseLensSystem();
    const QImage shown = Shot();
    QApplication::clipboard()->clear();
    ChooseFromContextMenu(Picture(), 0);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), shown.size());
    EXPECT_EQ(copied.convertToFormat(shown.format()), shown);

    const QString file = env.FilePath("zeichnung.png");
    env.prompter.AnswerInput(file);
    ChooseFromContextMenu(Picture(), 1);
    ASSERT_EQ(env.prompter.Shown().size(), 1u);
    EXPECT_EQ(env.prompter.Shown()[0].defaultAnswer, "Lumarik-Zeichnung.png");
    const QImage saved(file);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), Picture()->size() * 2);
    EXPECT_NE(saved.scaled(shown.size()).pixelColor(At(kHandlePX, kHandleAxisY)),
              QColor(Qt::white));

    env.prompter.AnswerInput(env.FilePath("zeichnung.png/zeichnung.png"));
    ChooseFromContextMenu(Picture(), 1);
    ASSERT_EQ(env.prompter.MessageTexts().size(), 1u);
    EXPECT_TRUE(env.prompter.MessageTexts()[0].startsWith("Die Zeichnung konnte nicht"));
}

}  // namespace
}  // namespace lumarik
