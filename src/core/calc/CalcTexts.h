// The German texts of the calculator for scripts: its help, and the messages that refuse a
// command line, a system line or a value.
#pragma once

#include <string_view>

namespace lumarik::calctexts {

inline constexpr std::string_view kHelp =
    "Aufruf: lumarik-calc [--format text|csv|json] NAME=WERT ...\n"
    "        lumarik-calc [--format text|csv|json] DATEI.lumarik\n"
    "        lumarik-calc --batch [--format csv|json] < SYSTEME\n"
    "\n"
    "Berechnet ein System aus einer dünnen Linse oder einem Spiegel (oder einen Gaußschen\n"
    "Strahl durch sie) wie das Fenster von Lumarik, ohne Bildschirm.\n"
    "\n"
    "Optionen:\n"
    "  --format text   die Ergebnisliste wie im Fenster (Voreinstellung)\n"
    "  --format csv    Zeilen Liste,Größe,Symbol,Wert,Einheit (Dezimalpunkt)\n"
    "  --format json   ein Objekt mit Zustand, Werten (\"values\") und Einheiten (\"units\")\n"
    "  --batch         ein System je Zeile der Standardeingabe; je System eine CSV-Zeile\n"
    "                  (Voreinstellung) oder eine JSON-Zeile\n"
    "  -h, --help      zeigt diese Hilfe\n"
    "  -v, --version   zeigt die Programmversion\n"
    "\n"
    "Linse oder Spiegel: genau drei der neun Parameter, dazu höchstens eine Apertur\n"
    "  f   Brennweite f' (mm)          u   Objekthöhe (mm)\n"
    "  a   Objektweite (mm, reell < 0;  w   Objektwinkel (Grad)\n"
    "      a=inf: Objekt im Unendl.)   u_  Bildhöhe u' (mm)\n"
    "  a_  Bildweite a' (mm)           w_  Bildwinkel w' (Grad)\n"
    "  m   Vergrößerung m'             t   Objekt-Bild-Abstand (mm)\n"
    "  r   Blendenradius (mm)          F   Blendenzahl\n"
    "  NA  NA objektseitig             NA_ NA' bildseitig\n"
    "  n, n_   Brechzahl Objekt-/Bildraum   d  Dicke (mm)   lambda  Wellenlänge (nm)\n"
    "          (n, n_ und d auch im Strahlmodus)\n"
    "  mirror  Spiegel statt Linse     virtual  positive (virtuelle) Objektweiten erlaubt\n"
    "\n"
    "Gaußscher Strahl (Schalter beam): genau drei der Größen\n"
    "  f   Brennweite f' (mm)          s, s_    Objekt-/Bildweite der Taille (mm)\n"
    "  m   Vergrößerung r'/r           r, r_    Taillenradius (mm)\n"
    "  w, w_   Divergenz (mrad)        zr, zr_  Rayleighlänge (mm)\n"
    "  lambda  Wellenlänge (nm)   M2  Beugungsmaßzahl M²   det  Detektorabstand (mm)\n"
    "  alt     die andere Lösung eines Falls mit zwei Lösungen;   mirror  Spiegel\n"
    "\n"
    "Zahlen mit Dezimalpunkt (12.5, 1e-3). Beispiele:\n"
    "  lumarik-calc f=100 a=-200 u=10 r=10\n"
    "  lumarik-calc beam f=100 s=300 r=1 lambda=1064 --format json\n"
    "\n"
    "Rückgabewert: 0 gelöst, 1 keine Lösung oder Auswahl abgelehnt (Meldung auf der\n"
    "Fehlerausgabe), 2 falscher Aufruf oder unlesbare Eingabe. Mit --batch der größte Wert\n"
    "aller Zeilen.\n";

inline constexpr std::string_view kSeeHelp = "Eine Übersicht zeigt „lumarik-calc --help“.";
inline constexpr std::string_view kUnknownOption = "Unbekannte Option";
inline constexpr std::string_view kUnknownFormat =
    "Unbekanntes Ausgabeformat (erlaubt: text, csv, json)";
inline constexpr std::string_view kFormatMissing = "Nach --format fehlt das Format";
inline constexpr std::string_view kBatchText = "Mit --batch gibt es nur die Formate csv und json";
inline constexpr std::string_view kBatchWithSystem =
    "Mit --batch kommen die Systeme von der Standardeingabe, nicht von der Befehlszeile";
inline constexpr std::string_view kFileAndWords =
    "Entweder eine Systemdatei oder NAME=WERT-Angaben, nicht beides";
inline constexpr std::string_view kTwoFiles = "Nur eine Systemdatei auf einmal";
inline constexpr std::string_view kNoSystem = "Kein System angegeben";
inline constexpr std::string_view kUnreadableFile = "Die Datei kann nicht gelesen werden";
inline constexpr std::string_view kNotASystemFile = "Die Datei ist keine Lumarik-Systemdatei";
inline constexpr std::string_view kNewerFile =
    "Die Datei stammt von einer neueren Version von Lumarik";
inline constexpr std::string_view kDamagedFile = "Die Systemdatei ist beschädigt";

inline constexpr std::string_view kEmptyLine = "Leere Zeile: kein System angegeben";
inline constexpr std::string_view kUnknownName = "Unbekannter Name";
inline constexpr std::string_view kNotInLensMode = "Diesen Namen gibt es nur im Strahlmodus (beam)";
inline constexpr std::string_view kNotInBeamMode =
    "Diesen Namen gibt es nur für Linse und Spiegel (ohne beam)";
inline constexpr std::string_view kTwice = "Zwei Werte für denselben Namen";
inline constexpr std::string_view kSwitchWithValue = "Ein Schalter hat keinen Wert";
inline constexpr std::string_view kValueMissing = "Der Wert fehlt";
inline constexpr std::string_view kNotANumber =
    "Keine Zahl (erwartet wird eine Zahl mit Dezimalpunkt, z. B. 12.5)";
inline constexpr std::string_view kOutOfRange = "Die Zahl liegt außerhalb des Wertebereichs";
inline constexpr std::string_view kNotThreeParameters =
    "Es müssen genau drei der Parameter f, a, a_, m, t, u, w, u_, w_ angegeben sein";
inline constexpr std::string_view kNotThreeBeam =
    "Es müssen genau drei der Größen f, s, s_, m, r, w, zr, r_, w_, zr_ angegeben sein";
inline constexpr std::string_view kTwoApertures = "Höchstens eine der Aperturen r, F, NA, NA_";
inline constexpr std::string_view kHeightAtInfinity =
    "Ein Objekt im Unendlichen hat keine Objekthöhe u (statt dessen w angeben)";
inline constexpr std::string_view kValueRefused = "Der Wert wurde nicht angenommen";
inline constexpr std::string_view kM2BelowOne =
    "Die Beugungsmaßzahl M² ist mindestens 1 (1 für einen Gaußschen Strahl)";
inline constexpr std::string_view kBeamNoSolution = "Zu diesen Strahlgrößen gibt es keine Lösung.";

// The batch format's status words, for scripts: ASCII and stable.
inline constexpr std::string_view kStatusSolved = "solved";
inline constexpr std::string_view kStatusUnsolved = "unsolved";
inline constexpr std::string_view kStatusBadInput = "bad_input";

}  // namespace lumarik::calctexts
