// The drawings on the real window, driven with the mouse and the option controls; what is drawn
// and which value a handle drags is the core's, tested there.

#include "core/drawing/DrgRoutines.h"
#include "core/drawing/DrgRoutinesGB.h"
#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

bool SameScale(const DrawTransform& a, const DrawTransform& b) {
    return a.xLeft == b.xLeft && a.xScale == b.xScale && a.yBottom == b.yBottom &&
           a.yScale == b.yScale;
}

class Drag : public test::WindowDriver {
protected:
    void SetUp() override {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ChooseLensSystem();
    }
    QWidget* Picture() { return Find<QWidget>("pctDrg"); }
    // Paints what is pending, so that handles and transform are those the user sees.
    const frmLumarik& Painted() {
        QCoreApplication::processEvents();
        Picture()->repaint();
        return *window;
    }
    const DrgRoutines& Drawing() { return Painted().Drawing(); }
    template <typename Handles>
    QPoint At(const Handles& handles, int x, int y) {
        return QPoint(qRound(handles.position[static_cast<std::size_t>(x)]),
                      qRound(handles.position[static_cast<std::size_t>(y)]));
    }
    QPoint At(int x, int y) { return At(Drawing().Handles(), x, y); }
    QImage Shot() { return Picture()->grab().toImage(); }
    void Press(QPoint p) { QTest::mousePress(Picture(), Qt::LeftButton, {}, p); }
    void Move(QPoint p) { QTest::mouseMove(Picture(), p); }
    void Release(QPoint p) { QTest::mouseRelease(Picture(), Qt::LeftButton, {}, p); }
};

// The image tip becomes a chosen parameter at the press and stays under the mouse.
TEST_F(Drag, DraggedElementStaysUnderTheMouseAtTheScaleOfThePress) {
    Type("txtVarType_2", "60");  // the tip stands well apart from the foot
    const DrawTransform pressed = Drawing().Transform();
    const QPoint tip = At(kHandleImageX, kHandleImageTipY);
    const QPoint target = tip + (tip - At(kHandleImageX, kHandleAxisY)) / 2;
    Press(tip);
    Move(target);
    ASSERT_TRUE(SameScale(Drawing().Transform(), pressed));
    EXPECT_NEAR(pressed.Y(Model().Value(kParImageHeight)), target.y(), 1.0);
    EXPECT_TRUE(Find<QCheckBox>("chkVarType_7")->isChecked());
    EXPECT_NEAR(Text("txtVarType_2").remove("mm").toDouble(), Model().Value(kParImageHeight),
                0.051);
    Release(target);
    EXPECT_FALSE(SameScale(Drawing().Transform(), pressed));

    Click("comUndo");
    EXPECT_TRUE(Find<QCheckBox>("chkVarType_5")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkVarType_7")->isChecked());
    EXPECT_EQ(Text("txtVarType_2"), "60.0mm");
}

// The window may lose the mouse in the middle of a drag; the drag ends then, the drawing takes
// its new scale, and the window takes typed values again.
class LoseRelease : public Drag, public ::testing::WithParamInterface<const char*> {};

TEST_P(LoseRelease, EndsTheDrag) {
    const DrawTransform pressed = Drawing().Transform();
    const QPoint foot = At(kHandleObjectX, kHandleAxisY);
    Press(foot);
    Move(foot + QPoint(40, 0));
    const float a = Model().Value(kParObjectDist);
    ASSERT_NE(a, -250.0f);
    if (std::string(GetParam()) == "SecondPress") {
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

INSTANTIATE_TEST_SUITE_P(Drawing, LoseRelease, ::testing::Values("SecondPress", "Deactivated"),
                         [](const auto& info) { return std::string(info.param); });

// Points and remote conjugates change the picture and nothing else. Operated while the mouse
// drags they are ignored, and at the release they show the options in force again.
class DisplaySwitch : public Drag, public ::testing::WithParamInterface<const char*> {};

TEST_P(DisplaySwitch, RedrawsWithoutChangingAValue) {
    Type("txtVarType_1", "-5000");  // the object 50 times farther than the image
    const QImage before = Shot();
    auto* box = Find<QCheckBox>(GetParam());
    const bool checked = box->isChecked();
    const QPoint foot = At(kHandleImageX, kHandleAxisY);
    Press(foot);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    Release(foot);
    EXPECT_EQ(box->isChecked(), checked);
    EXPECT_EQ(Shot(), before);
    const QStringList results = Items("lstResVals");
    Tick(GetParam());
    EXPECT_NE(Shot(), before);
    EXPECT_EQ(Items("lstResVals"), results);
    Tick(GetParam());
    EXPECT_EQ(Shot(), before);
}

INSTANTIATE_TEST_SUITE_P(Drawing, DisplaySwitch,
                         ::testing::Values("chkDrawParaxPoints", "chkHideRemoteConjug"),
                         [](const auto& info) { return std::string(info.param); });

// A larger window draws the system anew at the picture's new size, the lens still in sight.
TEST_F(Drag, AResizedWindowDrawsAnewAtTheNewSize) {
    const DrawTransform before = Drawing().Transform();
    window->resize(window->size() + QSize(300, 200));
    EXPECT_FALSE(SameScale(Drawing().Transform(), before));
    const QPoint lens = At(kHandlePX, kHandleAxisY);
    EXPECT_TRUE(Picture()->rect().contains(lens));
    EXPECT_NE(Shot().pixelColor(lens), QColor(Qt::white));
}

TEST_F(Drag, ContextMenuCopiesAndSavesThePicture) {
    const QImage shown = Shot();
    QApplication::clipboard()->clear();
    ChooseFromContextMenu(Picture(), 0);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(shown.format()), shown);

    const QString file = env.FilePath("zeichnung.png");
    env.prompter.AnswerInput(file);
    ChooseFromContextMenu(Picture(), 1);
    EXPECT_EQ(env.prompter.Shown().at(0).defaultAnswer, "Lumarik-Zeichnung.png");
    const QImage saved(file);
    EXPECT_EQ(saved.size(), Picture()->size() * 2);
    EXPECT_NE(saved.scaled(shown.size()).pixelColor(At(kHandlePX, kHandleAxisY)),
              QColor(Qt::white));

    // SVG comes from the output library the program loads on first use.
    const QString svg = env.FilePath("zeichnung.svg");
    env.prompter.AnswerInput(svg);
    ChooseFromContextMenu(Picture(), 1);
    QFile document(svg);
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    const QByteArray content = document.readAll();
    EXPECT_TRUE(content.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"")
                                     .arg(Picture()->width())
                                     .arg(Picture()->height())
                                     .toLatin1()))
        << content.left(600).toStdString();
    EXPECT_TRUE(content.contains("<path") || content.contains("<polyline"));

    env.prompter.AnswerInput(env.FilePath("zeichnung.png/zeichnung.png"));
    ChooseFromContextMenu(Picture(), 1);
    ASSERT_EQ(env.prompter.MessageTexts().size(), 1u);
    EXPECT_TRUE(env.prompter.MessageTexts()[0].startsWith("Die Zeichnung konnte nicht"));
}

class BeamPicture : public Drag {
protected:
    void SetUp() override {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ChooseBeam();
    }
    const DrgRoutinesGB& Beam() { return Painted().BeamDrawing(); }
};

// Hovering paints the core's read-out over the picture, leaving takes it away; the lens drags
// the object distance at a frozen scale, and one Undo takes the drag back.
TEST_F(BeamPicture, TheLensDragsTheObjectDistanceAtAFrozenScaleAndUndoTakesItBack) {
    const QImage plain = Shot();
    const QPoint lens = At(Beam().Handles(), kBeamHandlePX, kBeamHandleLensRadiusY) + QPoint(0, 5);
    Move(lens);
    EXPECT_TRUE(window->Readout().shown);
    EXPECT_NE(Shot(), plain);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Picture(), &leave);
    EXPECT_EQ(Shot(), plain);
    const double waistX = Beam().Handles().position[kBeamHandleObjWaistX];
    const DrawTransform before = Beam().Transform(0);
    Press(lens);
    const QPoint to(qRound(waistX + 1.25 * (lens.x() - waistX)), lens.y());
    Move(to);
    const double s = 200.0 * (to.x() - waistX) / (lens.x() - waistX);
    EXPECT_NEAR(Text("txtVarType_1").remove("mm").toDouble(), s, 0.006);
    EXPECT_EQ(Beam().Transform(0).xScale, before.xScale);
    Release(to);
    EXPECT_NE(Beam().Transform(0).zMax, before.zMax);  // rescaled to the new beam
    Click("comUndo");
    EXPECT_EQ(Text("txtVarType_1"), "200.0mm");
}

TEST_F(BeamPicture, TheScaleListAndTheFixedDistanceSetTheRange) {
    Find<QTabWidget>("tabExtraInfoGB")->setCurrentIndex(1);
    auto* scales = Find<QComboBox>("cmbGBDrgScales");
    QLineEdit* box = Find<QLineEdit>("txtGBExtraDrgScale");
    QTest::keyClick(scales, Qt::Key_End);  // "4-fache Schnittweite"
    EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_NEAR(Beam().Transform(0).zMin, 200.0 - 400.0, 1e-3);
    for (int i = 0; i < 4; ++i) QTest::keyClick(scales, Qt::Key_Up);  // "… ± Linsenposition"
    EXPECT_TRUE(box->isEnabled());
    const double automatic = Beam().Transform(0).zMax - Beam().Transform(0).zMin;
    EXPECT_NEAR(box->text().remove("mm").toDouble(), automatic / 2.0, 0.051);
    Type("txtGBExtraDrgScale", "50");
    EXPECT_NEAR(Beam().Transform(0).zMin, 150.0, 1e-3);
    Type("txtGBExtraDrgScale", "-5");
    EXPECT_EQ(box->text(), "50.0mm");
}

}  // namespace
}  // namespace lumarik
