// The options tab: on its first page the beam mode, lens or mirror, virtual objects, the
// display switches, the beam's options and wavelength and the symbol style; on its second the
// advanced constants (separation of the principal planes, the indices, the wavelength).
#pragma once

#include <QTabWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lumarik {

class DocumentHub;
class ContentMeasure;
struct AppContext;

class OptionsPanel : public QTabWidget {
    Q_OBJECT

public:
    OptionsPanel(DocumentHub& hub, const AppContext& context, QWidget* parent = nullptr);

    void RevealForMeasure(ContentMeasure& measure);
    // The last control of the panel in the Tab order.
    QWidget* LastInTabOrder() const;

private:
    QWidget* BuildOptionsPage();
    QWidget* BuildBeamOptions();
    QWidget* BuildAdvancedPage();
    void ConnectOptions();
    void ConnectBeam();
    void Refresh(unsigned changes);
    void ShowModeLayout();
    void ShowOptions();
    void ShowAdvancedRows();
    void CommitAdvanced(int row);
    void OptionsItemChanged(QListWidgetItem* item);
    void CommitWavelength();
    void ShowWavelengthPicker();
    void SymbolStyleChosen(int row);
    void SymbolsClicked();

    DocumentHub& m_hub;
    const AppContext& m_context;
    QCheckBox* m_chkGaussBeamMode = nullptr;
    QListWidget* m_lstMirrorMode = nullptr;
    QCheckBox* m_chkAllowVirtualObj = nullptr;
    QCheckBox* m_chkHideRemoteConjug = nullptr;
    QWidget* m_hideRemoteHolder = nullptr;
    QCheckBox* m_chkDrawParaxPoints = nullptr;
    QListWidget* m_lstOptions = nullptr;
    QListWidget* m_lstOptionsGB = nullptr;
    QWidget* m_beamWavelengthRow = nullptr;
    QLineEdit* m_txtGBWavelen = nullptr;
    QPushButton* m_comGBWavelen = nullptr;
    QListWidget* m_lstSymbols = nullptr;
    QPushButton* m_comSymbols = nullptr;
    QCheckBox* m_chkAdvOpt = nullptr;
    std::array<QLabel*, 4> m_lblAdv{};
    std::array<QLineEdit*, 4> m_txtAdv{};
    std::array<QLabel*, 4> m_lblAdvDef{};
    QPushButton* m_comDefAdvOpts = nullptr;
};

}  // namespace lumarik
