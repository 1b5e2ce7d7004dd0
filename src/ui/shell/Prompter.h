// Every message box, question and input box of the program goes through a
// Prompter, so that tests can answer them with a scripted fake.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/document/ValueAsker.h"

class QWidget;

namespace lumarik {

enum class PromptIcon { None, Information, Exclamation, Question, Critical };
enum class PromptAnswer { Yes, No, Cancel };

inline const QString kProgramTitle = QStringLiteral("Lumarik");

class Prompter {
public:
    virtual ~Prompter() = default;

    // A message with an OK button.
    virtual void Message(const QString& text, PromptIcon icon = PromptIcon::Exclamation,
                         const QString& title = kProgramTitle) = 0;
    // A Yes/No question, with a Cancel button when withCancel is true.
    virtual PromptAnswer Question(const QString& text, bool withCancel = false,
                                  const QString& title = kProgramTitle) = 0;
    // The answers as buttons beside "Abbrechen", the first the default; the index of the one
    // chosen, nothing when the user cancels.
    virtual std::optional<int> Choose(const QString& text, const QStringList& answers,
                                      const QString& title = kProgramTitle) = 0;
    // An input box; nothing when the user cancels.
    virtual std::optional<QString> Input(const QString& prompt, const QString& title,
                                         const QString& defaultAnswer) = 0;
    // A file name to save to; nothing when the user cancels. A name typed without a suffix
    // gets that of the chosen file type.
    virtual std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                                const QString& suggested) = 0;
    // An existing file to open; nothing when the user cancels.
    // The dialog starts in `directory` (the last folder used), or where the platform chooses.
    virtual std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                                const QString& directory) = 0;
};

// Answers the questions of the value entry with the prompter's input box.
class PrompterAsker : public ValueAsker {
public:
    explicit PrompterAsker(Prompter& prompter) : m_prompter(prompter) {}
    std::optional<std::string> Ask(std::string_view prompt, std::string_view title,
                                   std::string_view defaultAnswer) override;
    std::optional<std::size_t> Choose(std::string_view prompt, std::string_view title,
                                      const std::vector<std::string>& answers) override;

private:
    Prompter& m_prompter;
};

// The questions of the value entry go to the context's prompter; there are none without one.
class OptionalAsker {
public:
    explicit OptionalAsker(Prompter* prompter) {
        if (prompter != nullptr) m_asker.emplace(*prompter);
    }
    ValueAsker* Get() { return m_asker ? &*m_asker : nullptr; }

private:
    std::optional<PrompterAsker> m_asker;
};

// Shows real dialogs with German button texts.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    void Message(const QString& text, PromptIcon icon, const QString& title) override;
    PromptAnswer Question(const QString& text, bool withCancel, const QString& title) override;
    std::optional<int> Choose(const QString& text, const QStringList& answers,
                              const QString& title) override;
    std::optional<QString> Input(const QString& prompt, const QString& title,
                                 const QString& defaultAnswer) override;
    std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                        const QString& suggested) override;
    std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                        const QString& directory) override;

private:
    QWidget* m_parent;
};

}  // namespace lumarik
