// Editing by dragging: which handle a press grabs, how the dragged quantities become chosen
// parameters without ever leaving a refused selection, the values while the mouse moves, and
// the end of a drag.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "core/document/LumarikDocument.h"
#include "core/drawing/DrgTouch.h"
#include "core/model/Selection.h"

namespace lumarik::test {
namespace {

// f' = 100, a = -200, u = 40, stop radius 20: x = 450 + 2.2·z, y = 300 - 2.2·y; object at
// x 10 (tip y 212), F 230, P 450, F' 670, image 890 (tip y 388), rim y 256..344.
const System kTall = Lens(100, -200, 40, 20);
// The same with u = 10 and stop radius 5: the object tip 22 pixels above the axis (y 278), the
// image tip at y 322, the rim at y 289..311.
const System kShort = Lens(100, -200, 10, 5);

struct Session : Drawn {
    explicit Session(const System& system, Options drawingOptions = {})
        : Drawn(system, drawingOptions) {}

    PressResult Press(double x, double y) {
        return touch.DragHitTest(x, y, code, options, routines.Handles(), Backup());
    }
    bool Move(double x, double y) { return touch.DragMove(x, y, code, Backup()); }
    GrabType Find(double x, double y) const {
        return DrgTouch::FindGrab(x, y, routines.Handles(), code, options);
    }
    float Chosen(int number) const {
        return code.Selected().VarValue(code.Selected().PositionOf(number));
    }
    // Records the selection each time the window would take its undo backup.
    std::function<void()> Backup() {
        return [this] { backups.push_back(code.Selected().Numbers()); };
    }

    DrgTouch touch;
    std::vector<std::vector<int>> backups;
};

TEST(DrgTouch, FindsTheHandleUnderTheMouseInTheOrderOfTheTests) {
    const Session s(kTall);
    struct Hit {
        double x, y;
        GrabType grab;
    };
    // clang-format off
    for (const Hit& h : {Hit{10, 300, kGrabObjectFoot}, Hit{21, 289, kGrabObjectFoot},
                         Hit{10, 215, kGrabObjectTip}, Hit{13, 256, kGrabObjectArrow},
                         Hit{22, 256, kGrabNone}, Hit{890, 303, kGrabImageFoot},
                         Hit{887, 385, kGrabImageTip}, Hit{891, 340, kGrabImageArrow},
                         Hit{452, 270, kGrabLensRim}, Hit{449, 330, kGrabLensRim},
                         Hit{450, 256, kGrabNone}, Hit{232, 298, kGrabFrontFocus},
                         Hit{668, 302, kGrabRearFocus}, Hit{300, 100, kGrabNone}}) {
        EXPECT_EQ(s.Find(h.x, h.y), h.grab) << h.x << "," << h.y;
    }
    // clang-format on
    // A point reaches less than 12 pixels, a plane less than 10 pixels to either side.
    const auto& h = s.routines.Handles().position;
    EXPECT_EQ(s.Find(h[kHandleFX] + 12.0, h[kHandleAxisY]), kGrabNone);
    EXPECT_EQ(s.Find(h[kHandleFX], h[kHandleAxisY] + 12.0), kGrabNone);
    EXPECT_EQ(s.Find(h[kHandlePX] + 10.0, h[kHandleLensTopY] + 5.0), kGrabNone);
    const double arrowY = (h[kHandleAxisY] + h[kHandleObjectTipY]) / 2.0;
    EXPECT_EQ(s.Find(h[kHandleObjectX] + 10.0, arrowY), kGrabNone);
    EXPECT_EQ(s.Find(h[kHandleObjectX] + 9.9, arrowY), kGrabObjectArrow);
    EXPECT_EQ(Session(kShort).Find(10, 289), kGrabObjectFoot);  // the tip is as near
    System noAperture = kTall;
    noAperture.aperture = -1;
    EXPECT_EQ(Session(noAperture).Find(452, 270), kGrabNone);
    EXPECT_EQ(Session(kTall, DrawingOptions(false, true, false)).Find(452, 270), kGrabNone);
}

// Values follow the mouse in proportion to its distance from the reference plane (or the
// axis) against that at the press. A press that must change the choice runs the backup
// before it; otherwise the first move that changes a value does.
TEST(DrgTouch, DraggedValuesFollowTheMouse) {
    System fNumber = kTall;
    fNumber.aperture = kApFNumber;
    fNumber.apertureValue = 2.5f;  // r = 20
    struct Drag {
        System system;
        double pressX, pressY, moveX, moveY;
        GrabType grab;
        int number;  // -1: the stop radius
        float value;
        bool choiceChanges;
        bool realObject = false;  // a real object stops one pixel (1/2.2 mm) short of P
    };
    // clang-format off
    for (const Drag& c : {
             Drag{kShort, 10, 300, 560, 300, kGrabObjectFoot, kParObjectDist, 50, false},  // past P
             Drag{kShort, 10, 300, 560, 300, kGrabObjectFoot, kParObjectDist, -1 / 2.2f, false,
                  true},
             Drag{kShort, 10, 300, 230, 300, kGrabObjectFoot, kParObjectDist, -100, false, true},
             Drag{kShort, 890, 322, 890, 344, kGrabImageTip, kParImageHeight, -20, true},
             Drag{kShort, 230, 300, 120, 300, kGrabFrontFocus, kParFocal, 150, false},
             Drag{kShort, 670, 300, 780, 300, kGrabRearFocus, kParFocal, 150, false},
             Drag{kTall, 452, 270, 452, 240, kGrabLensRim, -1, 40, false},  // upper half
             Drag{fNumber, 452, 330, 452, 360, kGrabLensRim, -1, 40, true}}) {
        // clang-format on
        Options options;
        options.positiveObj = !c.realObject;
        Session s(c.system, options);
        const std::vector<int> before = s.code.Selected().Numbers();
        const PressResult press = s.Press(c.pressX, c.pressY);
        ASSERT_EQ(press.grab, c.grab) << c.pressX << "," << c.pressY;
        EXPECT_EQ(press.selectionChanged, c.choiceChanges);
        EXPECT_EQ(s.backups.size(), c.choiceChanges ? 1u : 0u);
        EXPECT_FALSE(s.Move(c.pressX, c.pressY));  // the values of the press
        ASSERT_TRUE(s.Move(c.moveX, c.moveY));
        EXPECT_FLOAT_EQ(c.number < 0 ? s.code.Apertures().VarValue(1) : s.Chosen(c.number),
                        c.value);
        EXPECT_EQ(s.code.Apertures().VarType(1), kApStopRadius);
        ASSERT_EQ(s.backups.size(), 1u);
        EXPECT_EQ(s.backups[0], before);
    }
}

// A drag never leaves a selection that the rules refuse ({a, u, w}, {a', u', w'}); an object
// distance at infinity that gives way takes the object-at-infinity flag with it.
TEST(DrgTouch, ThePressKeepsTheSelectionAdmissible) {
    const float w = std::atan(40.0f / -200.0f);
    const System objectField = {{{kParFocal, 100}, {kParObjectHeight, 40}, {kParObjectAngle, w}}};
    const System imageField = {{{kParFocal, 100}, {kParImageHeight, -40}, {kParImageAngle, w}}};
    struct Case {
        System system;
        GrabType grab;
        std::vector<int> chosenAfter;
    };
    for (const Case& c : {Case{objectField, kGrabObjectFoot, {0, 1, 6}},
                          Case{objectField, kGrabObjectArrow, {0, 1, 5}},
                          Case{imageField, kGrabImageFoot, {0, 2, 8}},
                          Case{ObjectAtInfinity(100, 0.1f), kGrabImageFoot, {0, 2, 8}}}) {
        Session s(c.system);
        const auto& h = s.routines.Handles().position;
        const double x = h[c.grab == kGrabImageFoot ? kHandleImageX : kHandleObjectX];
        const double y = c.grab == kGrabObjectArrow ? (h[kHandleAxisY] + h[kHandleObjectTipY]) / 2.0
                                                    : h[kHandleAxisY];
        const PressResult press = s.Press(x, y);
        EXPECT_EQ(press.grab, c.grab);
        EXPECT_TRUE(press.selectionChanged);
        EXPECT_EQ(s.code.Selected().Numbers(), c.chosenAfter);
        EXPECT_TRUE(CheckSelectionNumbers(s.code.Selected().Numbers()).accepted);
        EXPECT_FALSE(s.code.ObjectAtInfinity());
        EXPECT_EQ(s.backups.size(), 1u);
    }
}

}  // namespace
}  // namespace lumarik::test

namespace lumarik::test {
namespace {

// Through the document: the whole drag is one undo step, taken before its first change; the
// press announces the new choice, each move the rows and results, the release all of them.
TEST(DocumentLensDrag, OneUndoStepBackToTheSystemBeforeThePress) {
    LumarikDocument doc;
    for (Parameter k : {kParFocal, kParObjectDist, kParObjectHeight}) doc.SelectParameter(k, true);
    for (auto [row, x] : {std::pair{0, 100.0}, {1, -200.0}, {2, 10.0}})
        doc.CommitNumber(row, x, nullptr);
    doc.SetConstructionRays(false);  // the last undo step before the drag
    RecordingCanvas canvas;
    DrgRoutines routines;
    ASSERT_TRUE(routines.Redraw(canvas, doc.Model(), doc.Opts(), false));
    doc.TakeChanges();

    // The image tip of kShort: u' enters the choice at the press.
    ASSERT_EQ(doc.StartLensDrag(890, 322, routines.Handles()).grab, kGrabImageTip);
    EXPECT_EQ(doc.TakeChanges(), kChangeChoice | kChangeRows);
    EXPECT_EQ(doc.LastBackupReason(), kBackupValue);
    EXPECT_TRUE(doc.Model().Selected().Contains(kParImageHeight));
    ASSERT_TRUE(doc.MoveLensDrag(890, 344).has_value());
    ASSERT_TRUE(doc.MoveLensDrag(890, 366).has_value());
    EXPECT_EQ(doc.TakeChanges(), kChangeRows | kChangeResults | kChangeOptions);
    EXPECT_TRUE(doc.Dragging());
    EXPECT_TRUE(doc.EndDrag());
    EXPECT_FALSE(doc.Dragging() || doc.EndDrag());
    EXPECT_EQ(doc.LastBackupReason(), kBackupValue);
    EXPECT_NEAR(doc.Model().Value(kParImageHeight), -30.0f, 1e-3);

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Model().Selected().Numbers(),
              (std::vector<int>{kParFocal, kParObjectDist, kParObjectHeight}));
    EXPECT_FLOAT_EQ(doc.Model().Selected().VarValue(3), 10.0f);
}

}  // namespace
}  // namespace lumarik::test
