#include "ui/shell/LeastSizeCache.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSaveFile>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <utility>

namespace lumarik {

QString LeastSizeKey(const QWidget& window, const QString& version, const QStringList& texts) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QScreen* screen = window.screen();
    const QStringList parts = {
        version,
        QString::fromLatin1(qVersion()),
        window.style()->name(),
        window.font().key(),
        screen ? QString::number(screen->logicalDotsPerInchX()) : QString(),
        screen ? QString::number(screen->logicalDotsPerInchY()) : QString(),
        screen ? QString::number(screen->devicePixelRatio()) : QString(),
    };
    // Each part ends in a character no text holds, so that no two lists join to the same bytes.
    for (const QStringList& list : {parts, texts}) {
        for (const QString& part : list) {
            hash.addData(part.toUtf8());
            hash.addData(QByteArrayView("\0", 1));
        }
    }
    return QString::fromLatin1(hash.result().toHex());
}

LeastSizeCache::LeastSizeCache(QString path) : m_path(std::move(path)) {}

// One line: the key, the width and the height.
std::optional<QSize> LeastSizeCache::Find(const QString& key) const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QList<QByteArray> fields = file.readLine(200).trimmed().split(' ');
    if (fields.size() != 3 || QString::fromLatin1(fields[0]) != key) return std::nullopt;
    bool wide = false;
    bool high = false;
    const int width = fields[1].toInt(&wide);
    const int height = fields[2].toInt(&high);
    if (!wide || !high || width <= 0 || height <= 0) return std::nullopt;
    return QSize(width, height);
}

void LeastSizeCache::Store(const QString& key, QSize size) const {
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(
        QStringLiteral("%1 %2 %3\n").arg(key).arg(size.width()).arg(size.height()).toLatin1());
    file.commit();
}

}  // namespace lumarik
