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
    "",
    "Gaußstrahl: Das Strahlmodell ist paraxial. Die Ergebnisliste warnt ('Achtung: nicht "
    "paraxial'), sobald die Divergenz (halber Winkel, mit M²) 0,1 rad übersteigt oder der "
    "Strahlradius an der Linse größer als ein Viertel des Betrags der Brennweite |f'| ist.",
    "Unmögliche Eingaben werden abgewiesen: M² unter 1, eine Divergenz ab π/2 rad, eine "
    "Wellenlänge außerhalb 10 nm bis 10^6 nm, Abstände über 100000 mm.",
    "Mit dem freien Radius a der Linse und dem Radius des Detektors (Seite 'Optionen') nennt "
    "Lumarik den durchgelassenen Anteil der Leistung, 1 - exp(-2a²/w²) mit dem angezeigten "
    "Strahlradius w (mit M²), beim Diodenlaser für den elliptischen Fleck beider Sektionen; "
    "unter 99 % wird der Strahl beschnitten.",
};

constexpr std::string_view kNewFeatures[] = {
    "    ***  Neu in dieser Version  ***",
    "",
    "Gaußsche Strahlanalyse: Klicken Sie den Kasten 'Gaußstrahl' an. Lumarik modelliert dann "
    "einen Gaußstrahl durch die Einzellinse (Strahltaille, Divergenz, Rayleighlänge, M², "
    "Detektor). Dieses Modell kann stark von paraxialer Berechnung abweichen.",
    "Diodenlaser: rechtwinklige Laserdiodenachsen und ihre Zirkularisation mit 2 gekreuzten "
    "Zylinderlinsen, auf der Seite 'Diodenlaser' der Extrainformationen.",
    "Apertur-Feld-Diagramm: das System unter den klassischen Objektiv- und Spiegeltypen, auf der "
    "Seite 'Apertur-Feld' der Extrainformationen.",
    "Dateien: 'Speichern unter...' und 'Öffnen...' bewahren ein System in einer Datei auf; "
    "'Zuletzt geöffnet' bietet die letzten Dateien wieder an.",
    "Export: Ergebnislisten kopieren Sie oder speichern sie als CSV, die Zeichnung als PNG oder "
    "SVG, jeweils über das Kontextmenü.",
    "Befehlszeile: 'lumarik DATEI.lumarik' öffnet ein System, 'lumarik --help' nennt die "
    "Optionen. 'lumarik-calc' rechnet ohne Fenster (Text, CSV, JSON, auch zeilenweise im "
    "Stapelbetrieb), das Python-Modul 'lumarik' ebenso; docs/validation.md vergleicht die "
    "Ergebnisse mit veröffentlichten Fällen.",
};

constexpr std::string_view kChart[] = {
    "Das Apertur-Feld-Diagramm zeigt die numerische Apertur (waagerecht) gegen den halben "
    "Feldwinkel (senkrecht) mit den Bereichen klassischer Objektiv- bzw. Spiegeltypen.",
    "",
    "Der Punkt des aktuellen Systems erscheint, sobald drei Parameter und ein Aperturwert "
    "gegeben sind.",
    "Unter der Maus nennt das Diagramm die effektive Blendenzahl und die Typen an dieser Stelle.",
    "Ein Klick übernimmt Apertur und Feld des Punktes in das System; 'Rückgängig' unter dem "
    "Diagramm nimmt den Klick zurück.",
    "'Vergrößern' öffnet das Diagramm in einem eigenen Fenster, mit Skizzen der Typen und einer "
    "Liste von Beispielsystemen. Ein gewähltes Beispielsystem nennt Brennweite, Blendenzahl, NA "
    "und Gläser und ist im Diagramm blau gepunktet bei seiner Apertur markiert.",
    "Wo der Platz für einen Typnamen nicht reicht, steht er abgekürzt oder gar nicht; die Anzeige "
    "unter dem Diagramm nennt ihn. Liegt das System außerhalb der Achsen, steht sein Kreuz am "
    "Rand mit einem Dreieck, das nach außen zeigt.",
    "Tastatur: die Tabulatortaste erreicht das Diagramm, die Pfeiltasten bewegen ein "
    "Fadenkreuz (mit Umschalt pixelweise), die Eingabetaste übernimmt es wie ein Klick.",
};

constexpr std::string_view kFiles[] = {
    "'Speichern unter...' schreibt das System - Parameter, Werte, Grenzen, Optionen und Strahl - "
    "in eine Datei (*.lumarik). 'Öffnen...' (auch Strg+O, 'Zuletzt geöffnet' oder eine auf das "
    "Fenster gezogene Datei) liest es wieder; 'Rückgängig' kehrt zum System davor zurück.",
    "",
    "Ungespeicherte Änderungen an einer geöffneten Datei zeigt der Fenstertitel mit '*'. Vor dem "
    "Beenden und vor dem Öffnen einer anderen Datei fragt Lumarik, ob sie gespeichert werden "
    "sollen.",
    "",
    "Strg+C in einer Ergebnisliste oder ihr Kontextmenü kopiert alle Ergebnislisten mit der "
    "Wellenlänge; 'Ergebnisse speichern...' schreibt sie als CSV-Datei. Jede Zeile nennt Liste, "
    "Größe, Symbol, Wert und Einheit in getrennten Spalten; Werte stehen mit sieben "
    "gültigen Stellen im Zahlenformat der Ländereinstellung (Dezimalkomma mit ';' als "
    "Trennzeichen, Dezimalpunkt mit ',').",
    "Die Zeichnung kopieren oder speichern (PNG, SVG) Sie über ihr Kontextmenü.",
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
        case kHelpChart:
            return Join(kChart);
        case kHelpFiles:
            return Join(kFiles);
        default:
            return {};
    }
}

}  // namespace lumarik
