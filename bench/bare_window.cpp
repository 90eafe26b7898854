// The floor for start-up: Qt's hello world, one window of the main window's size showing one line
// of text, so that it pays for the font machinery as every window with a caption does.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window("Olá, mundo!");
    window.setWindowTitle("Bare");
    window.resize(557, 436);
    window.show();
    return QApplication::exec();
}
