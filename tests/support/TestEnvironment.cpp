#include "support/TestEnvironment.h"

#include <QFile>

namespace lumarik::test {

QString TestEnvironment::ReadFile(const QString& name) const {
    QFile file(FilePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

void TestEnvironment::WriteFile(const QString& name, const QByteArray& content) const {
    QFile file(FilePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(content);
}

}  // namespace lumarik::test
