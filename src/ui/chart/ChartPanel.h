// The aperture/field chart on the extra-information tab: the chart with the current system's
// point, the read-out under the mouse, the chart click that moves the system there and its
// undo, and the enlarged chart window, which follows the system as well. The chart follows the
// system only while it is on screen (its tab is seldom the one shown), and catches up when it
// shows.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "core/chart/LensIdeas.h"

class QLabel;
class QPushButton;

namespace lumarik {

class ApFldChart;
class DocumentHub;
class frmApFldPlot;
struct AppContext;

class ChartPanel : public QWidget {
    Q_OBJECT

public:
    ChartPanel(DocumentHub& hub, const AppContext& context, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh(unsigned changes);
    // The system's point, the catalogue of its mode and the read-out.
    void ShowSystem();
    void Hovered(ChartPixel pixel);
    // Without the mouse over the chart the read-out tells the current system, and nothing
    // while it has no point.
    void ShowCurrent();
    ChartReadout ReadoutOf(ChartPoint point, bool complete) const;
    void ShowReadout(const QString& fNumber, const std::vector<int>& families);
    void Clicked(const ApFldChart& chart, ChartPixel pixel);
    void EnlargeClicked();

    DocumentHub& m_hub;
    const AppContext& m_context;
    ApFldChart* m_apFldChart = nullptr;
    QLabel* m_lblApFldFNosEff = nullptr;
    QLabel* m_lblApFldLensClass = nullptr;
    QPushButton* m_comApFldEnlarge = nullptr;
    QPushButton* m_comApFldUndo = nullptr;
    QPointer<frmApFldPlot> m_frmApFldPlot;
    bool m_hovering = false;
    bool m_systemShown = false;  // the chart shows the system in force
};

}  // namespace lumarik
