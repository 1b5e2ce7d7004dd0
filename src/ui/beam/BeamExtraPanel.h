// The extra-information tab of the beam mode (tabExtraInfoGB): depth of focus and minimum spot,
// the M² and detector options, the catalogue lenses closest to the system and the laser-diode
// controls. It edits the document's beam state; the window runs the beam calculation when the
// panel asks for it and then lets the panel show the new state.
#pragma once

#include <QTabWidget>
#include <functional>
#include <vector>

#include "core/beam/GaussianBeam.h"
#include "core/beam/LensTable.h"
#include "core/chart/SampleSystems.h"
#include "core/document/LumarikDocument.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/WidgetHelpers.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace lumarik {

class BeamExtraPanel : public QTabWidget {
    Q_OBJECT

public:
    // The sample lenses are read from the program directory of the context. The guard is the
    // window's: the panel's handlers do nothing while it is held and hold it while they change
    // the document.
    BeamExtraPanel(LumarikDocument& doc, const AppContext& context, UpdateGuard& guard,
                   QWidget* parent = nullptr);
    ~BeamExtraPanel() override;

    // Shows the document's beam state: option boxes, enabled states, depth of focus, minimum
    // spot, lens table and the laser-diode controls. Starts no handler.
    void Refresh();

signals:
    // The panel changed the beam; the window runs its beam calculation cycle (with the
    // selection boxes synchronised when recalcWithResync) and then Refresh(). Emitted with the
    // update guard free.
    void BeamChanged(bool recalcWithResync);
    // The laser-diode mode, circularisation or collimation mode changed: the window caption
    // names them.
    void CaptionChanged();

private:
    QWidget* BuildDepthOfFocusPage();
    QWidget* BuildOptionsPage();
    QWidget* BuildLensPage();
    QWidget* BuildDiodePage();
    void Connect();
    bool Busy() const { return m_guard != UpdateGuard::kFree; }

    void M2UseToggled(bool on);
    void DetectorToggled(bool on);
    void CommitOption(BeamOption option, QLineEdit* box);
    void DofChosen(int row);
    void DrawScaleChosen(int index);
    void CommitDrawScale();
    void ShowDrawScale();
    void LensRowChosen(int row);
    // A laser-diode action: one undo step, the change, the caption; the beam cycle when
    // recalculate (with the selection boxes synchronised, as the selection may change).
    void ChangeDiode(const std::function<void(LumarikDocument&)>& change, bool recalculate);
    void DiodeModeToggled(bool on);
    void CirculariseToggled(bool on);
    void CollimationChosen(int index);
    void ParamTypeChosen(int index);

    void ShowDepthOfFocus();
    void ShowLensTable();
    void ShowDiodeControls();

    LumarikDocument& m_doc;
    UpdateGuard& m_guard;
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
