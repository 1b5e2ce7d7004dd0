// Small pieces that the windows' handlers share: the update guard's scope and the boxes
// that remember what the program wrote into them.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QString>
#include <cstdint>
#include <string_view>

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

}  // namespace lumarik
