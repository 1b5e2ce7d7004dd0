// The dialog in which the user edits the own symbols of the parameters and cardinal points, or
// in beam mode those of the beam quantities and results: typed into the boxes or dragged from
// a list of characters, checked on OK and then kept in the settings file and put in use.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "core/settings/UserSymbols.h"
#include "ui/shell/AppContext.h"

class QFormLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace lumarik {

class frmSymbols : public QDialog {
    Q_OBJECT

public:
    // What OK does after it has written changed symbols (their section and Options/UnitType):
    // the owner puts the symbols of the settings file in use. Not called on Cancel or when
    // nothing changed.
    using PutInUse = std::function<void(const INICode& settings)>;

    // Loads the user symbols of the settings file whatever style is in force; `catalogue`
    // gives the names and standard symbols.
    frmSymbols(const AppContext& context, const ParameterCatalogue& catalogue, PutInUse putInUse,
               QWidget* parent = nullptr);
    // The beam symbols (section "SymbolsGB").
    frmSymbols(const AppContext& context, const BeamSymbols& symbols, PutInUse putInUse,
               QWidget* parent = nullptr);

    // Opens the dialog window-modally over `parent` without blocking; it deletes itself when
    // closed.
    static frmSymbols* Display(const AppContext& context, const ParameterCatalogue& catalogue,
                               QWidget* parent, PutInUse putInUse);
    static frmSymbols* Display(const AppContext& context, const BeamSymbols& symbols,
                               QWidget* parent, PutInUse putInUse);

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
    // The frames follow the editor's section.
    frmSymbols(const AppContext& context, UserSymbolEditor editor, int unitType, PutInUse putInUse,
               const QString& caption, QWidget* parent);
    // Columns of frames, each column's boxes in one line.
    std::vector<std::vector<Frame>> Frames() const;
    std::vector<QVBoxLayout*> BuildFrameColumns();
    QLabel* AddBox(QFormLayout* form, int slot, const QString& suffix);
    QLayout* BuildCharacterList();
    QLayout* BuildButtons();
    static frmSymbols* Open(frmSymbols* dialog);

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
