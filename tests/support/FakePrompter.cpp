#include "support/FakePrompter.h"

#include <gtest/gtest.h>

namespace lumarik::test {

void FakePrompter::Message(const QString& text, PromptIcon icon, const QString& title) {
    m_shown.push_back({ShownPrompt::Kind::Message, text, title, icon, {}, false});
}

PromptAnswer FakePrompter::Question(const QString& text, bool withCancel, const QString& title) {
    m_shown.push_back(
        {ShownPrompt::Kind::Question, text, title, PromptIcon::Question, {}, withCancel});
    if (m_questionAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return withCancel ? PromptAnswer::Cancel : PromptAnswer::No;
    }
    const PromptAnswer answer = m_questionAnswers.front();
    m_questionAnswers.pop_front();
    return answer;
}

std::optional<int> FakePrompter::Choose(const QString& text, const QStringList& answers,
                                        const QString& title) {
    m_shown.push_back(
        {ShownPrompt::Kind::Choice, text, title, PromptIcon::Question, answers.join('|'), true});
    if (m_choiceAnswers.empty()) {
        ADD_FAILURE() << "unexpected choice: " << text.toStdString();
        return std::nullopt;
    }
    const std::optional<int> answer = m_choiceAnswers.front();
    m_choiceAnswers.pop_front();
    return answer;
}

std::optional<QString> FakePrompter::Input(const QString& prompt, const QString& title,
                                           const QString& defaultAnswer) {
    m_shown.push_back(
        {ShownPrompt::Kind::Input, prompt, title, PromptIcon::None, defaultAnswer, true});
    if (m_inputAnswers.empty()) {
        // The default answer ends the program's "ask again" loops.
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return defaultAnswer;
    }
    const InputAnswer answer = m_inputAnswers.front();
    m_inputAnswers.pop_front();
    if (!answer.given) return std::nullopt;
    return answer.text;
}

// File names come from the same queue as input boxes.
std::optional<QString> FakePrompter::SaveFileName(const QString& title, const QString& filter,
                                                  const QString& suggested) {
    m_shown.push_back(
        {ShownPrompt::Kind::SaveFile, filter, title, PromptIcon::None, suggested, true});
    return NextFileName(title);
}

std::optional<QString> FakePrompter::OpenFileName(const QString& title, const QString& filter,
                                                  const QString& directory) {
    m_shown.push_back(
        {ShownPrompt::Kind::OpenFile, filter, title, PromptIcon::None, directory, true});
    return NextFileName(title);
}

std::optional<QString> FakePrompter::NextFileName(const QString& title) {
    if (m_inputAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
        return std::nullopt;
    }
    const InputAnswer answer = m_inputAnswers.front();
    m_inputAnswers.pop_front();
    if (!answer.given) return std::nullopt;
    return answer.text;
}

std::vector<QString> FakePrompter::MessageTexts() const {
    std::vector<QString> texts;
    for (const ShownPrompt& p : m_shown) {
        if (p.kind == ShownPrompt::Kind::Message) texts.push_back(p.text);
    }
    return texts;
}

}  // namespace lumarik::test
