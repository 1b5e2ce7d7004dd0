#include "ui/chart/frmApFldPlot.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/chart/SampleSystems.h"
#include "core/document/LumarikDocument.h"
#include "core/drawing/ChartDrawing.h"
#include "ui/chart/ApFldChart.h"
#include "ui/chart/ChartTexts.h"
#include "ui/drawing/QPainterCanvas.h"
#include "ui/shell/CSApplication.h"
#include "ui/shell/UserStore.h"

namespace lumarik {
namespace {

const QString kLocationKey = QStringLiteral("ApFieldPlot/Location");
constexpr int kDefaultWidthTwips = 13500;
constexpr int kDefaultHeightTwips = 9750;
constexpr QSize kSketchSize(220, 110);

}  // namespace

// A family's cross-section, with or without rays; blank without a family.
class FamilySketchView : public QWidget {
public:
    FamilySketchView(const QString& name, bool withRays) : m_withRays(withRays) {
        setObjectName(name);
        setMinimumSize(kSketchSize);
    }
    void Show(bool mirror, int entry) {
        m_mirror = mirror;
        m_entry = entry;
        update();
    }
    int Entry() const { return m_entry; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPainterCanvas canvas(painter, size());
        DrawFamilySketch(canvas, m_mirror, m_entry, m_withRays);
    }

private:
    bool m_withRays;
    bool m_mirror = false;
    int m_entry = -1;
};

QString ChartLocationText(const QRect& twips) {
    return QStringLiteral("%1|%2|%3|%4|")
        .arg(twips.left())
        .arg(twips.top())
        .arg(twips.width())
        .arg(twips.height());
}

QString ChartLocationAsPosition(const QString& stored) {
    const QStringList parts = stored.trimmed().split(QLatin1Char('|'));
    if (parts.size() != 5 || !parts[4].trimmed().isEmpty()) return {};
    std::array<int, 4> v{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return {};
    }
    return QStringLiteral("%1|%2|%3|%4").arg(v[1]).arg(v[0]).arg(v[3]).arg(v[2]);
}

frmApFldPlot::frmApFldPlot(const AppContext& context, const LumarikDocument& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    setObjectName(QStringLiteral("frmApFldPlot"));
    setWindowTitle(charttexts::kWindowTitle);
    setSizeGripEnabled(true);

    m_chart = new ApFldChart(true, context.prompter, this);
    m_chart->setMinimumSize(420, 300);
    m_lblApFldFNosEff = new QLabel;
    m_lblApFldFNosEff->setObjectName(QStringLiteral("lblApFldFNosEff"));
    m_lblApFldLensClass = new QLabel;
    m_lblApFldLensClass->setObjectName(QStringLiteral("lblApFldLensClass"));
    for (QLabel* label : {m_lblApFldFNosEff, m_lblApFldLensClass}) {
        label->setFont(SmallChartFont());
        label->setMinimumHeight(label->fontMetrics().height());
    }

    BuildSamplePanel(context);
    m_comEnd = new QPushButton(charttexts::kClose);
    m_comEnd->setObjectName(QStringLiteral("comEnd"));
    m_comEnd->setAccessibleName(QStringLiteral("Schließen"));
    connect(m_comEnd, &QPushButton::clicked, this, &QDialog::accept);

    auto* readout = new QVBoxLayout;
    readout->addWidget(m_lblApFldFNosEff);
    readout->addWidget(m_lblApFldLensClass);
    auto* left = new QVBoxLayout;
    left->addWidget(m_chart, 1);
    left->addLayout(readout);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(m_pnlSys, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(m_comEnd, 0, Qt::AlignRight);

    connect(m_chart, &ApFldChart::Hovered, this, &frmApFldPlot::ShowReadout);
    m_chart->SetMirrorMode(m_doc.Model().Constants().MirrorMode());
    ShowSketches();
}

// The sketches of the family under the mouse and the list of the shipped sample systems.
void frmApFldPlot::BuildSamplePanel(const AppContext& context) {
    m_pnlSys = new QWidget;
    m_pnlSys->setObjectName(QStringLiteral("pnlSys"));
    auto* panel = new QVBoxLayout(m_pnlSys);
    panel->setContentsMargins(0, 0, 0, 0);
    const std::array<QString, 2> pictures = {QStringLiteral("picLens"),
                                             QStringLiteral("picLensRays")};
    const std::array<QString, 2> captions = {QStringLiteral("pctCaptLens"),
                                             QStringLiteral("pctCaptLensRays")};
    for (std::size_t i = 0; i < 2; ++i) {
        m_pictures[i] = new FamilySketchView(pictures[i], i == 1);
        m_captions[i] = new QLabel;
        m_captions[i]->setObjectName(captions[i]);
        m_captions[i]->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        panel->addWidget(m_pictures[i]);
        panel->addWidget(m_captions[i], 0, Qt::AlignHCenter);
    }
    panel->addWidget(new QLabel(charttexts::kSamples));
    m_lstSys = new QListWidget;
    m_lstSys->setObjectName(QStringLiteral("lstSys"));
    m_lstSys->setAccessibleName(charttexts::kSamples);
    const std::string dir = QFile::encodeName(CSApplication(context).DataPath()).toStdString();
    m_samples = ReadSampleSystems(dir);
    for (const SampleSystem& sample : m_samples) {
        const QString name = QString::fromStdString(sample.familyName + ": " + sample.displayName);
        auto* item = new QListWidgetItem(name, m_lstSys);
        // The whole name, should the list be too narrow for it.
        item->setToolTip(name + QStringLiteral("\n") +
                         QString::fromStdString(SampleDescription(sample)));
    }
    panel->addWidget(m_lstSys, 1);
    m_lblSys = new QLabel;
    m_lblSys->setObjectName(QStringLiteral("lblSys"));
    m_lblSys->setWordWrap(true);
    m_lblSys->setTextInteractionFlags(Qt::TextSelectableByMouse);
    panel->addWidget(m_lblSys);
    connect(m_lstSys, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= static_cast<int>(m_samples.size())) {
            m_lblSys->clear();
            m_chart->SetSample(std::nullopt);
            return;
        }
        const SampleData data = DescribeSample(m_samples[static_cast<std::size_t>(row)],
                                               m_doc.Model().DecimalSeparator());
        m_lblSys->setText(QString::fromStdString(data.text));
        m_chart->SetSample(data.na);
    });
}

frmApFldPlot* frmApFldPlot::Display(const AppContext& context, const LumarikDocument& doc,
                                    QWidget* parent) {
    auto* window = new frmApFldPlot(context, doc, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

void frmApFldPlot::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        const QString stored = UserStore().value(kLocationKey).toString();
        const QRect r =
            PlaceWindow(ChartLocationAsPosition(stored), kDefaultWidthTwips, kDefaultHeightTwips,
                        ScreensInTwips(), true, {}, minimumSizeHint() * kTwipsPerPixel);
        move(r.left() / kTwipsPerPixel, r.top() / kTwipsPerPixel);
        resize(r.width() / kTwipsPerPixel, r.height() / kTwipsPerPixel);
        // tmrLoad: the point is drawn once the window is on the screen.
        QTimer::singleShot(0, this, &frmApFldPlot::Refresh);
    }
    QDialog::showEvent(event);
}

frmApFldPlot::~frmApFldPlot() {
    if (m_placed && !m_saved) SaveLocation();
}

void frmApFldPlot::done(int result) {
    SaveLocation();
    QDialog::done(result);
}

void frmApFldPlot::SaveLocation() {
    m_saved = true;
    const QRect frame(pos() * kTwipsPerPixel, size() * kTwipsPerPixel);
    UserStore().setValue(kLocationKey, ChartLocationText(frame));
}

void frmApFldPlot::Refresh() {
    m_chart->SetMirrorMode(m_doc.Model().Constants().MirrorMode());
    m_chart->SetCurrent(CurrentChartPoint(m_doc.Model()));
    ShowSketches();
}

void frmApFldPlot::ShowReadout(ChartPixel pixel) {
    const LumarikCode& model = m_doc.Model();
    const ChartReadout r =
        ReadOutAt(m_chart->Axes(), pixel, model.Value(kParFocal), model.Value(kParImageDist),
                  ChartSystemComplete(model), model.DecimalSeparator());
    m_lblApFldFNosEff->setText(QString::fromStdString(r.full));
    m_lblApFldLensClass->setText(
        QString::fromStdString(LensClassText(m_chart->Entries(), m_chart->Hits())));
    ShowSketches();
}

void frmApFldPlot::ShowSketches() {
    const std::vector<int>& hits = m_chart->Hits();
    const int entry = hits.empty() ? -1 : hits.front();
    const QString caption =
        entry < 0 ? QString()
                  : QString::fromStdString(
                        m_chart->Entries()[static_cast<std::size_t>(entry)].names.front().c_str())
                        .trimmed();
    for (std::size_t i = 0; i < 2; ++i) {
        m_pictures[i]->Show(m_chart->MirrorMode(), entry);
        m_captions[i]->setText(caption);
    }
}

}  // namespace lumarik
