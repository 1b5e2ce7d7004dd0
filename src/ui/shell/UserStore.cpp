#include "ui/shell/UserStore.h"

#include <QLocale>

#include "ui/shell/Prompter.h"

namespace lumarik {

UserStore::UserStore()
    : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Lumarik"),
                kProgramTitle) {}

namespace {

// A separator the core can take: a single ASCII character, else nothing ('\0').
char AsciiSeparator(const QString& sep) {
    return sep.size() == 1 && sep[0].unicode() < 128 ? static_cast<char>(sep[0].unicode()) : '\0';
}

}  // namespace

NumberSeparators UserSeparators() {
    const QLocale locale = QLocale::system();
    const char decimal = AsciiSeparator(locale.decimalPoint());
    NumberSeparators separators = NumberSeparators::WithDecimal(decimal != '\0' ? decimal : '.');
    if (const char group = AsciiSeparator(locale.groupSeparator()); group != '\0') {
        separators.group = group;
    }
    return separators;
}

}  // namespace lumarik
