#include "ui/panels/ExtraInfoPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "core/model/ModelTexts.h"
#include "ui/chart/ChartPanel.h"
#include "ui/chart/ChartTexts.h"
#include "ui/panels/ResultsPanel.h"
#include "ui/panels/WindowTexts.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/DocumentHub.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
namespace {

// The longest text the value list shows.
const QString kWidestDepthOfField = QStringLiteral(" -1,00e+10mm");

}  // namespace

ExtraInfoPanel::ExtraInfoPanel(DocumentHub& hub, const AppContext& context, QWidget* parent)
    : QTabWidget(parent), m_hub(hub), m_prompter(context.prompter) {
    setObjectName(QStringLiteral("tabExtraInfo"));
    addTab(BuildDepthOfFieldPage(context), windowtexts::kTabDepthOfField);
    addTab(new ChartPanel(hub, context), charttexts::kTab);
    setVisible(false);
    connect(&m_hub, &DocumentHub::Changed, this, &ExtraInfoPanel::Refresh);
}

QWidget* ExtraInfoPanel::BuildDepthOfFieldPage(const AppContext& context) {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(new QLabel(windowtexts::kDepthOfFieldTitle), 0, 0, 1, 2);
    m_lstDOFNames = NamedList(QStringLiteral("lstDOFNames"), windowtexts::kDepthOfFieldTitle);
    m_lstDOFVals = NamedList(QStringLiteral("lstDOFVals"), windowtexts::kDepthOfFieldTitle);
    QStringList dofNames;
    for (std::string_view name : texts::kDofRowNames) dofNames << FromStd(name);
    FitList(m_lstDOFNames, kDofRowCount, dofNames);
    FitList(m_lstDOFVals, kDofRowCount, {kWidestDepthOfField});
    for (QListWidget* list : {m_lstDOFNames, m_lstDOFVals}) {
        list->setFixedHeight(list->minimumHeight());
    }
    PairLists(m_lstDOFNames, m_lstDOFVals);
    OfferResultsExport(m_lstDOFNames, m_lstDOFVals, m_hub, context);
    layout->setVerticalSpacing(2);
    layout->addWidget(m_lstDOFNames, 1, 0);
    layout->addWidget(m_lstDOFVals, 1, 1);
    m_lblDOFCalc = Named(new QLabel, QStringLiteral("lblDOFCalc"));
    m_lblDOFCalc->setWordWrap(true);
    m_lblDOFCalc->setAutoFillBackground(true);
    m_lblDOFCalc->setVisible(false);
    layout->addWidget(m_lblDOFCalc, 2, 0, 1, 2);

    auto* cofc = Named(new QGroupBox(windowtexts::kCircleOfConfusion), QStringLiteral("fraCofC"));
    auto* cofcLayout = new QGridLayout(cofc);
    const std::array<QString, 2> captions = {windowtexts::kCofCCustom, windowtexts::kCofCAiry};
    for (int type = 0; type < 2; ++type) {
        const QString& caption = captions[static_cast<std::size_t>(type)];
        auto* option = Named(new QRadioButton(caption), Indexed("optCofCType", type), caption);
        m_optCofCType[static_cast<std::size_t>(type)] = option;
        connect(option, &QRadioButton::toggled, this, [this, type](bool on) {
            if (on) m_hub.Edit([type](LumarikDocument& d) { d.ChooseCofCType(type); });
        });
    }
    m_txtDOFCustom = Named(new QLineEdit, QStringLiteral("txtDOFCustom"), windowtexts::kCofCCustom);
    m_txtDOFCustom->setMaximumWidth(80);
    connect(m_txtDOFCustom, &QLineEdit::editingFinished, this, &ExtraInfoPanel::CommitCustomCofC);
    cofcLayout->addWidget(m_optCofCType[0], 0, 0);
    cofcLayout->addWidget(m_txtDOFCustom, 0, 1);
    cofcLayout->addWidget(m_optCofCType[1], 1, 0, 1, 2);
    layout->addWidget(cofc, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    return page;
}

bool ExtraInfoPanel::Wanted(const LumarikDocument& doc) {
    return !doc.BeamMode() && doc.Results().resultListsVisible && doc.Opts().showExtra;
}

// Beside the drawing.
void ExtraInfoPanel::Refresh(unsigned changes) {
    const LumarikDocument& doc = m_hub.Doc();
    const ResultsView& view = doc.Results();
    if (changes & (kChangeResults | kChangeChoice | kChangeMode)) setVisible(Wanted(doc));
    if (changes & (kChangeOptions | kChangeDepthOfField | kChangeMode)) {
        const bool airy = doc.Model().DepthOfField().CofCType() == kCofCAiry;
        SetChecked(m_optCofCType[airy ? 1 : 0], true);
        WriteBox(m_txtDOFCustom, QString::fromStdString(doc.Model().CofCBoxText()));
    }
    if (!(changes & (kChangeResults | kChangeDepthOfField | kChangeMode)) || doc.BeamMode()) {
        return;
    }
    if (view.ok) {
        ShowDepthOfField();
    } else {
        m_lstDOFVals->clear();
        m_lblDOFCalc->hide();  // its message spoke of the values just cleared
    }
}

void ExtraInfoPanel::ShowDepthOfField() {
    if (m_lstDOFNames->count() == 0) {
        for (std::string_view name : texts::kDofRowNames) m_lstDOFNames->addItem(FromStd(name));
    }
    const DepthOfFieldView dof = m_hub.Doc().Model().DepthOfFieldRows();
    const int current = m_lstDOFNames->currentRow();
    m_lstDOFVals->clear();
    for (const std::string& value : dof.values)
        m_lstDOFVals->addItem(QString::fromStdString(value));
    m_lstDOFVals->setCurrentRow(current);
    ShowLabel(m_lblDOFCalc, dof.message.visible, dof.message.caption, dof.message.backColour);
}

void ExtraInfoPanel::CommitCustomCofC() {
    if (UnchangedSinceWritten(m_txtDOFCustom)) return;
    const std::string typed = m_txtDOFCustom->text().toStdString();
    OptionalAsker asker(m_prompter);
    m_hub.Edit([&](LumarikDocument& d) { d.CommitCustomCofC(typed, asker.Get()); });
}

void ExtraInfoPanel::RevealForMeasure(ContentMeasure& measure) {
    measure.Reveal(this);
    measure.Reveal(m_lblDOFCalc);
    measure.Sample(m_lblDOFCalc, FromStd(texts::kDofBelowAiry));
}

}  // namespace lumarik
