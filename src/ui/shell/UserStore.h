// What the program keeps for the user outside Lumarik.INI: the platform's per-user settings
// store (organisation and application "Lumarik") and the decimal separator of the user's locale.
#pragma once

#include <QSettings>

namespace lumarik {

class UserStore : public QSettings {
public:
    UserStore();
};

// The decimal separator that the user's numbers are read and written with; a point when the
// locale's separator is no single ASCII character.
char UserDecimalSeparator();

}  // namespace lumarik
