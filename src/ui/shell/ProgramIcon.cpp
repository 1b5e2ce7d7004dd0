#include "ui/shell/ProgramIcon.h"

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
    return QIcon(QStringLiteral(":/lumarik/lumarik.png"));
}

}  // namespace lumarik
