// MainWindow's language commands and the preferences file that remembers the
// choice between runs.

#include "mainwindow.h"

#include "mainwindowform.h"
#include "preferences.h"

#include <QAction>

using Tessaro::Language;

void MainWindow::chooseLanguage(QAction *languageAction)
{
    // Qt has already toggled the action; set the end state whatever it was.
    uncheckLanguageActions();
    languageAction->setChecked(true);
    loadLanguage();
    fillValueLists();
    applyDefaultSettings();
}

void MainWindow::loadLanguage()
{
    Tessaro::loadTranslations(checkedLanguage());
    ui->retranslateUi();
}

void MainWindow::loadPreferences()
{
    if (const std::optional<Language> stored =
                Tessaro::readPreferences(Tessaro::preferencesReadPath())) {
        uncheckLanguageActions();
        actionFor(*stored)->setChecked(true);
    }
}

void MainWindow::savePreferences()
{
    Tessaro::writePreferences(Tessaro::preferencesWritePath(), checkedLanguage());
}

void MainWindow::uncheckLanguageActions()
{
    ui->actionDefault->setChecked(false);
    ui->action_English->setChecked(false);
    ui->action_Fran_ais->setChecked(false);
}

QAction *MainWindow::actionFor(Language language) const
{
    switch (language) {
    case Language::English:
        return ui->action_English;
    case Language::French:
        return ui->action_Fran_ais;
    case Language::Default:
        break;
    }
    return ui->actionDefault;
}

Language MainWindow::checkedLanguage() const
{
    if (ui->action_Fran_ais->isChecked())
        return Language::French;
    if (ui->action_English->isChecked())
        return Language::English;
    return Language::Default;
}
