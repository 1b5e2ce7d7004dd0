#include "ui/shell/ProgramIcon.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>

// Q_INIT_RESOURCE declares the registration function in the enclosing namespace, which is the
// global one for the resource compiler's output.
static void RegisterResources() {
    Q_INIT_RESOURCE(resources);
}

namespace lumarik {

QIcon ProgramIcon() {
    static const bool registered = (RegisterResources(), true);
    (void)registered;
    // Read as the PNG it is: a reader left to guess the format loads every image plugin first.
    QImageReader reader(QStringLiteral(":/lumarik/lumarik.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

}  // namespace lumarik
