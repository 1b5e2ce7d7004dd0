// The dialog in which the user edits the own symbols of the parameters and cardinal points, or
// in beam mode those of the beam quantities and results: typed into the boxes or dragged from
// a list of characters, checked on OK and then kept in the settings file and put in use.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

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
    // The beam symbols (section "SymbolsGB"); `symbols` must outlive the dialog.
    frmSymbols(const AppContext& context, BeamSymbols& symbols, QWidget* parent = nullptr);

    // Opens the dialog window-modally over `parent` without blocking; it deletes itself when
    // closed. After OK with changed symbols, the symbols are written (their section and
    // Options/UnitType), the symbols in use are rebuilt for their style, and then `applied`
    // runs; it is not called on Cancel or when nothing changed.
    static frmSymbols* Display(const AppContext& context, ParameterCatalogue& catalogue,
                               QWidget* parent, std::function<void()> applied);
    static frmSymbols* Display(const AppContext& context, BeamSymbols& symbols, QWidget* parent,
                               std::function<void()> applied);

    // True after OK kept changed symbols; false before, after Cancel and when nothing changed.
    bool Applied() const { return m_applied; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A frame of symbol boxes: the editor's slots with the object-name suffixes of their label
    // and box ("VarType_3" names lblVarType_3 and txtVarType_3).
    struct Frame {
        QString caption;
        QString name;
        std::vector<std::pair<int, QString>> boxes;
    };
    // Rebuilds the symbols in use from the settings file after OK kept a change.
    using PutInUse = std::function<void(const INICode& settings)>;

    // The frames follow the editor's section.
    frmSymbols(const AppContext& context, UserSymbolEditor editor, int unitType, PutInUse putInUse,
               const QString& caption, QWidget* parent);
    // Columns of frames, each column's boxes in one line.
    std::vector<std::vector<Frame>> Frames() const;
    static frmSymbols* Open(frmSymbols* dialog, std::function<void()> applied);

    QLineEdit* Box(int slot) const { return m_boxes[static_cast<std::size_t>(slot)]; }
    int SlotOf(const QObject* box) const;
    void Commit(int slot);
    void OkClicked();

    const AppContext& m_context;
    UserSymbolEditor m_editor;
    int m_unitType;
    PutInUse m_putInUse;
    bool m_applied = false;

    // In the editor's slot order.
    std::vector<QLineEdit*> m_boxes;
    QListWidget* m_lstSymbols = nullptr;
    QLabel* m_lbl = nullptr;
    QPushButton* m_comOK = nullptr;
    QPushButton* m_comCancel = nullptr;
};

}  // namespace lumarik
