#pragma once
// The topics of the help file "Cv21.hlp", written in HTML for the help viewer.
#include <QString>
#include <QStringList>

#include <vector>

namespace calvorin {

struct HelpTopic {
    QString id;           // the identifier a help request names ("comandos")
    QString title;        // shown in the contents and the keyword list
    QStringList keywords; // what the keyword search lists for this topic, besides the title
    QString html;         // the page body
};

// One line of the "comandos" topic: the words of a command and what it does.
struct CommandHelp {
    QStringList words;
    QString text;
};

// The command language lives above this layer and hands its list in once at start-up, before the
// help viewer is first used; until then the list is empty.
void setCommandHelp(std::vector<CommandHelp> commands);

// Every topic, in the order of the contents page.
const std::vector<HelpTopic>& helpTopics();
// The topic with that identifier (compared without regard to case), or nullptr.
const HelpTopic* findHelpTopic(const QString& id);

} // namespace calvorin
