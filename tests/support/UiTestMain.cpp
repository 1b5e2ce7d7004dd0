// Entry point of the widget test programs: one QApplication for all tests,
// with the per-user store isolated from the real one.
#include <gmock/gmock.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>

int main(int argc, char** argv) {
    // Widget tests never need a screen; this also covers CTest's test listing. The offscreen
    // screen is a desktop's 1280 x 800 (its own default is 800 x 600), so that a window opens
    // at the size it has on a user's screen.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    QTemporaryFile screens;
    if ((platform.isEmpty() || platform == "offscreen") && screens.open()) {
        screens.write(R"({"screens": [{"name": "Desktop",
            "x": 0, "y": 0, "width": 1280, "height": 800, "logicalDpi": 96,
            "logicalBaseDpi": 96, "dpr": 1}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    }
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
