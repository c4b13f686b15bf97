// The least Qt for WebAssembly program with a window, built as the game is:
// the benchmark's yardstick for the game's first window in a page.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    return app.exec();
}
