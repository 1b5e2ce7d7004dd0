// The beam drawing on the real window, driven with Qt Test's mouse: the read-out follows the
// mouse with the core's beam relations, a handle drags its value at a frozen scale and one Undo
// takes the drag back, the scale list and the fixed-distance box set the range, and a saved
// picture carries the beam.

#include "core/beam/BeamCatalogue.h"
#include "core/beam/BeamRelations.h"
#include "core/drawing/DrgRoutinesGB.h"
#include "core/format/Format.h"
#include "ui/mainwindow/WindowDriver.h"

namespace lumarik {
namespace {

class BeamPicture : public test::WindowDriver {
protected:
    void SetUp() override {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ChooseBeam();
    }
    QWidget* Picture() { return Find<QWidget>("pctDrg"); }
    const DrgRoutinesGB& Drawing() {
        QCoreApplication::processEvents();
        Picture()->repaint();
        return window->BeamDrawing();
    }
    QPoint Handle(int x, int y) {
        const auto& p = Drawing().Handles().position;
        return QPoint(qRound(p[static_cast<std::size_t>(x)]),
                      qRound(p[static_cast<std::size_t>(y)]));
    }
    std::string Mm(double value, const char* pattern) {
        return Format(value, pattern, Model().DecimalSeparator());
    }
};

TEST_F(BeamPicture, TheReadOutFollowsTheMouseWithTheBeamRelations) {
    const DrawTransform t = Drawing().Transform(0);
    const double lambda = 632.8e-6;
    const double zr = kBeamPi * 0.25 / lambda;
    const double lens = 200.0;
    const double waist = lens + *ImageDistance(200.0, 100.0, zr);
    const double rImage = 0.5 * *MagFromObject(200.0, 100.0, zr);
    for (double z : {50.0, 150.0, 250.0, 290.0}) {
        const QPoint at(qRound(t.X(z)), Picture()->height() / 2);
        QTest::mouseMove(Picture(), at);
        const double zAt = t.ZAt(at.x());
        const bool objectSide = zAt < lens;
        const double d = objectSide ? zAt : zAt - waist;
        const double r0 = objectSide ? 0.5 : rImage;
        const double rc = WavefrontRadiusAt(d, r0, lambda);
        const std::string expected =
            std::string(objectSide ? "Abstand zur Objektgröße " : "Abstand zur Bildgröße ") +
            Mm(d, "0.0mm") + " Radius: " + Mm(BeamRadiusAt(d, r0, lambda), "0.0##mm") +
            " Krümmungsradius " + Mm(rc, std::fabs(rc) < 10000 ? "0.0##mm" : "0.0e+00mm");
        ASSERT_TRUE(window->Readout().shown) << z;
        EXPECT_EQ(window->Readout().text, expected) << z;
    }
    QTest::mouseMove(Picture(), QPoint(qRound(t.X(0.0)), Picture()->height() / 2));
    EXPECT_TRUE(QString::fromStdString(window->Readout().text).endsWith("Krümmungsradius plan"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Picture(), &leave);
    EXPECT_FALSE(window->Readout().shown);
}

TEST_F(BeamPicture, TheLensDragsTheObjectDistanceAtAFrozenScaleAndUndoTakesItBack) {
    const QPoint lens = Handle(kBeamHandlePX, kBeamHandleLensRadiusY) + QPoint(0, 5);
    const double waistX = Drawing().Handles().position[kBeamHandleObjWaistX];
    const DrawTransform before = Drawing().Transform(0);
    QTest::mousePress(Picture(), Qt::LeftButton, {}, lens);
    const int to = qRound(waistX + 1.25 * (lens.x() - waistX));
    QTest::mouseMove(Picture(), QPoint(to, lens.y()));
    const double s = 200.0 * (to - waistX) / (lens.x() - waistX);
    EXPECT_EQ(Text("txtVarType_1"), QString::fromStdString(Mm(s, "0.0#mm")));
    EXPECT_EQ(Drawing().Transform(0).xScale, before.xScale);
    EXPECT_FALSE(window->Readout().shown);
    QTest::mouseRelease(Picture(), Qt::LeftButton, {}, QPoint(to, lens.y()));
    EXPECT_NE(Drawing().Transform(0).zMax, before.zMax);  // rescaled to the new beam
    Click("comUndo");
    EXPECT_EQ(Text("txtVarType_1"), QString::fromStdString(Mm(200.0, "0.0#mm")));
}

TEST_F(BeamPicture, TheScaleListAndTheFixedDistanceSetTheRange) {
    Find<QTabWidget>("tabExtraInfoGB")->setCurrentIndex(1);
    auto* scales = Find<QComboBox>("cmbGBDrgScales");
    QLineEdit* box = Find<QLineEdit>("txtGBExtraDrgScale");
    QTest::keyClick(scales, Qt::Key_End);  // "4-fache Schnittweite"
    EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_NEAR(Drawing().Transform(0).zMin, 200.0 - 400.0, 1e-3);
    for (int i = 0; i < 4; ++i) QTest::keyClick(scales, Qt::Key_Up);  // "… ± Linsenposition"
    EXPECT_TRUE(box->isEnabled());
    const double automatic = Drawing().Transform(0).zMax - Drawing().Transform(0).zMin;
    EXPECT_EQ(box->text(), QString::fromStdString(Mm(automatic / 2.0, "0.0mm")));
    Type("txtGBExtraDrgScale", "50");
    EXPECT_NEAR(Drawing().Transform(0).zMin, 150.0, 1e-3);
    Type("txtGBExtraDrgScale", "-5");
    EXPECT_EQ(box->text(), QString::fromStdString(Mm(50.0, "0.0mm")));
}

}  // namespace
}  // namespace lumarik
