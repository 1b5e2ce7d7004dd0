// Shared by the window benchmarks: a Prompter that answers without showing anything, and a
// main window holding the usual system f' = 100, a = -250, u = 10 with an F-number of 4.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>

#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/Prompter.h"

namespace lumarik::bench {

class SilentPrompter : public Prompter {
public:
    void Message(const QString&, PromptIcon, const QString&) override {}
    PromptAnswer Question(const QString&, bool, const QString&) override {
        return PromptAnswer::No;
    }
    std::optional<QString> Input(const QString&, const QString&, const QString& d) override {
        return d;
    }
    std::optional<QString> SaveFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

class SolvedWindow {
public:
    SolvedWindow() : m_context{m_dir.path(), &m_prompter}, window(m_context) {
        for (const char* box : {"chkVarType_0", "chkVarType_1", "chkVarType_5", "chkVarTypeAp_1"}) {
            window.findChild<QCheckBox*>(box)->click();
        }
        Type("txtVarType_0", "100");
        Type("txtVarType_1", "-250");
        Type("txtVarType_2", "10");
        Type("txtVarTypeAp_0", "4");
    }

private:
    void Type(const char* box, const char* text) {
        auto* edit = window.findChild<QLineEdit*>(box);
        edit->setText(text);
        emit edit->editingFinished();
    }

    QTemporaryDir m_dir;
    SilentPrompter m_prompter;
    AppContext m_context;

public:
    frmLumarik window;
};

}  // namespace lumarik::bench
