// The choice of parameters: the distance, field and aperture boxes of the lens/mirror mode with
// the object at infinity and the image-height presets, and in their place in beam mode the
// beam's conjugate, object-side and image-side boxes with the alternative solution.
#pragma once

#include <QWidget>
#include <array>

#include "core/beam/BeamCatalogue.h"
#include "core/model/Catalogue.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QStackedLayout;
class QGroupBox;

namespace lumarik {

class DocumentHub;
class ContentMeasure;
struct AppContext;

class SelectionPanel : public QWidget {
    Q_OBJECT

public:
    SelectionPanel(DocumentHub& hub, const AppContext& context, QWidget* parent = nullptr);

    // Everything the panel may show counts for the window's least size.
    void RevealForMeasure(ContentMeasure& measure);

private:
    void BuildLensFrames(QGridLayout* layout);
    QGroupBox* BuildApertureFrame();
    void BuildPresets();
    void BuildBeamFrames(QGridLayout* layout);
    QGroupBox* BuildBeamFrame(const QString& caption, const char* name, int first, int last);
    void Refresh(unsigned changes);
    void ShowLensChoice();
    void ShowBeamChoice();
    void ShowPresets();
    void Tell(std::string_view message);

    DocumentHub& m_hub;
    const AppContext& m_context;
    std::array<QCheckBox*, kSelectableCount> m_chkVarType{};
    std::array<QCheckBox*, kSelectableApertureCount> m_chkVarTypeAp{};
    QCheckBox* m_chkObjAtInfinity = nullptr;
    QComboBox* m_cmbImagHeight = nullptr;
    QStackedLayout* m_pages = nullptr;       // the lens frames, the beam frames
    std::array<QGroupBox*, 3> m_fraOpt{};    // fraOptConj, fraOptFld, fraOptAp1
    std::array<QGroupBox*, 3> m_fraGauss{};  // fraGaussCong, fraGaussBeamObj, fraGaussBeamImg
    std::array<QCheckBox*, kBeamSelectableCount> m_chkVarTypeGB{};
    QCheckBox* m_chkGaussBeamAltSolution = nullptr;
};

}  // namespace lumarik
