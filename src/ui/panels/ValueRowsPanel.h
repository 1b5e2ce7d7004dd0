// The value rows: for each chosen parameter (three) and the aperture parameter a caption, the
// value box and, in the slider container, the two limit boxes and the slider with its caption;
// under the aperture row the button of the standard F-numbers. In beam mode rows 1..3 edit the
// beam quantities and the aperture row is hidden.
#pragma once

#include <QWidget>
#include <array>

#include "core/document/LumarikDocument.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace lumarik {

class DocumentHub;
class ContentMeasure;
struct AppContext;

class ValueRowsPanel : public QWidget {
    Q_OBJECT

public:
    ValueRowsPanel(DocumentHub& hub, const AppContext& context, QWidget* parent = nullptr);

    void RevealForMeasure(ContentMeasure& measure);
    // The first box of each row and the last control before the next: Tab runs through each row
    // as value, lower limit, upper limit, slider.
    QWidget* FirstInTabOrder() const;
    QWidget* LastInTabOrder() const;

private:
    struct Row {
        QLabel* caption = nullptr;  // lblVarType
        QLineEdit* value = nullptr;
        QWidget* slider = nullptr;  // picSlider: the container
        QLineEdit* lower = nullptr;
        QScrollBar* bar = nullptr;
        QLineEdit* upper = nullptr;
        QLabel* sliderCaption = nullptr;
    };
    Row BuildRow(int row);
    void SizeRows();
    void Connect(int row);
    void Refresh(unsigned changes);
    void ShowVisibility();
    void ShowRow(int row);
    void NameControls(const Row& row, const QString& parameter);
    void SetSliderPosition(int row);
    void CentreSlider(QScrollBar* bar);
    void CommitValue(int row);
    void CommitLimit(int row, bool upper);
    void SliderMoved(int row);
    // A value the document refused: the message box of the value rows tells why.
    void ShowRefusal(const std::string& refusal);
    void StandardFNumbersClicked();
    QString RowCaption(int row, const CVarType& record) const;

    DocumentHub& m_hub;
    const AppContext& m_context;
    std::array<Row, kValueRowCount> m_rows{};
    QPushButton* m_comApFNosStandard = nullptr;
    // Set while the panel moves a slider itself, and the row whose slider the user moves, which
    // keeps its thumb where the user holds it.
    bool m_sliderPositioning = false;
    int m_movingRow = -1;
    bool m_showingRefusal = false;  // one refusal message at a time
    bool m_sliderRefused = false;   // the last slider step was refused and told
};

}  // namespace lumarik
