// One slider step on the main window, offscreen: the value change, the solve, the listing
// and the label refresh, as a user dragging the thumb sees them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/Prompter.h"

namespace {

class SilentPrompter : public lumarik::Prompter {
public:
    void Message(const QString&, lumarik::PromptIcon, const QString&) override {}
    lumarik::PromptAnswer Question(const QString&, bool, const QString&) override {
        return lumarik::PromptAnswer::No;
    }
    std::optional<QString> Input(const QString&, const QString&, const QString& d) override {
        return d;
    }
    std::optional<QString> SaveFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

void Type(lumarik::frmLumarik& window, const char* box, const char* text) {
    auto* edit = window.findChild<QLineEdit*>(box);
    edit->setText(text);
    emit edit->editingFinished();
}

void BM_SliderStep(benchmark::State& state) {
    QTemporaryDir dir;
    SilentPrompter prompter;
    lumarik::AppContext context{dir.path(), &prompter};
    lumarik::frmLumarik window(context);
    window.show();
    for (const char* box : {"chkVarType_0", "chkVarType_1", "chkVarType_5", "chkVarTypeAp_1"}) {
        window.findChild<QCheckBox*>(box)->click();
    }
    Type(window, "txtVarType_0", "100");
    Type(window, "txtVarType_1", "-250");
    Type(window, "txtVarType_2", "10");
    Type(window, "txtVarTypeAp_0", "4");
    auto* slider = window.findChild<QScrollBar*>("hscVarValue_0");
    int position = 0;
    for (auto _ : state) {
        slider->setValue(position);
        position = (position + 1) % 101;
    }
    window.hide();
}
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
