#include "support/DataTable.h"
#include "support/WidgetTest.h"
#include "ui/shell/CommandLine.h"

namespace lumarik {
namespace {

using test::DataRow;

QString Cell(const std::string& cell) {
    return QString::fromStdString(cell).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

class CommandLineTest : public ::testing::TestWithParam<DataRow> {};

TEST_P(CommandLineTest, ExitCodeAndGermanText) {
    const DataRow& c = GetParam();
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const QStringList arguments = Cell(c[1]).split(' ', Qt::SkipEmptyParts);
    const CommandLine parsed =
        ParseCommandLine(QStringList{"/usr/bin/lumarik"} + arguments, outStream, errStream);
    EXPECT_EQ(parsed.exitCode, c[2].empty() ? std::nullopt : std::optional<int>(std::stoi(c[2])));
    EXPECT_EQ(parsed.file, c[5].empty() ? std::nullopt : std::optional<QString>(Cell(c[5])));
    EXPECT_TRUE(out.isEmpty() == c[3].empty() && out.contains(Cell(c[3]))) << out.toStdString();
    EXPECT_TRUE(err.isEmpty() == c[4].empty() && err.contains(Cell(c[4]))) << err.toStdString();
    EXPECT_TRUE(err.isEmpty() || err.endsWith("„lumarik --help“.\n")) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineTest,
                         ::testing::ValuesIn(test::ReadDataTable("command_line.tsv")),
                         [](const auto& info) { return info.param[0]; });

}  // namespace
}  // namespace lumarik
