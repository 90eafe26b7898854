#include "platform/help.h"

#include <algorithm>

namespace calvorin {

namespace {

QString g_helpFile;
HelpViewer g_viewer;

// Help file and program names may come with a folder, written either way.
QString fileNamePart(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    return path.mid(slash + 1);
}

bool isOurHelpFile(const QString& file) {
    return fileNamePart(file.trimmed()).compare(QStringLiteral("cv21.hlp"), Qt::CaseInsensitive) == 0;
}

bool show(HelpPage page, const QString& topic = {}) {
    if (!g_viewer) return false;
    g_viewer(page, topic);
    return true;
}

} // namespace

void setApplicationHelpFile(const QString& fileName) {
    g_helpFile = fileName;
}
QString applicationHelpFile() {
    return g_helpFile;
}

void setHelpViewer(HelpViewer viewer) {
    g_viewer = std::move(viewer);
}

bool helpRequest(const QString& helpFile, int kind, const QString& topic) {
    setApplicationHelpFile(helpFile);
    if (!isOurHelpFile(helpFile) || (kind != 1 && kind != 2)) return false;
    // kept as the program has always written it: kind 1 opens the search and never looks at the topic
    return kind == 1 ? show(HelpPage::Search) : show(HelpPage::Topic, topic);
}

bool shellExecute(const QString& program, const QString& parameter) {
    // The shell gets fixed-size texts: longer ones arrive cut.
    constexpr qsizetype maxText = 79;
    const QString prog = program.left(maxText);
    const QString param = parameter.left(maxText);
    if (fileNamePart(prog.trimmed()).compare(QStringLiteral("winhelp.exe"), Qt::CaseInsensitive) != 0)
        return false;
    if (!param.trimmed().isEmpty() && !isOurHelpFile(param)) return false;
    return show(HelpPage::Contents);
}

} // namespace calvorin
