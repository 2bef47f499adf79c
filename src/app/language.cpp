#include "app/language.h"

#include "app/installeddata.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

const LanguageEntry &entry(Language language)
{
    return languages[languageIndex(language)];
}

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

int languageIndex(Language language)
{
    for (int i = 0; i < int(languages.size()); ++i) {
        if (languages[i].language == language)
            return i;
    }
    return 0;
}

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
    const QLocale::Language locale = entry(language).locale;
    return locale == QLocale::AnyLanguage ? QLocale::system() : QLocale(locale);
}

QString languageCode(const QLocale &locale)
{
    return locale.name().section(u'_', 0, 0);
}

QString languageName(Language language)
{
    const QLocale::Language locale = entry(language).locale;
    return locale == QLocale::AnyLanguage ? u"(default)"_s : QLocale::languageToString(locale);
}

void loadTranslations(Language language)
{
    const QString code = languageCode(languageLocale(language));

    QCoreApplication::removeTranslator(&translator());
    QCoreApplication::removeTranslator(&qtTranslator());
    if (!loadOwnTranslation(translator(), languageFilePrefix + code))
        return;
    QCoreApplication::installTranslator(&translator());
    // Qt's own texts only in a language the program's texts are shown in:
    // never German buttons around English texts.
    if (qtTranslator().load(u"qtbase_"_s + code,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator());
}

} // namespace Tessaro
