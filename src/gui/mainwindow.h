#pragma once

#include "core/language.h"
#include "core/catalogue/optioncatalogue.h"

#include <QMainWindow>

class FormHistory;
class QMimeData;

#include <memory>

namespace Ui {
class MainWindow;
}

// The program's one window: the option form, its menus and tool bar. Its
// commands hand the form's data to the language, configuration file and Help
// operations; the form owns its widgets.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The option catalogue, all rows at once.
    void fillValueLists();
    void applyDefaultSettings();
    // The marks and summary an import left.
    void forgetImportFindings();
    void selectAllOptions();
    void unselectAllOptions();
    void showPath(const QString &path);
    void fitToDescriptions();
    int wholeFormWidth() const;
    int wholeFormHeight() const; // every row, and the window around them
    int previewWidth() const; // the preview dock beside the form
    QSize screenRoom() const; // what the screen holds of the window
    // The size, position and preview the user left, kept in the window
    // settings file; restoreWindowState() says whether there were any for
    // the screen the window is on.
    bool restoreWindowState();
    void saveWindowState() const;
    QString screenKey(const QString &name) const; // "window/size 1920x1050"
    // The one local file, not a folder, that dragged data carries; else empty.
    static QString droppedFile(const QMimeData *data);

    // Language selection and the preferences file.
    void loadLanguage();
    void loadPreferences();
    void savePreferences();
    void uncheckLanguageActions();
    void chooseLanguage(Tessaro::Language language);
    QAction *actionFor(Tessaro::Language language) const;
    Tessaro::Language checkedLanguage() const;

    // The configuration file.
    void generateConfigurationFile();
    void writeConfigurationFile(const QString &path);
    void importConfigurationFile();
    // Imports the file at path as Import does once its dialog has chosen it.
    void importFile(const QString &path);
    void readConfigurationFile(const QString &path);
    // Import Recent: its entries made as it opens, greyed out when no longer
    // there; the submenu greyed out while it has none.
    void fillRecentFiles();
    void rememberRecentFile(const QString &path);
    void compareWithFile();
    void generateForSeveralUnits();
    void writeToCards();

    std::unique_ptr<Ui::MainWindow> ui;
    FormHistory *m_history;
};
