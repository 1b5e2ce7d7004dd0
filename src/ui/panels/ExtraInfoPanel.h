// The extra information of the lens/mirror mode (tabExtraInfo): the depth of field with the
// choice of the circle of confusion, and the aperture/field chart.
#pragma once

#include <QTabWidget>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace lumarik {

class DocumentHub;
class LumarikDocument;
class Prompter;
class ContentMeasure;
struct AppContext;

class ExtraInfoPanel : public QTabWidget {
    Q_OBJECT

public:
    ExtraInfoPanel(DocumentHub& hub, const AppContext& context, QWidget* parent = nullptr);

    // Shown while the lens/mirror system has its three parameters and the extra information is
    // asked for.
    static bool Wanted(const LumarikDocument& doc);
    void RevealForMeasure(ContentMeasure& measure);
    void Refresh(unsigned changes);

private:
    QWidget* BuildDepthOfFieldPage(const AppContext& context);
    void ShowDepthOfField();
    void CommitCustomCofC();

    DocumentHub& m_hub;
    Prompter* m_prompter;  // asks which number an ambiguous text means
    QListWidget* m_lstDOFNames = nullptr;
    QListWidget* m_lstDOFVals = nullptr;
    QLabel* m_lblDOFCalc = nullptr;
    QLineEdit* m_txtDOFCustom = nullptr;
    std::array<QRadioButton*, 2> m_optCofCType{};
};

}  // namespace lumarik
