#include "ui/shell/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include "ui/shell/CSApplication.h"

namespace lumarik {
namespace {

const QString kDefaultProgramName = QStringLiteral("lumarik");

// Qt's options for every window program, which QApplication takes out of the arguments itself.
const QStringList kQtValueOptions = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("style"),
    QStringLiteral("stylesheet"),      QStringLiteral("display")};
const QStringList kQtFlags = {QStringLiteral("reverse")};

QString Dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The usage text, built here because QCommandLineParser's own is English.
QString HelpText(const QString& programName, const QList<QCommandLineOption>& options) {
    QStringList namesColumn;
    qsizetype width = 0;
    for (const QCommandLineOption& option : options) {
        QStringList dashed;
        for (const QString& name : option.names()) dashed << Dashed(name);
        namesColumn << dashed.join(QStringLiteral(", "));
        width = std::max(width, namesColumn.last().size());
    }
    const AppContext noContext;
    QString text = QStringLiteral("Aufruf: %1 [Optionen] [DATEI.lumarik]\n%2\n\nOptionen:\n")
                       .arg(programName, CSApplication(noContext).Comment());
    for (qsizetype i = 0; i < options.size(); ++i) {
        text += QStringLiteral("  %1  %2\n")
                    .arg(namesColumn[i].leftJustified(width), options[i].description());
    }
    return text;
}

// Why QCommandLineParser refused the arguments, in German (its own error texts are English).
QString Complaint(const QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty()) {
        return QStringLiteral("Unbekannte Option „%1“.")
            .arg(Dashed(parser.unknownOptionNames()[0]));
    }
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QLatin1Char('-'))) continue;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString option = argument.left(equals);
        const QString name = option.mid(option.startsWith(QStringLiteral("--")) ? 2 : 1);
        if (equals >= 0 && !kQtValueOptions.contains(name)) {
            return QStringLiteral("Die Option „%1“ nimmt keinen Wert.").arg(option);
        }
        if (equals < 0 && kQtValueOptions.contains(name) && i + 1 == arguments.size()) {
            return QStringLiteral("Der Option „%1“ fehlt ihr Wert.").arg(option);
        }
    }
    return QStringLiteral("Die Befehlszeile ist ungültig.");
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString programName =
        arguments.isEmpty() ? kDefaultProgramName : QFileInfo(arguments.first()).fileName();
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Zeigt diese Hilfe an."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Zeigt die Programmversion an."));
    QCommandLineParser parser;
    // Qt's options are written with one dash (-style), so one dash starts a long name here too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
    for (const QString& name : kQtValueOptions) {
        QCommandLineOption option(name, QString(), QStringLiteral("wert"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : kQtFlags) {
        QCommandLineOption option(name, QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QString complaint;
    if (!parser.parse(arguments)) {
        complaint = Complaint(parser, arguments);
    } else if (parser.isSet(help)) {
        out << HelpText(programName, {help, version}) << Qt::flush;
        return {0, std::nullopt};
    } else if (parser.isSet(version)) {
        const AppContext noContext;
        const CSApplication app(noContext);
        out << app.TitleVer() << '\n' << app.Comment() << '\n' << Qt::flush;
        return {0, std::nullopt};
    } else if (parser.positionalArguments().size() > 1) {
        complaint =
            QStringLiteral("Unerwartetes Argument „%1“.").arg(parser.positionalArguments()[1]);
    }
    if (complaint.isEmpty()) {
        if (parser.positionalArguments().isEmpty()) return {};
        return {std::nullopt, parser.positionalArguments()[0]};
    }
    err << programName << ": " << complaint << '\n'
        << QStringLiteral("Eine Übersicht der Optionen zeigt „%1 --help“.").arg(programName) << '\n'
        << Qt::flush;
    return {kExitUsage, std::nullopt};
}

CommandLine ParseCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return ParseCommandLine(arguments, out, err);
}

}  // namespace lumarik
