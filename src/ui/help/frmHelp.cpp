#include "ui/help/frmHelp.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>
#include <vector>

#include "core/help/HelpFigures.h"
#include "core/help/HelpTexts.h"
#include "ui/drawing/QPainterCanvas.h"
#include "ui/shell/CSWindow.h"
#include "ui/shell/Prompter.h"
#include "ui/shell/UserStore.h"

namespace lumarik {
namespace {

const QString kCaption = QStringLiteral("Hilfe");
// The help changes nothing: its button closes it.
const QString kClose = QStringLiteral("&Schließen");
const QString kContents = QStringLiteral("Hilfethemen");
const QString kNewFeatureKey = QStringLiteral("NewFeature/V22");
const QString kNewFeatureShown = QStringLiteral("-1");

struct Figure {
    const char* name;
    HelpFigure figure;
};

// One page per help topic number, in that order.
struct Page {
    QString title;
    const char* textBox;  // a text page, or nullptr for a picture page
    std::vector<Figure> figures;
};

const std::vector<Page>& Pages() {
    static const std::vector<Page> kPages = {
        {QStringLiteral("Hauptparameter"), "txtKeyParams", {}},
        {QStringLiteral("Regler"), "txtSliders", {}},
        {QStringLiteral("Erweiterte Optionen"), "txtAdvanced", {}},
        {QStringLiteral("Objekt und Bild"),
         nullptr,
         {{"pctConj", HelpFigure::kConjugatesLens},
          {"pctConjMirror", HelpFigure::kConjugatesMirror}}},
        {QStringLiteral("Hinweise"), "txtNotes", {}},
        {QStringLiteral("Apertur"),
         nullptr,
         {{"pctAp", HelpFigure::kApertureLens}, {"pctApMirror", HelpFigure::kApertureMirror}}},
        {QStringLiteral("Kardinalpunkte"),
         nullptr,
         {{"pctCardPoint", HelpFigure::kCardinalPointsLens},
          {"pctCardPointMirror", HelpFigure::kCardinalPointsMirror}}},
        {QStringLiteral("Schärfentiefe"), nullptr, {{"pctDepthField", HelpFigure::kDepthOfField}}},
        {QStringLiteral("Abbildungstiefe"),
         nullptr,
         {{"pctDepthFocus", HelpFigure::kDepthOfFocus}}},
        {QStringLiteral("Neue Funktionen"), "txtGaussian", {}},
        {QStringLiteral("Diese Version"), "txtLatestVersion", {}},
        {QStringLiteral("Fixfokusentfernung"),
         nullptr,
         {{"pctHyperFocal", HelpFigure::kHyperfocal}}},
        {QStringLiteral("Gaußstrahl"), nullptr, {{"imgGaussian", HelpFigure::kGaussianBeam}}},
        {QStringLiteral("Apertur-Feld-Diagramm"), "txtChart", {}},
        {QStringLiteral("Dateien und Export"), "txtFiles", {}},
    };
    return kPages;
}

// A help picture, painted through the same Canvas as the system drawing.
class FigureView : public QWidget {
public:
    FigureView(HelpFigure figure, QWidget* parent) : QWidget(parent), m_figure(figure) {
        setMinimumSize(static_cast<int>(std::ceil(kHelpFigureWidth * kHelpFigureMinScale)),
                       static_cast<int>(std::ceil(kHelpFigureHeight * kHelpFigureMinScale)));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    QSize sizeHint() const override {
        return {static_cast<int>(kHelpFigureWidth), static_cast<int>(kHelpFigureHeight)};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPainterCanvas canvas(painter, size());
        DrawHelpFigure(canvas, m_figure);
    }

private:
    HelpFigure m_figure;
};

QWidget* TextPage(const Page& page, int topic, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(page.textBox));
    box->setAccessibleName(page.title);
    box->setReadOnly(true);
    box->document()->setDocumentMargin(10);
    box->setTabStopDistance(box->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 6);
    box->setPlainText(QString::fromStdString(HelpText(topic)));
    return box;
}

QWidget* PicturePage(const Page& page, QWidget* parent) {
    auto* widget = new QWidget(parent);
    auto* layout = new QVBoxLayout(widget);
    for (const Figure& f : page.figures) {
        auto* view = new FigureView(f.figure, widget);
        view->setObjectName(QString::fromLatin1(f.name));
        view->setAccessibleName(page.title);
        layout->addWidget(view, 1);
        const std::string_view caption = HelpFigureCaption(f.figure);
        if (!caption.empty()) {
            auto* label = new QLabel(
                QString::fromUtf8(caption.data(), static_cast<int>(caption.size())), widget);
            label->setWordWrap(true);
            label->setContentsMargins(8, 0, 8, 8);
            layout->addWidget(label);
        }
    }
    return widget;
}

}  // namespace

frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(kProgramTitle + QStringLiteral(" – ") + kCaption);

    // All pages are listed side by side with the page shown; a row of tabs would not hold them.
    m_tabSymbols = new QTabWidget(this);
    m_tabSymbols->setObjectName(QStringLiteral("tabSymbols"));
    m_tabSymbols->tabBar()->hide();
    auto* lstPages = new QListWidget(this);
    lstPages->setObjectName(QStringLiteral("lstPages"));
    lstPages->setAccessibleName(kContents);
    lstPages->setSpacing(2);
    const std::vector<Page>& pages = Pages();
    for (int topic = 0; topic < static_cast<int>(pages.size()); ++topic) {
        const Page& page = pages[static_cast<std::size_t>(topic)];
        m_tabSymbols->addTab(
            page.textBox ? TextPage(page, topic, m_tabSymbols) : PicturePage(page, m_tabSymbols),
            page.title);
        lstPages->addItem(page.title);
    }
    lstPages->setFixedWidth(lstPages->sizeHintForColumn(0) + 2 * lstPages->frameWidth() + 16);
    lstPages->setCurrentRow(0);
    connect(lstPages, &QListWidget::currentRowChanged, m_tabSymbols, &QTabWidget::setCurrentIndex);
    connect(m_tabSymbols, &QTabWidget::currentChanged, lstPages,
            [lstPages](int page) { lstPages->setCurrentRow(page); });

    auto* comCancel = new QPushButton(kClose, this);
    comCancel->setObjectName(QStringLiteral("comCancel"));
    comCancel->setAccessibleName(QStringLiteral("Schließen"));
    connect(comCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comCancel);

    auto* pagesRow = new QHBoxLayout;
    pagesRow->addWidget(lstPages);
    pagesRow->addWidget(m_tabSymbols, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pagesRow, 1);
    layout->addLayout(buttons);
    resize(860, 680);
}

frmHelp* frmHelp::Display(QWidget* parent, int startPage) {
    auto* help = new frmHelp(parent);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->ShowPage(startPage);
    CSWindow().Center(help);
    help->open();
    return help;
}

void frmHelp::ShowPage(int page) {
    m_tabSymbols->setCurrentIndex(page >= 0 && page < PageCount() ? page : 0);
}

int frmHelp::CurrentPage() const {
    return m_tabSymbols->currentIndex();
}

int frmHelp::PageCount() const {
    return m_tabSymbols->count();
}

bool ShouldShowNewFeatures(const QSettings& store) {
    return !store.value(kNewFeatureKey, false).toBool();
}

bool MarkNewFeaturesShown(QSettings& store) {
    store.setValue(kNewFeatureKey, kNewFeatureShown);
    store.sync();
    return store.status() == QSettings::NoError;
}

bool ShouldShowNewFeatures() {
    const UserStore store;
    return ShouldShowNewFeatures(store);
}

bool MarkNewFeaturesShown() {
    UserStore store;
    return MarkNewFeaturesShown(store);
}

}  // namespace lumarik
