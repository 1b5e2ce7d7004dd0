// The yardstick of the start-up comparison: the least Qt Widgets program, one window with one
// label, started and shown as Lumarik is. An argument WIDTHxHEIGHT gives the window that size,
// so that its pixels weigh as much as those of the window it is compared with.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Lumarik")));
    if (argc > 1) {
        const QStringList size = QString::fromLocal8Bit(argv[1]).split(QLatin1Char('x'));
        if (size.size() == 2) window.resize(size[0].toInt(), size[1].toInt());
    }
    window.show();
    return QApplication::exec();
}
