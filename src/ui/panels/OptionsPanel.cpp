#include "ui/panels/OptionsPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/model/ModeSwitches.h"
#include "core/settings/LumarikSettings.h"
#include "ui/beam/popEditParamWave.h"
#include "ui/panels/WindowTexts.h"
#include "ui/settings/frmSymbols.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/CSApplication.h"
#include "ui/shell/DocumentHub.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
namespace {

// A list of choices as high as its entries.
QListWidget* ShortList(const QString& name, const QString& accessible, const QStringList& items) {
    auto* list = Named(new QListWidget, name, accessible);
    list->addItems(items);
    FitList(list, static_cast<int>(items.size()));
    list->setMaximumHeight(list->minimumHeight());
    return list;
}

QListWidgetItem* CheckItem(const QString& text, QListWidget* list) {
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

void SetItemChecked(QListWidget* list, int row, bool checked) {
    const QSignalBlocker block(list);
    list->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

}  // namespace

OptionsPanel::OptionsPanel(DocumentHub& hub, const AppContext& context, QWidget* parent)
    : QTabWidget(parent), m_hub(hub), m_context(context) {
    setObjectName(QStringLiteral("tabOptions"));
    addTab(BuildOptionsPage(), windowtexts::kTabOptions);
    addTab(BuildAdvancedPage(), windowtexts::kTabAdvanced);
    ConnectOptions();
    ConnectBeam();
    connect(&m_hub, &DocumentHub::Changed, this, &OptionsPanel::Refresh);
}

QWidget* OptionsPanel::BuildOptionsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setSpacing(2);
    m_chkGaussBeamMode =
        NamedCheckBox(windowtexts::kGaussBeamMode, QStringLiteral("chkGaussBeamMode"));
    m_chkGaussBeamMode->setToolTip(windowtexts::kGaussBeamModeTip);
    m_lstMirrorMode = ShortList(QStringLiteral("lstMirrorMode"),
                                windowtexts::kLens + QStringLiteral(" / ") + windowtexts::kMirror,
                                {windowtexts::kLens, windowtexts::kMirror});
    m_lstMirrorMode->setCurrentRow(0);
    m_chkAllowVirtualObj =
        NamedCheckBox(windowtexts::kAllowVirtualObj, QStringLiteral("chkAllowVirtualObj"));
    m_chkHideRemoteConjug =
        NamedCheckBox(windowtexts::kHideRemoteConjug, QStringLiteral("chkHideRemoteConjug"));
    m_hideRemoteHolder = WithWrappedCaption(m_chkHideRemoteConjug);
    m_chkDrawParaxPoints =
        NamedCheckBox(windowtexts::kDrawParaxPoints, QStringLiteral("chkDrawParaxPoints"));
    m_lstOptions = Named(new QListWidget, QStringLiteral("lstOptions"), windowtexts::kTabOptions);
    for (const QString& text :
         {windowtexts::kOptionConstructionRays, windowtexts::kOptionShowExtra})
        CheckItem(text, m_lstOptions);
    FitList(m_lstOptions, 2);
    m_lstOptions->setMaximumHeight(m_lstOptions->minimumHeight());
    m_lstSymbols =
        ShortList(QStringLiteral("lstSymbols"),
                  windowtexts::kStandardSymbols + QStringLiteral(" / ") + windowtexts::kUserSymbols,
                  {windowtexts::kStandardSymbols, windowtexts::kUserSymbols});
    m_lstSymbols->setToolTip(windowtexts::kSymbolStyleTip);
    m_comSymbols = Named(new QPushButton(windowtexts::kSymbolsButton), QStringLiteral("comSymbols"),
                         windowtexts::kSymbolsButtonTip);
    m_comSymbols->setToolTip(windowtexts::kSymbolsButtonTip);
    m_comSymbols->setEnabled(false);
    auto* symbolsRow = new QHBoxLayout;
    symbolsRow->addWidget(m_lstSymbols, 1);
    symbolsRow->addWidget(m_comSymbols, 0, Qt::AlignTop);
    for (QWidget* w :
         {static_cast<QWidget*>(m_chkGaussBeamMode), static_cast<QWidget*>(m_lstMirrorMode),
          static_cast<QWidget*>(m_chkAllowVirtualObj), m_hideRemoteHolder,
          static_cast<QWidget*>(m_chkDrawParaxPoints), static_cast<QWidget*>(m_lstOptions),
          BuildBeamOptions()}) {
        layout->addWidget(w);
    }
    layout->addLayout(symbolsRow);
    layout->addStretch(1);
    return page;
}

// The beam options list and the wavelength row.
QWidget* OptionsPanel::BuildBeamOptions() {
    m_lstOptionsGB =
        Named(new QListWidget, QStringLiteral("lstOptionsGB"), windowtexts::kOptionsGB);
    m_lstOptionsGB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CheckItem(windowtexts::kOptionsGB, m_lstOptionsGB)->setCheckState(Qt::Checked);
    m_lstOptionsGB->ensurePolished();
    const int frame = 2 * m_lstOptionsGB->frameWidth();
    m_lstOptionsGB->setFixedHeight(m_lstOptionsGB->sizeHintForRow(0) + frame);
    m_lstOptionsGB->setMinimumWidth(m_lstOptionsGB->sizeHintForColumn(0) + frame);
    m_lstOptionsGB->setVisible(false);

    m_beamWavelengthRow = new QWidget;
    auto* row = new QHBoxLayout(m_beamWavelengthRow);
    row->setContentsMargins(0, 0, 0, 0);
    m_txtGBWavelen = Named(new QLineEdit, QStringLiteral("txtGBWavelen"), windowtexts::kWaveTip);
    m_txtGBWavelen->setToolTip(windowtexts::kWaveTip);
    m_txtGBWavelen->setFixedWidth(
        m_txtGBWavelen->fontMetrics().horizontalAdvance(QStringLiteral("100000,0nm")) + 14);
    m_comGBWavelen = Named(new QPushButton(windowtexts::kWaveButton),
                           QStringLiteral("comGBWavelen"), windowtexts::kWaveButtonTip);
    m_comGBWavelen->setToolTip(windowtexts::kWaveButtonTip);
    row->addWidget(m_txtGBWavelen);
    row->addWidget(m_comGBWavelen);
    row->addWidget(Named(new QLabel(windowtexts::kWaveLabel), QStringLiteral("lblGBWave")));
    row->addStretch(1);
    m_beamWavelengthRow->setVisible(false);

    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_lstOptionsGB);
    layout->addWidget(m_beamWavelengthRow);
    return panel;
}

QWidget* OptionsPanel::BuildAdvancedPage() {
    auto* advanced = new QWidget;
    auto* layout = new QGridLayout(advanced);
    layout->setVerticalSpacing(1);
    m_chkAdvOpt = NamedCheckBox(windowtexts::kAdvOpt, QStringLiteral("chkAdvOpt"));
    layout->addWidget(m_chkAdvOpt, 0, 0, 1, 2);
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_lblAdv[at] = Named(new QLabel(windowtexts::kAdvLabels[at]), Indexed("lblAdv", i));
        m_txtAdv[at] =
            Named(new QLineEdit, Indexed("txtAdv", i), Plain(windowtexts::kAdvLabels[at]));
        m_txtAdv[at]->setEnabled(false);
        m_txtAdv[at]->setFixedWidth(90);
        m_lblAdvDef[at] = Named(new QLabel(windowtexts::kAdvDefaults[at]), Indexed("lblAdvDef", i));
        layout->addWidget(m_lblAdv[at], 1 + 2 * i, 0, 1, 2);
        layout->addWidget(m_txtAdv[at], 2 + 2 * i, 0);
        layout->addWidget(m_lblAdvDef[at], 2 + 2 * i, 1);
    }
    m_comDefAdvOpts = Named(new QPushButton(windowtexts::kAdvDefaultButton),
                            QStringLiteral("comDefAdvOpts"), windowtexts::kAdvDefaultButton);
    layout->addWidget(m_comDefAdvOpts, 9, 0);
    auto* note = new QLabel(windowtexts::kAdvNote);
    note->setWordWrap(true);
    layout->addWidget(note, 10, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(11, 1);
    return advanced;
}

// A box the user operates while an edit or drag runs shows the state again when it ends.
void OptionsPanel::ConnectOptions() {
    connect(m_lstMirrorMode, &QListWidget::currentRowChanged, this, [this](int row) {
        m_hub.Edit([row](LumarikDocument& d) { d.SwitchLensMirror(row == 1); });
    });
    connect(m_chkAdvOpt, &QCheckBox::toggled, this, [this](bool on) {
        m_hub.Edit([on](LumarikDocument& d) { d.SetAdvancedOptions(on); });
    });
    for (int i = 0; i < 4; ++i) {
        connect(m_txtAdv[static_cast<std::size_t>(i)], &QLineEdit::editingFinished, this,
                [this, i] { CommitAdvanced(i); });
    }
    connect(m_comDefAdvOpts, &QPushButton::clicked, this,
            [this] { m_hub.Edit([](LumarikDocument& d) { d.ResetAdvancedDefaults(); }); });
    connect(m_chkAllowVirtualObj, &QCheckBox::toggled, this,
            [this](bool on) { m_hub.Edit([on](LumarikDocument& d) { d.SetPositiveObj(on); }); });
    connect(m_chkHideRemoteConjug, &QCheckBox::toggled, this, [this](bool on) {
        m_hub.Edit([on](LumarikDocument& d) { d.SetHideRemoteConjugates(on); });
    });
    connect(m_chkDrawParaxPoints, &QCheckBox::toggled, this,
            [this](bool on) { m_hub.Edit([on](LumarikDocument& d) { d.SetDrawPoints(on); }); });
    connect(m_lstOptions, &QListWidget::itemChanged, this, &OptionsPanel::OptionsItemChanged);
    connect(m_lstSymbols, &QListWidget::currentRowChanged, this, &OptionsPanel::SymbolStyleChosen);
    connect(m_comSymbols, &QPushButton::clicked, this, &OptionsPanel::SymbolsClicked);
}

void OptionsPanel::ConnectBeam() {
    connect(m_chkGaussBeamMode, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_hub.Edit([on](LumarikDocument& d) { d.SetBeamMode(on); })) {
            SetChecked(m_chkGaussBeamMode, m_hub.Doc().BeamMode());
        }
    });
    connect(m_lstOptionsGB, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const bool on = item->checkState() == Qt::Checked;
        m_hub.Edit([on](LumarikDocument& d) { d.SetShowExtraGB(on); });
    });
    connect(m_txtGBWavelen, &QLineEdit::editingFinished, this, &OptionsPanel::CommitWavelength);
    connect(m_comGBWavelen, &QPushButton::clicked, this, &OptionsPanel::ShowWavelengthPicker);
}

void OptionsPanel::Refresh(unsigned changes) {
    if (changes & kChangeMode) ShowModeLayout();
    if (changes & (kChangeOptions | kChangeMode)) ShowOptions();
}

void OptionsPanel::ShowModeLayout() {
    const bool beam = m_hub.Doc().BeamMode();
    for (QWidget* w :
         {static_cast<QWidget*>(m_lstMirrorMode), static_cast<QWidget*>(m_chkAllowVirtualObj),
          m_hideRemoteHolder, static_cast<QWidget*>(m_lstOptions)}) {
        w->setVisible(!beam);
    }
    m_lstOptionsGB->setVisible(beam);
    m_beamWavelengthRow->setVisible(beam);
}

// Every option control shows the state, both ways (after Undo, Clear and Recall too).
void OptionsPanel::ShowOptions() {
    const LumarikDocument& doc = m_hub.Doc();
    const Options& o = doc.Opts();
    m_lstMirrorMode->setCurrentRow(doc.Model().Constants().MirrorMode() ? 1 : 0);
    SetChecked(m_chkAdvOpt, doc.Model().Constants().AdvancedOptions());
    SetChecked(m_chkAllowVirtualObj, o.positiveObj);
    SetChecked(m_chkHideRemoteConjug, o.hideRemConj);
    SetChecked(m_chkDrawParaxPoints, o.drawPoints);
    SetItemChecked(m_lstOptions, 0, o.drawHaltingRay);
    SetItemChecked(m_lstOptions, 1, o.showExtra);
    ShowAdvancedRows();
    SetChecked(m_chkGaussBeamMode, doc.BeamMode());
    SetItemChecked(m_lstOptionsGB, 0, o.showExtraGB);
    WriteBox(m_txtGBWavelen, QString::fromStdString(doc.BeamWavelengthText()));
    const int style = doc.Model().Catalogue().UnitType();
    m_lstSymbols->setCurrentRow(style);
    m_comSymbols->setEnabled(style == kSymbolsUser);
}

// A mirror has one index and no separation of the principal planes.
void OptionsPanel::ShowAdvancedRows() {
    const EffectiveConstants& c = m_hub.Doc().Model().Constants();
    const bool mirror = c.MirrorMode();
    for (int row : {kAdvSeparation, kAdvIndexImage}) {
        const auto at = static_cast<std::size_t>(row);
        m_lblAdv[at]->setVisible(!mirror);
        m_txtAdv[at]->setVisible(!mirror);
        m_lblAdvDef[at]->setVisible(!mirror);
    }
    m_lblAdv[kAdvIndexObject]->setText(mirror ? windowtexts::kAdvIndexObjectMirror
                                              : windowtexts::kAdvIndexObjectLens);
    m_lblAdv[kAdvWavelength]->setText(m_hub.Doc().BeamMode()
                                          ? windowtexts::kAdvWavelengthBeam
                                          : windowtexts::kAdvLabels[kAdvWavelength]);
    const char sep = m_hub.Doc().Model().DecimalSeparator();
    const std::array<std::string, 4> texts = {c.DText(sep), c.NText(sep), c.NPrimeText(sep),
                                              c.WavelengthText(sep)};
    for (std::size_t row = 0; row < texts.size(); ++row) {
        WriteBox(m_txtAdv[row], QString::fromStdString(texts[row]));
        m_txtAdv[row]->setEnabled(c.AdvancedOptions());
    }
}

void OptionsPanel::CommitAdvanced(int row) {
    QLineEdit* box = m_txtAdv[static_cast<std::size_t>(row)];
    if (UnchangedSinceWritten(box)) return;
    AdvancedCommit commit;
    OptionalAsker asker(m_context.prompter);
    m_hub.Edit([&](LumarikDocument& d) {
        commit = d.CommitAdvanced(row, box->text().toStdString(), ShownText(box).toStdString(),
                                  asker.Get());
    });
    if (commit.outcome == AdvancedCommit::Outcome::kRefused && m_context.prompter) {
        m_context.prompter->Message(FromStd(commit.message), PromptIcon::Exclamation);
    }
}

void OptionsPanel::OptionsItemChanged(QListWidgetItem* item) {
    const bool on = item->checkState() == Qt::Checked;
    if (m_lstOptions->row(item) == 0) {
        m_hub.Edit([on](LumarikDocument& d) { d.SetConstructionRays(on); });
    } else {
        m_hub.Edit([on](LumarikDocument& d) { d.SetShowExtra(on); });
    }
}

void OptionsPanel::CommitWavelength() {
    if (UnchangedSinceWritten(m_txtGBWavelen)) return;
    const std::string typed = m_txtGBWavelen->text().toStdString();
    OptionalAsker asker(m_context.prompter);
    std::string_view message;
    m_hub.Edit(
        [&](LumarikDocument& d) { message = d.CommitBeamWavelength(typed, asker.Get()).message; });
    if (!message.empty() && m_context.prompter) {
        m_context.prompter->Message(FromStd(message), PromptIcon::Exclamation);
    }
}

// A picked line is typed into the wavelength box and committed like a typed one (one undo step).
void OptionsPanel::ShowWavelengthPicker() {
    if (m_hub.Busy()) return;
    popEditParamWave::Display(this, m_context, [this](double nm) {
        const QChar decimal(m_hub.Doc().Model().DecimalSeparator());
        m_txtGBWavelen->setText(QString::number(nm, 'f', 4).replace(QLatin1Char('.'), decimal));
        CommitWavelength();
    });
}

// The symbol style is a display preference: it is written at once and shows everywhere.
void OptionsPanel::SymbolStyleChosen(int row) {
    const int style = row == 1 ? kSymbolsUser : kSymbolsStandard;
    m_hub.Edit([this, style](LumarikDocument& d) {
        const CSApplication app(m_context);
        app.WriteSettings({UnitTypeEntry(style)});
        d.ApplySymbolStyle(style, app.Settings());
    });
    m_comSymbols->setEnabled(m_hub.Doc().Model().Catalogue().UnitType() == kSymbolsUser);
}

// Each mode edits its own symbols.
void OptionsPanel::SymbolsClicked() {
    if (m_hub.Busy()) return;
    const bool beam = m_hub.Doc().BeamMode();
    const auto putInUse = [this, beam](const INICode& settings) {
        m_hub.Edit([&](LumarikDocument& d) { d.RebuildUserSymbols(beam, settings); });
    };
    if (beam) {
        frmSymbols::Display(m_context, m_hub.Doc().Beam().Symbols(), this, putInUse);
    } else {
        frmSymbols::Display(m_context, m_hub.Doc().Model().Catalogue(), this, putInUse);
    }
}

QWidget* OptionsPanel::LastInTabOrder() const {
    return m_comSymbols;
}

void OptionsPanel::RevealForMeasure(ContentMeasure& measure) {
    for (QWidget* w :
         {static_cast<QWidget*>(m_lstOptionsGB), m_beamWavelengthRow,
          static_cast<QWidget*>(m_lstMirrorMode), static_cast<QWidget*>(m_chkAllowVirtualObj),
          m_hideRemoteHolder, static_cast<QWidget*>(m_lstOptions)}) {
        measure.Reveal(w);
    }
}

}  // namespace lumarik
