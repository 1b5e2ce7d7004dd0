// The list of standard engraved F-numbers: the user picks one, and the window hands back the
// exact F-number it stands for, ready to be entered as the aperture value.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

namespace lumarik {

class frmApFNosStandard : public QDialog {
    Q_OBJECT

public:
    explicit frmApFNosStandard(QWidget* parent = nullptr);

    // Opens the window modally over `parent` without blocking; it deletes itself when closed.
    // `chosen` receives the exact F-number when the user accepts a choice and is not called
    // on Cancel.
    static frmApFNosStandard* Display(QWidget* parent, std::function<void(double)> chosen);

    // The exact F-number of the accepted entry; nothing before acceptance and after Cancel.
    std::optional<double> ChosenFNumber() const { return m_chosen; }

    void done(int result) override;

private:
    QListWidget* m_lstFNos0 = nullptr;
    QLabel* m_lbl = nullptr;
    QPushButton* m_comOK = nullptr;
    QPushButton* m_comCancel = nullptr;
    std::optional<double> m_chosen;
};

}  // namespace lumarik
