#include "ui/mainwindow/frmLumarik.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/mainwindow/MainWindowTexts.h"
#include "ui/shell/CSApplication.h"

namespace lumarik {
namespace {
constexpr int kDefaultWidthTwips = 12300;
constexpr int kDefaultHeightTwips = 8400;
}  // namespace

frmLumarik::frmLumarik(const AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("frmLumarik"));
    setWindowIcon(QIcon(QStringLiteral(":/lumarik/lumarik.png")));

    m_comEnd = new QPushButton(texts::kEnd, this);
    m_comEnd->setObjectName(QStringLiteral("comEnd"));
    m_comEnd->setAccessibleName(QStringLiteral("Ende"));
    connect(m_comEnd, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_comEnd);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(buttons);

    Load();
}

void frmLumarik::Load() {
    const CSApplication app(m_context);
    setWindowTitle(texts::kCaptionMaker + texts::kCaptionProduct + app.Version());
    app.FormPosnGet(this, kDefaultWidthTwips, kDefaultHeightTwips);
}

void frmLumarik::closeEvent(QCloseEvent* event) {
    CSApplication(m_context).FormPosnSave(this, true);
    event->accept();
}

}  // namespace lumarik
