// The extra-information tab of the beam mode (tabExtraInfoGB): depth of focus and minimum spot,
// the M² and detector options, the catalogue lenses closest to the system and the laser-diode
// controls. It edits the document's beam state and shows it again after every change.
#pragma once

#include <QTabWidget>
#include <functional>
#include <vector>

#include "core/beam/GaussianBeam.h"
#include "core/beam/LensTable.h"
#include "core/chart/SampleSystems.h"
#include "core/document/LumarikDocument.h"
#include "ui/shell/AppContext.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace lumarik {

class DocumentHub;
class Prompter;

class BeamExtraPanel : public QTabWidget {
    Q_OBJECT

public:
    // The sample lenses are read from the data directory of the context.
    BeamExtraPanel(DocumentHub& hub, const AppContext& context, QWidget* parent = nullptr);
    ~BeamExtraPanel() override;

    // Whether the beam mode shows the panel: with the option on, a quantity chosen and one side
    // of the beam given.
    static bool Wanted(const LumarikDocument& doc);
    // Shows the document's beam state: option boxes, enabled states, depth of focus, minimum
    // spot, lens table and the laser-diode controls. Starts no handler.
    void Refresh();

private:
    QWidget* BuildDepthOfFocusPage();
    QWidget* BuildOptionsPage();
    QWidget* BuildLensPage();
    QWidget* BuildDiodePage();
    void Connect();
    void ConnectDiode();
    void Changed(unsigned changes);

    void CommitOption(BeamOption option, QLineEdit* box);
    void CommitDrawScale();
    void ShowDrawScale();

    void ShowDepthOfFocus();
    void ShowLensTable();
    void ShowDiodeControls();

    DocumentHub& m_hub;
    const LumarikDocument& m_doc;
    Prompter* m_prompter;  // asks which number an ambiguous text means
    std::vector<SampleSystem> m_systems;
    std::vector<LensSample> m_samples;
    LensTable m_lensTable;

    QListWidget* m_lstDofPercent = nullptr;
    QLabel* m_lblDofVal = nullptr;
    QLineEdit* m_txtMinSpot = nullptr;
    QLabel* m_lblMinSpotRes = nullptr;

    QCheckBox* m_chkM2Use = nullptr;
    QLineEdit* m_txtMFactor = nullptr;
    QCheckBox* m_chkDetector = nullptr;
    QLineEdit* m_txtDetector = nullptr;
    QComboBox* m_cmbDrgScales = nullptr;
    QLineEdit* m_txtDrgScale = nullptr;
    QLineEdit* m_txtLensAperture = nullptr;
    QLineEdit* m_txtDetectorAperture = nullptr;
    QLabel* m_lblTransmission = nullptr;

    QTableWidget* m_ssLenses = nullptr;
    QLabel* m_lblLensDesc = nullptr;

    QCheckBox* m_chkDiodeMode = nullptr;
    QComboBox* m_cmbParamType = nullptr;
    QLineEdit* m_txtParamVal = nullptr;
    QLineEdit* m_txtDiodeM2 = nullptr;
    QCheckBox* m_chkCircularise = nullptr;
    QComboBox* m_cmbCircMode = nullptr;
};

}  // namespace lumarik
