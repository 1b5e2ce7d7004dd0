// The German texts of the main window, in one place.
#pragma once

#include <QString>

namespace lumarik::texts {

inline const QString kCaptionMaker = QStringLiteral("Vendrel");
inline const QString kCaptionProduct = QStringLiteral(": Linsensystem Lumarik ");
inline const QString kEnd = QStringLiteral("&Ende");

}  // namespace lumarik::texts
