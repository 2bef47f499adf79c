#include "form/mainwindow.h"

#include "about/aboutwindows.h"
#include "about/supportlinks.h"
#include "app/preferences.h"
#include "config/configurationcommands.h"
#include "config/configurationfile.h"
#include "form/elidinglabel.h"
#include "form/functionlistmodel.h"
#include "form/mainwindowform.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using Tessaro::Language;
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
    actionFor(Language::Default)->setChecked(true);
    loadLanguage();
    fillValueLists();
    applyDefaultSettings();
    loadPreferences();
    loadLanguage();
    fillValueLists();
    applyDefaultSettings();

    selectAllOptions();

    fitToDescriptions();
    setAcceptDrops(true);
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
    chooseLanguage(Language::Default);
}

void MainWindow::on_action_English_triggered()
{
    chooseLanguage(Language::English);
}

void MainWindow::on_action_Fran_ais_triggered()
{
    chooseLanguage(Language::French);
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

void MainWindow::on_action_Generate_For_Several_Units_triggered()
{
    generateForSeveralUnits();
}

namespace {

// The width, in the 'X's by which Qt sizes a combo box, that the widest of
// texts needs. Only these few texts are measured, never every entry of a
// list, and each as the sum of its characters' advances: cheap enough for
// every language switch, and never narrower than the text drawn, which
// kerning only tightens.
int contentsLength(const QFontMetrics &metrics, const QStringList &texts)
{
    int widest = 0;
    for (const QString &text : texts) {
        int width = 0;
        for (QChar character : text)
            width += metrics.horizontalAdvance(character);
        widest = std::max(widest, width);
    }
    const int character = metrics.horizontalAdvance(u'X');
    return (widest + character - 1) / character;
}

// The function entries that can be the widest: the six commands, a folder
// and a serial command, whose digits all have one width.
QStringList widestFunctionCandidates(const Tessaro::FunctionTexts &texts)
{
    QStringList candidates(texts.commands.begin(), texts.commands.end());
    candidates << texts.text(Tessaro::firstFolderEntry)
               << texts.text(Tessaro::firstSerialCommandEntry);
    return candidates;
}

} // namespace

void MainWindow::fillValueLists()
{
    // One model for the 17 function rows: filling it refills them all. They
    // share a font, so their width is measured once.
    ui->functionList->fill();
    const QFontMetrics metrics(font());
    const int functionLength =
            contentsLength(metrics, widestFunctionCandidates(ui->functionList->texts()));

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

Tessaro::FormSettings MainWindow::formSettings() const
{
    Tessaro::FormSettings settings;
    for (int i = 0; i < optionCount; ++i)
        settings[i] = {ui->rows[i].checkBox->isChecked(), ui->rows[i].value()};
    return settings;
}

void MainWindow::setFormSettings(const Tessaro::FormSettings &settings)
{
    for (int i = 0; i < optionCount; ++i) {
        ui->rows[i].checkBox->setChecked(settings[i].enabled);
        ui->rows[i].setValue(settings[i].value);
    }
}

void MainWindow::showPath(const QString &path)
{
    ui->label_Generate_Path->setWholeText(path);
}

void MainWindow::settleValueEdits()
{
    // A field being edited counts as left: what it shows is what is written.
    for (const Ui::OptionRowWidgets &row : ui->rows) {
        if (row.spinBox) {
            row.spinBox->interpretText();
            row.spinBox->setValue(row.spinBox->value());
        }
    }
}

void MainWindow::fitToDescriptions()
{
    // Wide enough for every row's whole description beside its value and the
    // scroll bar; never narrower than before, nor larger than the screen less
    // the window's frame (before the first showing, a title bar's height).
    // The rows' layouts keep the sizes their widgets had until invalidated.
    for (const Ui::OptionRowWidgets &row : ui->rows)
        row.layout->invalidate();
    const int wanted = ui->scrollAreaWidgetContents->sizeHint().width()
            + 2 * ui->scrollArea->frameWidth()
            + ui->scrollArea->verticalScrollBar()->sizeHint().width()
            + ui->verticalLayout_2->contentsMargins().left()
            + ui->verticalLayout_2->contentsMargins().right();
    const QSize frame = isVisible() ? frameGeometry().size() - size()
                                    : QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize room = screen()->availableGeometry().size() - frame;
    resize(std::min(std::max(width(), wanted), room.width()), std::min(height(), room.height()));
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    // One local file, and nothing else, may be dropped: anything more is
    // refused at once, with the no-drop cursor.
    if (droppedFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Imported as File > Import would after its dialog, once the drop has
    // ended: the report box must not hold the dragging program.
    QTimer::singleShot(0, this, [this, path] {
        Tessaro::lastConfigurationPath = path;
        showPath(path);
        readConfigurationFile(path);
    });
}

QString MainWindow::droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
}

void MainWindow::chooseLanguage(Language language)
{
    // Qt has already toggled the action; set the end state whatever it was.
    uncheckLanguageActions();
    actionFor(language)->setChecked(true);
    loadLanguage();
    fillValueLists();
    applyDefaultSettings();
    fitToDescriptions();
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
    for (QAction *action : ui->languageActions)
        action->setChecked(false);
}

QAction *MainWindow::actionFor(Language language) const
{
    return ui->languageActions[Tessaro::languageIndex(language)];
}

Language MainWindow::checkedLanguage() const
{
    for (std::size_t i = 0; i < Tessaro::languages.size(); ++i) {
        if (ui->languageActions[i]->isChecked())
            return Tessaro::languages[i].language;
    }
    return Language::Default;
}

void MainWindow::generateConfigurationFile()
{
    settleValueEdits();
    const QString path = Tessaro::chooseFileToGenerate(this);
    if (path.isEmpty())
        return;
    showPath(path);
    writeConfigurationFile(path);
}

void MainWindow::writeConfigurationFile(const QString &path)
{
    Tessaro::generateFile(this, path, formSettings());
}

void MainWindow::importConfigurationFile()
{
    const QString path = Tessaro::chooseFileToImport(this);
    if (path.isEmpty())
        return;
    showPath(path);
    readConfigurationFile(path);
}

void MainWindow::readConfigurationFile(const QString &path)
{
    const std::optional<Tessaro::FileReading> reading = Tessaro::readFileToImport(this, path);
    if (!reading)
        return;
    setFormSettings(Tessaro::importedSettings(Tessaro::importedRows(reading->recognised)));
    Tessaro::showImportReport(this, *reading);
}

void MainWindow::generateForSeveralUnits()
{
    settleValueEdits();
    const std::optional<Tessaro::UnitBatch> batch = Tessaro::chooseUnits(this);
    if (!batch)
        return;
    showPath(batch->folder);
    Tessaro::generateUnitFiles(this, batch->units, formSettings());
}
