#include "ui/panels/ValueRowsPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "core/model/ValueEntry.h"
#include "core/numeric/Calc.h"
#include "ui/chart/frmApFNosStandard.h"
#include "ui/panels/WindowTexts.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/DocumentHub.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
namespace {

constexpr int kLeastSliderWidth = 160;
// A wider slider moves no finer (its steps are fixed); the room goes to the drawing's row.
constexpr int kMostSliderWidth = 360;
// Frame and inner margins of a text box around its text.
constexpr int kBoxPadding = 14;
// The longest number a value box shows.
const QString kWidestNumber = QStringLiteral("-0,12345678x");

}  // namespace

ValueRowsPanel::ValueRowsPanel(DocumentHub& hub, const AppContext& context, QWidget* parent)
    : QWidget(parent), m_hub(hub), m_context(context) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < kValueRowCount; ++i) {
        m_rows[static_cast<std::size_t>(i)] = BuildRow(i);
        Connect(i);
        const Row& row = m_rows[static_cast<std::size_t>(i)];
        grid->addWidget(KeepRoom(row.caption), i, 0);
        grid->addWidget(KeepRoom(row.value), i, 1);
        grid->addWidget(KeepRoom(row.slider), i, 2);
        if (i > 0) setTabOrder(m_rows[static_cast<std::size_t>(i - 1)].upper, row.value);
        setTabOrder(row.value, row.lower);
        setTabOrder(row.lower, row.bar);
        setTabOrder(row.bar, row.upper);
    }
    SizeRows();
    grid->setColumnStretch(2, 1);
    m_comApFNosStandard =
        Named(new QPushButton(windowtexts::kStandardFNumbers), QStringLiteral("comApFNosStandard"),
              windowtexts::kStandardFNumbersTip);
    m_comApFNosStandard->setToolTip(windowtexts::kStandardFNumbersTip);
    m_comApFNosStandard->setVisible(false);
    KeepRoom(m_comApFNosStandard);
    grid->addWidget(m_comApFNosStandard, kApertureRow + 1, 1);
    connect(m_comApFNosStandard, &QPushButton::clicked, this,
            &ValueRowsPanel::StandardFNumbersClicked);
    connect(&m_hub, &DocumentHub::Changed, this, &ValueRowsPanel::Refresh);
}

ValueRowsPanel::Row ValueRowsPanel::BuildRow(int rowIndex) {
    const bool aperture = rowIndex == kApertureRow;
    auto name = [&](const char* base) {
        return aperture ? QLatin1String(base) + QStringLiteral("Ap_0")
                        : QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(rowIndex);
    };
    auto accessible = [&](const QString& rowText, const QString& apText) {
        return aperture ? apText : rowText.arg(rowIndex + 1);
    };
    Row row;
    row.caption = Named(new QLabel, name("lblVarType"));
    // One line for every distance or field label; the long aperture names wrap.
    row.caption->setWordWrap(true);
    row.value = Named(new QLineEdit, name("txtVarType"),
                      accessible(windowtexts::kAccValue, windowtexts::kAccApValue));
    row.caption->setBuddy(row.value);
    row.slider = Named(new QWidget, name("picSlider"));
    row.lower = Named(new QLineEdit, name("txtVarLimLow"),
                      accessible(windowtexts::kAccLower, windowtexts::kAccApLower));
    row.upper = Named(new QLineEdit, name("txtVarLimHi"),
                      accessible(windowtexts::kAccUpper, windowtexts::kAccApUpper));
    row.bar = Named(new QScrollBar(Qt::Horizontal), name("hscVarValue"),
                    accessible(windowtexts::kAccSlider, windowtexts::kAccApSlider));
    row.bar->setRange(0, 100);
    row.bar->setValue(50);
    // The arrow keys move by a hundredth of the range between the limits, Page Up/Down by a
    // tenth; the slider is reached by Tab like the boxes. Right and Page Up make the value
    // larger (a scroll bar turns the keys round by default).
    row.bar->setSingleStep(1);
    row.bar->setPageStep(10);
    row.bar->setInvertedControls(false);
    row.bar->setFocusPolicy(Qt::StrongFocus);
    row.bar->setMinimumWidth(kLeastSliderWidth);
    row.bar->setMaximumWidth(kMostSliderWidth);
    row.sliderCaption = Named(new ElidedLabel, name("lblSliderVarValue"));
    row.sliderCaption->setAlignment(Qt::AlignCenter);
    // The slider caption repeats the row caption over the whole slider container; only a
    // caption longer than that (user symbols) ends in "…".
    row.sliderCaption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    row.sliderCaption->setFixedHeight(row.sliderCaption->fontMetrics().height());
    for (QWidget* w : {static_cast<QWidget*>(row.value), static_cast<QWidget*>(row.lower),
                       static_cast<QWidget*>(row.upper), static_cast<QWidget*>(row.bar)}) {
        w->setAccessibleDescription(w->accessibleName());
    }
    auto* sliderLayout = new QGridLayout(row.slider);
    sliderLayout->setContentsMargins(0, 0, 0, 0);
    sliderLayout->setVerticalSpacing(0);
    sliderLayout->addWidget(row.sliderCaption, 0, 0, 1, 3);
    sliderLayout->addWidget(row.lower, 1, 0);
    sliderLayout->addWidget(row.bar, 1, 1);
    sliderLayout->addWidget(row.upper, 1, 2);
    sliderLayout->setColumnStretch(1, 1);
    return row;
}

// The caption fits every label of either mode in one line; the value box fits "-- Nicht
// definiert --" and the longest number; the limit boxes the placeholder of an undefined limit.
// The rows share their fonts, so the first row's are measured for all.
void ValueRowsPanel::SizeRows() {
    const Row& first = m_rows[0];
    QStringList labels;
    for (int k = 0; k < kSelectableCount; ++k) {
        labels << QString::fromStdString(m_hub.Doc().Model().Catalogue().Label(k));
    }
    for (int n = 0; n < kBeamSelectableCount; ++n) {
        labels << QString::fromStdString(m_hub.Doc().Beam().Symbols().Label(n));
    }
    int captionWidth = 0;
    for (const QString& label : labels) {
        captionWidth =
            std::max(captionWidth, first.caption->fontMetrics().horizontalAdvance(label.trimmed()));
    }
    const QFontMetrics metrics = first.value->fontMetrics();
    const int valueWidth = std::max(metrics.horizontalAdvance(windowtexts::kNotDefined),
                                    metrics.horizontalAdvance(kWidestNumber)) +
                           kBoxPadding;
    const int limitWidth =
        metrics.horizontalAdvance(windowtexts::kLowerLimitPlaceholder) + kBoxPadding;
    for (Row& row : m_rows) {
        row.caption->setFixedWidth(captionWidth + 2);
        row.value->setFixedWidth(valueWidth);
        for (QLineEdit* box : {row.lower, row.upper}) box->setFixedWidth(limitWidth);
    }
}

void ValueRowsPanel::Connect(int row) {
    const Row& w = m_rows[static_cast<std::size_t>(row)];
    connect(w.value, &QLineEdit::editingFinished, this, [this, row] { CommitValue(row); });
    connect(w.lower, &QLineEdit::editingFinished, this, [this, row] { CommitLimit(row, false); });
    connect(w.upper, &QLineEdit::editingFinished, this, [this, row] { CommitLimit(row, true); });
    connect(w.bar, &QScrollBar::valueChanged, this, [this, row] { SliderMoved(row); });
    connect(w.bar, &QScrollBar::sliderReleased, this, [this] { m_sliderRefused = false; });
}

void ValueRowsPanel::Refresh(unsigned changes) {
    if (!(changes & (kChangeChoice | kChangeRows | kChangeResults | kChangeMode))) return;
    if (changes & (kChangeChoice | kChangeRows | kChangeMode)) {
        for (int row = 0; row < kValueRowCount; ++row) ShowRow(row);
    }
    // After the texts: showing a row lays the panel out with the captions it shows.
    ShowVisibility();
}

// Rows 1..n for the n chosen parameters, the aperture row while one is chosen (not in beam
// mode); the standard F-numbers fit only the F-number: picked while NA is chosen they would be
// stored as an NA.
void ValueRowsPanel::ShowVisibility() {
    const LumarikDocument& doc = m_hub.Doc();
    const bool beam = doc.BeamMode();
    const int count =
        beam ? doc.Beam().Selection(0).Count() : std::min(doc.Model().Selected().Count(), 3);
    const bool aperture = !beam && doc.Model().Apertures().Count() > 0;
    for (int row = 0; row < kValueRowCount; ++row) {
        const bool visible = row == kApertureRow ? aperture : row < count;
        const Row& w = m_rows[static_cast<std::size_t>(row)];
        for (QWidget* c :
             {static_cast<QWidget*>(w.caption), static_cast<QWidget*>(w.value), w.slider})
            c->setVisible(visible);
    }
    m_comApFNosStandard->setVisible(aperture && doc.Model().Apertures().Contains(kApFNumber));
}

QString ValueRowsPanel::RowCaption(int row, const CVarType& record) const {
    const LumarikDocument& doc = m_hub.Doc();
    if (row == kApertureRow) return FromStd(doc.Model().Catalogue().ApertureName(record.nVarType));
    if (doc.BeamMode()) return QString::fromStdString(doc.Beam().Symbols().Label(record.nVarType));
    return QString::fromStdString(doc.Model().Catalogue().Label(record.nVarType));
}

void ValueRowsPanel::ShowRow(int row) {
    const Row& w = m_rows[static_cast<std::size_t>(row)];
    const LumarikDocument& doc = m_hub.Doc();
    const CVarType* found = doc.RowRecord(row);
    if (found == nullptr) {
        w.caption->setText(QString());
        w.sliderCaption->setText(QString());
        NameControls(w, QString());
        WriteBox(w.value, windowtexts::kNotDefined);
        WriteBox(w.lower, windowtexts::kLowerLimitPlaceholder);
        WriteBox(w.upper, windowtexts::kUpperLimitPlaceholder);
        for (QWidget* c : {static_cast<QWidget*>(w.value), w.slider}) c->setEnabled(false);
        CentreSlider(w.bar);
        return;
    }
    const CVarType& record = *found;
    const QString label = RowCaption(row, record);
    w.caption->setText(label);
    w.sliderCaption->setText(label);
    NameControls(w, label.trimmed());
    const bool atInfinity = row != kApertureRow && !doc.BeamMode() &&
                            record.nVarType == kParObjectDist && record.bVarValDef &&
                            record.sVarValue == kInfinity;
    const auto text = [&](float internal) { return FromStd(doc.RowText(row, internal)); };
    if (atInfinity) {
        WriteBox(w.value, windowtexts::kAtInfinity);
    } else {
        WriteBox(w.value, record.bVarValDef ? text(record.sVarValue) : QString());
    }
    w.value->setEnabled(!atInfinity);
    w.slider->setEnabled(!atInfinity);
    WriteBox(w.lower,
             record.bLimLowDef ? text(record.sLimLow) : windowtexts::kLowerLimitPlaceholder);
    WriteBox(w.upper,
             record.bLimHihDef ? text(record.sLimHih) : windowtexts::kUpperLimitPlaceholder);
    if (row != m_movingRow) SetSliderPosition(row);
}

// A screen reader names a row's controls after its parameter; without one, after their place
// in the window (which their description always gives).
void ValueRowsPanel::NameControls(const Row& w, const QString& parameter) {
    const std::pair<QWidget*, const QString*> controls[] = {{w.value, &windowtexts::kAccValueOf},
                                                            {w.lower, &windowtexts::kAccLowerOf},
                                                            {w.upper, &windowtexts::kAccUpperOf},
                                                            {w.bar, &windowtexts::kAccSliderOf}};
    for (const auto& [control, text] : controls) {
        control->setAccessibleName(parameter.isEmpty() ? control->accessibleDescription()
                                                       : text->arg(parameter));
    }
}

// A slider moves the value only between two limits; without them it rests in the middle and
// takes no input.
void ValueRowsPanel::SetSliderPosition(int row) {
    QScrollBar* bar = m_rows[static_cast<std::size_t>(row)].bar;
    const CVarType* found = m_hub.Doc().RowRecord(row);
    const bool limited = found != nullptr && found->bLimLowDef && found->bLimHihDef;
    bar->setEnabled(limited);
    if (!limited) {
        CentreSlider(bar);
        return;
    }
    const std::optional<int> position = SliderPosition(*found, bar->minimum(), bar->maximum());
    if (!position) return;
    m_sliderPositioning = true;
    bar->setValue(*position);
    m_sliderPositioning = false;
}

void ValueRowsPanel::CentreSlider(QScrollBar* bar) {
    m_sliderPositioning = true;
    bar->setValue((bar->minimum() + bar->maximum()) / 2);
    m_sliderPositioning = false;
}

void ValueRowsPanel::CommitValue(int row) {
    QLineEdit* box = m_rows[static_cast<std::size_t>(row)].value;
    OptionalAsker asker(m_context.prompter);
    std::string refusal;
    m_hub.Edit([&](LumarikDocument& d) {
        refusal = d.CommitValue(row, box->text().toStdString(), ShownText(box).toStdString(), true,
                                asker.Get())
                      .beam.refusal;
    });
    ShowRefusal(refusal);
}

void ValueRowsPanel::ShowRefusal(const std::string& refusal) {
    if (refusal.empty() || !m_context.prompter || m_showingRefusal) return;
    m_showingRefusal = true;
    m_context.prompter->Message(QString::fromStdString(refusal), PromptIcon::Exclamation);
    m_showingRefusal = false;
}

void ValueRowsPanel::CommitLimit(int row, bool upper) {
    const Row& w = m_rows[static_cast<std::size_t>(row)];
    QLineEdit* box = upper ? w.upper : w.lower;
    OptionalAsker asker(m_context.prompter);
    LimitCommit commit;
    m_hub.Edit([&](LumarikDocument& d) {
        commit = d.CommitLimit(row, upper, box->text().toStdString(), ShownText(box).toStdString(),
                               asker.Get());
    });
    if (commit.outcome == LimitCommit::Outcome::kRefused && m_context.prompter) {
        m_context.prompter->Message(FromStd(commit.message), PromptIcon::Exclamation);
    }
}

void ValueRowsPanel::SliderMoved(int row) {
    if (m_sliderPositioning) return;
    QScrollBar* bar = m_rows[static_cast<std::size_t>(row)].bar;
    m_movingRow = row;
    std::string refusal;
    m_hub.Edit([&](LumarikDocument& d) {
        refusal = d.MoveSlider(row, bar->value(), bar->minimum(), bar->maximum()).beam.refusal;
    });
    m_movingRow = -1;
    if (refusal.empty()) {
        m_sliderRefused = false;
        return;
    }
    // The value stayed: so does the slider. The message comes once the slider has handled its
    // mouse press, and once for a run of refused steps (a held arrow or trough repeats).
    SetSliderPosition(row);
    if (std::exchange(m_sliderRefused, true)) return;
    QTimer::singleShot(0, this, [this, refusal] { ShowRefusal(refusal); });
}

void ValueRowsPanel::StandardFNumbersClicked() {
    if (m_hub.Busy()) return;
    frmApFNosStandard::Display(this, [this](double exact) {
        OptionalAsker asker(m_context.prompter);
        m_hub.Edit([&](LumarikDocument& d) { d.CommitNumber(kApertureRow, exact, asker.Get()); });
    });
}

QWidget* ValueRowsPanel::FirstInTabOrder() const {
    return m_rows.front().value;
}

QWidget* ValueRowsPanel::LastInTabOrder() const {
    return m_rows.back().upper;
}

void ValueRowsPanel::RevealForMeasure(ContentMeasure& measure) {
    const QString widestLabel =
        QString::fromStdString(m_hub.Doc().Model().Catalogue().Label(kParTrack));
    for (int i = 0; i < kValueRowCount; ++i) {
        const Row& row = m_rows[static_cast<std::size_t>(i)];
        for (QWidget* w :
             {static_cast<QWidget*>(row.caption), static_cast<QWidget*>(row.value), row.slider}) {
            measure.Reveal(w);
        }
        const QString caption =
            i == kApertureRow ? FromStd(m_hub.Doc().Model().Catalogue().ApertureName(kApFNumber))
                              : widestLabel;
        measure.Sample(row.caption, caption);
        measure.Sample(row.sliderCaption, caption);
    }
    measure.Reveal(m_comApFNosStandard);
}

}  // namespace lumarik
