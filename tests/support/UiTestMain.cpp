// Entry point of the widget test programs: one QApplication for all tests,
// with the per-user store isolated from the real one.
#include <gmock/gmock.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
    // Widget tests never need a screen; this also covers CTest's test listing.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("Lumarik"));
    QApplication::setApplicationName(QStringLiteral("Lumarik"));
    QApplication application(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
