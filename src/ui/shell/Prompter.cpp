#include "ui/shell/Prompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace lumarik {
namespace {

const QString kOk = QStringLiteral("OK");
const QString kYes = QStringLiteral("&Ja");
const QString kNo = QStringLiteral("&Nein");
const QString kCancel = QStringLiteral("Abbrechen");

QMessageBox::Icon BoxIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Exclamation:
            return QMessageBox::Warning;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::Critical:
            return QMessageBox::Critical;
        case PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtPrompter::Message(const QString& text, PromptIcon icon, const QString& title) {
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::NoButton, m_parent);
    box.addButton(kOk, QMessageBox::AcceptRole);
    box.exec();
}

PromptAnswer QtPrompter::Question(const QString& text, bool withCancel, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, m_parent);
    QPushButton* yes = box.addButton(kYes, QMessageBox::YesRole);
    QPushButton* no = box.addButton(kNo, QMessageBox::NoRole);
    QPushButton* cancel = withCancel ? box.addButton(kCancel, QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(yes);
    box.setEscapeButton(withCancel ? static_cast<QAbstractButton*>(cancel) : no);
    box.exec();
    if (box.clickedButton() == yes) return PromptAnswer::Yes;
    if (box.clickedButton() == no) return PromptAnswer::No;
    return withCancel ? PromptAnswer::Cancel : PromptAnswer::No;
}

std::optional<QString> QtPrompter::Input(const QString& prompt, const QString& title,
                                         const QString& defaultAnswer) {
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultAnswer);
    dialog.setOkButtonText(kOk);
    dialog.setCancelButtonText(kCancel);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtPrompter::SaveFileName(const QString& title, const QString& filter,
                                                const QString& suggested) {
    QString chosenFilter;
    QString name = QFileDialog::getSaveFileName(m_parent, title, suggested, filter, &chosenFilter);
    if (name.isEmpty()) return std::nullopt;
    // "PNG-Bilder (*.png)" gives ".png".
    static const QRegularExpression kFilterSuffix(QStringLiteral("\\*(\\.[^ )]+)"));
    const QRegularExpressionMatch suffix = kFilterSuffix.match(chosenFilter);
    if (QFileInfo(name).suffix().isEmpty() && suffix.hasMatch()) name += suffix.captured(1);
    return name;
}

std::optional<QString> QtPrompter::OpenFileName(const QString& title, const QString& filter,
                                                const QString& directory) {
    const QString name = QFileDialog::getOpenFileName(m_parent, title, directory, filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

namespace {
QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}
}  // namespace

std::optional<std::string> PrompterAsker::Ask(std::string_view prompt, std::string_view title,
                                              std::string_view defaultAnswer) {
    const std::optional<QString> answer =
        m_prompter.Input(Utf8(prompt), Utf8(title), Utf8(defaultAnswer));
    if (!answer) return std::nullopt;
    return answer->toStdString();
}

}  // namespace lumarik
