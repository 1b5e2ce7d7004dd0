#include "output/QtOutput.h"

#include <QBuffer>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace lumarik {
namespace {

QByteArray RenderSvg(QSize size, const QString& title,
                     const std::function<void(QPainter&)>& paint) {
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    QPainter painter(&generator);
    paint(painter);
    painter.end();
    return buffer.data();
}

PrintOutcome PrintWithDialog(QWidget* parent, const QString& documentName, const QString& creator,
                             const std::function<bool(QPagedPaintDevice&)>& print) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setCreator(creator);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return PrintOutcome::kCancelled;
    return print(printer) ? PrintOutcome::kPrinted : PrintOutcome::kFailed;
}

constexpr QtOutput kQtOutput{RenderSvg, PrintWithDialog};

}  // namespace
}  // namespace lumarik

const lumarik::QtOutput* LumarikQtOutput() {
    return &lumarik::kQtOutput;
}
