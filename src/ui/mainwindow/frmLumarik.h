// The main window: the one window of the program, from which every dialog opens. It composes
// the panels (choice of parameters, value rows, options, results, drawing, extra information)
// around the one document they all show, with the shared buttons: undo, recall, clear, files,
// print, help, about and the end. Every panel edits the document through the hub and shows
// what the hub announces; the window itself keeps only the caption, the files and its size.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "core/document/LumarikDocument.h"
#include "core/model/ModelDiagnostics.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/DocumentHub.h"

class QHBoxLayout;
class QPushButton;

namespace lumarik {

class BeamExtraPanel;
class ContentMeasure;
class ExtraInfoPanel;
class OptionsPanel;
class ResultsPanel;
class SelectionPanel;
class SystemDrawing;
class ValueRowsPanel;
class DrgRoutines;
class DrgRoutinesGB;
struct BeamReadout;

class frmLumarik : public QWidget, private ModelDiagnostics {
    Q_OBJECT

public:
    explicit frmLumarik(const AppContext& context, QWidget* parent = nullptr);
    ~frmLumarik() override;

    const LumarikCode& Model() const { return m_doc.Model(); }
    // Opens a system file as "Öffnen..." does (also for the command line and a drop); a file
    // that cannot be read or is refused is told and changes nothing.
    bool OpenSystemFile(const QString& path);
    void setVisible(bool visible) override;
    // The state of the last drawings on the screen (transform, grab handles), and the read-out.
    const DrgRoutines& Drawing() const;
    const DrgRoutinesGB& BeamDrawing() const;
    const BeamReadout& Readout() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildButtons();
    void ConnectButtons();
    void Load();
    QSize FitToContent();
    // The texts the least size depends on beyond fonts and style (see LeastSizeKey).
    QStringList MeasuredTexts() const;
    // What the window shows itself after a change: the caption and the extra panels.
    void Refresh(unsigned changes);
    // The extra panels are built when they are first shown, so that a start does not pay for
    // them: the lens mode's extra information (at once when the least size must be measured)
    // and the beam's panel.
    void BuildExtraInfo();
    void ShowBeamExtra();
    QString WindowCaption() const;
    void RefreshCaption();
    void Report(const std::string& text) override;
    void PrintClicked();
    void HelpClicked();

    // Systems as files (MainWindowFiles.cpp).
    // Offers to save the unsaved changes of the open file; false when the user cancels or the
    // save fails, and the system must stay.
    bool ChangesKept();
    void OpenClicked();
    void SaveAsClicked();
    void RememberFile(const QString& path);
    void ShowRecentFiles();

    const AppContext& m_context;
    LumarikDocument m_doc;
    DocumentHub m_hub{m_doc};
    std::optional<QString> m_captionMode;  // the mode the caption names
    bool m_sessionEnding = false;
    // The least size known from an earlier start with the same key; otherwise the first show
    // measures it, from then until it has measured with what its largest content shows.
    QString m_leastSizeFile;
    QString m_leastSizeKey;
    std::optional<QSize> m_leastSize;
    std::unique_ptr<ContentMeasure> m_measure;
    bool m_placed = false;  // sized and placed at its first show
    bool m_shownOnce = false;

    SelectionPanel* m_selection = nullptr;
    ValueRowsPanel* m_rows = nullptr;
    OptionsPanel* m_options = nullptr;
    ResultsPanel* m_results = nullptr;
    SystemDrawing* m_drawing = nullptr;
    ExtraInfoPanel* m_extraInfo = nullptr;
    BeamExtraPanel* m_beamExtra = nullptr;
    QHBoxLayout* m_drawingRow = nullptr;

    QPushButton* m_comUndo = nullptr;
    QPushButton* m_comRecall = nullptr;
    QPushButton* m_comClear = nullptr;
    QPushButton* m_comOpen = nullptr;
    QPushButton* m_comSaveAs = nullptr;
    QPushButton* m_comRecent = nullptr;
    QPushButton* m_comPrint = nullptr;
    QPushButton* m_comAbout = nullptr;
    QPushButton* m_comHelp = nullptr;
    QPushButton* m_comEnd = nullptr;
};

}  // namespace lumarik
