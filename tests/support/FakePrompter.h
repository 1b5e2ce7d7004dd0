// A scripted Prompter for widget tests: records every box the program shows
// and answers questions and input boxes from queues the test fills.
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/shell/Prompter.h"

namespace lumarik::test {

struct ShownPrompt {
    enum class Kind { Message, Question, Choice, Input, SaveFile, OpenFile } kind;
    QString text;
    QString title;
    PromptIcon icon = PromptIcon::None;
    QString defaultAnswer;    // input boxes; the answers of a choice, joined by '|'
    bool withCancel = false;  // questions
};

class FakePrompter : public Prompter {
public:
    void Message(const QString& text, PromptIcon icon, const QString& title) override;
    PromptAnswer Question(const QString& text, bool withCancel, const QString& title) override;
    std::optional<int> Choose(const QString& text, const QStringList& answers,
                              const QString& title) override;
    std::optional<QString> Input(const QString& prompt, const QString& title,
                                 const QString& defaultAnswer) override;

    std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                        const QString& suggested) override;
    // The starting folder is kept as the prompt's default answer.
    std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                        const QString& directory) override;

    void AnswerQuestion(PromptAnswer answer) { m_questionAnswers.push_back(answer); }
    // The index of the answer chosen; std::nullopt stands for Cancel.
    void AnswerChoice(std::optional<int> answer) { m_choiceAnswers.push_back(answer); }
    // std::nullopt stands for Cancel.
    void AnswerInput(const std::optional<QString>& answer) {
        m_inputAnswers.push_back({answer.has_value(), answer.value_or(QString())});
    }

    const std::vector<ShownPrompt>& Shown() const { return m_shown; }
    std::vector<QString> MessageTexts() const;
    // True when every scripted answer has been used.
    bool AllAnswersUsed() const {
        return m_questionAnswers.empty() && m_choiceAnswers.empty() && m_inputAnswers.empty();
    }
    void Clear() { m_shown.clear(); }

private:
    std::optional<QString> NextFileName(const QString& title);

    std::vector<ShownPrompt> m_shown;
    std::deque<PromptAnswer> m_questionAnswers;
    std::deque<std::optional<int>> m_choiceAnswers;
    struct InputAnswer {
        bool given;
        QString text;
    };
    std::deque<InputAnswer> m_inputAnswers;
};

}  // namespace lumarik::test
