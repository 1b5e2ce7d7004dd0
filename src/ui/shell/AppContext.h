// What every window of the program shares: the program directory (where the
// settings file, UserData/ and the sample files live) and the Prompter.
// main() builds one for the real program; each test builds its own.
#pragma once

#include <QString>

namespace lumarik {

class Prompter;

struct AppContext {
    QString programDir;
    Prompter* prompter = nullptr;
};

}  // namespace lumarik
