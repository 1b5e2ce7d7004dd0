// The yardstick of the start-up comparison: the least Qt Widgets program, one window with one
// label, started and shown as Lumarik is.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Lumarik")));
    window.show();
    return QApplication::exec();
}
