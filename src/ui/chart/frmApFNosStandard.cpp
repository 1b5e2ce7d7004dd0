#include "ui/chart/frmApFNosStandard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/chart/StandardFNumbers.h"
#include "ui/shell/CSWindow.h"

namespace lumarik {
namespace {

const QString kCaption = QStringLiteral("Standard-Blendenzahlen");
const QString kOK = QStringLiteral("OK");
const QString kCancel = QStringLiteral("&Abbrechen");

QString FromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

}  // namespace

frmApFNosStandard::frmApFNosStandard(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmApFNosStandard"));
    setWindowTitle(kCaption);

    m_lstFNos0 = new QListWidget(this);
    m_lstFNos0->setObjectName(QStringLiteral("lstFNos0"));
    m_lstFNos0->setAccessibleName(kCaption);
    for (std::size_t i = 0; i < kStandardFNumbers.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(StandardFNumberEntry(i)));
        item->setData(Qt::UserRole, kStandardFNumbers[i].listed);
        m_lstFNos0->addItem(item);
    }

    m_lbl = new QLabel(FromCore(kStandardFNumbersNote), this);
    m_lbl->setObjectName(QStringLiteral("lbl"));
    m_lbl->setWordWrap(true);

    m_comOK = new QPushButton(kOK, this);
    m_comOK->setObjectName(QStringLiteral("comOK"));
    m_comOK->setAccessibleName(kOK);
    m_comOK->setDefault(true);
    m_comOK->setEnabled(false);
    m_comCancel = new QPushButton(kCancel, this);
    m_comCancel->setObjectName(QStringLiteral("comCancel"));
    m_comCancel->setAccessibleName(QStringLiteral("Abbrechen"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_comOK);
    buttons->addWidget(m_comCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lstFNos0, 1);
    layout->addWidget(m_lbl);
    layout->addLayout(buttons);

    connect(m_lstFNos0, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* current) { m_comOK->setEnabled(current != nullptr); });
    // A click or Enter on an entry takes it at once; the arrow keys only move the choice.
    connect(m_lstFNos0, &QListWidget::itemClicked, this, [this] { accept(); });
    connect(m_lstFNos0, &QListWidget::itemActivated, this, [this] { accept(); });
    connect(m_comOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_comCancel, &QPushButton::clicked, this, &QDialog::reject);

    resize(300, 420);
}

void frmApFNosStandard::done(int result) {
    m_chosen.reset();
    if (result == QDialog::Accepted) {
        const QListWidgetItem* item = m_lstFNos0->currentItem();
        if (!item) {
            result = QDialog::Rejected;
        } else {
            m_chosen = ExactFNumber(item->data(Qt::UserRole).toDouble());
        }
    }
    QDialog::done(result);
}

frmApFNosStandard* frmApFNosStandard::Display(QWidget* parent, std::function<void(double)> chosen) {
    auto* dialog = new frmApFNosStandard(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, dialog, [dialog, chosen = std::move(chosen)] {
        if (dialog->m_chosen && chosen) chosen(*dialog->m_chosen);
    });
    CSWindow().Center(dialog);
    dialog->open();
    return dialog;
}

}  // namespace lumarik
