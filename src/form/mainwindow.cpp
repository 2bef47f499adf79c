#include "mainwindow.h"

#include "aboutwindows.h"
#include "mainwindowform.h"
#include "supportlinks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QStringListModel>

#include <algorithm>

using Tessaro::optionCatalogue;
using Tessaro::optionCount;
using Tessaro::ValueList;

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    setWindowTitle(QCoreApplication::applicationName());

    // The system's language first, then the one the preferences file names.
    uncheckLanguageActions();
    ui->actionDefault->setChecked(true);
    loadLanguage();
    fillValueLists();
    applyDefaultSettings();
    loadPreferences();
    loadLanguage();
    fillValueLists();
    applyDefaultSettings();

    selectAllOptions();
}

MainWindow::~MainWindow()
{
    savePreferences();
}

void MainWindow::on_action_Quit_triggered()
{
    close();
}

void MainWindow::on_action_About_triggered()
{
    showAboutWindow();
}

void MainWindow::on_actionContact_Technical_Support_triggered()
{
    sendSupportRequest();
}

void MainWindow::on_actionOrvel_Home_Page_triggered()
{
    openHomePage();
}

void MainWindow::on_actionDefault_triggered()
{
    chooseLanguage(ui->actionDefault);
}

void MainWindow::on_action_English_triggered()
{
    chooseLanguage(ui->action_English);
}

void MainWindow::on_action_Fran_ais_triggered()
{
    chooseLanguage(ui->action_Fran_ais);
}

void MainWindow::on_action_Generate_Configuration_File_triggered()
{
    generateConfigurationFile();
}

void MainWindow::on_action_Import_Configuration_File_triggered()
{
    importConfigurationFile();
}

void MainWindow::on_action_Generate_Configuration_File_ToolBar_triggered()
{
    generateConfigurationFile();
}

void MainWindow::on_action_Import_Configuration_File_Toolbar_triggered()
{
    importConfigurationFile();
}

void MainWindow::on_actionDefault_settings_triggered()
{
    applyDefaultSettings();
}

void MainWindow::on_actionDefault_settings_ToolBar_triggered()
{
    applyDefaultSettings();
}

void MainWindow::on_action_Select_All_Options_triggered()
{
    selectAllOptions();
}

void MainWindow::on_action_Unselect_All_options_triggered()
{
    unselectAllOptions();
}

void MainWindow::on_action_Select_All_Options_Toolbar_triggered()
{
    selectAllOptions();
}

void MainWindow::on_action_Unselect_All_options_Toolbar_triggered()
{
    unselectAllOptions();
}

namespace {

// The width, in the 'X's by which Qt sizes a combo box, that the widest of
// texts needs. Only these texts are measured, never every entry of a list.
int contentsLength(const QFontMetrics &metrics, const QStringList &texts)
{
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    const int character = metrics.horizontalAdvance(u'X');
    return (widest + character - 1) / character;
}

// The function entries that can be the widest: the six commands and the ends
// of the folder and serial command ranges, whose digits all have one width.
QStringList widestFunctionCandidates(const QStringList &functions)
{
    QStringList candidates = functions.mid(0, Tessaro::commandCount);
    candidates << functions.value(Tessaro::firstFolderEntry)
               << functions.value(Tessaro::firstSerialCommandEntry - 1)
               << functions.value(Tessaro::firstSerialCommandEntry)
               << functions.value(Tessaro::functionCount - 1);
    return candidates;
}

} // namespace

void MainWindow::fillValueLists()
{
    // One model for the 17 function rows: filling it refills them all. They
    // share a font, so their width is measured once.
    const QStringList functions = Tessaro::valueListTexts(ValueList::Functions);
    ui->functionList->setStringList(functions);
    const QFontMetrics metrics(font());
    const int functionLength = contentsLength(metrics, widestFunctionCandidates(functions));

    for (int i = 0; i < optionCount; ++i) {
        const ValueList list = optionCatalogue[i].list;
        QComboBox *combo = ui->rows[i].comboBox;
        switch (list) {
        case ValueList::None:
            break;
        case ValueList::Functions:
            combo->setMinimumContentsLength(functionLength);
            break;
        case ValueList::Power:
        case ValueList::Monitoring:
        case ValueList::BaudRates: {
            // Baud-rate entries carry their rate; the other lists no data.
            const QStringList texts = Tessaro::valueListTexts(list);
            combo->clear();
            for (int entry = 0; entry < int(texts.size()); ++entry)
                combo->addItem(texts[entry],
                               list == ValueList::BaudRates ? QVariant(Tessaro::baudRates[entry])
                                                            : QVariant());
            combo->setMinimumContentsLength(contentsLength(metrics, texts));
            break;
        }
        }
    }
}

void MainWindow::applyDefaultSettings()
{
    for (int i = 0; i < optionCount; ++i)
        ui->rows[i].setValue(optionCatalogue[i].defaultValue);
}

void MainWindow::selectAllOptions()
{
    for (const Ui::OptionRowWidgets &row : ui->rows)
        row.checkBox->setChecked(true);
}

void MainWindow::unselectAllOptions()
{
    for (const Ui::OptionRowWidgets &row : ui->rows)
        row.checkBox->setChecked(false);
}
