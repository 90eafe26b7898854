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

// Every topic, in the order of the contents page.
const std::vector<HelpTopic>& helpTopics();
// The topic with that identifier (compared without regard to case), or nullptr.
const HelpTopic* findHelpTopic(const QString& id);

} // namespace calvorin
