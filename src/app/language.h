#pragma once

#include <QLatin1StringView>
#include <QLocale>
#include <QString>

class QTranslator;

namespace Tessaro {

// The interface language the user chose: Default follows the system.
enum class Language { Default, English, French };

// The program's own texts. Every language switch removes, reloads and
// reinstalls this one translator.
QTranslator &translator();

// Qt's own texts (dialog buttons, file dialogs), following the same language.
QTranslator &qtTranslator();

inline constexpr QLatin1StringView languageFilePrefix{"LanguageData_"};
extern const QLocale englishLocale;
extern const QLocale frenchLocale;

// The locale a choice stands for: the system's, English or French.
QLocale languageLocale(Language language);

// The language part of a locale name: "fr" for "fr_FR"; a name without "_"
// is used whole ("C").
QString languageCode(const QLocale &locale);

// Loads and installs the translations for a language: ours named
// languageFilePrefix + code, Qt's own from Qt's translations folder. What
// cannot be found stays uninstalled, so the built-in English texts show.
void loadTranslations(Language language);

} // namespace Tessaro
