// The texts of the aperture/field chart's controls, in the small chart of the main window and
// in the enlarged window.
#pragma once

#include <QString>

#include "ui/drawing/PictureExport.h"

namespace lumarik::charttexts {

inline const QString kAccPlot = QStringLiteral("Apertur-Feld-Diagramm");
inline const QString kTab = QStringLiteral("Apertur-Feld");
inline const QString kEnlarge = QStringLiteral("&Vergrößern");
// After the F-number under the mouse: the half field angle there.
inline const QString kFieldReadout = QStringLiteral("  Feld %1");
inline const QString kAccEnlarge = QStringLiteral("Vergrößern");
inline const QString kUndo = QStringLiteral("&Rückgängig");
inline const QString kAccUndo = QStringLiteral("Apertur-Feld rückgängig");
inline const QString kWindowTitle = QStringLiteral("Apertur-Feld-Diagramm");
inline const QString kSamples = QStringLiteral("Beispielsysteme");
inline const QString kClose = QStringLiteral("&Schließen");
inline const PictureTexts kPicture = {
    QStringLiteral("Diagramm kopieren"), QStringLiteral("Diagramm speichern …"),
    QStringLiteral("Diagramm speichern"), QStringLiteral("Lumarik-Diagramm.png"),
    QStringLiteral("Das Diagramm konnte nicht gespeichert werden: ")};

}  // namespace lumarik::charttexts
