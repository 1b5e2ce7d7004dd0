// The German texts of the main window and its panels, in one place.
#pragma once

#include <QString>
#include <array>

namespace lumarik::windowtexts {

inline const QString kCaptionMaker = QStringLiteral("Vendrel");
inline const QString kCaptionStartUp = QStringLiteral(": Linsensystem Lumarik ");
inline const QString kCaptionSystem = QStringLiteral(": System Lumarik ");
inline const QString kCaptionLens = QStringLiteral("    [Linsensystem]");
inline const QString kCaptionMirror = QStringLiteral("    [Spiegelsystem]");
inline const QString kCaptionParaxial = QStringLiteral("   paraxiale Berechnung");
inline const QString kSaveQuestion = QStringLiteral("Möchten Sie diese Daten speichern?");
// Before the end and before another system replaces an open file with unsaved changes.
inline const QString kSaveFileQuestion = QStringLiteral("Änderungen an „%1“ speichern?");
// The caption's mark of unsaved changes (Qt shows it as "*" while the window is modified).
inline const QString kCaptionModifiedMark = QStringLiteral("[*]");

// Selection frames and boxes.
inline const QString kFrameDistances = QStringLiteral("&Abstände:");
inline const QString kFrameField = QStringLiteral("Feld:");
inline const QString kFrameAperture = QStringLiteral("&Apertur [optional]");
inline const QString kObjectAtInfinity = QStringLiteral("[Objektweite unendlich]");

// Value rows.
inline const QString kNotDefined = QStringLiteral("-- Nicht definiert --");
inline const QString kAtInfinity = QStringLiteral("In Unendlich");
inline const QString kLowerLimitPlaceholder = QStringLiteral("Unterer Grenzwert");
inline const QString kUpperLimitPlaceholder = QStringLiteral("Oberer Grenzwert");
// Accessible names of the row boxes ("%1" is the row number 1..3).
inline const QString kAccValue = QStringLiteral("Wert %1");
inline const QString kAccLower = QStringLiteral("Unterer Grenzwert %1");
inline const QString kAccUpper = QStringLiteral("Oberer Grenzwert %1");
inline const QString kAccSlider = QStringLiteral("Regler %1");
inline const QString kAccApValue = QStringLiteral("Apertur Wert");
inline const QString kAccApLower = QStringLiteral("Apertur unterer Grenzwert");
inline const QString kAccApUpper = QStringLiteral("Apertur oberer Grenzwert");
inline const QString kAccApSlider = QStringLiteral("Apertur Regler");
// A row with a parameter names it: "Brennweite: f' – Wert"; the row's place stays the
// description.
inline const QString kAccValueOf = QStringLiteral("%1 – Wert");
inline const QString kAccLowerOf = QStringLiteral("%1 – unterer Grenzwert");
inline const QString kAccUpperOf = QStringLiteral("%1 – oberer Grenzwert");
inline const QString kAccSliderOf = QStringLiteral("%1 – Regler");
inline const QString kAccResultNames = QStringLiteral("Ergebnisnamen");
inline const QString kAccResultValues = QStringLiteral("Ergebniswerte");

// Options page.
inline const QString kTabOptions = QStringLiteral("Optionen");
inline const QString kTabAdvanced = QStringLiteral("Erweitert");
inline const QString kLens = QStringLiteral("Linsensystem");
inline const QString kMirror = QStringLiteral("Spiegelsystem");
inline const QString kAdvOpt = QStringLiteral("Aktivierung der erweiterten Optionen --->");
inline const QString kAllowVirtualObj = QStringLiteral("Positive (virtuelle) Objektweite erlaubt");
inline const QString kHideRemoteConjug =
    QStringLiteral("Große Abstände nicht darstellen [bei großer Vergrößerung]");
inline const QString kDrawParaxPoints =
    QStringLiteral("Brenn-, Haupt- && Knoten-Punkte darstellen");
inline const QString kOptionConstructionRays = QStringLiteral("Konstruktionsstrahlen anzeigen");
inline const QString kOptionShowExtra = QStringLiteral("Extrainformationen anzeigen");
inline const std::array<QString, 4> kAdvLabels = {
    QStringLiteral("Entfernung zwischen den Hauptebenen:"),
    QStringLiteral("Brechungsindex im Objektraum:"), QStringLiteral("Brechungsindex im Bildraum:"),
    QStringLiteral("Wellenlänge [für Beugungsbetrachtung]")};
inline const std::array<QString, 4> kAdvDefaults = {
    QStringLiteral("[standard = 0.0mm]"), QStringLiteral("[standard = 1.0]"),
    QStringLiteral("[standard = 1.0]"), QStringLiteral("[standard = 546.1nm]")};
// In beam mode the beam's own wavelength stands beside the mode box: this one is named apart.
inline const QString kAdvWavelengthBeam =
    QStringLiteral("Paraxiale Wellenlänge [nicht für den Gaußstrahl]");
inline const QString kAdvIndexObjectLens = QStringLiteral("Brechungsindex im Objektraum");
inline const QString kAdvIndexObjectMirror = QStringLiteral("Brechungsindex im Objekt-/Bildraum");
inline const QString kAdvNote =
    QStringLiteral("[Diese Optionen können in einigen Fällen nützlich sein.] ");
inline const QString kAdvDefaultButton = QStringLiteral("Standard");
inline const QString kStandardSymbols = QStringLiteral("Standardsymbole");
inline const QString kUserSymbols = QStringLiteral("Benutzerdef. Symbole");
inline const QString kSymbolStyleTip = QStringLiteral("Wählen Sie die Parameter-Symbole ");
inline const QString kSymbolsButton = QStringLiteral("Symbole...");
inline const QString kSymbolsButtonTip =
    QStringLiteral("Ändern Sie die benutzerdefinierten Symbole");
inline const QString kUserImageHeight = QStringLiteral("Benutzerdefinierte Bildhöhe");

// Extra information: depth of field.
inline const QString kTabDepthOfField = QStringLiteral("Schärfentiefe");
inline const QString kDepthOfFieldTitle = QStringLiteral("Schärfentiefeauswertung");
inline const QString kCircleOfConfusion = QStringLiteral("Unschärfekreis");
inline const QString kCofCCustom = QStringLiteral("Benutzerdefiniert");
inline const QString kCofCAiry = QStringLiteral("kleinster physikalisch moeglicher Wert");

// Beam mode.
inline const QString kGaussBeamMode = QStringLiteral("Gaußstrahl");
inline const QString kGaussBeamModeTip = QStringLiteral("Gaußschen Strahlmode anzeigen");
inline const QString kFrameGaussCong =
    QStringLiteral("Optionen für konjugierte Elemente [Gaußstrahl]");
inline const QString kFrameGaussBeamObj = QStringLiteral("Strahl [objektseitig]");
inline const QString kFrameGaussBeamImg = QStringLiteral("Strahl [bildseitig]");
// Captions of chkVarTypeGB_0..10 (4, t, is never shown).
inline const std::array<QString, 11> kBeamBoxes = {QStringLiteral("Brennweite: f"),
                                                   QStringLiteral("Objektweite: "),
                                                   QStringLiteral("Bildweite: "),
                                                   QStringLiteral("Vergrößerung"),
                                                   QStringLiteral("Taille zu Taille"),
                                                   QStringLiteral("Strahltaillenradius [1/e^2]"),
                                                   QStringLiteral("Divergenz [halb]"),
                                                   QStringLiteral("Rayleighlänge"),
                                                   QStringLiteral("Strahltaillenradius [1/e^2]"),
                                                   QStringLiteral("Divergenz [halb]"),
                                                   QStringLiteral("Rayleighlänge")};
inline const QString kOptionsGB = QStringLiteral("Extrainformationen und Optionen anzeigen!");
inline const QString kAltSolution = QStringLiteral("Alternative Lösung");
inline const QString kWaveLabel = QStringLiteral("[Wellenlänge]");
inline const QString kWaveTip = QStringLiteral("Wellenlänge für Gaußsche Strahlberechnung");
inline const QString kWaveButton = QStringLiteral("...");
inline const QString kWaveButtonTip =
    QStringLiteral("Wählen Sie eine Standardlaserwellenlänge aus der Liste as");

// Buttons.
inline const QString kUndo = QStringLiteral("&Rückgängig");
inline const QString kUndoTip = QStringLiteral("Rückgängig: letzte Handlung");
inline const QString kRecall = QStringLiteral("&Wiederholen");
inline const QString kRecallTip = QStringLiteral("Laden des zuletzt gespeicherten Systems");
inline const QString kClear = QStringLiteral("&Löschen");
inline const QString kClearTip = QStringLiteral("Löschen des aktuellen Systems");
inline const QString kEnd = QStringLiteral("&Ende");
inline const QString kPrint = QStringLiteral("&Drucken");
inline const QString kAbout = QStringLiteral("Info...");
inline const QString kHelp = QStringLiteral("Hilfe...");
inline const QString kStandardFNumbers = QStringLiteral("Standard...");
inline const QString kStandardFNumbersTip = QStringLiteral("Standard-Blendenzahlen");
inline const QString kPrintTip = QStringLiteral("Drucken des aktuellen Systems");

// Systems as files and the export of the result lists.
inline const QString kOpen = QStringLiteral("Ö&ffnen...");
inline const QString kOpenTip = QStringLiteral("System aus einer Datei laden");
inline const QString kSaveAs = QStringLiteral("Speichern &unter...");
inline const QString kSaveAsTip = QStringLiteral("System in einer Datei speichern");
inline const QString kRecent = QStringLiteral("Zuletzt geöffnet");
inline const QString kOpenTitle = QStringLiteral("System öffnen");
inline const QString kSaveAsTitle = QStringLiteral("System speichern");
inline const QString kSaveResultsTitle = QStringLiteral("Ergebnisse speichern");
inline const QString kSystemFilter = QStringLiteral("Lumarik-System (*.lumarik)");
inline const QString kSystemSuggested = QStringLiteral("System.lumarik");
inline const QString kCaptionFileSeparator = QStringLiteral(" - ");
inline const QString kFileUnreadable = QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.");
inline const QString kFileForeign = QStringLiteral("Die Datei „%1“ ist keine Lumarik-Systemdatei.");
inline const QString kFileNewer = QStringLiteral(
    "Die Datei „%1“ stammt aus einer neueren Lumarik-Version und kann nicht geöffnet werden.");
inline const QString kFileDamaged =
    QStringLiteral("Die Datei „%1“ ist beschädigt oder unvollständig und wurde nicht geöffnet.");
inline const QString kSystemSaveFailed =
    QStringLiteral("Das System konnte nicht gespeichert werden: ");
inline const QString kCopyResults = QStringLiteral("Ergebnisse kopieren");
inline const QString kSaveResults = QStringLiteral("Ergebnisse speichern...");
inline const QString kResultsFilter = QStringLiteral("CSV-Dateien (*.csv)");
inline const QString kResultsSuggested = QStringLiteral("Lumarik-Ergebnisse.csv");
inline const QString kResultsSaveFailed =
    QStringLiteral("Die Ergebnisse konnten nicht gespeichert werden: ");

}  // namespace lumarik::windowtexts
