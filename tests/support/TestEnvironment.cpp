#include "support/TestEnvironment.h"

#include <QFile>

#include "ui/help/frmHelp.h"

namespace lumarik::test {

TestEnvironment::TestEnvironment() : m_context{m_dir.path(), &prompter} {
    MarkNewFeaturesShown();
}

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
