#include "language.h"

#include "installeddata.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace Tessaro {

const QLocale englishLocale(QLocale::English);
const QLocale frenchLocale(QLocale::French);

namespace {

// The current directory first, as the program always looked there and a file
// placed there must still win; then beside the executable, so a program
// started from a menu or another folder finds its files; then where an
// installation keeps them; then the copies built into the program.
bool loadOwnTranslation(QTranslator &target, const QString &fileName)
{
    return target.load(fileName) || target.load(fileName, QCoreApplication::applicationDirPath())
            || target.load(fileName, installedDataFolder() + u"/translations"_s)
            || target.load(fileName, u":/i18n"_s);
}

} // namespace

QTranslator &translator()
{
    static QTranslator instance;
    return instance;
}

QTranslator &qtTranslator()
{
    static QTranslator instance;
    return instance;
}

QLocale languageLocale(Language language)
{
    switch (language) {
    case Language::English:
        return englishLocale;
    case Language::French:
        return frenchLocale;
    case Language::Default:
        break;
    }
    return QLocale::system();
}

QString languageCode(const QLocale &locale)
{
    return locale.name().section(u'_', 0, 0);
}

void loadTranslations(Language language)
{
    const QString code = languageCode(languageLocale(language));

    QCoreApplication::removeTranslator(&translator());
    if (loadOwnTranslation(translator(), languageFilePrefix + code))
        QCoreApplication::installTranslator(&translator());

    QCoreApplication::removeTranslator(&qtTranslator());
    if (qtTranslator().load(u"qtbase_"_s + code,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator());
}

} // namespace Tessaro
