#include "core/help/HelpTexts.h"

#include <cstddef>
#include <string_view>

namespace lumarik {
namespace {

// A line that starts with '\t' is indented; "" separates groups of lines.
template <std::size_t N>
std::string Join(const std::string_view (&lines)[N]) {
    std::string text;
    for (std::string_view line : lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

constexpr std::string_view kKeyParams[] = {
    "Sie müssen drei Abstands-/ Feld-Parameter auswählen. ",
    "Entweder",
    "\tZwei Abstände & ein Feld",
    "oder",
    "\tZwei Felder & ein Abstand",
    "",
    "Tragen Sie dann für alle drei Parameter Werte ein. ",
    "",
    "Typisches Beispiel:",
    "\t'Brennweite'   [100mm]",
    "\t'Objektweite'   [-250mm]",
    "\t'Objekthöhe'  [25mm]",
    "",
    "Wenn alle drei Parameter definiert wurden, wird Lumarik das System darstellen und die "
    "Systemdaten auflisten. ",
    "",
    "Sie können auch einen optionalen Apertur-Parameter auswählen. ",
};

constexpr std::string_view kSliders[] = {
    "Mit Hilfe der Regler können Sie die gewählten Allgemeinen Parameter innerhalb eines "
    "Bereiches variieren. ",
    "",
    "Um die Regler zu aktivieren, müssen Sie Allgemeine Parameter wählen und mit Anfangswerten "
    "versehen. ",
    "",
    "Wenn die Regler sichtbar sind, legen Sie durch Eingabe von Grenzwerten der Parameter den "
    "Bereich fest, in dem die Parameter variiert werden. ",
    "Der untere Grenzwert muß links neben dem Regler eingetragen werden. ",
    "Der obere Grenzwert muß rechts neben dem Regler eingetragen werden. ",
    "",
    "Wenn beide Grenzwerte definiert wurden, sind die Regler aktiviert. Das System wird dann "
    "ständig aktualisiert, während die Regler betätigt werden.",
};

constexpr std::string_view kAdvanced[] = {
    "Sie können die folgenden Erweiterten Optionen nutzen. ",
    "",
    "1: Sie können ein System mit wählbarem Abstand der Hauptebenen definieren. ",
    "2: Sie können andere Medien als Luft im Objektraum definieren [z.B. Wasser]. ",
    "3: Sie können andere Medien als Luft im Bildraum definieren [z.B. Immersionsöl]. ",
    "4: Sie können die Abbildungsleistung des Systems bei einer anderen Wellenlänge prüfen. ",
    "",
    "Bemerkung 1: Diese Optionen können erst angewendet werden, wenn der Kontrollkasten "
    "angewählt wurde! ",
    "Bemerkung 2: Für Spiegelsysteme sind die Optionen 1 & 3 nicht relevant und daher nicht "
    "wählbar.",
};

constexpr std::string_view kNotes[] = {
    "Die Apertur-Werte [NA, Airy-Radius & MTF-Grenzfrequenz] werden nur genähert berechnet. ",
    "Diese werden angegeben, um eine Vorstellung für die Abbildungsleistung des realen Systems "
    "zu vermitteln. ",
    "Bei NA-Werten größer als 0.2  ist bei der Interpretation der Ergebnisse Vorsicht geboten. ",
    "",
    "Anmerkung: Nicht alle paraxialen Lösungen eines optischen Problems können",
    " in reale Systeme mit der geforderten Abbildungsleistung transformiert werden, insbesondere "
    "wenn die Öffnung oder der Feldwinkel groß sind.",
};

constexpr std::string_view kNewFeatures[] = {
    "    ***  Gaußsche Strahlanalyse  ***",
    "",
    "Zur Visualisierung klicken Sie den Kasten 'Gaußstrahl' an ",
    "Lumarik wird Ihnen nun ermöglichen, einen Gaußstrahl und eine Einzellinse zu modellieren. "
    "Dieses Modell kann stark von paraxialer Berechnung abweichen.",
    "",
    "Erweiterungen in v26",
    "Modellierung rechtwinkliger Laserdiodenachsen - aktivieren Sie diesen Modus durch die neue "
    "Schaltfläche 'Diodenlaser' ",
    "rechtwinklige Diodenlaserachsen - Strahlzirkularisationstool [2 gekreuzte Zylinder]",
};

constexpr std::string_view kLatestVersion[] = {
    "mittels Maus bearbeitbare Zeichnung",
};

}  // namespace

std::string HelpText(int topic) {
    switch (topic) {
        case kHelpKeyParams:
            return Join(kKeyParams);
        case kHelpSliders:
            return Join(kSliders);
        case kHelpAdvanced:
            return Join(kAdvanced);
        case kHelpNotes:
            return Join(kNotes);
        case kHelpNewFeatures:
            return Join(kNewFeatures);
        case kHelpLatestVersion:
            return Join(kLatestVersion);
        default:
            return {};
    }
}

}  // namespace lumarik
