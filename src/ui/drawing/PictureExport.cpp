#include "ui/drawing/PictureExport.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>

#include "ui/drawing/QPainterCanvas.h"
#include "ui/shell/FileSave.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/QtOutputModule.h"

namespace lumarik {
namespace {

constexpr qreal kSaveRatio = 2.0;

}  // namespace

PicturePaint OnCanvas(QSize size, const QFont& font, std::function<void(Canvas&)> paint,
                      TextCache* texts) {
    return [size, font, paint = std::move(paint), texts](QPainter& painter) {
        painter.setFont(font);
        QPainterCanvas canvas(painter, QSizeF(size), texts);
        if (paint) paint(canvas);
    };
}

QImage RenderPicture(const Picture& picture, qreal ratio) {
    QImage image = BlankDrawingImage(picture.size, ratio);
    QPainter painter(&image);
    if (picture.paint) picture.paint(painter);
    return image;
}

QByteArray RenderPictureSvg(const Picture& picture) {
    const QtOutput* output = QtOutputModule();
    if (!output) return {};
    return output->renderSvg(picture.size, picture.title, [&picture](QPainter& painter) {
        // An SVG document is transparent where nothing is painted.
        painter.fillRect(QRect(QPoint(0, 0), picture.size), Qt::white);
        if (picture.paint) picture.paint(painter);
    });
}

void CopyPicture(const Picture& picture, qreal screenRatio) {
    QApplication::clipboard()->setImage(RenderPicture(picture, screenRatio));
}

void SavePicture(Prompter& prompter, const PictureTexts& texts, const Picture& picture) {
    const std::optional<QString> name = prompter.SaveFileName(
        texts.saveTitle, QStringLiteral("PNG-Bilder (*.png);;SVG-Grafiken (*.svg)"),
        texts.suggestedName);
    if (!name) return;
    QByteArray content;
    if (QFileInfo(*name).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        content = RenderPictureSvg(picture);
        if (content.isEmpty()) {
            prompter.Message(texts.saveFailed + kQtOutputMissing, PromptIcon::Exclamation);
            return;
        }
    } else {
        QBuffer buffer(&content);
        buffer.open(QIODevice::WriteOnly);
        RenderPicture(picture, kSaveRatio).save(&buffer, "PNG");
    }
    SaveOrTell(prompter, *name,
               std::string_view(content.constData(), static_cast<std::size_t>(content.size())),
               texts.saveFailed);
}

void ExecPictureMenu(QWidget& owner, const QPoint& globalPos, const PictureTexts& texts,
                     const std::function<void()>& copy, const std::function<void()>& save) {
    QMenu menu(&owner);
    const QAction* copyAction = menu.addAction(texts.copy);
    const QAction* saveAction = menu.addAction(texts.save);
    const QAction* chosen = menu.exec(globalPos);
    if (chosen == copyAction && copy) copy();
    if (chosen == saveAction && save) save();
}

}  // namespace lumarik
