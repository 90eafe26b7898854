// Start-up: application title and help file, the window registry, the event loop.
#include "app/style.h"
#include "platform/guard.h"
#include "platform/help.h"
#include "platform/locale.h"
#include "windows.h"

int main(int argc, char** argv) {
    calvorin::Application app(argc, argv);
    calvorin::Application::setApplicationName("Calvorin 2.1");
    // Ties the windows to the installed desktop entry, for its icon and name in the task bar.
    calvorin::Application::setDesktopFileName("io.github.calvorin.Calvorin");
    // kept as the program has always written it: "Cv21.hlp" here, "cv21.hlp" in every request
    calvorin::setApplicationHelpFile("Cv21.hlp");
    calvorin::initLocale();
    calvorin::loadQtTranslations();
    calvorin::useStartUpStyle();
    // Only the main window's close ends the program (it quits explicitly), whatever else is open.
    calvorin::Application::setQuitOnLastWindowClosed(false);
    // The main window goes on screen as soon as it exists and the other windows are made while it
    // appears; all of them exist before the event loop starts and runs the start-up script.
    calvorin::createAllWindows([](QWidget* main) { calvorin::showWindow(main); });
    const int code = calvorin::Application::exec();
    calvorin::WindowRegistry::destroyAll();
    return code;
}
