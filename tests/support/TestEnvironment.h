// A fresh program directory per test, so that no test touches the real
// settings file, the home directory or the source tree.
#pragma once

#include <QTemporaryDir>

#include "support/FakePrompter.h"
#include "ui/shell/AppContext.h"

namespace lumarik::test {

class TestEnvironment {
public:
    // The page of new features counts as seen, so that no test finds it over the window
    // unless it asks for it.
    TestEnvironment();

    const AppContext& Context() const { return m_context; }
    QString ProgramDir() const { return m_dir.path(); }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }
    QString ReadFile(const QString& name) const;
    void WriteFile(const QString& name, const QByteArray& content) const;

    FakePrompter prompter;

private:
    QTemporaryDir m_dir;
    AppContext m_context;
};

}  // namespace lumarik::test
