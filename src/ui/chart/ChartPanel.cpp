#include "ui/chart/ChartPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <tuple>

#include "core/chart/LensIdeas.h"
#include "core/format/Format.h"
#include "ui/chart/ApFldChart.h"
#include "ui/chart/ChartTexts.h"
#include "ui/chart/frmApFldPlot.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/DocumentHub.h"

namespace lumarik {

ChartPanel::ChartPanel(DocumentHub& hub, const AppContext& context, QWidget* parent)
    : QWidget(parent), m_hub(hub), m_context(context) {
    m_apFldChart = new ApFldChart(false, m_context.prompter, this);
    m_apFldChart->setMinimumSize(260, 190);
    m_lblApFldFNosEff = Named(new QLabel, QStringLiteral("lblApFldFNosEff"));
    m_lblApFldFNosEff->setFont(SmallChartFont());
    m_lblApFldLensClass = Named(new QLabel, QStringLiteral("lblApFldLensClass"));
    for (QLabel* label : {m_lblApFldFNosEff, m_lblApFldLensClass}) {
        label->setMinimumHeight(label->fontMetrics().height());
    }
    m_comApFldEnlarge = Named(new QPushButton(charttexts::kEnlarge),
                              QStringLiteral("comApFldEnlarge"), charttexts::kAccEnlarge);
    m_comApFldUndo = Named(new QPushButton(charttexts::kUndo), QStringLiteral("comApFldUndo"),
                           charttexts::kAccUndo);
    m_comApFldUndo->setEnabled(false);
    for (auto [button, tip] : {std::pair{m_comApFldEnlarge, kChartEnlargeTip},
                               std::pair{m_comApFldUndo, kChartUndoTip}}) {
        button->setToolTip(FromStd(tip));
        button->setAccessibleDescription(FromStd(tip));
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_apFldChart, 0, 0, 1, 3);
    layout->addWidget(m_lblApFldFNosEff, 1, 0);
    layout->addWidget(m_lblApFldLensClass, 1, 1, 1, 2);
    layout->addWidget(m_comApFldUndo, 2, 1);
    layout->addWidget(m_comApFldEnlarge, 2, 2);
    layout->setRowStretch(0, 1);
    layout->setColumnStretch(0, 1);

    connect(m_apFldChart, &ApFldChart::Hovered, this, &ChartPanel::Hovered);
    connect(m_apFldChart, &ApFldChart::Left, this, [this] {
        m_hovering = false;
        ShowCurrent();
    });
    connect(m_apFldChart, &ApFldChart::Clicked, this,
            [this](ChartPixel pixel) { Clicked(*m_apFldChart, pixel); });
    connect(m_comApFldUndo, &QPushButton::clicked, this,
            [this] { m_hub.Edit([](LumarikDocument& d) { d.UndoChart(); }); });
    connect(m_comApFldEnlarge, &QPushButton::clicked, this, &ChartPanel::EnlargeClicked);
    connect(&m_hub, &DocumentHub::Changed, this, &ChartPanel::Refresh);
}

// The chart follows the system after every change, once it is on screen; the enlarged window
// always. Any edit but a chart click ends the chart's undo.
void ChartPanel::Refresh(unsigned changes) {
    m_comApFldUndo->setEnabled(m_hub.Doc().ChartUndoAvailable());
    if (!(changes & (kChangeResults | kChangeRows | kChangeChoice | kChangeMode))) return;
    m_systemShown = false;
    if (m_frmApFldPlot) m_frmApFldPlot->Refresh();
    if (isVisible()) ShowSystem();
}

void ChartPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_systemShown) ShowSystem();
}

void ChartPanel::ShowSystem() {
    m_systemShown = true;
    const LumarikCode& model = m_hub.Doc().Model();
    m_apFldChart->SetMirrorMode(model.Constants().MirrorMode());
    m_apFldChart->SetCurrent(CurrentChartPoint(model));
    if (!m_hovering) ShowCurrent();
}

// Under the mouse: the F-number there, the field angle and the families.
void ChartPanel::Hovered(ChartPixel pixel) {
    m_hovering = true;
    const ChartAxes& axes = m_apFldChart->Axes();
    const ChartReadout readout = ReadoutOf({axes.x.ToValue(pixel.x), axes.y.ToValue(pixel.y)},
                                           ChartSystemComplete(m_hub.Doc().Model()));
    ShowReadout(QString::fromStdString(readout.small) +
                    charttexts::kFieldReadout.arg(QString::fromStdString(
                        Format(readout.field, "0.0°", m_hub.Doc().Model().DecimalSeparator()))),
                m_apFldChart->Hits());
}

void ChartPanel::ShowCurrent() {
    const std::optional<ChartPoint> current = CurrentChartPoint(m_hub.Doc().Model());
    if (!current) {
        ShowReadout({}, {});
        return;
    }
    ShowReadout(QString::fromStdString(ReadoutOf(*current, true).small),
                m_apFldChart->TypesAt(m_apFldChart->Axes().ToPixel(*current)));
}

ChartReadout ChartPanel::ReadoutOf(ChartPoint point, bool complete) const {
    const LumarikCode& model = m_hub.Doc().Model();
    return ReadOut(point, model.Value(kParFocal), model.Value(kParImageDist), complete,
                   model.DecimalSeparator());
}

// The read-out is also what the plot tells a screen reader.
void ChartPanel::ShowReadout(const QString& fNumber, const std::vector<int>& families) {
    m_lblApFldFNosEff->setText(fNumber);
    m_lblApFldLensClass->setText(
        families.empty() && fNumber.isEmpty()
            ? QString()
            : QString::fromStdString(LensClassText(m_apFldChart->Entries(), families)));
    const QString classes = m_lblApFldLensClass->text();
    m_apFldChart->Plot()->setAccessibleDescription(
        classes.isEmpty() ? fNumber : fNumber + QStringLiteral(" – ") + classes);
}

// A click on the system's own point changes nothing and takes no backup.
void ChartPanel::Clicked(const ApFldChart& chart, ChartPixel pixel) {
    if (m_hub.Busy()) return;
    const std::optional<ChartPoint> current = CurrentChartPoint(m_hub.Doc().Model());
    if (current && chart.Axes().ToPixel(*current) == pixel) return;
    const auto na = static_cast<float>(chart.Axes().x.ToValue(pixel.x));
    const auto field = static_cast<float>(chart.Axes().y.ToValue(pixel.y));
    m_hub.Edit([na, field](LumarikDocument& d) { d.ApFieldParamsChng(na, field); });
}

void ChartPanel::EnlargeClicked() {
    if (m_frmApFldPlot) {
        m_frmApFldPlot->raise();
        m_frmApFldPlot->activateWindow();
        return;
    }
    m_frmApFldPlot = frmApFldPlot::Display(m_context, m_hub.Doc(), window());
    connect(&m_frmApFldPlot->Chart(), &ApFldChart::Clicked, this, [this](ChartPixel pixel) {
        if (m_frmApFldPlot) Clicked(m_frmApFldPlot->Chart(), pixel);
    });
}

}  // namespace lumarik
