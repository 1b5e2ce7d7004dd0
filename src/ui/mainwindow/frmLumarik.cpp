#include "ui/mainwindow/frmLumarik.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSessionManager>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "core/help/HelpTexts.h"
#include "core/settings/LumarikSettings.h"
#include "ui/beam/BeamExtraPanel.h"
#include "ui/drawing/SystemDrawing.h"
#include "ui/help/frmHelp.h"
#include "ui/panels/ExtraInfoPanel.h"
#include "ui/panels/OptionsPanel.h"
#include "ui/panels/ResultsPanel.h"
#include "ui/panels/SelectionPanel.h"
#include "ui/panels/ValueRowsPanel.h"
#include "ui/panels/WindowTexts.h"
#include "ui/report/ReportPrinter.h"
#include "ui/shell/About.h"
#include "ui/shell/CSApplication.h"
#include "ui/shell/LeastSizeCache.h"
#include "ui/shell/ProgramIcon.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/SelectOnFocus.h"
#include "ui/shell/UserStore.h"
#include "ui/shell/WidgetHelpers.h"

namespace lumarik {
namespace {

constexpr int kDefaultWidthTwips = 12300;
constexpr int kDefaultHeightTwips = 8400;

// How much wider and higher the window must be so that no visible caption is cut: a one-line
// text needs its whole width, a wrapped one the height of its lines at its width.
QSize Shortfall(const QWidget* window) {
    QSize more(0, 0);
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        const auto* label = qobject_cast<const QLabel*>(w);
        if (label && label->wordWrap()) {
            more.rheight() =
                std::max(more.height(), label->heightForWidth(label->width()) - label->height());
        } else if (label || qobject_cast<const QCheckBox*>(w) ||
                   qobject_cast<const QRadioButton*>(w) || qobject_cast<const QPushButton*>(w)) {
            more.rwidth() = std::max(more.width(), w->sizeHint().width() - w->width());
        }
    }
    return more;
}

}  // namespace

frmLumarik::frmLumarik(const AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("frmLumarik"));
    setWindowIcon(ProgramIcon());
    m_doc.SetDiagnostics(this);
    m_doc.SetSeparators(UserSeparators());
    BuildControls();
    SelectWholeTextOnFocus(this);
    ConnectButtons();
    connect(&m_hub, &DocumentHub::Changed, this, &frmLumarik::Refresh);
    Load();
}

frmLumarik::~frmLumarik() {
    // The panels go while the document and its hub they refer to are still there; a box that
    // loses the focus meanwhile (editingFinished) must no longer start an edit. Blocked signals
    // still let destroyed() through, on which Qt's own caches (accessibility) rely.
    for (QObject* child : findChildren<QObject*>()) child->blockSignals(true);
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    m_doc.SetDiagnostics(nullptr);
}

// Left: the distance, field and aperture choice, the value rows and the drawing. Right: the
// options and the results. The drawing takes the room the window gains.
void frmLumarik::BuildControls() {
    // Made children in the Tab order: what the user chooses and types, the options, the
    // results, then the drawing; the extra panels follow the drawing when they are built.
    m_selection = new SelectionPanel(m_hub, m_context, this);
    m_rows = new ValueRowsPanel(m_hub, m_context, this);
    m_options = new OptionsPanel(m_hub, m_context, this);
    m_results = new ResultsPanel(m_hub, m_context, this);
    m_drawing = new SystemDrawing(m_hub, m_context, this);

    m_drawingRow = new QHBoxLayout;
    m_drawingRow->addWidget(m_drawing, 3);
    auto* left = new QVBoxLayout;
    left->addWidget(m_selection);
    left->addWidget(m_rows);
    left->addLayout(m_drawingRow, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_options);
    right->addWidget(m_results, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(columns, 1);
    layout->addWidget(BuildButtons());
    setTabOrder(m_results->Names(), m_results->Values());
}

QWidget* frmLumarik::BuildButtons() {
    auto* panel = new QWidget;
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto button = [&](const QString& caption, const char* name, const QString& tip) {
        auto* b = Named(new QPushButton(caption), QLatin1String(name), Plain(caption));
        if (!tip.isEmpty()) b->setToolTip(tip);
        return b;
    };
    m_comUndo = button(windowtexts::kUndo, "comUndo", windowtexts::kUndoTip);
    m_comRecall = button(windowtexts::kRecall, "comRecall", windowtexts::kRecallTip);
    m_comClear = button(windowtexts::kClear, "comClear", windowtexts::kClearTip);
    m_comOpen = button(windowtexts::kOpen, "comOpen", windowtexts::kOpenTip);
    m_comSaveAs = button(windowtexts::kSaveAs, "comSaveAs", windowtexts::kSaveAsTip);
    m_comRecent = button(windowtexts::kRecent, "comRecent", {});
    m_comPrint = button(windowtexts::kPrint, "comPrint", windowtexts::kPrintTip);
    m_comAbout = button(windowtexts::kAbout, "comAbout", {});
    m_comHelp = button(windowtexts::kHelp, "comHelp", {});
    m_comEnd = button(windowtexts::kEnd, "comEnd", {});
    for (QPushButton* b : {m_comUndo, m_comRecall, m_comClear, m_comOpen, m_comSaveAs, m_comRecent})
        layout->addWidget(b);
    layout->addStretch(1);
    for (QPushButton* b : {m_comHelp, m_comAbout, m_comPrint, m_comEnd}) layout->addWidget(b);
    return panel;
}

void frmLumarik::ConnectButtons() {
    const auto edit = [this](QPushButton* button,
                             void (*change)(LumarikDocument&, const AppContext&)) {
        connect(button, &QPushButton::clicked, this,
                [this, change] { m_hub.Edit([&](LumarikDocument& d) { change(d, m_context); }); });
    };
    edit(m_comUndo, [](LumarikDocument& d, const AppContext&) { d.Undo(); });
    edit(m_comClear, [](LumarikDocument& d, const AppContext&) { d.Clear(); });
    edit(m_comRecall, [](LumarikDocument& d, const AppContext& context) {
        d.Recall(CSApplication(context).Settings());
    });
    connect(m_comEnd, &QPushButton::clicked, this, &QWidget::close);
    connect(m_comPrint, &QPushButton::clicked, this, &frmLumarik::PrintClicked);
    connect(m_comAbout, &QPushButton::clicked, this, [this] { About::Display(m_context, this); });
    connect(m_comHelp, &QPushButton::clicked, this, &frmLumarik::HelpClicked);
    connect(m_comOpen, &QPushButton::clicked, this, &frmLumarik::OpenClicked);
    connect(m_comSaveAs, &QPushButton::clicked, this, &frmLumarik::SaveAsClicked);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            &frmLumarik::OpenClicked);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
            &frmLumarik::SaveAsClicked);
    m_comRecent->setMenu(new QMenu(m_comRecent));
    ShowRecentFiles();
    setAcceptDrops(true);
    // A desktop session that ends closes the window without asking.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { m_sessionEnding = true; });
}

void frmLumarik::Report(const std::string& text) {
    if (m_context.prompter)
        m_context.prompter->Message(QString::fromStdString(text), PromptIcon::None);
}

// The caption names the mode of the loaded system at once; its start-up form shows only while
// the window loads.
void frmLumarik::Load() {
    const CSApplication app(m_context);
    const INICode settings = app.Settings();
    setWindowTitle(windowtexts::kCaptionMaker + windowtexts::kCaptionStartUp + app.Version());
    m_hub.Edit([&settings](LumarikDocument& d) {
        d.ApplySymbolStyle(ReadUnitType(settings), settings);
        d.Load(settings);
    });
    // Sized at once so that showing does not first fit the window to its size hint; the least
    // size and the stored place follow when it shows.
    resize(kDefaultWidthTwips / kTwipsPerPixel, kDefaultHeightTwips / kTwipsPerPixel);
    m_leastSizeFile =
        QFileInfo(app.SettingsFilePath()).dir().filePath(QStringLiteral("Lumarik.layout"));
    m_leastSizeKey = LeastSizeKey(*this, app.Version(), MeasuredTexts());
    m_leastSize = LeastSizeCache(m_leastSizeFile).Find(m_leastSizeKey);
    if (!m_leastSize) BuildExtraInfo();  // the measure needs it
}

QStringList frmLumarik::MeasuredTexts() const {
    QStringList texts;
    for (const QWidget* panel :
         {static_cast<const QWidget*>(m_selection), static_cast<const QWidget*>(m_rows),
          static_cast<const QWidget*>(m_options), static_cast<const QWidget*>(m_results)}) {
        for (const QAbstractButton* button : panel->findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QGroupBox* frame : panel->findChildren<QGroupBox*>()) texts << frame->title();
    }
    const ParameterCatalogue& catalogue = m_doc.Model().Catalogue();
    for (int n = 0; n < kValueCount; ++n) texts << QString::fromStdString(catalogue.Label(n));
    for (int k = 0; k < kApertureCount; ++k) texts << FromStd(catalogue.ApertureName(k));
    return texts;
}

void frmLumarik::Refresh(unsigned changes) {
    if (changes & (kChangeMode | kChangeFile)) RefreshCaption();
    // Comparing the whole system with its file is exact but not free: it is done while the
    // mark is off and after what can restore the saved state whole (Undo, opening, saving);
    // once on, a slider run keeps it without comparing at every step. The questions before
    // the end and before opening compare anew.
    if (m_doc.FilePath().empty()) {
        setWindowModified(false);
    } else if (!isWindowModified() || (changes & kChangeFile)) {
        setWindowModified(m_doc.Modified());
    }
    if (changes & (kChangeResults | kChangeChoice | kChangeMode)) {
        if (m_extraInfo == nullptr && ExtraInfoPanel::Wanted(m_doc)) BuildExtraInfo();
        ShowBeamExtra();
    }
}

// Once built, the panel shows and hides itself.
void frmLumarik::BuildExtraInfo() {
    if (m_extraInfo != nullptr) return;
    m_extraInfo = new ExtraInfoPanel(m_hub, m_context, this);
    m_drawingRow->insertWidget(1, m_extraInfo, 2);
    setTabOrder(m_drawing, m_extraInfo);
    m_extraInfo->Refresh(kChangeAll);
}

void frmLumarik::ShowBeamExtra() {
    const bool wanted = BeamExtraPanel::Wanted(m_doc);
    if (wanted && m_beamExtra == nullptr) {
        m_beamExtra = new BeamExtraPanel(m_hub, m_context, this);
        // The beam's panel keeps the width its pages need; the drawing beside it takes the
        // rest of the row and all the room a larger window gains.
        m_beamExtra->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
        m_drawingRow->addWidget(m_beamExtra, 0);
        setTabOrder(m_drawing, m_beamExtra);
    }
    if (m_beamExtra == nullptr) return;
    const bool shown = !m_beamExtra->isHidden();
    m_beamExtra->setVisible(wanted);
    if (wanted && !shown) m_beamExtra->Refresh();
}

QString frmLumarik::WindowCaption() const {
    const QString start = windowtexts::kCaptionMaker + windowtexts::kCaptionSystem +
                          CSApplication(m_context).Version();
    const QString file = m_doc.FilePath().empty()
                             ? QString()
                             : windowtexts::kCaptionFileSeparator +
                                   QFileInfo(QString::fromStdString(m_doc.FilePath())).fileName() +
                                   windowtexts::kCaptionModifiedMark;
    // Only the lens/mirror mode names its element; the beam mode names its calculation.
    if (m_doc.BeamMode()) return start + QString::fromStdString(m_doc.Beam().ModeCaption()) + file;
    return start +
           (m_doc.Model().Constants().MirrorMode() ? windowtexts::kCaptionMirror
                                                   : windowtexts::kCaptionLens) +
           windowtexts::kCaptionParaxial + file;
}

// The caption names the mode (lens or mirror, paraxial or beam with its diode state) and the
// file; it is rebuilt only when they differ from what it names (not on every Undo or Recall).
void frmLumarik::RefreshCaption() {
    const QString caption = WindowCaption();
    if (m_captionMode == caption) return;
    m_captionMode = caption;
    setWindowTitle(caption);
}

// Printing reads the system and changes nothing of the window.
void frmLumarik::PrintClicked() {
    if (m_doc.BeamMode()) {
        ShowBeamPrintDialog(this, m_doc.Beam(), m_context, m_drawing->PicturePainter(true));
    } else {
        ShowPrintDialog(this, m_doc.Model(), m_doc.Opts(), m_context);
    }
}

void frmLumarik::HelpClicked() {
    // The help topic of each page of the options tab, in page order.
    static constexpr std::array<HelpTopic, 2> kOptionsPageTopics = {kHelpSliders, kHelpAdvanced};
    const auto page = static_cast<std::size_t>(m_options->currentIndex());
    frmHelp::Display(this,
                     page < kOptionsPageTopics.size() ? kOptionsPageTopics[page] : kHelpKeyParams);
}

const DrgRoutines& frmLumarik::Drawing() const {
    return m_drawing->Drawing();
}

const DrgRoutinesGB& frmLumarik::BeamDrawing() const {
    return m_drawing->BeamDrawing();
}

const BeamReadout& frmLumarik::Readout() const {
    return m_drawing->Readout();
}

// The window's least size is what its largest content needs. A start with the key of an earlier
// one takes that start's size; any other measures at the first show, before the window goes on
// screen, for only a shown window lays out its panels. What the largest content needs is
// revealed before the show, so that the show's own layout pass counts it.
void frmLumarik::setVisible(bool visible) {
    if (visible && !m_placed && m_leastSize) {
        setMinimumSize(m_leastSize->boundedTo(screen()->availableGeometry().size()));
    } else if (visible && !m_placed && !m_measure) {
        m_measure = std::make_unique<ContentMeasure>();
        m_selection->RevealForMeasure(*m_measure);
        m_rows->RevealForMeasure(*m_measure);
        m_options->RevealForMeasure(*m_measure);
        m_results->RevealForMeasure(*m_measure);
        m_measure->Reveal(m_drawing);
        m_extraInfo->RevealForMeasure(*m_measure);
    }
    QWidget::setVisible(visible);
}

// The page of new features, once per user, after the window is on screen; the flag is
// written before the page shows, so a crash on it never repeats it.
void frmLumarik::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        if (m_measure) {
            const QSize least = FitToContent();
            m_measure.reset();
            LeastSizeCache(m_leastSizeFile).Store(m_leastSizeKey, least);
        }
        CSApplication(m_context).FormPosnGet(this, kDefaultWidthTwips, kDefaultHeightTwips);
    }
    if (m_shownOnce || testAttribute(Qt::WA_DontShowOnScreen)) return;
    m_shownOnce = true;
    QTimer::singleShot(0, this, [this] {
        if (!ShouldShowNewFeatures()) return;
        MarkNewFeaturesShown();
        frmHelp::Display(this, kHelpNewFeatures);
    });
}

void frmLumarik::closeEvent(QCloseEvent* event) {
    if (m_sessionEnding) {
        event->accept();
        return;
    }
    const CSApplication app(m_context);
    app.FormPosnSave(this, true);
    if (!ChangesKept()) {
        event->ignore();
        return;
    }
    if (!m_doc.SomethingToSave() || !m_context.prompter) {
        event->accept();
        return;
    }
    switch (m_context.prompter->Question(windowtexts::kSaveQuestion, true)) {
        case PromptAnswer::Yes:
            app.WriteSettings(m_doc.SettingsEntries());
            event->accept();
            break;
        case PromptAnswer::No:
            event->accept();
            break;
        case PromptAnswer::Cancel:
            event->ignore();
            break;
    }
}

// Three value rows, the aperture row, the results, the extra information and the longest
// messages, within the screen; the beam controls share the places of the lens controls and
// count as well. It is taken once, so that the window keeps its size while rows and panels come
// and go.
QSize frmLumarik::FitToContent() {
    const QSize screen = this->screen()->availableGeometry().size();
    setMinimumSize(0, 0);
    QSize size = layout()->totalMinimumSize();
    for (int round = 0; round < 10; ++round) {
        resize(size);
        layout()->activate();
        const QSize more = Shortfall(this);
        if (more.width() <= 0 && more.height() <= 0) break;
        size += more.expandedTo(QSize(0, 0));
    }
    // Set anew, so that it counts as set by hand (the layout has set the same values) and no
    // later layout pass changes it.
    setMinimumSize(0, 0);
    setMinimumSize(size.boundedTo(screen));
    return size;
}

}  // namespace lumarik
