// The program's icon, shown by the main window and the About box. It lives in the resources of
// the ui library, which as a static library does not register them by itself. Also the reading
// of the PNGs the window shows at start.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace lumarik {

// The first call registers the library's resources.
QIcon ProgramIcon();

// A PNG read as the PNG it is: a reader left to guess the format loads every image plugin first.
QImage ReadPng(const QString& path);

}  // namespace lumarik
