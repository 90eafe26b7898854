#include "platform/locale.h"

#include "core/numbers.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>
#include <optional>

namespace calvorin {

namespace {
std::optional<QLocale> g_locale;
}

QLocale programLocale() {
    return g_locale.value_or(QLocale::system());
}

void initLocale(const QLocale& locale) {
    g_locale = locale;
    const QString point = locale.decimalPoint();
    const char c = point.size() == 1 && point[0].unicode() < 128 ? char(point[0].unicode()) : '.';
    setDecimalSeparator(c);
}

bool loadQtTranslations(const QLocale& locale) {
    static std::unique_ptr<QTranslator> loaded;
    if (loaded) QCoreApplication::removeTranslator(loaded.get());
    loaded = std::make_unique<QTranslator>();
    if (!loaded->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        loaded.reset();
        return false;
    }
    return QCoreApplication::installTranslator(loaded.get());
}

QString longTimeFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    // Drop the time-zone field ("t", "tt", ...) and the blank or bracket around it; quoted text stays.
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?\\bt+\\b\\)?"));
    QString out;
    bool quoted = false;
    QString run;
    auto flush = [&] {
        out += quoted ? run : run.remove(zone);
        run.clear();
    };
    for (QChar ch : format) {
        if (ch == '\'') {
            flush();
            quoted = !quoted;
            out += ch;
        } else {
            run += ch;
        }
    }
    flush();
    return out.trimmed();
}

QString longTimeText(const QTime& time, const QLocale& locale) {
    return locale.toString(time, longTimeFormat(locale));
}

} // namespace calvorin
