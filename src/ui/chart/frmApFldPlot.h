// The enlarged aperture/field chart: the chart with long names and every tick labelled, the
// fuller read-out under the mouse, the sketches of the families under the mouse with their
// captions, and the list of the shipped sample systems. Its place and size are kept in the
// per-user store ("ApFieldPlot"/"Location") from one opening to the next.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "core/chart/LensIdeas.h"
#include "core/chart/SampleSystems.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace lumarik {

class ApFldChart;
class LumarikDocument;
struct AppContext;

class frmApFldPlot : public QDialog {
    Q_OBJECT

public:
    frmApFldPlot(const AppContext& context, const LumarikDocument& doc, QWidget* parent = nullptr);
    // Closed with the main window: the place is kept all the same.
    ~frmApFldPlot() override;

    // Opens the window without blocking; it deletes itself when closed.
    static frmApFldPlot* Display(const AppContext& context, const LumarikDocument& doc,
                                 QWidget* parent);

    ApFldChart& Chart() const { return *m_chart; }
    // The system changed: the catalogue of its mode and its point.
    void Refresh();

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildSamplePanel(const AppContext& context);
    void ShowReadout(ChartPixel pixel);
    void ShowSketches();
    void SaveLocation();

    const LumarikDocument& m_doc;
    ApFldChart* m_chart = nullptr;
    QLabel* m_lblApFldFNosEff = nullptr;
    QLabel* m_lblApFldLensClass = nullptr;
    QWidget* m_pnlSys = nullptr;
    // picLens and picLensRays, with their captions pctCaptLens and pctCaptLensRays.
    std::array<class FamilySketchView*, 2> m_pictures{};
    std::array<QLabel*, 2> m_captions{};
    QListWidget* m_lstSys = nullptr;
    QLabel* m_lblSys = nullptr;  // the data of the chosen sample
    std::vector<SampleSystem> m_samples;
    QPushButton* m_comEnd = nullptr;
    bool m_placed = false;
    bool m_saved = false;
};

// "left|top|width|height|" in twips, as the per-user store keeps it.
QString ChartLocationText(const QRect& twips);
// The stored text as "Top|Left|Height|Width" for the window placement; empty when it cannot
// be read (the window is then centred).
QString ChartLocationAsPosition(const QString& stored);

}  // namespace lumarik
