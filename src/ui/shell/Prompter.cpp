#include "ui/shell/Prompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <vector>

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

std::optional<int> QtPrompter::Choose(const QString& text, const QStringList& answers,
                                      const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, m_parent);
    std::vector<QPushButton*> buttons;
    for (const QString& answer : answers) {
        buttons.push_back(box.addButton(answer, QMessageBox::AcceptRole));
    }
    QPushButton* cancel = box.addButton(kCancel, QMessageBox::RejectRole);
    if (!buttons.empty()) box.setDefaultButton(buttons.front());
    box.setEscapeButton(cancel);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
    }
    return std::nullopt;
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

std::optional<std::size_t> PrompterAsker::Choose(std::string_view prompt, std::string_view title,
                                                 const std::vector<std::string>& answers) {
    QStringList buttons;
    for (const std::string& answer : answers) buttons << Utf8(answer);
    const std::optional<int> chosen = m_prompter.Choose(Utf8(prompt), buttons, Utf8(title));
    if (!chosen) return std::nullopt;
    return static_cast<std::size_t>(*chosen);
}

}  // namespace lumarik
