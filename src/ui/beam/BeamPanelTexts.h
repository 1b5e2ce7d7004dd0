// The German texts of the beam mode's extra-information tab, in one place. Texts the core
// composes (listing, depth of focus, minimum spot, lens-table headers, collimation modes) are
// in core/beam/BeamTexts.h.
#pragma once

#include <QString>

namespace lumarik::beampaneltexts {

inline const QString kTabDepthOfFocus = QStringLiteral("Schärfentiefe");
inline const QString kTabOptions = QStringLiteral("Optionen");
inline const QString kTabLenses = QStringLiteral("Linsen");
inline const QString kTabDiode = QStringLiteral("Diodenlaser");

// Depth of focus and minimum spot.
inline const QString kDofDescription = QStringLiteral(
    "Schärfentiefe des momentanen Systems - basierend auf prozentualem Anstieg des "
    "Strahlradius im Verhältnis zur Bildgröße");
inline const QString kDofText = QStringLiteral("Schärfentiefe");
inline const QString kDofListTip =
    QStringLiteral("Wählen Sie die zulässige Vergrößerung des Strahlradius");
inline const QString kMinSpot = QStringLiteral("Abstand X");
inline const QString kMinSpotTip =
    QStringLiteral("Geben Sie den Abstand zur Minimierung der Strahlabmessung ein");

// Options.
inline const QString kOptionsDescription =
    QStringLiteral("Optionen zu Zeichnungsskalierung, Detektorabstand und Strahlqualitätsfaktor");
inline const QString kM2Use = QStringLiteral("Effekt anzeigen");
inline const QString kM2UseTip = QStringLiteral("M^2 [Strahlqualität] anzeigen");
inline const QString kM2Tip = QStringLiteral("M^2 - Strahlqualitätsfaktor");
// The label ends in "[M"; the superscript and the bracket follow in a label of their own.
inline const QString kM2Label = QStringLiteral("Strahlpropagationsfaktor [M");
inline const QString kM2LabelEnd = QStringLiteral("²]");
inline const QString kM2Accessible = QStringLiteral("Strahlpropagationsfaktor [M²]");
inline const QString kDetector = QStringLiteral("Detektor anzeigen");
inline const QString kDetectorTip = QStringLiteral("Detektorabstand von Linse");
inline const QString kFixedDetector = QStringLiteral("feste Detektorfläche");
inline const QString kLensAperture = QStringLiteral("freier Radius der Linse");
inline const QString kLensApertureTip =
    QStringLiteral("Freier Radius der Linse für die durchgelassene Leistung [0: keine Angabe]");
inline const QString kDetectorAperture = QStringLiteral("Radius des Detektors");
inline const QString kDetectorApertureTip =
    QStringLiteral("Radius des Detektors für die auftreffende Leistung [0: keine Angabe]");
inline const QString kDrawScaleTip = QStringLiteral("Geben Sie die Skalierung der Zeichnung ein");
inline const QString kDrawScales = QStringLiteral("Zeichnungsskalierung");

// Lens table.
inline const QString kLensDescription = QStringLiteral(
    "Liste von Vendrel-Komponenten mit ähnlichem Linsenradius-Strahlradiusverhältnis wird "
    "angezeigt [T]");
inline const QString kLensHint =
    QStringLiteral("Klicken Sie die Tabelle für weitere Informationen zur Komponente an");

// Laser diode.
inline const QString kDiodeDescription = QStringLiteral(
    "Laserdioden weisen unterschiedliche Strahleigenschaften in x & y Sektionen auf");
inline const QString kDiodeMode = QStringLiteral("Diodenlaser [rechteckiger Strahl]");
inline const QString kDiodeParam = QStringLiteral("Strahlparameter im Objektraum - y Sektion");
inline const QString kDiodeParamTypeTip =
    QStringLiteral("Parameter zur Definition des Laserstrahls im Objektraum");
inline const QString kDiodeParamValueTip =
    QStringLiteral("Wert für Strahlparameter im Objektraum ");
inline const QString kDiodeM2Symbol = QStringLiteral("M²");
inline const QString kDiodeM2Label = QStringLiteral(" [in y Sektion]");
inline const QString kDiodeM2Accessible = QStringLiteral("M² [in y Sektion]");
inline const QString kCircularise =
    QStringLiteral("Strahl zirkularisieren [gekreuzte Zylinderlinsen]");
inline const QString kCircModeTip = QStringLiteral("Diodenkollimationsmodus zur Zirkularisation");
inline const QString kBothSections = QStringLiteral("Parameter in beiden Sektionen anpassen");

}  // namespace lumarik::beampaneltexts
