#include "ui/shell/WidgetHelpers.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace lumarik {
namespace {

class CaptionClick : public QObject {
public:
    CaptionClick(QCheckBox* box, QObject* parent) : QObject(parent), m_box(box) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease && m_box->isEnabled()) m_box->click();
        return false;
    }

private:
    QCheckBox* m_box;
};

}  // namespace

QString Plain(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption.trimmed();
}

QCheckBox* NamedCheckBox(const QString& caption, const QString& name) {
    auto* box = Named(new QCheckBox(caption), name, Plain(caption));
    box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    return box;
}

QWidget* WithWrappedCaption(QCheckBox* box) {
    auto* holder = new QWidget;
    auto* label = new QLabel(box->text());
    label->setWordWrap(true);
    label->installEventFilter(new CaptionClick(box, label));
    box->setText(QString());
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box, 0, Qt::AlignTop);
    layout->addWidget(label, 1);
    return holder;
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, width());
    painter.drawText(rect(), static_cast<int>(alignment()), shown);
}

QWidget* KeepRoom(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    return widget;
}

QListWidget* NamedList(const QString& name, const QString& accessible) {
    auto* list = Named(new QListWidget, name, accessible);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

void FitList(QListWidget* list, int rows, const QStringList& widest) {
    list->ensurePolished();
    const bool empty = list->count() == 0;
    if (empty) list->addItems(widest);
    const int frame = 2 * list->frameWidth();
    const int width = list->sizeHintForColumn(0) + frame;
    const int row = std::max(list->sizeHintForRow(0), list->fontMetrics().height());
    if (empty) list->clear();
    list->setMinimumSize(width, rows * row + frame);
}

void PairLists(QListWidget* names, QListWidget* values) {
    names->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* a = names->verticalScrollBar();
    QScrollBar* b = values->verticalScrollBar();
    QObject::connect(a, &QScrollBar::valueChanged, b, &QScrollBar::setValue);
    QObject::connect(b, &QScrollBar::valueChanged, a, &QScrollBar::setValue);
    const auto setRow = qOverload<int>(&QListWidget::setCurrentRow);
    QObject::connect(names, &QListWidget::currentRowChanged, values, setRow);
    QObject::connect(values, &QListWidget::currentRowChanged, names, setRow);
}

void ShowRows(QListWidget* names, QListWidget* values, const std::vector<std::string>& nameTexts,
              const std::vector<std::string>& valueTexts) {
    const int count = static_cast<int>(nameTexts.size());
    const int current = names->currentRow();
    while (names->count() > count) delete names->takeItem(names->count() - 1);
    while (names->count() < count) names->addItem(QString());
    values->clear();
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromStdString(nameTexts[static_cast<std::size_t>(i)]);
        if (names->item(i)->text() != name) names->item(i)->setText(name);
        values->addItem(QString::fromStdString(valueTexts[static_cast<std::size_t>(i)]));
    }
    values->setCurrentRow(current < count ? current : -1);
}

ContentMeasure::~ContentMeasure() {
    for (const auto& [label, text] : m_texts) label->setText(text);
    for (const auto& [widget, visible] : m_shown) widget->setVisible(visible);
}

void ContentMeasure::Reveal(QWidget* widget) {
    m_shown.emplace_back(widget, !widget->isHidden());
    widget->setVisible(true);
}

void ContentMeasure::Sample(QLabel* label, const QString& text) {
    m_texts.emplace_back(label, label->text());
    label->setText(text);
}

}  // namespace lumarik
