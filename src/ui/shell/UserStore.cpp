#include "ui/shell/UserStore.h"

#include <QLocale>

#include "ui/shell/Prompter.h"

namespace lumarik {

UserStore::UserStore()
    : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lumarik"),
                kProgramTitle) {}

char UserDecimalSeparator() {
    const QString sep = QLocale::system().decimalPoint();
    return sep.size() == 1 && sep[0].unicode() < 128 ? static_cast<char>(sep[0].unicode()) : '.';
}

}  // namespace lumarik
