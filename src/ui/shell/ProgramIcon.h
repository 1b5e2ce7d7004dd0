// The program's icon, shown by the main window and the About box. It lives in the resources of
// the ui library, which as a static library does not register them by itself.
#pragma once

#include <QIcon>

namespace lumarik {

// The first call registers the library's resources.
QIcon ProgramIcon();

}  // namespace lumarik
