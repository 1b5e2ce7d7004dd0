#include "support/DataTable.h"
#include "support/WidgetTest.h"
#include "ui/shell/CSApplication.h"

namespace lumarik {
namespace {

using test::DataRow;

QList<int> Numbers(const std::string& cell) {
    QList<int> numbers;
    for (const QString& n : QString::fromStdString(cell).split(',', Qt::SkipEmptyParts))
        numbers << n.toInt();
    return numbers;
}
QSize Size(const std::string& cell) {
    const QList<int> n = Numbers(cell);
    return n.isEmpty() ? QSize() : QSize(n[0], n[1]);
}
QRect Rect(const std::string& cell) {
    const QList<int> n = Numbers(cell);
    return QRect(n[0], n[1], n[2], n[3]);
}

class PlaceWindowTest : public ::testing::TestWithParam<DataRow> {};

TEST_P(PlaceWindowTest, OpensWhereTheTableSays) {
    const DataRow& r = GetParam();
    QVector<QRect> screens;
    for (const QString& s : QString::fromStdString(r[3]).split(';', Qt::SkipEmptyParts))
        screens << Rect(s.toStdString());
    const QSize defaultSize = Size(r[2]);
    EXPECT_EQ(PlaceWindow(QString::fromStdString(r[1]), defaultSize.width(), defaultSize.height(),
                          screens, r[4] == "1", Size(r[5]), Size(r[6])),
              Rect(r[7]));
}

INSTANTIATE_TEST_SUITE_P(Entries, PlaceWindowTest,
                         ::testing::ValuesIn(test::ReadDataTable("window_placement.tsv")),
                         [](const auto& info) { return info.param[0]; });

}  // namespace
}  // namespace lumarik
