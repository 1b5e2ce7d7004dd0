#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/CSApplication.h"
#include "ui/shell/CommandLine.h"
#include "ui/shell/LeanFusionStyle.h"
#include "ui/shell/Prompter.h"

int main(int argc, char* argv[]) {
    const lumarik::CommandLine commandLine = lumarik::ParseCommandLine(argc, argv);
    if (commandLine.exitCode) return *commandLine.exitCode;

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Lumarik"));
    QApplication::setApplicationName(QStringLiteral("Lumarik"));
    lumarik::UseLeanFusionStyle();

    // The whole program speaks German, Qt's own dialogs included.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    lumarik::QtPrompter prompter;
    const lumarik::AppContext context =
        lumarik::ProgramContext(QApplication::applicationDirPath(), &prompter);
    lumarik::frmLumarik window(context);
    prompter.SetParent(&window);
    window.show();
    if (commandLine.file) window.OpenSystemFile(*commandLine.file);
    return QApplication::exec();
}
