#include "ui/report/ReportPrinter.h"

#include <QDate>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <optional>
#include <string_view>

#include "core/drawing/DrgRoutines.h"
#include "core/report/BeamReport.h"
#include "core/report/LensReport.h"
#include "ui/drawing/QPainterCanvas.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/CSApplication.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/QtOutputModule.h"

namespace lumarik {
namespace {

namespace layout = reportlayout;

constexpr double kTwipsPerInch = 1440.0;
constexpr int kTwipsPerPoint = 20;
constexpr double kFramePen = 20.0;
// The picture spans the heading column's distance from both edges of the page.
constexpr double kPictureSide = layout::kHeadingColumn;
constexpr double kPictureGap = 180.0;  // between the last line, the picture and the footer
constexpr double kPicturePen = 15.0;
// Keeps labels that the drawing puts at its very edge off the frame.
constexpr double kPicturePadding = 120.0;
constexpr double kMinPictureHeight = 720.0;
constexpr double kFooterGap = 144.0;  // from the frame's bottom edge
constexpr int kFooterPoints = 8;
constexpr double kCellGap = 120.0;  // keeps a long label off the value column
// Text and lines of the drawing are sized as on the screen: one canvas unit is one
// device-independent pixel.
constexpr int kDrawingFontPixels = 12;

const QString kPrintFailed = QStringLiteral("Der Bericht konnte nicht gedruckt werden.");
const QString kCannotPrint = QStringLiteral("Der Bericht kann nicht gedruckt werden: ");
const QString kDocumentName = QStringLiteral("Lumarik-Bericht");

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// Sized in twips, the units the painter counts in while the report is painted.
QFont ReportFont(int points, bool bold) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(points * kTwipsPerPoint);
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

class PagePainter {
public:
    PagePainter(QPainter& painter, QSizeF page)
        : m_painter(painter),
          m_page(page),
          m_body(ReportFont(layout::kBodyPoints, false)),
          m_bold(ReportFont(layout::kBodyPoints, true)),
          m_lineHeight(QFontMetricsF(m_body, painter.device()).lineSpacing()) {}

    void Paint(const PrintedReport& report, const ReportDrawing& drawing) {
        Frame();
        double top = Header(report);
        const double footerTop = Footer(report.footer);
        for (const ReportLine& line : report.Lines()) {
            switch (line.kind) {
                case ReportLine::Kind::kBlank:
                    break;
                case ReportLine::Kind::kHeading:
                    Text(layout::kHeadingColumn, top, FromStd(line.cells.at(0)),
                         line.bold ? m_bold : m_body, TextRight() - layout::kHeadingColumn);
                    break;
                case ReportLine::Kind::kRow:
                    Row(top, line);
                    break;
                case ReportLine::Kind::kDrawing:
                    Picture(QRectF(QPointF(kPictureSide, top + kPictureGap),
                                   QPointF(m_page.width() - kPictureSide, footerTop - kPictureGap)),
                            line.cells.empty() ? QString() : FromStd(line.cells.front()), drawing);
                    break;
            }
            top += m_lineHeight;
        }
    }

private:
    double TextRight() const { return m_page.width() - kPictureSide; }

    void Frame() {
        const double inset = layout::kFrameInset;
        m_painter.setPen(QPen(Qt::black, kFramePen));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(QRectF(QPointF(inset, inset),
                                  QPointF(m_page.width() - inset, m_page.height() - inset)));
    }

    // The title starts a little above the date line, whose text ends at a fixed distance from
    // the page's right edge. A long date in a long language moves down a line rather than cut
    // the title. Returns where the lines below the header begin.
    double Header(const PrintedReport& report) {
        const QFont title = ReportFont(layout::kTitlePoints, true);
        const QString header = FromStd(report.header);
        const QString date = FromStd(report.date);
        const double dateRight = m_page.width() - layout::kDateRightGap;
        const double dateWidth = QFontMetricsF(m_body, m_painter.device()).horizontalAdvance(date);
        const double titleWidth =
            QFontMetricsF(title, m_painter.device()).horizontalAdvance(header);
        double dateTop = layout::kHeaderTop;
        if (layout::kHeadingColumn + titleWidth + kCellGap > dateRight - dateWidth) {
            dateTop += m_lineHeight;
        }
        Text(layout::kHeadingColumn, layout::kTitleTop, header, title,
             TextRight() - layout::kHeadingColumn);
        Text(dateRight - dateWidth, dateTop, date, m_body, dateWidth + 1.0);
        return dateTop + m_lineHeight;
    }

    // Returns the footer's top.
    double Footer(const std::string& text) {
        const QFont font = ReportFont(kFooterPoints, false);
        const QFontMetricsF metrics(font, m_painter.device());
        const QString footer = FromStd(text);
        const double top = m_page.height() - layout::kFrameInset - kFooterGap - metrics.height();
        const double width = metrics.horizontalAdvance(footer);
        Text((m_page.width() - width) / 2.0, top, footer, font, width + 1.0);
        return top;
    }

    void Row(double top, const ReportLine& line) {
        const auto& columns = layout::kRowColumns;
        for (std::size_t i = 0; i < line.cells.size() && i < columns.size(); ++i) {
            const double right = i + 1 < columns.size() ? columns[i + 1] - kCellGap : TextRight();
            Text(columns[i], top, FromStd(line.cells[i]), line.bold ? m_bold : m_body,
                 right - columns[i]);
        }
    }

    // `top` is the top of the text's box; text wider than maxWidth is elided.
    void Text(double x, double top, const QString& text, const QFont& font, double maxWidth) {
        const QFontMetricsF metrics(font, m_painter.device());
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        m_painter.drawText(QPointF(x, top + metrics.ascent()),
                           metrics.elidedText(text, Qt::ElideRight, maxWidth));
    }

    void Picture(const QRectF& area, const QString& note, const ReportDrawing& drawing) {
        if (area.height() < kMinPictureHeight) return;
        const QRectF inner =
            area.adjusted(kPicturePadding, kPicturePadding, -kPicturePadding, -kPicturePadding);
        m_painter.save();
        m_painter.setClipRect(inner);
        m_painter.translate(inner.topLeft());
        m_painter.scale(kTwipsPerPixel, kTwipsPerPixel);
        QFont font = QGuiApplication::font();
        font.setPixelSize(kDrawingFontPixels);
        m_painter.setFont(font);
        QPainterCanvas canvas(m_painter, inner.size() / kTwipsPerPixel);
        if (drawing) drawing(canvas);
        m_painter.restore();
        m_painter.setPen(QPen(Qt::black, kPicturePen));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(area);
        if (!note.isEmpty()) {
            m_painter.setFont(m_body);
            m_painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, note);
        }
    }

    QPainter& m_painter;
    QSizeF m_page;  // the printable area, twips
    QFont m_body;
    QFont m_bold;
    double m_lineHeight;
};

ReportStamp TodaysStamp(const AppContext& context) {
    const CSApplication application(context);
    return {application.Title().toStdString(), application.Version().toStdString(),
            QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat).toStdString()};
}

bool PaintReport(QPagedPaintDevice& device, const PrintedReport& report,
                 const ReportDrawing& drawing) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double scaleX = device.logicalDpiX() / kTwipsPerInch;
    const double scaleY = device.logicalDpiY() / kTwipsPerInch;
    painter.scale(scaleX, scaleY);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PagePainter(painter, QSizeF(device.width() / scaleX, device.height() / scaleY))
        .Paint(report, drawing);
    return painter.end();
}

using PagePrint = std::function<bool(QPagedPaintDevice&)>;

bool PrintToPdf(const QString& path, const AppContext& context, const PagePrint& print) {
    QPdfWriter writer(path);
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    writer.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(kDocumentName);
    writer.setCreator(CSApplication(context).TitleVer());
    return print(writer);
}

bool PrintThroughDialog(QWidget* parent, std::optional<std::string_view> refusal,
                        const AppContext& context, const PagePrint& print) {
    if (refusal) {
        if (context.prompter) {
            context.prompter->Message(
                QString::fromUtf8(refusal->data(), static_cast<int>(refusal->size())),
                PromptIcon::Exclamation);
        }
        return false;
    }
    const QtOutput* output = QtOutputModule();
    if (!output) {
        if (context.prompter) {
            context.prompter->Message(kCannotPrint + kQtOutputMissing, PromptIcon::Exclamation);
        }
        return false;
    }
    const PrintOutcome outcome =
        output->printWithDialog(parent, kDocumentName, CSApplication(context).TitleVer(), print);
    // Nothing else would tell the user that the page or the PDF file was never written.
    if (outcome == PrintOutcome::kFailed && context.prompter) {
        context.prompter->Message(kPrintFailed, PromptIcon::Exclamation);
    }
    return outcome == PrintOutcome::kPrinted;
}

}  // namespace

bool PrintLensReport(QPagedPaintDevice& device, const LumarikCode& code, const Options& options,
                     const AppContext& context) {
    if (LensReportRefusal(code)) return false;
    return PaintReport(device, BuildLensReport(code, TodaysStamp(context)), [&](Canvas& canvas) {
        // An instance of its own: the window's drawing keeps its extents and grab handles.
        DrgRoutines drawing;
        drawing.DrawSystem(canvas, code, options, false);
    });
}

bool PrintLensReportToPdf(const QString& path, const LumarikCode& code, const Options& options,
                          const AppContext& context) {
    if (LensReportRefusal(code)) return false;
    return PrintToPdf(path, context, [&](QPagedPaintDevice& device) {
        return PrintLensReport(device, code, options, context);
    });
}

bool ShowPrintDialog(QWidget* parent, const LumarikCode& code, const Options& options,
                     const AppContext& context) {
    return PrintThroughDialog(
        parent, LensReportRefusal(code), context,
        [&](QPagedPaintDevice& device) { return PrintLensReport(device, code, options, context); });
}

bool PrintBeamReport(QPagedPaintDevice& device, const GaussianBeam& beam, const AppContext& context,
                     const ReportDrawing& drawing) {
    if (BeamReportRefusal(beam)) return false;
    return PaintReport(device, BuildBeamReport(beam, TodaysStamp(context)), drawing);
}

bool PrintBeamReportToPdf(const QString& path, const GaussianBeam& beam, const AppContext& context,
                          const ReportDrawing& drawing) {
    if (BeamReportRefusal(beam)) return false;
    return PrintToPdf(path, context, [&](QPagedPaintDevice& device) {
        return PrintBeamReport(device, beam, context, drawing);
    });
}

bool ShowBeamPrintDialog(QWidget* parent, const GaussianBeam& beam, const AppContext& context,
                         const ReportDrawing& drawing) {
    return PrintThroughDialog(
        parent, BeamReportRefusal(beam), context,
        [&](QPagedPaintDevice& device) { return PrintBeamReport(device, beam, context, drawing); });
}

}  // namespace lumarik
