#pragma once
// The help file and the desktop shell, as the program reaches them. The pages themselves are shown
// by the help window, which hands itself in at start-up (`setHelpViewer`).
#include <QString>

#include <functional>

namespace calvorin {

// The application's help file ("Cv21.hlp" at start-up).
void setApplicationHelpFile(const QString& fileName);
QString applicationHelpFile();

// What a request opens: the contents page, the keyword search with an empty keyword, or a topic.
enum class HelpPage { Contents, Search, Topic };
// Shows a page of "Cv21.hlp", brought to the front; `topic` is the identifier of a Topic page.
using HelpViewer = std::function<void(HelpPage page, const QString& topic)>;
// Until a viewer is handed in, requests show nothing and give false.
void setHelpViewer(HelpViewer viewer);

// Help request: makes `helpFile` the application's help file, then kind 1 opens the keyword
// search with an empty keyword (the topic is not used) and kind 2 jumps to the topic with that
// identifier; the viewer is shown, not modal, and raised. The viewer knows only "Cv21.hlp" (in any
// case, with or without a folder): another file, or another kind, shows nothing. Gives whether the
// viewer was shown; callers may ignore it.
bool helpRequest(const QString& helpFile, int kind, const QString& topic);

// Asks the shell to start a program with a parameter; program and parameter are cut to 79
// characters. "winhelp.exe" with "cv21.hlp" (or with no parameter) opens the help viewer's contents;
// anything it cannot start does nothing and gives false. Callers ignore the result.
bool shellExecute(const QString& program, const QString& parameter);

} // namespace calvorin
