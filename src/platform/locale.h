#pragma once
// What the program takes from the user's locale, read once at start-up.
#include <QLocale>
#include <QString>
#include <QTime>

namespace calvorin {

// Sets the program's decimal separator from the locale (the full stop when it gives none).
void initLocale(const QLocale& locale = QLocale::system());

// The locale's long time format without a time-zone suffix, e.g. 14:05:09.
QString longTimeFormat(const QLocale& locale = QLocale::system());
QString longTimeText(const QTime& time = QTime::currentTime(), const QLocale& locale = QLocale::system());

} // namespace calvorin
