#include "ui/panels/SelectionPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "core/model/ImageHeightPresets.h"
#include "ui/panels/WindowTexts.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/DocumentHub.h"
#include "ui/shell/Prompter.h"

namespace lumarik {

SelectionPanel::SelectionPanel(DocumentHub& hub, const AppContext& context, QWidget* parent)
    : QWidget(parent), m_hub(hub), m_context(context) {
    // The lens frames and the beam frames take the same place, one set at a time: the panel is
    // as high as the higher set, not as both.
    // The pages go in empty: the stack shows its first page as it is added, and a page shown
    // with its content would lay it out once for nothing.
    auto* pages = new QStackedLayout(this);
    pages->setContentsMargins(0, 0, 0, 0);
    auto* lens = new QWidget;
    auto* beam = new QWidget;
    pages->addWidget(lens);
    pages->addWidget(beam);
    auto* lensLayout = new QGridLayout(lens);
    lensLayout->setContentsMargins(0, 0, 0, 0);
    BuildLensFrames(lensLayout);
    lensLayout->setColumnStretch(3, 1);
    auto* beamLayout = new QGridLayout(beam);
    beamLayout->setContentsMargins(0, 0, 0, 0);
    BuildBeamFrames(beamLayout);
    beamLayout->setColumnStretch(3, 1);
    m_pages = pages;
    connect(&m_hub, &DocumentHub::Changed, this, &SelectionPanel::Refresh);
}

void SelectionPanel::BuildLensFrames(QGridLayout* layout) {
    const ParameterCatalogue& catalogue = m_hub.Doc().Model().Catalogue();
    auto* distances =
        Named(new QGroupBox(windowtexts::kFrameDistances), QStringLiteral("fraOptConj"));
    auto* distanceLayout = new QVBoxLayout(distances);
    distanceLayout->setSpacing(1);
    auto* field = Named(new QGroupBox(windowtexts::kFrameField), QStringLiteral("fraOptFld"));
    auto* fieldLayout = new QVBoxLayout(field);
    fieldLayout->setSpacing(1);
    for (int k = 0; k < kSelectableCount; ++k) {
        const QString caption = QString::fromStdString(catalogue.Label(k)).trimmed();
        QCheckBox* box = NamedCheckBox(caption, Indexed("chkVarType", k));
        m_chkVarType[static_cast<std::size_t>(k)] = box;
        connect(box, &QCheckBox::toggled, this, [this, k, box](bool ticked) {
            SelectionResult result;
            const auto number = static_cast<Parameter>(k);
            if (!m_hub.Edit(
                    [&](LumarikDocument& d) { result = d.SelectParameter(number, ticked); })) {
                SetChecked(box, m_hub.Doc().Model().Selected().Contains(k));
            } else if (result.outcome == SelectOutcome::kRefused) {
                Tell(result.message);
            }
        });
        (k < kFirstFieldPar ? distanceLayout : fieldLayout)->addWidget(box);
        if (k != kParObjectDist) continue;
        m_chkObjAtInfinity =
            NamedCheckBox(windowtexts::kObjectAtInfinity, QStringLiteral("chkObjAtInfinity"));
        m_chkObjAtInfinity->setContentsMargins(20, 0, 0, 0);
        connect(m_chkObjAtInfinity, &QCheckBox::toggled, this, [this](bool ticked) {
            if (!m_hub.Edit([ticked](LumarikDocument& d) { d.SetObjectAtInfinity(ticked); })) {
                SetChecked(m_chkObjAtInfinity, m_hub.Doc().Model().ObjectAtInfinity());
            }
        });
        auto* indent = new QHBoxLayout;
        indent->addSpacing(18);
        indent->addWidget(m_chkObjAtInfinity);
        distanceLayout->addLayout(indent);
    }
    distanceLayout->addStretch(1);
    fieldLayout->addStretch(1);
    BuildPresets();

    // The three choices side by side; the image-height presets under the field choice they
    // belong to, reaching under the aperture choice.
    m_fraOpt = {distances, field, BuildApertureFrame()};
    layout->addWidget(distances, 0, 0, 2, 1);
    layout->addWidget(field, 0, 1);
    layout->addWidget(m_fraOpt[2], 0, 2);
    layout->addWidget(m_cmbImagHeight, 1, 1, 1, 2, Qt::AlignLeft | Qt::AlignTop);
}

void SelectionPanel::BuildPresets() {
    m_cmbImagHeight = Named(new QComboBox, QStringLiteral("cmbImagHeight"));
    m_cmbImagHeight->addItem(windowtexts::kUserImageHeight);
    for (int entry = 1; entry <= kImageHeightPresetCount; ++entry) {
        m_cmbImagHeight->addItem(FromStd(ImageHeightPresetText(entry)));
    }
    m_cmbImagHeight->setAccessibleName(windowtexts::kUserImageHeight);
    m_cmbImagHeight->setEnabled(false);
    // As wide as its longest entry, so that a chosen preset reads in full.
    m_cmbImagHeight->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_cmbImagHeight, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        OptionalAsker asker(m_context.prompter);
        m_hub.Edit([&](LumarikDocument& d) { d.ChooseImageHeightPreset(index, asker.Get()); });
    });
}

QGroupBox* SelectionPanel::BuildApertureFrame() {
    const ParameterCatalogue& catalogue = m_hub.Doc().Model().Catalogue();
    auto* aperture = Named(new QGroupBox(windowtexts::kFrameAperture), QStringLiteral("fraOptAp1"));
    auto* apertureLayout = new QVBoxLayout(aperture);
    apertureLayout->setSpacing(1);
    for (int k = 0; k < kSelectableApertureCount; ++k) {
        const QString caption = QString::fromStdString(std::string(catalogue.ApertureCaption(k)));
        QCheckBox* box = NamedCheckBox(caption, Indexed("chkVarTypeAp", k));
        m_chkVarTypeAp[static_cast<std::size_t>(k)] = box;
        connect(box, &QCheckBox::toggled, this, [this, k, box](bool ticked) {
            const auto number = static_cast<ApertureParameter>(k);
            if (!m_hub.Edit([&](LumarikDocument& d) { d.SelectAperture(number, ticked); })) {
                SetChecked(box, m_hub.Doc().Model().Apertures().Contains(k));
            }
        });
        apertureLayout->addWidget(box);
    }
    apertureLayout->addStretch(1);
    return aperture;
}

// The conjugate frame with the alternative solution below it, then the two beam sides.
void SelectionPanel::BuildBeamFrames(QGridLayout* layout) {
    m_fraGauss[0] =
        BuildBeamFrame(windowtexts::kFrameGaussCong, "fraGaussCong", kBeamFocal, kBeamWaistToWaist);
    m_fraGauss[1] = BuildBeamFrame(windowtexts::kFrameGaussBeamObj, "fraGaussBeamObj",
                                   kBeamObjRadius, kBeamObjRayleigh);
    m_fraGauss[2] = BuildBeamFrame(windowtexts::kFrameGaussBeamImg, "fraGaussBeamImg",
                                   kBeamImgRadius, kBeamImgRayleigh);
    for (int column = 0; column < 3; ++column) {
        layout->addWidget(m_fraGauss[static_cast<std::size_t>(column)], 0, column, Qt::AlignTop);
    }
    m_chkGaussBeamAltSolution =
        Named(new QCheckBox(windowtexts::kAltSolution), QStringLiteral("chkGaussBeamAltSolution"),
              windowtexts::kAltSolution);
    m_chkGaussBeamAltSolution->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    m_chkGaussBeamAltSolution->setEnabled(false);
    m_chkGaussBeamAltSolution->setVisible(false);
    connect(m_chkGaussBeamAltSolution, &QCheckBox::toggled, this, [this] {
        if (!m_hub.Edit([](LumarikDocument& d) { d.SetAltSolution(!d.Beam().AltSolution()); })) {
            SetChecked(m_chkGaussBeamAltSolution, m_hub.Doc().Beam().AltSolution());
        }
    });
    layout->addWidget(m_chkGaussBeamAltSolution, 1, 0, Qt::AlignLeft | Qt::AlignTop);
}

// The two sides carry the same captions, so a box's accessible name also names its frame.
QGroupBox* SelectionPanel::BuildBeamFrame(const QString& caption, const char* name, int first,
                                          int last) {
    auto* frame = Named(new QGroupBox(caption), QLatin1String(name), caption);
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(1);
    const bool beamSide = first >= kFirstObjectBeam;
    for (int n = first; n <= last; ++n) {
        const QString text = windowtexts::kBeamBoxes[static_cast<std::size_t>(n)];
        auto* box = Named(
            new QCheckBox(text), Indexed("chkVarTypeGB", n),
            beamSide ? QStringLiteral("%1 (%2)").arg(text.trimmed(), caption) : text.trimmed());
        box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        // t is an output only. (Shown before it has a parent, a box would open as a window.)
        if (n == kBeamWaistToWaist) box->hide();
        connect(box, &QCheckBox::toggled, this, [this, n, box](bool ticked) {
            BeamSelectResult result;
            const auto number = static_cast<BeamQuantity>(n);
            if (!m_hub.Edit(
                    [&](LumarikDocument& d) { result = d.SelectBeamParameter(number, ticked); })) {
                SetChecked(box, m_hub.Doc().Beam().Selection(0).Contains(n));
            } else if (result.outcome == BeamSelectOutcome::kRefused) {
                Tell(result.message);
            }
        });
        layout->addWidget(box);
        m_chkVarTypeGB[static_cast<std::size_t>(n)] = box;
    }
    layout->addStretch(1);
    frame->setVisible(false);
    return frame;
}

void SelectionPanel::Refresh(unsigned changes) {
    const bool beam = m_hub.Doc().BeamMode();
    if (changes & kChangeMode) {
        m_pages->setCurrentIndex(beam ? 1 : 0);
        // Only what changes is shown or hidden: showing a control before the window shows
        // lays it out once for nothing.
        const auto show = [this](QWidget* w, bool visible) {
            if (w->isVisibleTo(this) != visible) w->setVisible(visible);
        };
        for (std::size_t i = 0; i < m_fraOpt.size(); ++i) {
            show(m_fraOpt[i], !beam);
            show(m_fraGauss[i], beam);
        }
        show(m_cmbImagHeight, !beam);
        show(m_chkGaussBeamAltSolution, beam);
    }
    // The alternative solution of the beam follows its case; the lens boxes only the choice.
    if (beam && (changes & (kChangeChoice | kChangeMode | kChangeResults))) ShowBeamChoice();
    if (!beam && (changes & (kChangeChoice | kChangeMode))) ShowLensChoice();
    if (changes & (kChangeChoice | kChangeRows | kChangeMode)) ShowPresets();
}

// The boxes show the parameter labels with the symbols in use.
void SelectionPanel::ShowLensChoice() {
    const LumarikCode& model = m_hub.Doc().Model();
    const EnableRules rules = model.Enables();
    for (int k = 0; k < kSelectableCount; ++k) {
        QCheckBox* box = m_chkVarType[static_cast<std::size_t>(k)];
        box->setText(QString::fromStdString(model.Catalogue().Label(k)).trimmed());
        box->setAccessibleName(box->text());
        SetChecked(box, model.Selected().Contains(k));
        box->setEnabled(rules.parameterEnabled[static_cast<std::size_t>(k)]);
    }
    for (int k = 0; k < kSelectableApertureCount; ++k) {
        QCheckBox* box = m_chkVarTypeAp[static_cast<std::size_t>(k)];
        SetChecked(box, model.Apertures().Contains(k));
        box->setEnabled(rules.apertureEnabled[static_cast<std::size_t>(k)]);
    }
    m_chkObjAtInfinity->setEnabled(rules.objectAtInfinityEnabled);
    SetChecked(m_chkObjAtInfinity, rules.objectAtInfinityChecked);
    m_chkGaussBeamAltSolution->setEnabled(false);
}

void SelectionPanel::ShowBeamChoice() {
    const GaussianBeam& beam = m_hub.Doc().Beam();
    const DiodeControls controls = beam.DiodeControlStates();
    for (std::size_t n = 0; n < m_chkVarTypeGB.size(); ++n) {
        SetChecked(m_chkVarTypeGB[n], beam.Selection(0).Contains(static_cast<int>(n)));
        m_chkVarTypeGB[n]->setEnabled(controls.selectionEnabled[n]);
    }
    SetChecked(m_chkGaussBeamAltSolution, beam.AltSolution());
    m_chkGaussBeamAltSolution->setEnabled(beam.AltSolutionEnabled());
}

// The list offers its presets while the image height is chosen; a typed or slid image height
// ends the preset, and the list shows its first entry again.
void SelectionPanel::ShowPresets() {
    const LumarikDocument& doc = m_hub.Doc();
    m_cmbImagHeight->setEnabled(doc.Model().Selected().Contains(kParImageHeight));
    const int index = doc.Opts().imageHeightPresetIndex;
    m_cmbImagHeight->setCurrentIndex(
        doc.Opts().imageHeightPreset && index >= 1 && index <= kImageHeightPresetCount ? index : 0);
}

void SelectionPanel::Tell(std::string_view message) {
    if (m_context.prompter) m_context.prompter->Message(FromStd(message), PromptIcon::Exclamation);
}

void SelectionPanel::RevealForMeasure(ContentMeasure& measure) {
    for (QWidget* w : {static_cast<QWidget*>(m_fraOpt[0]), static_cast<QWidget*>(m_fraOpt[1]),
                       static_cast<QWidget*>(m_fraOpt[2]), static_cast<QWidget*>(m_fraGauss[0]),
                       static_cast<QWidget*>(m_fraGauss[1]), static_cast<QWidget*>(m_fraGauss[2]),
                       static_cast<QWidget*>(m_chkGaussBeamAltSolution),
                       static_cast<QWidget*>(m_cmbImagHeight)}) {
        measure.Reveal(w);
    }
}

}  // namespace lumarik
