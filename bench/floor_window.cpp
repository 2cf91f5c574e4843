// The floor of the start-up bench: the least a Qt Widgets program that shows a line of text
// pays to put its window on the screen. One frameless window of the main window's size, one
// label, nothing else linked.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Home Maths Quiz"), nullptr, Qt::FramelessWindowHint);
    window.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window.setGeometry(4, 4, 405, 525);
    window.show();
    return app.exec();
}
