// The main window: the one window of the program, from which every dialog opens. It shows
// the first-order model and forwards every user action to it; it computes nothing itself.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

#include "core/document/LumarikDocument.h"
#include "core/drawing/DrgRoutines.h"
#include "core/drawing/DrgRoutinesGB.h"
#include "core/drawing/DrgTouch.h"
#include "core/model/LumarikCode.h"
#include "core/model/ModelDiagnostics.h"
#include "core/model/Options.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/WidgetHelpers.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace lumarik {

class ApFldChart;
class BeamExtraPanel;
class DrawingView;
class frmApFldPlot;
struct ChartPixel;

// The widgets of one value row: caption and value box, and in the slider container the
// two limit boxes, the slider and its caption.
struct ValueRowWidgets {
    QLabel* caption = nullptr;  // lblVarType
    QLineEdit* value = nullptr;
    QWidget* slider = nullptr;  // picSlider: the container
    QLineEdit* lower = nullptr;
    QScrollBar* bar = nullptr;
    QLineEdit* upper = nullptr;
    QLabel* sliderCaption = nullptr;
};

class frmLumarik : public QWidget, private ModelDiagnostics {
    Q_OBJECT

public:
    explicit frmLumarik(const AppContext& context, QWidget* parent = nullptr);
    ~frmLumarik() override;

    const LumarikCode& Model() const { return m_doc.Model(); }
    // Opens a system file as "Öffnen..." does (also for the command line and a drop); a file
    // that cannot be read or is refused is told and changes nothing.
    bool OpenSystemFile(const QString& path);
    // The state of the last drawing on the screen (transform, grab handles).
    const DrgRoutines& Drawing() const { return m_drawing; }
    // The same for the beam drawing.
    const DrgRoutinesGB& BeamDrawing() const { return m_beamDrawing; }
    const BeamReadout& Readout() const { return m_readout; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Building (MainWindowBuild.cpp).
    void BuildControls();
    QWidget* BuildSelectionFrames();
    QWidget* BuildApertureFrame();
    QWidget* BuildValueRows();
    QWidget* BuildOptionsTabs();
    QWidget* BuildResults();
    QWidget* BuildExtraInfo();
    QWidget* BuildButtons();
    ValueRowWidgets BuildRow(const QString& suffix, int rowNumber, bool aperture);
    void SetTabOrder();
    void FitToContent();

    void Load();
    // The beam mode (MainWindowBeam.cpp).
    QGroupBox* BuildBeamFrame(const QString& caption, const char* name, int first, int last);
    void BuildBeamFrames(class QGridLayout* layout);
    QWidget* BuildBeamOptions();
    void ConnectBeam();
    void BeamModeClicked();
    void SelectBeamParameter(int n);
    void AltSolutionClicked();
    void OptionsGBItemChanged(QListWidgetItem* item);
    void ApplyBeamWavelengthEntry();
    void ShowBeamWavelength();
    // Opens the wavelength picker and applies what it returns (the picker dialog lands later).
    void ShowWavelengthPicker();
    // Shows the controls of the mode in force and hides those of the other.
    void ApplyModeLayout();
    // The cycle of the mode in force, with the boxes synchronised (start, Undo, Recall, Clear).
    void RunCycle();
    // The beam calculation cycle: boxes (resync), rows, the solution and the results.
    void RecalcBeam(bool resync, SolveMemory memory);
    void SyncBeamBoxes();
    void ShowBeamResults(const BeamView& view);
    void ShowBeamTabs();
    // The beam extra-information tab follows each beam calculation.
    void RefreshBeamExtra();
    BeamExtraPanel* BeamExtra();
    // The drawing (MainWindowDrawing.cpp).
    void ConnectDrawing();
    void PaintDrawing(Canvas& canvas);
    void DrawingPressed(double x, double y);
    void DrawingMoved(double x, double y);
    void DrawingReleased();
    // The beam read-out follows the mouse over the picture (beam mode, no drag).
    void DrawingHovered(double x, double y);
    void HideReadout();
    void BeamDrawingPressed(double x, double y);
    void AfterDragChange(const ResultsView& view);
    // Paints the lens or beam picture of the current mode with a drawing state of its own.
    std::function<void(Canvas&)> PicturePainter(bool printing) const;
    void CopyDrawing();
    void SaveDrawing();
    void Report(const std::string& text) override;

    // Systems as files and the export of the result lists (MainWindowFiles.cpp).
    void ConnectFiles();
    void OpenClicked();
    void SaveAsClicked();
    void RememberFile(const QString& path);
    void ShowRecentFiles();
    void ConnectResultsExport(QListWidget* names, QListWidget* values);
    void CopyResults(const QListWidget* names, const QListWidget* values);
    void SaveResults(const QListWidget* names, const QListWidget* values);
    // The aperture/field chart (MainWindowChart.cpp).
    QWidget* BuildChartPage();
    // The chart follows the system after every cycle; the enlarged window as well.
    void RefreshChart();
    void ChartHovered(ChartPixel pixel);
    void ChartClicked(const ApFldChart& chart, ChartPixel pixel);
    void ChartUndoClicked();
    void ChartEnlargeClicked();

    // Handlers.
    void SelectParameter(int k);
    void SelectAperture(int k);
    void ObjectAtInfinityClicked();
    void CommitValue(int row);
    // Shows what a value commit returned in the row's boxes and the results.
    void ShowValueCommit(int row, const ValueCommit& commit);
    // The questions of the value entry go to the prompter; none without one.
    ValueAsker* Asker();

    // Options page and presets (MainWindowOptions.cpp).
    void ConnectOptions();
    void MirrorModeChosen();
    void AdvancedOptionsClicked();
    void CommitAdvanced(int row);
    void AdvancedDefaults();
    void AllowVirtualObjectClicked();
    void DisplayOptionChanged();
    void OptionsItemChanged(QListWidgetItem* item);
    void ImageHeightPresetChosen(int index);
    void ShowPresetReleased();
    void ApplyPresetState();
    void ShowAdvancedRows();
    void SyncOptionControls();
    void Recalculate();
    QString WindowCaption() const;
    void RefreshCaption();

    // Undo, clear and exit (MainWindowOptions.cpp).
    void SaveSettings();
    void RebuildCaptions();
    void RecallClicked();
    void StandardFNumbersClicked();
    void HelpClicked();
    void SymbolStyleChosen();
    void SymbolsClicked();
    void UndoClicked();
    void ClearClicked();
    void CommitLowerLimit(int row);
    void CommitUpperLimit(int row);
    void SliderMoved(int row);
    void CommitLimit(int row, bool upper);

    // Refreshing the controls from the model.
    void RunSelectionCycle(SolveMemory memory);
    void SyncBoxes();
    void ApplyEnables(const EnableRules& rules);
    void RebuildRows();
    void ShowRow(int row);
    void ShowLimits(int row);
    void SetSliderPosition(int row);
    void CentreSlider(QScrollBar* bar);
    void ShowResults(const ResultsView& view);
    void ShowListing(const ListingRows& rows);
    void ShowDepthOfField();
    static void ShowLabel(QLabel* label, const LabelView& view);
    void CommitCustomCofC();
    void CofCTypeChosen(int type);

    QString DisplayText(int row, float internal) const;
    ValueRowWidgets& Row(int row) { return row == kApertureRow ? m_apRow : m_rows[row]; }

    const AppContext& m_context;
    // The system: model, options and undo; every edit goes through it.
    LumarikDocument m_doc;
    const LumarikCode& m_model = m_doc.Model();
    std::optional<PrompterAsker> m_asker;
    std::optional<QString> m_captionMode;  // the mode the caption names
    bool m_sessionEnding = false;

    UpdateGuard m_updateGuard = UpdateGuard::kFree;
    bool m_sliderPositioning = false;

    std::array<QCheckBox*, kSelectableCount> m_chkVarType{};
    std::array<QCheckBox*, kSelectableApertureCount> m_chkVarTypeAp{};
    QCheckBox* m_chkObjAtInfinity = nullptr;
    std::array<ValueRowWidgets, 3> m_rows{};
    ValueRowWidgets m_apRow;
    QComboBox* m_cmbImagHeight = nullptr;

    QListWidget* m_lstResNames = nullptr;
    QListWidget* m_lstResVals = nullptr;
    QLabel* m_lblVirtualImage = nullptr;
    QLabel* m_lblInvalidCalcs = nullptr;
    DrawingView* m_pctDrg = nullptr;
    DrgRoutines m_drawing;
    DrgRoutinesGB m_beamDrawing;
    BeamReadout m_readout;

    QTabWidget* m_tabOptions = nullptr;
    QListWidget* m_lstMirrorMode = nullptr;
    QCheckBox* m_chkAdvOpt = nullptr;
    std::array<QLabel*, 4> m_lblAdv{};
    std::array<QLineEdit*, 4> m_txtAdv{};
    std::array<QLabel*, 4> m_lblAdvDef{};
    QPushButton* m_comDefAdvOpts = nullptr;
    QCheckBox* m_chkAllowVirtualObj = nullptr;
    QCheckBox* m_chkHideRemoteConjug = nullptr;
    QCheckBox* m_chkDrawParaxPoints = nullptr;
    QListWidget* m_lstOptions = nullptr;
    QListWidget* m_lstSymbols = nullptr;
    QPushButton* m_comSymbols = nullptr;

    QTabWidget* m_tabExtraInfo = nullptr;
    QListWidget* m_lstDOFNames = nullptr;
    QListWidget* m_lstDOFVals = nullptr;
    QLabel* m_lblDOFCalc = nullptr;
    QLineEdit* m_txtDOFCustom = nullptr;
    std::array<QRadioButton*, 2> m_optCofCType{};

    QPushButton* m_comUndo = nullptr;
    QPushButton* m_comRecall = nullptr;
    QPushButton* m_comClear = nullptr;
    QPushButton* m_comOpen = nullptr;
    QPushButton* m_comSaveAs = nullptr;
    QPushButton* m_comRecent = nullptr;
    QPushButton* m_comPrint = nullptr;
    QPushButton* m_comAbout = nullptr;
    QPushButton* m_comHelp = nullptr;
    QPushButton* m_comApFNosStandard = nullptr;
    bool m_shownOnce = false;
    QPushButton* m_comEnd = nullptr;

    // The aperture/field chart on the extra-information tab.
    ApFldChart* m_apFldChart = nullptr;
    QLabel* m_lblApFldFNosEff = nullptr;
    QLabel* m_lblApFldLensClass = nullptr;
    QPushButton* m_comApFldEnlarge = nullptr;
    QPushButton* m_comApFldUndo = nullptr;
    QPointer<frmApFldPlot> m_frmApFldPlot;

    // The beam mode.
    QCheckBox* m_chkGaussBeamMode = nullptr;
    std::array<QGroupBox*, 3> m_fraOpt{};    // fraOptConj, fraOptFld, fraOptAp1
    std::array<QGroupBox*, 3> m_fraGauss{};  // fraGaussCong, fraGaussBeamObj, fraGaussBeamImg
    std::array<QCheckBox*, kBeamSelectableCount> m_chkVarTypeGB{};
    QCheckBox* m_chkGaussBeamAltSolution = nullptr;
    QListWidget* m_lstOptionsGB = nullptr;
    QWidget* m_beamWavelengthRow = nullptr;
    QLineEdit* m_txtGBWavelen = nullptr;
    QPushButton* m_comGBWavelen = nullptr;
    // Takes the place of tabExtraInfo in beam mode.
    BeamExtraPanel* m_tabExtraInfoGB = nullptr;
    class QHBoxLayout* m_drawingRow = nullptr;
};

}  // namespace lumarik
