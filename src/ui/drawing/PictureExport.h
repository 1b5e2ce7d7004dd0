// Pictures for the clipboard and for files, painted by the same code as on the screen: as an
// image, as an SVG document, and the context menu that copies or saves them. The system
// drawing and the aperture/field chart share it.
#pragma once

#include <QImage>
#include <QString>
#include <functional>

class QFont;
class QPainter;
class QPoint;
class QWidget;

namespace lumarik {

class Canvas;
class Prompter;
class TextCache;

// Paints on a white surface of the picture's size, in device-independent pixels.
using PicturePaint = std::function<void(QPainter&)>;

struct Picture {
    QSize size;
    // The title of the SVG document.
    QString title;
    PicturePaint paint;
};

// What the context menu and the save box of a picture say.
struct PictureTexts {
    QString copy;
    QString save;
    QString saveTitle;
    QString suggestedName;
    // Followed by the reason.
    QString saveFailed;
};

// Painting through a Canvas of `size` in `font`; with `texts`, laid-out texts are kept there
// for the next picture.
PicturePaint OnCanvas(QSize size, const QFont& font, std::function<void(Canvas&)> paint,
                      TextCache* texts = nullptr);

QImage RenderPicture(const Picture& picture, qreal ratio);
// Empty when the output library is missing (ui/shell/QtOutputModule.h).
QByteArray RenderPictureSvg(const Picture& picture);

// At the device pixel ratio of the screen, so that the copy looks as the picture shown.
void CopyPicture(const Picture& picture, qreal screenRatio);
// Asks for a file: a name ending in .svg gets the SVG document, any other a PNG image with
// twice the pixels of the screen picture. The file is replaced whole or not at all; a failure
// is told.
void SavePicture(Prompter& prompter, const PictureTexts& texts, const Picture& picture);

// The context menu "copy" / "save …" at `globalPos`; runs the action chosen.
void ExecPictureMenu(QWidget& owner, const QPoint& globalPos, const PictureTexts& texts,
                     const std::function<void()>& copy, const std::function<void()>& save);

}  // namespace lumarik
