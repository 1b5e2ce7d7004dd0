// The least size the main window measured for its content, kept in a small file beside the
// settings file, so that a start with the same fonts, style and texts need not build what it
// hides only to measure it. It is a cache: a file that is missing, damaged or cannot be written
// costs the next start its measuring, nothing else.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace lumarik {

// What the least size of `window` depends on besides its layout: the Qt version, the style, the
// font and the screen's resolution, and the texts that vary (captions with the symbols in use).
// Equal keys mean equal least sizes for the same program version.
QString LeastSizeKey(const QWidget& window, const QString& version, const QStringList& texts);

class LeastSizeCache {
public:
    explicit LeastSizeCache(QString path);

    std::optional<QSize> Find(const QString& key) const;
    void Store(const QString& key, QSize size) const;

private:
    QString m_path;
};

}  // namespace lumarik
