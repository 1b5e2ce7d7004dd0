#include "ui/panels/ResultsPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <vector>

#include "core/document/ResultLists.h"
#include "core/model/ModelTexts.h"
#include "core/report/ResultsExport.h"
#include "ui/panels/WindowTexts.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/DocumentHub.h"
#include "ui/shell/FileSave.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
namespace {

// The longest text the value list shows.
const QString kWidestResult = QStringLiteral(" 100000,00mm     [Virtuell]");

std::vector<ExportRow> Exported(const LumarikDocument& doc) {
    return ExportTable(ExportedLists(doc), doc.Model().DecimalSeparator());
}

void CopyResults(const LumarikDocument& doc) {
    const std::vector<ExportRow> rows = Exported(doc);
    auto* data = new QMimeData;
    data->setText(FromStd(ResultsPlainText(rows)));
    data->setHtml(FromStd(ResultsHtml(rows)));
    QApplication::clipboard()->setMimeData(data);
}

void SaveResults(const LumarikDocument& doc, Prompter* prompter) {
    if (prompter == nullptr) return;
    const std::optional<QString> name =
        prompter->SaveFileName(windowtexts::kSaveResultsTitle, windowtexts::kResultsFilter,
                               windowtexts::kResultsSuggested);
    if (!name) return;
    SaveOrTell(*prompter, *name, ResultsCsv(Exported(doc), doc.Model().DecimalSeparator()),
               windowtexts::kResultsSaveFailed);
}

}  // namespace

ResultsPanel::ResultsPanel(DocumentHub& hub, const AppContext& context, QWidget* parent)
    : QWidget(parent), m_hub(hub) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_lstResNames = NamedList(QStringLiteral("lstResNames"), windowtexts::kAccResultNames);
    m_lstResVals = NamedList(QStringLiteral("lstResVals"), windowtexts::kAccResultValues);
    m_lblVirtualImage = Named(new QLabel, QStringLiteral("lblVirtualImage"));
    m_lblInvalidCalcs = Named(new QLabel, QStringLiteral("lblInvalidCalcs"));
    for (QLabel* label : {m_lblVirtualImage, m_lblInvalidCalcs}) {
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        label->setVisible(false);
    }
    const ParameterCatalogue& catalogue = hub.Doc().Model().Catalogue();
    QStringList names = {FromStd(texts::kEffectiveFNumber), FromStd(texts::kMtfCutOff),
                         QString::fromStdString(catalogue.Label(kParObjectFocal))};
    for (int k = 0; k < kSelectableCount; ++k) names << QString::fromStdString(catalogue.Label(k));
    for (int k = 0; k < kApertureCount; ++k) names << FromStd(catalogue.ApertureName(k));
    FitList(m_lstResNames, kListingRowCount, names);
    FitList(m_lstResVals, kListingRowCount, {kWidestResult});
    PairLists(m_lstResNames, m_lstResVals);
    KeepRoom(m_lstResNames);
    KeepRoom(m_lstResVals);
    layout->addWidget(m_lstResNames, 0, 0);
    layout->addWidget(m_lstResVals, 0, 1);
    layout->addWidget(m_lblVirtualImage, 1, 0, 1, 2);
    layout->addWidget(m_lblInvalidCalcs, 2, 0, 1, 2);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    OfferResultsExport(m_lstResNames, m_lstResVals, hub, context);
    connect(&m_hub, &DocumentHub::Changed, this, &ResultsPanel::Refresh);
}

void ResultsPanel::Refresh(unsigned changes) {
    if (!(changes & (kChangeResults | kChangeChoice | kChangeMode))) return;
    const bool beam = m_hub.Doc().BeamMode();
    // The lens listing writes its twenty names anew into an empty list.
    if ((changes & kChangeMode) && !beam) {
        m_lstResNames->clear();
        m_lstResVals->clear();
    }
    beam ? ShowBeamResults() : ShowLensResults();
}

void ResultsPanel::ShowLensResults() {
    const LumarikDocument& doc = m_hub.Doc();
    const ResultsView& view = doc.Results();
    m_lstResNames->setVisible(view.resultListsVisible);
    m_lstResVals->setVisible(view.resultListsVisible);
    if (view.buildListing) {
        const ListingRows rows = doc.Model().Listing();
        ShowRows(m_lstResNames, m_lstResVals, {rows.names.begin(), rows.names.end()},
                 {rows.values.begin(), rows.values.end()});
    } else if (!view.ok) {
        m_lstResVals->clear();
    }
    ShowLabel(m_lblInvalidCalcs, view.showNoSolution, texts::kNoSolution, kColourRed);
    ShowLabel(m_lblVirtualImage, view.virtualLabel.visible, view.virtualLabel.caption,
              view.virtualLabel.backColour);
}

// Without a solution the lists show what is known, and nothing when neither side is given; a
// complete, typed choice without a solution is a failure, told as in the lens mode.
void ResultsPanel::ShowBeamResults() {
    const GaussianBeam& beam = m_hub.Doc().Beam();
    const BeamView& view = m_hub.Doc().BeamResults();
    const bool complete = beam.Selection(0).Count() == kMaxBeamSelected;
    m_lstResNames->setVisible(complete);
    m_lstResVals->setVisible(complete);
    const BeamAxisFlags& flags = beam.Flags(0);
    std::vector<std::string> names, values;
    if (view.ok || !flags.objBeamMissing || !flags.imgBeamMissing) {
        for (const BeamListRow& row : beam.ListBeamResults(view.ok)) {
            names.push_back(row.name);
            values.push_back(row.value);
        }
    }
    ShowRows(m_lstResNames, m_lstResVals, names, values);
    ShowLabel(m_lblInvalidCalcs, complete && flags.inputsDefined && !view.ok, texts::kNoSolution,
              kColourRed);
    m_lblVirtualImage->setVisible(false);
}

void ResultsPanel::RevealForMeasure(ContentMeasure& measure) {
    for (QWidget* w : {m_lstResNames, m_lstResVals}) measure.Reveal(w);
    measure.Reveal(m_lblVirtualImage);
    measure.Reveal(m_lblInvalidCalcs);
    measure.Sample(m_lblVirtualImage, FromStd(texts::kVirtualObjectImageAtInfinity));
    measure.Sample(m_lblInvalidCalcs, FromStd(texts::kNoSolution));
}

void OfferResultsExport(QListWidget* names, QListWidget* values, const DocumentHub& hub,
                        const AppContext& context) {
    Prompter* prompter = context.prompter;
    for (QListWidget* list : {names, values}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(list, &QWidget::customContextMenuRequested, list,
                         [list, prompter, &hub](const QPoint& at) {
                             QMenu menu(list);
                             QAction* copy = menu.addAction(windowtexts::kCopyResults);
                             copy->setShortcut(QKeySequence::Copy);
                             QAction* save = menu.addAction(windowtexts::kSaveResults);
                             QAction* chosen = menu.exec(list->viewport()->mapToGlobal(at));
                             if (chosen == copy) CopyResults(hub.Doc());
                             if (chosen == save) SaveResults(hub.Doc(), prompter);
                         });
        auto* shortcut = new QShortcut(QKeySequence::Copy, list);
        shortcut->setContext(Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, list, [&hub] { CopyResults(hub.Doc()); });
    }
}

void ShowLabel(QLabel* label, bool visible, std::string_view caption, std::uint32_t rgb) {
    label->setVisible(visible);
    if (!visible) return;
    label->setText(FromStd(caption));
    label->setStyleSheet(ColourStyle(rgb));
}

}  // namespace lumarik
