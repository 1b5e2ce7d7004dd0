// What every window of the program shares: the program directory (where the
// settings file and UserData/ live), the data directory (the sample files) and
// the Prompter. main() builds one for the real program; each test builds its own.
#pragma once

#include <QString>

namespace lumarik {

class Prompter;

struct AppContext {
    QString programDir;
    Prompter* prompter = nullptr;
    // Empty: the program directory.
    QString dataDir = {};
};

}  // namespace lumarik
