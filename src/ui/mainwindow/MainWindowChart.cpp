// The aperture/field chart of the main window: its page on the extra-information tab, the
// read-out under the mouse, the chart click and its undo, and the enlarged window.

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "core/chart/LensIdeas.h"
#include "ui/chart/ApFldChart.h"
#include "ui/chart/ChartTexts.h"
#include "ui/chart/frmApFldPlot.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/WidgetHelpers.h"

namespace lumarik {

QWidget* frmLumarik::BuildChartPage() {
    auto* page = new QWidget;
    m_apFldChart = new ApFldChart(false, m_context.prompter, page);
    m_apFldChart->setMinimumSize(260, 190);
    m_lblApFldFNosEff = new QLabel;
    m_lblApFldFNosEff->setObjectName(QStringLiteral("lblApFldFNosEff"));
    m_lblApFldFNosEff->setFont(SmallChartFont());
    m_lblApFldLensClass = new QLabel;
    m_lblApFldLensClass->setObjectName(QStringLiteral("lblApFldLensClass"));
    for (QLabel* label : {m_lblApFldFNosEff, m_lblApFldLensClass}) {
        label->setMinimumHeight(label->fontMetrics().height());
    }
    m_comApFldEnlarge = new QPushButton(charttexts::kEnlarge);
    m_comApFldEnlarge->setObjectName(QStringLiteral("comApFldEnlarge"));
    m_comApFldUndo = new QPushButton(charttexts::kUndo);
    m_comApFldUndo->setObjectName(QStringLiteral("comApFldUndo"));
    m_comApFldUndo->setEnabled(false);
    for (auto [button, accessible, tip] :
         {std::tuple{m_comApFldEnlarge, charttexts::kAccEnlarge, kChartEnlargeTip},
          std::tuple{m_comApFldUndo, charttexts::kAccUndo, kChartUndoTip}}) {
        button->setAccessibleName(accessible);
        button->setToolTip(FromStd(tip));
        button->setAccessibleDescription(FromStd(tip));
    }

    auto* layout = new QGridLayout(page);
    layout->addWidget(m_apFldChart, 0, 0, 1, 3);
    layout->addWidget(m_lblApFldFNosEff, 1, 0);
    layout->addWidget(m_lblApFldLensClass, 1, 1, 1, 2);
    layout->addWidget(m_comApFldUndo, 2, 1);
    layout->addWidget(m_comApFldEnlarge, 2, 2);
    layout->setRowStretch(0, 1);
    layout->setColumnStretch(0, 1);

    connect(m_apFldChart, &ApFldChart::Hovered, this, &frmLumarik::ChartHovered);
    connect(m_apFldChart, &ApFldChart::Clicked, this,
            [this](ChartPixel pixel) { ChartClicked(*m_apFldChart, pixel); });
    connect(m_comApFldUndo, &QPushButton::clicked, this, &frmLumarik::ChartUndoClicked);
    connect(m_comApFldEnlarge, &QPushButton::clicked, this, &frmLumarik::ChartEnlargeClicked);
    return page;
}

void frmLumarik::RefreshChart() {
    m_apFldChart->SetMirrorMode(m_model.Constants().MirrorMode());
    m_apFldChart->SetCurrent(CurrentChartPoint(m_model));
    m_comApFldUndo->setEnabled(m_doc.ChartUndoAvailable());
    if (m_frmApFldPlot) m_frmApFldPlot->Refresh();
}

void frmLumarik::ChartHovered(ChartPixel pixel) {
    const ChartReadout readout = ReadOutAt(
        m_apFldChart->Axes(), pixel, m_model.Value(kParFocal), m_model.Value(kParImageDist),
        ChartSystemComplete(m_model), m_model.DecimalSeparator());
    m_lblApFldFNosEff->setText(QString::fromStdString(readout.small));
    m_lblApFldLensClass->setText(
        QString::fromStdString(LensClassText(m_apFldChart->Entries(), m_apFldChart->Hits())));
}

void frmLumarik::ChartClicked(const ApFldChart& chart, ChartPixel pixel) {
    if (m_updateGuard != UpdateGuard::kFree) return;
    // A click on the system's own point changes nothing and takes no backup.
    const std::optional<ChartPoint> current = CurrentChartPoint(m_model);
    if (current && chart.Axes().ToPixel(*current) == pixel) return;
    GuardScope guard(m_updateGuard);
    const std::optional<ResultsView> view =
        m_doc.ApFieldParamsChng(static_cast<float>(chart.Axes().x.ToValue(pixel.x)),
                                static_cast<float>(chart.Axes().y.ToValue(pixel.y)));
    if (!view) return;
    RebuildRows();
    ShowResults(*view);
}

void frmLumarik::ChartUndoClicked() {
    if (m_updateGuard != UpdateGuard::kFree) return;
    GuardScope guard(m_updateGuard);
    const std::optional<ResultsView> view = m_doc.UndoChart();
    if (view) {
        RebuildRows();
        ShowResults(*view);
    }
    m_comApFldUndo->setEnabled(false);
}

void frmLumarik::ChartEnlargeClicked() {
    if (m_frmApFldPlot) {
        m_frmApFldPlot->raise();
        m_frmApFldPlot->activateWindow();
        return;
    }
    m_frmApFldPlot = frmApFldPlot::Display(m_context, m_doc, this);
    connect(&m_frmApFldPlot->Chart(), &ApFldChart::Clicked, this, [this](ChartPixel pixel) {
        if (m_frmApFldPlot) ChartClicked(m_frmApFldPlot->Chart(), pixel);
    });
}

}  // namespace lumarik
