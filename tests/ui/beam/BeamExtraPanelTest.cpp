// The beam's extra-information tab driven through its controls, with a stand-in for the window
// that answers BeamChanged by solving the beam and refreshing the panel.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <ostream>
#include <vector>

#include "support/TestEnvironment.h"
#include "ui/beam/BeamExtraPanel.h"

namespace lumarik::test {
namespace {

class BeamPanel : public ::testing::Test {
protected:
    BeamPanel() {
        const QDir data(QStringLiteral(LUMARIK_SOURCE_DATA_DIR));
        for (const QString& file : data.entryList({QStringLiteral("SH_*.dat")})) {
            QFile::copy(data.filePath(file), env.FilePath(file));
        }
        GaussianBeam& beam = doc.Beam();
        const std::pair<int, float> given[] = {
            {kBeamFocal, 100.0f}, {kBeamObjectDist, 200.0f}, {kBeamObjRadius, 0.5f}};
        for (const auto& [n, value] : given) {
            beam.AddBeamVar(0, n, true);
            VarCollection& list = beam.Selection(0);
            list.SetVarValue(list.PositionOf(n), value);
            list.SetVarValDef(list.PositionOf(n), true);
        }
        beam.SolveBeam(true);
        panel = std::make_unique<BeamExtraPanel>(doc, env.Context(), guard);
        QObject::connect(panel.get(), &BeamExtraPanel::BeamChanged, [this](bool resync) {
            EXPECT_EQ(guard, UpdateGuard::kFree);
            recalcs.push_back(resync);
            doc.Beam().SolveBeam(true);
            panel->Refresh();
        });
        QObject::connect(panel.get(), &BeamExtraPanel::CaptionChanged, [this] { ++captions; });
        panel->resize(560, 260);
        panel->show();
    }

    template <typename W>
    W* Find(const char* name) {
        W* w = panel->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Brings the page holding the control to the front, as the user would.
    template <typename W>
    W* Show(const char* name) {
        W* w = Find<W>(name);
        for (int i = 0; i < panel->count(); ++i) {
            if (panel->widget(i)->isAncestorOf(w)) panel->setCurrentIndex(i);
        }
        return w;
    }
    void Tick(const char* box) { QTest::mouseClick(Show<QCheckBox>(box), Qt::LeftButton); }
    void Type(const char* box, const QString& text) {
        QLineEdit* edit = Show<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QString Text(const char* name) {
        if (auto* edit = panel->findChild<QLineEdit*>(QLatin1String(name))) return edit->text();
        return Find<QLabel>(name)->text();
    }

    TestEnvironment env;
    LumarikDocument doc;
    UpdateGuard guard = UpdateGuard::kFree;
    std::unique_ptr<BeamExtraPanel> panel;
    std::vector<bool> recalcs;
    int captions = 0;
};

struct BoxCase {
    friend void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.box; }
    const char* box;
    const char* typed;
    const char* shown;
    bool recalculated;
};

class OptionBoxes : public BeamPanel, public ::testing::WithParamInterface<BoxCase> {};

// With M² in use and the detector on, every box takes a number with a unit and restores
// itself when the text cannot be used.
TEST_P(OptionBoxes, TakeNumbersWithUnitsAndRestoreWhatCannotBeUsed) {
    const BoxCase c = GetParam();
    Tick("chkGBExtraM2Use");
    Tick("chkGBExtraDetector");
    ASSERT_EQ(recalcs, (std::vector<bool>{false, false}));
    recalcs.clear();
    Type(c.box, QString::fromUtf8(c.typed));
    EXPECT_EQ(Text(c.box), QString::fromUtf8(c.shown));
    EXPECT_EQ(recalcs.size(), c.recalculated ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, OptionBoxes,
                         ::testing::Values(BoxCase{"txtGBExtraMFactor", "4", "4.0", true},
                                           BoxCase{"txtGBExtraMFactor", "50", "1.0", false},
                                           BoxCase{"txtGBExtraDetector", "1064nm", "1064.0mm",
                                                   true},
                                           BoxCase{"txtGBExtraDetector", "-3", "0.0mm", false},
                                           BoxCase{"txtGMExtraMinSpotD", "abc", "100.0mm", false}),
                         [](const auto& info) {
                             return std::string(info.param.box) +
                                    (info.param.recalculated ? "Takes" : "Refuses") +
                                    std::to_string(info.index);
                         });

TEST_F(BeamPanel, MultimodeScalesTheShownRadiiAndTheDetectorIsListed) {
    EXPECT_FALSE(Find<QLineEdit>("txtGBExtraMFactor")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>("txtGBExtraDetector")->isEnabled());
    Tick("chkGBExtraM2Use");
    Type("txtGBExtraMFactor", "2.25");
    QLineEdit* m2 = Find<QLineEdit>("txtGBExtraMFactor");
    EXPECT_TRUE(m2->isEnabled());
    EXPECT_EQ(m2->text(), QStringLiteral("2.3"));
    EXPECT_EQ(doc.LastBackupReason(), kBackupBeamValue);
    EXPECT_EQ(doc.Beam().BeamValueText(kBeamObjRadius), " 0.75mm");
    QTest::keyClick(m2, Qt::Key_Return);  // the rounded text is not read back
    EXPECT_EQ(doc.Beam().GetM2(0), 2.25);
    Tick("chkGBExtraDetector");
    Type("txtGBExtraDetector", "150");
    EXPECT_TRUE(doc.Beam().DetectorOn());
    EXPECT_EQ(doc.Beam().DetectorDistance(), 150.0);
}

TEST_F(BeamPanel, DepthOfFocusListAndMinimumSpot) {
    QListWidget* list = Show<QListWidget>("lstGBExtraDOFPercent");
    ASSERT_EQ(list->count(), 7);
    EXPECT_TRUE(list->item(5)->text().endsWith(QStringLiteral("   [zr']")));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(Text("lblGBExtraDOFVal"), QStringLiteral("±2.563mm"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(Text("lblGBExtraDOFVal"), QStringLiteral("±1.609mm"));

    Type("txtGMExtraMinSpotD", "300mm");
    EXPECT_EQ(Text("txtGMExtraMinSpotD"), QStringLiteral("300.0mm"));
    const QStringList lines = Text("lblGBExtraMinSpotRes").split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Current radius: ")));
    EXPECT_EQ(lines[1], QStringLiteral("geforderter Abstand "));
    EXPECT_EQ(doc.LastBackupReason(), -1);  // the distance changes no result
}

TEST_F(BeamPanel, ClickingALensRowShowsItsDescription) {
    QTableWidget* table = Show<QTableWidget>("ssGBExtraLenses");
    ASSERT_EQ(table->rowCount(), kLensTableRows);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("Komponente"));
    const QString name = table->item(2, 0)->text();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(table->item(2, 1)).center());
    for (const SampleSystem& s : ReadSampleSystems(LUMARIK_SOURCE_DATA_DIR)) {
        if (QString::fromStdString(s.displayName) != name) continue;
        const QString description =
            QString::fromStdString(SampleDescription(s)).replace("\r\n", "\n");
        EXPECT_EQ(Text("lblGBExtraLensDesc"), description);
        panel->Refresh();  // the same table: the description stays
        EXPECT_EQ(Text("lblGBExtraLensDesc"), description);
        doc.Beam().Selection(0).SetVarValue(1, 50.0f);  // another lens: other rows
        doc.Beam().SolveBeam(true);
        panel->Refresh();
        EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("50.0mm"));
        EXPECT_TRUE(Text("lblGBExtraLensDesc").startsWith(QStringLiteral("Klicken Sie")));
        return;
    }
    ADD_FAILURE() << "no sample " << name.toStdString();
}

// The y section is the same lens with its own waist; circularised it gets a lens of its own
// that gives the same output beam radius: f'y = f'x·ry/rx.
TEST_F(BeamPanel, LaserDiodeAndCircularisationThroughTheirControls) {
    EXPECT_FALSE(Find<QCheckBox>("chkGBExtraBeamRectCircularise")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>("txtGBExtraDiodeParamVal")->isEnabled());
    Tick("chkGBExtraDiodeMode");
    EXPECT_EQ(recalcs, std::vector<bool>{true});
    EXPECT_EQ(captions, 1);
    EXPECT_EQ(doc.LastBackupReason(), kBackupDiode);
    EXPECT_TRUE(Find<QCheckBox>("chkGBExtraBeamRectCircularise")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>("cmbGBExtraBeamRectCircMode")->isEnabled());
    EXPECT_EQ(Find<QComboBox>("cmbGBExtraDiodeParamType")->currentData().toInt(), kBeamObjRadius);
    EXPECT_EQ(Text("txtGBExtraDiodeParamVal"), QStringLiteral("0.5mm"));

    Type("txtGBExtraDiodeParamVal", "-0.3");  // a waist radius must be positive
    EXPECT_EQ(Text("txtGBExtraDiodeParamVal"), QStringLiteral("0.5mm"));
    Type("txtGBExtraDiodeParamVal", "0.3mm");
    EXPECT_EQ(Text("txtGBExtraDiodeParamVal"), QStringLiteral("0.3mm"));
    EXPECT_EQ(doc.Beam().BeamValueText(kBeamObjRadius), " 0.5 [0.3]mm");
    EXPECT_EQ(doc.Beam().GetBeamValue(1, kBeamFocal), 100.0);

    Tick("chkGBExtraBeamRectCircularise");
    EXPECT_EQ(recalcs, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(Find<QComboBox>("cmbGBExtraBeamRectCircMode")->isEnabled());
    EXPECT_EQ(doc.Beam().Selection(0).VarValue(2), 100.0f);  // the waist in the focal plane
    EXPECT_NEAR(doc.Beam().GetBeamValue(1, kBeamFocal), 60.0, 1e-4);

    // With three chosen the third is the y quantity; the divergence keeps the y section's own.
    QComboBox* type = Show<QComboBox>("cmbGBExtraDiodeParamType");
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_EQ(doc.Beam().StoredDiodeParamNumber(), kBeamObjDivergence);
    EXPECT_EQ(type->currentData().toInt(), kBeamObjRadius);
    doc.Beam().RemoveBeamVar(0, kBeamObjRadius);
    EXPECT_NEAR(doc.Beam().GetDiodeParamValue(), doc.Beam().GetBeamValue(1, kBeamObjDivergence),
                1e-12);

    QComboBox* mode = Show<QComboBox>("cmbGBExtraBeamRectCircMode");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    EXPECT_EQ(doc.Beam().CollimationMode(), 1);
    EXPECT_EQ(captions, 3);
    EXPECT_EQ(recalcs.size(), 3u);  // effective at the next calculation
}

}  // namespace
}  // namespace lumarik::test
