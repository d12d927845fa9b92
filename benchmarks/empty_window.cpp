// The yardstick of the start-up benchmark: the smallest Qt Widgets program with a
// main window, a title and nothing else, started and shown the way the game is.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty Window"));
    window.show();
    return QApplication::exec();
}
