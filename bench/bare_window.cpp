// The floor for start-up: Qt's hello world, one window showing one line of text. Like every window
// whose size follows its contents, it measures its text before it goes on screen; it is at least as
// large as the main window, so that painting it costs as much.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window("Olá, mundo!");
    window.setWindowTitle("Bare");
    window.setMinimumSize(557, 436);
    window.show();
    return QApplication::exec();
}
