#pragma once

#include <QLatin1StringView>
#include <QLocale>
#include <QString>

#include <array>

class QTranslator;

namespace Tessaro {

// The interface language the user chose: Default follows the system.
enum class Language { Default, English, French };

// One language the program offers. Adding one is an enumerator above, a row
// here (and the table's size) and its translations/LanguageData_<code>.ts.
struct LanguageEntry
{
    Language language;
    QLocale::Language locale; // AnyLanguage: the system's
    const char *actionName;   // its action in the Languages menu
    const char *actionText;   // translated in context "MainWindow"
};

// In the order of the Languages menu, which has a separator after the first.
inline constexpr std::array<LanguageEntry, 3> languages{{
        {Language::Default, QLocale::AnyLanguage, "actionDefault",
         QT_TRANSLATE_NOOP("MainWindow", "&Default")},
        {Language::English, QLocale::English, "action_English",
         QT_TRANSLATE_NOOP("MainWindow", "&English")},
        {Language::French, QLocale::French, "action_Fran_ais",
         QT_TRANSLATE_NOOP("MainWindow", "&Français")},
}};

// The row of a language in the table.
int languageIndex(Language language);

// The program's own texts. Every language switch removes, reloads and
// reinstalls this one translator.
QTranslator &translator();

// Qt's own texts (dialog buttons, file dialogs), following the same language.
QTranslator &qtTranslator();

inline constexpr QLatin1StringView languageFilePrefix{"LanguageData_"};

// The locale a choice stands for: the system's, or the language's own.
QLocale languageLocale(Language language);

// The language part of a locale name: "fr" for "fr_FR"; a name without "_"
// is used whole ("C").
QString languageCode(const QLocale &locale);

// The name line 7 of the preferences file stores: "(default)", or Qt's
// English name of the language.
QString languageName(Language language);

// Loads and installs the translations for a language: ours named
// languageFilePrefix + code, Qt's own from Qt's translations folder. What
// cannot be found stays uninstalled, so the built-in English texts show.
void loadTranslations(Language language);

// Installs the English texts built into the program, and nothing else: the
// command line speaks English, with English plurals, wherever it runs.
void loadBuiltInEnglish();

} // namespace Tessaro
