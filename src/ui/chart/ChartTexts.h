// The texts of the aperture/field chart's controls, in the small chart of the main window and
// in the enlarged window.
#pragma once

#include <QString>

namespace lumarik::charttexts {

inline const QString kAccPlot = QStringLiteral("Apertur-Feld-Diagramm");
inline const QString kTab = QStringLiteral("Apertur-Feld");
inline const QString kEnlarge = QStringLiteral("&Vergrößern");
inline const QString kAccEnlarge = QStringLiteral("Vergrößern");
inline const QString kUndo = QStringLiteral("&Rückgängig");
inline const QString kAccUndo = QStringLiteral("Apertur-Feld rückgängig");
inline const QString kWindowTitle = QStringLiteral("Apertur-Feld-Diagramm");
inline const QString kSamples = QStringLiteral("Beispielsysteme");
inline const QString kClose = QStringLiteral("&Schließen");

}  // namespace lumarik::charttexts
