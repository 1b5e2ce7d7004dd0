// Entry point of the widget test programs: one QApplication for all tests,
// with the per-user store isolated from the real one.
#include <gmock/gmock.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    // Widget tests never need a screen; this also covers CTest's test listing.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("Lumarik"));
    QApplication::setApplicationName(QStringLiteral("Lumarik"));
    QApplication application(argc, argv);
    // Each test program gets a per-user store of its own: CTest runs several at once, and
    // one test's "page already seen" must not race another's first start.
    QTemporaryDir userStore;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userStore.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userStore.path());
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
