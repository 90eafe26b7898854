#pragma once
// What the program takes from the user's locale, read once at start-up.
#include <QLocale>
#include <QString>
#include <QTime>

namespace calvorin {

// Takes the program's locale: the decimal separator (the full stop when the locale gives none)
// and the long time format. Tests pass the locale they run in.
void initLocale(const QLocale& locale = QLocale::system());
// Qt's own texts (its standard dialogs and buttons) in the locale's language, from the translations
// installed with Qt; the program's own texts are never translated. Replaces the ones loaded before.
// False when Qt has none for the locale.
bool loadQtTranslations(const QLocale& locale = QLocale::system());
// The locale taken by initLocale; the system's before it ran.
QLocale programLocale();

// The locale's long time format without a time-zone suffix, e.g. 14:05:09.
QString longTimeFormat(const QLocale& locale = programLocale());
QString longTimeText(const QTime& time = QTime::currentTime(), const QLocale& locale = programLocale());

} // namespace calvorin
