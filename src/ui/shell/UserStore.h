// What the program keeps for the user outside Lumarik.INI: the platform's per-user settings
// store (organisation and application "Lumarik") and the number separators of the user's locale.
#pragma once

#include <QSettings>

#include "core/format/NumberInput.h"

namespace lumarik {

class UserStore : public QSettings {
public:
    UserStore();
};

// The separators that the user's numbers are read and written with. A point stands in for a
// decimal separator, and the other of point and comma for a group separator, that is no single
// ASCII character (a no-break space).
NumberSeparators UserSeparators();

}  // namespace lumarik
