// Start-up: application title and help file, the window registry, the event loop.
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Calvorin 2.1");
    return 0;
}
