// Small pieces that the windows and panels share: the update guard's scope, the boxes that
// remember what the program wrote into them, named controls, lists that fit their content, and
// the measuring of a window's least size.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class QCheckBox;
class QListWidget;

namespace lumarik {

// The window's re-entrancy guard: while it is not free, handlers of user events do nothing.
// A drag in the drawing holds it from the press to the release, and the drawing keeps its
// scale meanwhile.
enum class UpdateGuard { kFree, kUpdating, kDragging };

// Holds the update guard for one handler and releases it on every way out.
class GuardScope {
public:
    explicit GuardScope(UpdateGuard& guard) : m_guard(guard) { m_guard = UpdateGuard::kUpdating; }
    ~GuardScope() { m_guard = UpdateGuard::kFree; }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;

private:
    UpdateGuard& m_guard;
};

// Sets a box as the program does, not the user: its handlers do not run (they listen to
// toggled, which the user's click, key and accessibility action all emit).
inline void SetChecked(QAbstractButton* box, bool checked) {
    const QSignalBlocker block(box);
    box->setChecked(checked);
}

// The name of a member of a control array: "chkVarType_3".
inline QString Indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// A label's background in an RGB colour with red in the low byte.
inline QString ColourStyle(std::uint32_t rgb) {
    return QStringLiteral("background-color: rgb(%1, %2, %3);")
        .arg(rgb & 0xFF)
        .arg((rgb >> 8) & 0xFF)
        .arg((rgb >> 16) & 0xFF);
}

inline QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// Writes a box and remembers what the program wrote, so that leaving the box unchanged does
// not read a rounded display text back as a new value.
inline void WriteBox(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setProperty("lumarikShownText", text);
}

inline bool UnchangedSinceWritten(const QLineEdit* box) {
    return box->text() == box->property("lumarikShownText").toString();
}

// What the program last wrote into the box.
inline QString ShownText(const QLineEdit* box) {
    return box->property("lumarikShownText").toString();
}

// A control with its documented object name and, when given, its accessible name.
template <typename W>
W* Named(W* widget, const QString& name, const QString& accessible = {}) {
    widget->setObjectName(name);
    if (!accessible.isEmpty()) widget->setAccessibleName(accessible);
    return widget;
}

// Caption text without the mnemonic marks, for accessible names.
QString Plain(QString caption);

// A check box as wide as its caption, so that a click beside the caption does not tick it.
QCheckBox* NamedCheckBox(const QString& caption, const QString& name);

// Long captions wrap in a label beside an untexted check box; clicking the label toggles the
// box, and the box keeps the caption as its accessible name. Returns the holder of both.
QWidget* WithWrappedCaption(QCheckBox* box);

// A one-line label that shortens its text with "…" instead of cutting it off.
class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The widget keeps its room in the layout while hidden, so nothing moves under the mouse.
QWidget* KeepRoom(QWidget* widget);

QListWidget* NamedList(const QString& name, const QString& accessible);

// Gives a list the least size that shows `rows` rows of its widest text uncut. An empty list
// takes `widest` in only for the measuring.
void FitList(QListWidget* list, int rows, const QStringList& widest = {});

// A name list and its value list read as one table: row i of one belongs to row i of the
// other, so they scroll and select together and only the value list shows a scroll bar.
void PairLists(QListWidget* names, QListWidget* values);

// Rows of a name list and its value list, written anew; the chosen row stays chosen, and a
// name that does not change is not written again.
void ShowRows(QListWidget* names, QListWidget* values, const std::vector<std::string>& nameTexts,
              const std::vector<std::string>& valueTexts);

// While a window measures its least size: every widget its largest content needs is shown and
// every label holds its longest text; the destructor puts back what was there.
class ContentMeasure {
public:
    ContentMeasure() = default;
    ~ContentMeasure();
    ContentMeasure(const ContentMeasure&) = delete;
    ContentMeasure& operator=(const ContentMeasure&) = delete;

    void Reveal(QWidget* widget);
    void Sample(QLabel* label, const QString& text);

private:
    std::vector<std::pair<QWidget*, bool>> m_shown;
    std::vector<std::pair<QLabel*, QString>> m_texts;
};

}  // namespace lumarik
