#include "ui/shell/ProgramIcon.h"

#include <QImageReader>
#include <QPixmap>

// Q_INIT_RESOURCE declares the registration function in the enclosing namespace, which is the
// global one for the resource compiler's output.
static void RegisterResources() {
    Q_INIT_RESOURCE(resources);
}

namespace lumarik {

QIcon ProgramIcon() {
    static const bool registered = (RegisterResources(), true);
    (void)registered;
    return QIcon(QPixmap::fromImage(ReadPng(QStringLiteral(":/lumarik/lumarik.png"))));
}

QImage ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace lumarik
