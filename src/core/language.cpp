#include "core/language.h"

#include "core/installeddata.h"
#include "core/safefiles.h"
#include "core/translationcheck.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

const LanguageEntry &entry(Language language)
{
    return languages[languageIndex(language)];
}

// Our translation files are about 10 KiB; a bigger one is not ours.
constexpr qint64 maximumTranslationSize = 1024 * 1024;

// The file at path, if it is one of our translation files and holds
// together. A file that does not counts as missing: Qt's loader trusts what
// it is given, and a damaged file would crash it.
std::optional<QByteArray> translationAt(const QString &path)
{
    QByteArray data;
    if (readRegularFile(path, maximumTranslationSize, Links::Follow, data).ok()
        && translationHoldsTogether(data, "MainWindow"))
        return data;
    return std::nullopt;
}

// Where the copies built into the program are.
const QString builtInFolder = u":/i18n/"_s;

// The first of our translation files for a language that holds together. The
// current directory first, as the program always looked there and a file
// placed there must still win; then beside the executable, so a program
// started from a menu or another folder finds its files; then where an
// installation keeps them; then the copies built into the program. In each
// place the names Qt's own lookup tries: LanguageData_fr.qm, LanguageData_fr,
// then cut at the last '_' or '.'.
std::optional<QByteArray> ownTranslation(const QString &fileName)
{
    const QStringList folders{QString(), QCoreApplication::applicationDirPath() + u'/',
                              installedDataFolder() + u"/translations/"_s, builtInFolder};
    for (const QString &folder : folders) {
        for (QString name = fileName; !name.isEmpty();) {
            for (const QString &candidate : {QString(name + u".qm"_s), name}) {
                if (std::optional<QByteArray> data = translationAt(folder + candidate))
                    return data;
            }
            name.truncate(std::max<qsizetype>(
                    0, std::max(name.lastIndexOf(u'_'), name.lastIndexOf(u'.'))));
        }
    }
    return std::nullopt;
}

// English as built into the program: the texts' own language, whose plurals
// ("1 line", "2 lines") only its file spells.
std::optional<QByteArray> builtInEnglish()
{
    return translationAt(builtInFolder + languageFilePrefix + u"en.qm"_s);
}

// The bytes the program's translator reads: it reads them where they are.
QByteArray &translationBytes()
{
    static QByteArray bytes;
    return bytes;
}

// Loads the program's translator from bytes and installs it.
bool install(QByteArray bytes)
{
    if (!translator().load(reinterpret_cast<const uchar *>(bytes.constData()), int(bytes.size())))
        return false;
    // Loaded from the new bytes: the old ones may go now.
    translationBytes() = std::move(bytes);
    QCoreApplication::installTranslator(&translator());
    return true;
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
    QString code = languageCode(languageLocale(language));
    // The texts in place are already those: looking them up, checking and
    // installing them again would only cost the start its time.
    static QString loadedFor;
    if (std::exchange(loadedFor, code) == code)
        return;

    QCoreApplication::removeTranslator(&translator());
    QCoreApplication::removeTranslator(&qtTranslator());
    std::optional<QByteArray> found = ownTranslation(languageFilePrefix + code);
    // A system language we have no texts for shows English: never a file
    // that happens to lie in some folder, only the copy built in.
    if (!found) {
        code = u"en"_s;
        found = builtInEnglish();
    }
    if (!found || !install(std::move(*found)))
        return;
    // Qt's own texts only in a language the program's texts are shown in:
    // never German buttons around English texts.
    if (qtTranslator().load(u"qtbase_"_s + code,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator());
}

void loadBuiltInEnglish()
{
    if (std::optional<QByteArray> found = builtInEnglish())
        install(std::move(*found));
}

} // namespace Tessaro
