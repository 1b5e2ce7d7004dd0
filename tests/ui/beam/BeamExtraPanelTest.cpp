// The beam's extra-information tab driven through its controls; what its edits announce is
// recorded: a new solution (with the choice shown anew or not) and a new caption.

#include <memory>
#include <utility>
#include <vector>

#include "core/beam/BeamTestSupport.h"
#include "support/TestEnvironment.h"
#include "support/WidgetTest.h"
#include "ui/beam/BeamExtraPanel.h"
#include "ui/shell/DocumentHub.h"

namespace lumarik::test {
namespace {

class BeamPanel : public ::testing::Test {
protected:
    BeamPanel() {
        const QDir data(QStringLiteral(LUMARIK_SOURCE_DATA_DIR));
        for (const QString& file : data.entryList({QStringLiteral("SH_*.dat")}))
            QFile::copy(data.filePath(file), env.FilePath(file));
        doc.SetBeamMode(true);
        for (BeamQuantity n : {kBeamFocal, kBeamObjectDist, kBeamObjRadius})
            doc.SelectBeamParameter(n, true);
        for (auto [row, x] : {std::pair{0, 100.0}, {1, 200.0}, {2, 0.5}})
            doc.CommitNumber(row, x, nullptr);
        doc.SetConstructionRays(false);  // an undo step that tells nothing of the panel
        doc.TakeChanges();               // the panel shows what it finds at the start
        panel = std::make_unique<BeamExtraPanel>(hub, env.Context());
        QObject::connect(&hub, &DocumentHub::Changed, [this](unsigned changes) {
            if (changes & kChangeResults) recalcs.push_back((changes & kChangeChoice) != 0);
            if (changes & kChangeMode) ++captions;
        });
        panel->resize(560, 260);
        panel->show();
    }

    template <typename W>
    W* Find(const char* name) {
        return FindIn<W>(panel.get(), name);
    }
    // Brings the page holding the control to the front, as the user would.
    template <typename W>
    W* Show(const char* name) {
        W* w = Find<W>(name);
        for (int i = 0; i < panel->count(); ++i)
            if (panel->widget(i)->isAncestorOf(w)) panel->setCurrentIndex(i);
        return w;
    }
    void Tick(const char* box) { QTest::mouseClick(Show<QCheckBox>(box), Qt::LeftButton); }
    void Type(const char* box, const QString& text) { TypeInto(Show<QLineEdit>(box), text); }
    QString Text(const char* name) {
        if (auto* edit = panel->findChild<QLineEdit*>(QLatin1String(name))) return edit->text();
        return Find<QLabel>(name)->text();
    }

    TestEnvironment env;
    LumarikDocument doc;
    DocumentHub hub{doc};
    std::unique_ptr<BeamExtraPanel> panel;
    std::vector<bool> recalcs;
    int captions = 0;
};

TEST_F(BeamPanel, MultimodeScalesTheShownRadiiAndTheDetectorIsListed) {
    EXPECT_FALSE(Find<QLineEdit>("txtGBExtraMFactor")->isEnabled() ||
                 Find<QLineEdit>("txtGBExtraDetector")->isEnabled());
    Tick("chkGBExtraM2Use");
    Type("txtGBExtraMFactor", "2.25");
    QLineEdit* m2 = Find<QLineEdit>("txtGBExtraMFactor");
    EXPECT_TRUE(m2->text() == "2.3" && doc.LastBackupReason() == kBackupBeamValue);
    QTest::keyClick(m2, Qt::Key_Return);  // the rounded text is not read back
    EXPECT_EQ(doc.Beam().GetM2(0), 2.25);
    EXPECT_EQ(recalcs, (std::vector<bool>{false, false}));
    Tick("chkGBExtraDetector");
    Type("txtGBExtraDetector", "150mm");
    EXPECT_EQ(Text("txtGBExtraDetector"), QStringLiteral("150.0mm"));
    EXPECT_TRUE(doc.Beam().DetectorOn() && doc.Beam().DetectorDistance() == 150.0);
    EXPECT_EQ(recalcs.size(), 4u);
}

TEST_F(BeamPanel, DepthOfFocusListAndMinimumSpot) {
    QListWidget* list = Show<QListWidget>("lstGBExtraDOFPercent");
    ASSERT_TRUE(list->count() == 7 && list->currentRow() == 1);
    EXPECT_EQ(Text("lblGBExtraDOFVal"), QStringLiteral("±2.563mm"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(Text("lblGBExtraDOFVal"), QStringLiteral("±1.609mm"));

    Type("txtGMExtraMinSpotD", "300mm");
    EXPECT_EQ(Text("txtGMExtraMinSpotD"), QStringLiteral("300.0mm"));
    EXPECT_EQ(Text("lblGBExtraMinSpotRes").split(QLatin1Char('\n')).size(), 5);
    EXPECT_EQ(doc.LastBackupReason(), kBackupConstructionRays);  // the distance changes no result
    const std::size_t recalculated = recalcs.size();
    Type("txtGMExtraMinSpotD", "abc");  // a text that cannot be used restores the box
    EXPECT_EQ(Text("txtGMExtraMinSpotD"), QStringLiteral("300.0mm"));
    EXPECT_EQ(recalcs.size(), recalculated);
}

TEST_F(BeamPanel, ClickingALensRowShowsItsDescription) {
    QTableWidget* table = Show<QTableWidget>("ssGBExtraLenses");
    ASSERT_EQ(table->rowCount(), kLensTableRows);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(table->item(2, 1)).center());
    const auto systems = ReadSampleSystems(LUMARIK_SOURCE_DATA_DIR);
    const QString description =
        QString::fromStdString(
            LensRowDescription(doc.Beam().LensTableFor(LensSamplesFrom(systems)), 2, systems))
            .replace("\r\n", "\n");
    EXPECT_EQ(Text("lblGBExtraLensDesc"), description);
    panel->Refresh();  // the same table: the description stays
    EXPECT_EQ(Text("lblGBExtraLensDesc"), description);
    doc.CommitNumber(0, 50.0, nullptr);  // another lens: other rows
    panel->Refresh();
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("50.0mm"));
    EXPECT_TRUE(Text("lblGBExtraLensDesc").startsWith(QStringLiteral("Klicken Sie")));
}

TEST_F(BeamPanel, LaserDiodeAndCircularisationThroughTheirControls) {
    EXPECT_FALSE(Find<QCheckBox>("chkGBExtraBeamRectCircularise")->isEnabled() ||
                 Find<QLineEdit>("txtGBExtraDiodeParamVal")->isEnabled());
    Tick("chkGBExtraDiodeMode");
    EXPECT_TRUE(recalcs == std::vector<bool>{true} && captions == 1);
    EXPECT_EQ(doc.LastBackupReason(), kBackupDiode);
    EXPECT_TRUE(Find<QCheckBox>("chkGBExtraBeamRectCircularise")->isEnabled());
    EXPECT_EQ(Find<QComboBox>("cmbGBExtraDiodeParamType")->currentData().toInt(), kBeamObjRadius);
    EXPECT_EQ(Text("txtGBExtraDiodeParamVal"), QStringLiteral("0.5mm"));

    Type("txtGBExtraDiodeParamVal", "0.3mm");
    EXPECT_EQ(Text("txtGBExtraDiodeParamVal"), QStringLiteral("0.3mm"));
    EXPECT_EQ(doc.Beam().BeamValueText(kBeamObjRadius), " 0.5 [0.3]mm");

    Tick("chkGBExtraBeamRectCircularise");
    EXPECT_EQ(recalcs, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(Find<QComboBox>("cmbGBExtraBeamRectCircMode")->isEnabled());

    // With three chosen the third is the y quantity.
    QComboBox* type = Show<QComboBox>("cmbGBExtraDiodeParamType");
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_TRUE(doc.Beam().StoredDiodeParamNumber() == kBeamObjDivergence &&
                type->currentData().toInt() == kBeamObjRadius);

    QComboBox* mode = Show<QComboBox>("cmbGBExtraBeamRectCircMode");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);  // effective at the next calculation: no recalculation
    EXPECT_TRUE(doc.Beam().CollimationMode() == 1 && captions == 3 && recalcs.size() == 3u);
}

}  // namespace
}  // namespace lumarik::test
