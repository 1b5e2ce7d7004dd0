// Shared by the window benchmarks: a Prompter that answers without showing anything, a main
// window holding the usual system f' = 100, a = -250, u = 10 with an F-number of 4, the slider
// step they time and the offscreen main.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
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
    std::optional<int> Choose(const QString&, const QStringList&, const QString&) override {
        return 0;
    }
    std::optional<QString> Input(const QString&, const QString&, const QString& d) override {
        return d;
    }
    std::optional<QString> SaveFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> OpenFileName(const QString&, const QString&, const QString&) override {
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

// Moves the first row's slider one position per iteration, through its whole range.
inline void StepFirstSlider(benchmark::State& state, QWidget& window) {
    auto* slider = window.findChild<QScrollBar*>("hscVarValue_0");
    int position = 0;
    for (auto _ : state) {
        slider->setValue(position);
        position = (position + 1) % 101;
    }
}

// The benchmarks' main: an offscreen application around Google Benchmark.
inline int RunOffscreen(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace lumarik::bench
