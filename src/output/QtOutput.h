// What the program takes from Qt's print and SVG modules, in a library of its own that the
// window loads when it first prints or saves an SVG picture: a start loads neither module.
// The interface speaks only Qt types, so the library needs nothing of the program.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace lumarik {

enum class PrintOutcome { kCancelled, kPrinted, kFailed };

struct QtOutput {
    // An SVG document of `size` pixels with `title`, painted by `paint`.
    QByteArray (*renderSvg)(QSize size, const QString& title,
                            const std::function<void(QPainter&)>& paint);
    // The print dialog for a printer at high resolution; when the user prints, `print` paints
    // the pages and tells whether they were written.
    PrintOutcome (*printWithDialog)(QWidget* parent, const QString& documentName,
                                    const QString& creator,
                                    const std::function<bool(QPagedPaintDevice&)>& print);
};

}  // namespace lumarik

// The library's one entry point, found by name.
extern "C" Q_DECL_EXPORT const lumarik::QtOutput* LumarikQtOutput();
