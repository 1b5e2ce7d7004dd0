#include <gtest/gtest.h>

#include <QTextStream>

#include "ui/shell/CommandLine.h"

namespace lumarik {
namespace {

struct CommandLineCase {
    QStringList arguments;
    std::optional<int> exitCode;
    QString out;  // a part of what is printed; empty: nothing
    QString err;
    std::optional<QString> file = std::nullopt;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, ExitCodeAndGermanText) {
    const CommandLineCase& c = GetParam();
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const CommandLine parsed =
        ParseCommandLine(QStringList{"/usr/bin/lumarik"} + c.arguments, outStream, errStream);
    EXPECT_EQ(parsed.exitCode, c.exitCode);
    EXPECT_EQ(parsed.file, c.file);
    EXPECT_EQ(out.isEmpty(), c.out.isEmpty()) << out.toStdString();
    EXPECT_TRUE(out.contains(c.out)) << out.toStdString();
    EXPECT_EQ(err.isEmpty(), c.err.isEmpty()) << err.toStdString();
    EXPECT_TRUE(err.contains(c.err)) << err.toStdString();
    if (!err.isEmpty()) {
        EXPECT_TRUE(err.endsWith(QString::fromUtf8("„lumarik --help“.\n")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(
        CommandLineCase{{}, std::nullopt, {}, {}},
        CommandLineCase{
            {"-style", "Fusion", "-reverse", "--platform=offscreen"}, std::nullopt, {}, {}},
        CommandLineCase{
            {"--help"},
            0,
            QString::fromUtf8("Aufruf: lumarik [Optionen] [DATEI.lumarik]\nParaxiale Vorauslegung "
                              "von Linsen- und Spiegelsystemen und Gaußschen "
                              "Strahlen\n\nOptionen:\n"
                              "  -h, --help     Zeigt diese Hilfe an.\n"
                              "  -v, --version  Zeigt die Programmversion an.\n"),
            {}},
        CommandLineCase{{"-h", "-v"}, 0, "Aufruf: lumarik", {}},
        CommandLineCase{{"--version"}, 0, "Lumarik 1.0.0\nParaxiale Vorauslegung", {}},
        CommandLineCase{{"-v"}, 0, "Lumarik 1.0.0\n", {}},
        CommandLineCase{{"--help", "--gibtsnicht"},
                        2,
                        {},
                        QString::fromUtf8("Unbekannte Option „--gibtsnicht“")},
        CommandLineCase{{"-x"}, 2, {}, QString::fromUtf8("lumarik: Unbekannte Option „-x“.\n")},
        CommandLineCase{
            {"-style", "Fusion", "system.lumarik"}, std::nullopt, {}, {}, "system.lumarik"},
        CommandLineCase{{"a.lumarik", "b.lumarik"},
                        2,
                        {},
                        QString::fromUtf8("Unerwartetes Argument „b.lumarik“")},
        CommandLineCase{{"-reverse", "--style"},
                        2,
                        {},
                        QString::fromUtf8("Der Option „--style“ fehlt ihr Wert")},
        CommandLineCase{{"--version=2"},
                        2,
                        {},
                        QString::fromUtf8("Die Option „--version“ nimmt keinen Wert")}));

}  // namespace
}  // namespace lumarik
