// Finds the library with Qt's print and SVG output on first use (see output/QtOutput.h): in
// lib/lumarik beside the program's folder, where the build tree and the installation put it.
#pragma once

#include <QString>

#include "output/QtOutput.h"

namespace lumarik {

// Said after "… konnte nicht gespeichert werden: " when the library is missing.
inline const QString kQtOutputMissing =
    QStringLiteral("die Druck- und SVG-Ausgabe fehlt (lib/lumarik/liblumarik_qtoutput.so)");

// The library in `directory`, or null when it is not there or not one of ours.
const QtOutput* LoadQtOutput(const QString& directory);
// The program's, loaded once; null in a damaged installation, and the caller tells the user.
const QtOutput* QtOutputModule();

}  // namespace lumarik
