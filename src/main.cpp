// Start-up: application title and help file, the window registry, the event loop.
#include "app/registry.h"
#include "platform/guard.h"
#include "platform/help.h"
#include "platform/locale.h"

int main(int argc, char** argv) {
    calvorin::Application app(argc, argv);
    calvorin::Application::setApplicationName("Calvorin 2.1");
    calvorin::setApplicationHelpFile("Cv21.hlp");
    calvorin::initLocale();
    calvorin::WindowRegistry::createAll();
    calvorin::WindowRegistry::windows().front()->show();
    const int code = app.exec();
    calvorin::WindowRegistry::destroyAll();
    return code;
}
