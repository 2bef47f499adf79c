#include "gui/mainwindow.h"

#include "core/displaytext.h"
#include "core/format/configurationfile.h"
#include "core/format/importreport.h"
#include "core/preferences.h"
#include "core/windowsettings.h"
#include "gui/about/aboutwindows.h"
#include "gui/about/supportlinks.h"
#include "gui/configurationcommands.h"
#include "gui/dialogs/cardsdialog.h"
#include "gui/dialogs/comparedialog.h"
#include "gui/elidinglabel.h"
#include "gui/formhistory.h"
#include "gui/mainwindowform.h"
#include "gui/optionform.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using Tessaro::Language;

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    setWindowTitle(QCoreApplication::applicationName());
    // Each command, and its tool bar twin where it has one.
    const std::tuple<QAction *, QAction *, void (MainWindow::*)()> commands[] = {
            {ui->action_Generate_Configuration_File, ui->action_Generate_Configuration_File_ToolBar,
             &MainWindow::generateConfigurationFile},
            {ui->action_Import_Configuration_File, ui->action_Import_Configuration_File_Toolbar,
             &MainWindow::importConfigurationFile},
            {ui->actionDefault_settings, ui->actionDefault_settings_ToolBar,
             &MainWindow::applyDefaultSettings},
            {ui->action_Select_All_Options, ui->action_Select_All_Options_Toolbar,
             &MainWindow::selectAllOptions},
            {ui->action_Unselect_All_options, ui->action_Unselect_All_options_Toolbar,
             &MainWindow::unselectAllOptions},
            {ui->action_Generate_For_Several_Units, nullptr, &MainWindow::generateForSeveralUnits},
            {ui->action_Write_To_Cards, nullptr, &MainWindow::writeToCards},
            {ui->action_Compare_With_File, nullptr, &MainWindow::compareWithFile},
    };
    for (const auto &[menu, toolBar, command] : commands) {
        for (QAction *action : {menu, toolBar}) {
            if (action)
                connect(action, &QAction::triggered, this, command);
        }
    }
    connect(ui->menu_Import_Recent, &QMenu::aboutToShow, this, &MainWindow::fillRecentFiles);
    ui->menu_Import_Recent->menuAction()->setEnabled(!Tessaro::recentFiles().isEmpty());
    connect(ui->action_Quit, &QAction::triggered, this, &QWidget::close);
    connect(ui->action_About, &QAction::triggered, this, &showAboutWindow);
    connect(ui->actionContact_Technical_Support, &QAction::triggered, this, &sendSupportRequest);
    connect(ui->actionOrvel_Home_Page, &QAction::triggered, this, &openHomePage);
    for (const Tessaro::LanguageEntry &entry : Tessaro::languages)
        connect(actionFor(entry.language), &QAction::triggered, this,
                [this, language = entry.language] { chooseLanguage(language); });
    m_history = new FormHistory(ui->form, ui->action_Undo, ui->action_Redo, this);
    connect(m_history, &FormHistory::wholeFormRestored, this, &MainWindow::forgetImportFindings);
    for (QSpinBox *number : ui->form->findChildren<QSpinBox *>())
        number->installEventFilter(this);

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
    m_history->clear();

    if (!restoreWindowState()) {
        // The preview beside the form when the screen holds both whole, and
        // every row shown.
        ui->dockWidget_Preview->setVisible(wholeFormWidth() + previewWidth()
                                           <= screenRoom().width());
        resize(width(), std::min(wholeFormHeight(), screenRoom().height()));
        fitToDescriptions();
    }
    setAcceptDrops(true);
}

MainWindow::~MainWindow()
{
    savePreferences();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A number field's line edit has keys of its own (Ctrl+U empties it,
    // Ctrl+Z undoes its typing); the window's keys act on the form from there
    // too, and Undo decides whether the typing goes first.
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : findChildren<QAction *>()) {
            if (action->shortcuts().contains(pressed))
                return true; // left unclaimed, for the action
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A run of cards puts its card back first; the window closes after it.
    if (auto *cards = findChild<CardsDialog *>(); cards && cards->isVisible()) {
        event->ignore();
        connect(cards, &QDialog::finished, this, &QWidget::close,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        cards->reject();
        return;
    }
    saveWindowState();
    QMainWindow::closeEvent(event);
}

void MainWindow::fillValueLists()
{
    ui->form->fillValueLists();
}

void MainWindow::applyDefaultSettings()
{
    m_history->record(QT_TRANSLATE_NOOP("MainWindow", "Default Settings"), [this] {
        ui->form->setSettings(Tessaro::withDefaultValues(ui->form->settings()));
    });
    forgetImportFindings();
}

void MainWindow::forgetImportFindings()
{
    ui->form->clearFindings();
    ui->frame_Summary->hide();
}

void MainWindow::selectAllOptions()
{
    m_history->record(QT_TRANSLATE_NOOP("MainWindow", "Select All"), [this] {
        ui->form->setSettings(Tessaro::withAllTicked(ui->form->settings(), true));
    });
}

void MainWindow::unselectAllOptions()
{
    m_history->record(QT_TRANSLATE_NOOP("MainWindow", "Unselect All"), [this] {
        ui->form->setSettings(Tessaro::withAllTicked(ui->form->settings(), false));
    });
}

void MainWindow::showPath(const QString &path)
{
    ui->label_Generate_Path->setPath(path);
}

int MainWindow::wholeFormWidth() const
{
    // Every row's whole description beside its value, and the scroll bar.
    return ui->form->wholeWidth() + 2 * ui->scrollArea->frameWidth()
            + ui->scrollArea->verticalScrollBar()->sizeHint().width()
            + ui->verticalLayout_2->contentsMargins().left()
            + ui->verticalLayout_2->contentsMargins().right();
}

int MainWindow::wholeFormHeight() const
{
    // The window's own height, its scroll area as tall as the form.
    return sizeHint().height() - ui->scrollArea->sizeHint().height()
            + ui->form->sizeHint().height() + 2 * ui->scrollArea->frameWidth();
}

int MainWindow::previewWidth() const
{
    return ui->dockWidget_Preview->sizeHint().width()
            + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
}

QSize MainWindow::screenRoom() const
{
    // The screen less the window's frame (before the first showing, a title
    // bar's height).
    const QSize frame = isVisible() ? frameGeometry().size() - size()
                                    : QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return screen()->availableGeometry().size() - frame;
}

void MainWindow::fitToDescriptions()
{
    // Never narrower than before, nor larger than the screen.
    const int wanted = wholeFormWidth() + (ui->dockWidget_Preview->isHidden() ? 0 : previewWidth());
    const QSize room = screenRoom();
    resize(std::min(std::max(width(), wanted), room.width()), std::min(height(), room.height()));
}

bool MainWindow::restoreWindowState()
{
    const Tessaro::WindowSettings settings;
    ui->dockWidget_Preview->setVisible(settings.value(u"window/preview"_s).toBool());
    // Without a size for this screen, or with one smaller than the window can
    // be (a negative one among them), the window starts as it first did.
    const QSize size = settings.value(screenKey(u"size"_s)).toSize();
    if (size.expandedTo(minimumSizeHint()) != size)
        return false;
    // Where the user left it, and wholly on the screen it is on now, frame
    // included.
    const QRect room = screen()->availableGeometry();
    resize(size.boundedTo(screenRoom()));
    const QSize whole = this->size() + room.size() - screenRoom();
    const QPoint position = settings.value(screenKey(u"position"_s), pos()).toPoint();
    move(std::clamp(position.x(), room.left(), room.right() + 1 - whole.width()),
         std::clamp(position.y(), room.top(), room.bottom() + 1 - whole.height()));
    return true;
}

void MainWindow::saveWindowState() const
{
    Tessaro::WindowSettings settings;
    settings.setValue(screenKey(u"size"_s), size());
    settings.setValue(screenKey(u"position"_s), pos());
    settings.setValue(u"window/preview"_s, ui->dockWidget_Preview->isVisible());
    settings.save();
}

QString MainWindow::screenKey(const QString &name) const
{
    // A size left on one screen, or at another scale, may not suit another:
    // each size of screen has its own, named in device-independent pixels.
    const QSize room = screen()->availableGeometry().size();
    return u"window/%1 %2x%3"_s.arg(name).arg(room.width()).arg(room.height());
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
    QTimer::singleShot(0, this, [this, path] { importFile(path); });
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
    // Undo puts back the values the switch reset, and is named for them:
    // the language stays.
    m_history->record(QT_TRANSLATE_NOOP("MainWindow", "Values Reset"), [this] {
        loadLanguage();
        fillValueLists();
        applyDefaultSettings();
    });
    fitToDescriptions();
}

void MainWindow::loadLanguage()
{
    Tessaro::loadTranslations(checkedLanguage());
    ui->retranslateUi();
    m_history->retranslate();
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
    ui->form->settleValueEdits();
    const QString path = Tessaro::chooseFileToGenerate(this);
    if (path.isEmpty())
        return;
    showPath(path);
    writeConfigurationFile(path);
}

void MainWindow::writeConfigurationFile(const QString &path)
{
    if (Tessaro::generateFile(this, path, ui->form->settings())) {
        rememberRecentFile(path);
    }
}

void MainWindow::importConfigurationFile()
{
    const QString path = Tessaro::chooseFileToImport(
            this, QCoreApplication::translate("MainWindow", "Open Configuration File"));
    if (!path.isEmpty())
        importFile(path);
}

void MainWindow::importFile(const QString &path)
{
    Tessaro::lastConfigurationPath = path;
    showPath(path);
    readConfigurationFile(path);
}

void MainWindow::readConfigurationFile(const QString &path)
{
    const std::optional<Tessaro::FileReading> reading = Tessaro::readFileToImport(this, path);
    if (!reading)
        return;
    const Tessaro::ImportedRows rows = Tessaro::importedRows(reading->recognised);
    // Its marks and summary come back each time the import is redone.
    m_history->record(
            QT_TRANSLATE_NOOP("MainWindow", "Import"),
            [&] { ui->form->setSettings(Tessaro::importedSettings(rows)); },
            [this, name = QFileInfo(path).fileName(), reading = *reading] {
                ui->form->showFindings(reading.findings);
                ui->label_Summary->setText(Tessaro::importSummary(name, reading));
                ui->frame_Summary->show();
            });
    rememberRecentFile(path);
    Tessaro::showImportReport(this, *reading);
}

void MainWindow::fillRecentFiles()
{
    QMenu *menu = ui->menu_Import_Recent;
    menu->clear();
    const QStringList files = Tessaro::recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QFileInfo file(files[i]);
        // A tab in a name would start the shortcut column, a newline a line.
        QAction *entry = menu->addAction(u"&%1 %2"_s.arg(i + 1).arg(
                Tessaro::printable(file.fileName()).replace(u'&', u"&&"_s)));
        entry->setToolTip(Tessaro::printable(QDir::toNativeSeparators(file.absolutePath())));
        entry->setEnabled(file.isFile());
        connect(entry, &QAction::triggered, this, [this, path = files[i]] { importFile(path); });
    }
    menu->addSeparator();
    QAction *clear = menu->addAction(QCoreApplication::translate("MainWindow", "&Clear List"));
    clear->setObjectName(u"action_Clear_Recent"_s);
    connect(clear, &QAction::triggered, this, [this] {
        Tessaro::clearRecentFiles();
        ui->menu_Import_Recent->menuAction()->setEnabled(false);
    });
}

void MainWindow::rememberRecentFile(const QString &path)
{
    Tessaro::rememberRecentFile(path);
    ui->menu_Import_Recent->menuAction()->setEnabled(true);
}

void MainWindow::compareWithFile()
{
    ui->form->settleValueEdits();
    const QString path = Tessaro::chooseFileToImport(this, CompareDialog::title());
    if (path.isEmpty())
        return;
    const std::optional<Tessaro::FileReading> reading = Tessaro::readFileToImport(this, path);
    if (!reading)
        return;
    CompareDialog dialog(path, *reading, ui->form->settings(), this);
    if (dialog.exec() == QDialog::Accepted)
        importFile(path);
}

void MainWindow::generateForSeveralUnits()
{
    ui->form->settleValueEdits();
    if (const std::optional<QString> folder =
                Tessaro::generateForSeveralUnits(this, ui->form->settings()))
        showPath(*folder);
}

void MainWindow::writeToCards()
{
    ui->form->settleValueEdits();
    const QString last = Tessaro::writeToCards(this, ui->form->settings());
    if (!last.isEmpty())
        showPath(last);
}
