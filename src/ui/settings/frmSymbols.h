// The dialog in which the user edits the own symbols of the parameters and cardinal points:
// typed into the boxes or dragged from a list of characters, checked on OK and then kept in
// the settings file and put in use.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "core/settings/UserSymbols.h"
#include "ui/shell/AppContext.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumarik {

class frmSymbols : public QDialog {
    Q_OBJECT

public:
    // Loads the user symbols of the settings file whatever style is in force. `catalogue`
    // must outlive the dialog; it changes only when OK keeps changed symbols.
    frmSymbols(const AppContext& context, ParameterCatalogue& catalogue, QWidget* parent = nullptr);

    // Opens the dialog window-modally over `parent` without blocking; it deletes itself when
    // closed. After OK with changed symbols, the symbols are written (section "Symbols" and
    // Options/UnitType), the catalogue's symbols in use are rebuilt for its style, and then
    // `applied` runs; it is not called on Cancel or when nothing changed.
    static frmSymbols* Display(const AppContext& context, ParameterCatalogue& catalogue,
                               QWidget* parent, std::function<void()> applied);

    // True after OK kept changed symbols; false before, after Cancel and when nothing changed.
    bool Applied() const { return m_applied; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* Box(int slot) const { return m_boxes[static_cast<std::size_t>(slot)]; }
    int SlotOf(const QObject* box) const;
    void Commit(int slot);
    void OkClicked();

    const AppContext& m_context;
    ParameterCatalogue& m_catalogue;
    UserSymbolEditor m_editor;
    bool m_applied = false;

    // txtVarType_0..8, then txtCardPoint_0..5, in the editor's slot order.
    std::array<QLineEdit*, kUserSymbolCount> m_boxes{};
    QListWidget* m_lstSymbols = nullptr;
    QLabel* m_lbl = nullptr;
    QPushButton* m_comOK = nullptr;
    QPushButton* m_comCancel = nullptr;
};

}  // namespace lumarik
