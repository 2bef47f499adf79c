// Choosing the interface language, and the preferences file that remembers
// the choice between runs.

#include "aboutwindows.h"
#include "childprocess.h"
#include "configurationfile.h"
#include "files.h"
#include "formaccess.h"
#include "isolatedmain.h"
#include "mainwindow.h"
#include "modalscript.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

const QString nbsp = QString(QChar(0x00a0));

QString preferencesPath()
{
    return QCoreApplication::applicationDirPath()
            + u"/Tessaro - Configuration File Generator.cfg"_s;
}

QByteArray preferences(const QByteArray &language)
{
    return "MSC11.00\n"
           "Tessaro - Configuration File Generator - Configuration File\n"
           "Generate by: Tessaro - Configuration File Generator 1.1.0\n"
           "****************************************\n"
           "Language\n"
           "****************************************\n"
            + language + '\n';
}

// What the window shows in each language: menu, row label, list entries.
struct Texts
{
    QString menu;
    QString row;
    QString power;
    QString folder;
};
const Texts english{u"&File"_s, u"ID:"_s, u"Off"_s, u"Folder 000"_s};
const Texts french{u"&Fichier"_s, u"ID"_s + nbsp + u':', u"Désactivé"_s, u"Dossier 000"_s};

// A translation of one text into a .qm file, as lrelease builds it.
bool writeTranslation(const QString &path, const QString &source, const QString &translation)
{
    QTemporaryDir folder;
    const QString ts = folder.filePath(u"override.ts"_s);
    const QString xml =
            u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
            u"<TS version=\"2.1\" language=\"fr_FR\"><context><name>MainWindow</name>"
            u"<message><source>%1</source><translation>%2</translation></message>"
            u"</context></TS>\n"_s.arg(source.toHtmlEscaped(), translation.toHtmlEscaped());
    return writeFile(ts, xml.toUtf8())
            && runChild(QStringLiteral(LRELEASE_EXECUTABLE), {u"-silent"_s, ts, u"-qm"_s, path})
                       .exitCode
            == 0;
}

// Mnemonic letters of a menu's entries: one each, none twice.
bool acceleratorsAreDistinct(const QList<QAction *> &actions, QString *problem)
{
    QString letters;
    for (const QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString text = action->text();
        const qsizetype at = text.indexOf(u'&');
        if (at < 0 || at + 1 >= text.size() || text.indexOf(u'&', at + 1) >= 0) {
            *problem = u"no single accelerator in "_s + text;
            return false;
        }
        const QChar letter = text.at(at + 1).toLower();
        if (letters.contains(letter)) {
            *problem = u"accelerator "_s + letter + u" twice, in "_s + text;
            return false;
        }
        letters += letter;
    }
    return true;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened = url; }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void switchingLanguage_data();
    void switchingLanguage();
    void frenchMenusHaveDistinctAccelerators();
    void everyValueShowsWhole_data();
    void everyValueShowsWhole();
    void qtDialogsFollowTheLanguage_data();
    void qtDialogsFollowTheLanguage();
    void aboutAndSupportFollowTheLanguage();
    void preferencesFileWhenTheWindowCloses_data();
    void preferencesFileWhenTheWindowCloses();
    void storedLanguageStartsTheNextWindow_data();
    void storedLanguageStartsTheNextWindow();
    void translationFileLookup_data();
    void translationFileLookup();
    void installedDataFolder();
    void defaultFollowsTheSystemLanguage_data();
    void defaultFollowsTheSystemLanguage();
    void unwritableProgramFolder_data();
    void unwritableProgramFolder();
    void preferencesFileThatIsAFolder();

private:
    void startWindow();
    void trigger(const QString &action) { m_form.action(action)->trigger(); }
    void compareTexts(const Texts &texts);
    QString checkedLanguage() const;

    std::unique_ptr<MainWindow> m_window;
    FormAccess m_form{nullptr};
    QString m_startDirectory;
    QUrl m_opened;
};

void TestLanguage::initTestCase()
{
    m_startDirectory = QDir::currentPath();
}

void TestLanguage::init()
{
    QFile::remove(preferencesPath());
    Tessaro::lastConfigurationPath.clear();
}

void TestLanguage::cleanup()
{
    m_window.reset();
    QDir::setCurrent(m_startDirectory);
    QFile::remove(preferencesPath());
    QDesktopServices::unsetUrlHandler(u"mailto"_s);
}

void TestLanguage::startWindow()
{
    m_window = std::make_unique<MainWindow>();
    m_form = FormAccess(m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestLanguage::compareTexts(const Texts &texts)
{
    QCOMPARE(m_window->findChild<QMenu *>(u"menuFile"_s)->title(), texts.menu);
    QCOMPARE(m_form.checkBox(u"ID"_s)->text(), texts.row);
    auto *power = qobject_cast<QComboBox *>(m_form.valueWidget(u"Power"_s));
    QCOMPARE(power->itemText(0), texts.power);
    auto *input = qobject_cast<QComboBox *>(m_form.valueWidget(u"Input01"_s));
    QCOMPARE(input->count(), 2005);
    QCOMPARE(input->itemText(6), texts.folder);
}

QString TestLanguage::checkedLanguage() const
{
    QStringList checked;
    for (const char *name : {"actionDefault", "action_English", "action_Fran_ais"}) {
        if (m_form.action(QLatin1StringView(name))->isChecked())
            checked.append(QLatin1StringView(name));
    }
    return checked.join(u'+');
}

void TestLanguage::switchingLanguage_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("inFrench");
    QTest::newRow("French") << QString() << u"action_Fran_ais"_s << true;
    QTest::newRow("English") << QString() << u"action_English"_s << false;
    QTest::newRow("French to Default") << u"action_Fran_ais"_s << u"actionDefault"_s << false;
    QTest::newRow("French to English") << u"action_Fran_ais"_s << u"action_English"_s << false;
    QTest::newRow("French again") << u"action_Fran_ais"_s << u"action_Fran_ais"_s << true;
    QTest::newRow("Default again") << QString() << u"actionDefault"_s << false;
}

void TestLanguage::switchingLanguage()
{
    QFETCH(QString, before);
    QFETCH(QString, action);
    QFETCH(bool, inFrench);

    startWindow();
    if (!before.isEmpty())
        trigger(before);
    // The user has imported a file, then changed the form.
    QTemporaryDir folder;
    const QString path = folder.filePath(u"config.txt"_s);
    QVERIFY(writeFile(path, "#ID:9\r\n#BAUDRATE:38400\r\n"));
    {
        ShownMessage shown;
        ModalScript script({chooseFile(path), closeMessage(&shown)});
        trigger(u"action_Import_Configuration_File"_s);
        QVERIFY(script.finished());
    }
    m_form.setTicked(u"Volume"_s, true);
    m_form.setValue(u"Volume"_s, 3);
    const QStringList ticks = m_form.state().replaceInStrings(QRegularExpression(u"=.*"_s), {});

    trigger(action);

    QCOMPARE(checkedLanguage(), action);
    compareTexts(inFrench ? french : english);
    QCOMPARE(m_window->windowTitle(), u"Tessaro - Configuration File Generator"_s);
    // Every value back at its default, every check mark as it was.
    QCOMPARE(m_form.state().replaceInStrings(QRegularExpression(u"=.*"_s), {}), ticks);
    QCOMPARE(m_form.value(u"ID"_s), 1);
    QCOMPARE(m_form.value(u"Volume"_s), 32);
    QCOMPARE(m_form.value(u"Baudrate"_s), 1);
    auto *baudRate = qobject_cast<QComboBox *>(m_form.valueWidget(u"Baudrate"_s));
    QCOMPARE(QStringList({baudRate->itemText(0), baudRate->itemText(1), baudRate->itemText(2)}),
             QStringList({u"9600"_s, u"19200"_s, u"38400"_s}));
    // The path field is emptied; the dialogs still start from the last path.
    QVERIFY(m_form.label(u"label_Generate_Path"_s)->text().isEmpty());
    QCOMPARE(Tessaro::lastConfigurationPath, path);
}

void TestLanguage::frenchMenusHaveDistinctAccelerators()
{
    startWindow();
    trigger(u"action_Fran_ais"_s);
    QString problem;
    QVERIFY2(acceleratorsAreDistinct(m_window->menuBar()->actions(), &problem),
             qPrintable(problem));
    for (const char *menu : {"menuFile", "menu_Languages", "menu_Help"}) {
        QVERIFY2(
                acceleratorsAreDistinct(
                        m_window->findChild<QMenu *>(QLatin1StringView(menu))->actions(), &problem),
                qPrintable(problem));
    }
}

void TestLanguage::everyValueShowsWhole_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("English") << u"action_English"_s;
    QTest::newRow("French") << u"action_Fran_ais"_s;
}

void TestLanguage::everyValueShowsWhole()
{
    QFETCH(QString, action);
    startWindow();
    trigger(action);
    // In the window's first size every list entry fits its box beside the
    // arrow, and nothing needs scrolling sideways.
    QApplication::processEvents();
    for (const QString &stem : rowStems) {
        auto *combo = qobject_cast<QComboBox *>(m_form.valueWidget(stem));
        if (!combo)
            continue;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo)
                                 .width();
        for (int entry = 0; entry < combo->count(); ++entry) {
            const QString text = combo->itemText(entry);
            QVERIFY2(combo->fontMetrics().horizontalAdvance(text) <= room, qPrintable(text));
        }
    }
    QVERIFY(!m_window->findChild<QScrollArea *>(u"scrollArea"_s)
                     ->horizontalScrollBar()
                     ->isVisible());
}

void TestLanguage::qtDialogsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("French") << u"action_Fran_ais"_s << u"Enregistrer le fichier de configuration"_s
                            << u"Annuler"_s;
    QTest::newRow("English") << u"action_English"_s << u"Save Configuration File"_s << u"Cancel"_s;
}

void TestLanguage::qtDialogsFollowTheLanguage()
{
    QFETCH(QString, action);
    QFETCH(QString, title);
    QFETCH(QString, cancel);

    startWindow();
    trigger(action);
    QString shownTitle;
    QString shownCancel;
    ModalScript script({[&](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        shownTitle = dialog->windowTitle();
        shownCancel =
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->text();
        dialog->reject();
    }});
    trigger(u"action_Generate_Configuration_File"_s);
    QVERIFY(script.finished());
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownCancel, cancel);
}

void TestLanguage::aboutAndSupportFollowTheLanguage()
{
    startWindow();
    QDesktopServices::setUrlHandler(u"mailto"_s, this, "openUrl");
    for (const bool inFrench : {true, false}) {
        trigger(inFrench ? u"action_Fran_ais"_s : u"action_English"_s);
        trigger(u"action_About"_s);
        AboutWindows *about = nullptr;
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (auto *candidate = qobject_cast<AboutWindows *>(window);
                candidate && candidate->isVisible())
                about = candidate;
        }
        QVERIFY(about);
        const QString infos = about->findChild<QLabel *>(u"label_infos"_s)->text();
        const QString close = about->findChild<QPushButton *>(u"pushButton_close"_s)->text();
        const QString title = about->windowTitle();
        about->close();
        if (inFrench) {
            QCOMPARE(title, u"À propos de Tessaro - Configuration File Generator"_s);
            QCOMPARE(close, u"Fermer"_s);
            QVERIFY(infos.contains(u"<br><b>Version"_s + nbsp + u":  1.1.0</b></br>"_s));
            QVERIFY(infos.contains(u" (64 bits)</p>"_s) || infos.contains(u" (32 bits)</p>"_s));
        } else {
            QCOMPARE(title, u"About Tessaro - Configuration File Generator"_s);
            QCOMPARE(close, u"Close"_s);
            QVERIFY(infos.contains(u"<br><b>Version:  1.1.0</b></br>"_s));
        }

        trigger(u"actionContact_Technical_Support"_s);
        QCOMPARE(m_opened.toString(),
                 inFrench ? u"mailto:support@orvel.example?subject=Objet : Demande d'assistance "
                            u"Orvel (De : Tessaro - Configuration File Generator - 1.1.0)"
                            u"&body=Ici : votre question..."_s
                          : u"mailto:support@orvel.example?subject=Subject: Orvel Support "
                            u"Request (From: Tessaro - Configuration File Generator - 1.1.0)"
                            u"&body=Here: your question..."_s);
    }
}

void TestLanguage::preferencesFileWhenTheWindowCloses_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("language");
    QTest::newRow("Default") << QString() << QByteArray("(default)");
    QTest::newRow("English") << u"action_English"_s << QByteArray("English");
    QTest::newRow("French") << u"action_Fran_ais"_s << QByteArray("French");
    QTest::newRow("French, then Default")
            << u"action_Fran_ais actionDefault"_s << QByteArray("(default)");
}

void TestLanguage::preferencesFileWhenTheWindowCloses()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, language);

    QVERIFY(writeFile(preferencesPath(), "a foreign file of the same name\n"));
    startWindow();
    for (const QString &name : action.split(u' ', Qt::SkipEmptyParts))
        trigger(name);
    // Written once, when the window goes, over whatever was there.
    QCOMPARE(readAll(preferencesPath()), QByteArray("a foreign file of the same name\n"));
    m_window.reset();
    QCOMPARE(readAll(preferencesPath()), preferences(language));
}

void TestLanguage::storedLanguageStartsTheNextWindow_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("checked");

    QTest::newRow("French") << preferences("French") << u"action_Fran_ais"_s;
    QTest::newRow("English") << preferences("English") << u"action_English"_s;
    QTest::newRow("(default)") << preferences("(default)") << u"actionDefault"_s;
    QTest::newRow("no file") << QByteArray() << u"actionDefault"_s;
    QTest::newRow("written on Windows")
            << preferences("French").replace("\n", "\r\n") << u"action_Fran_ais"_s;
    QTest::newRow("tag and version apart")
            << "xxMSC1yy1.00\n2\n3\n4\n5\n6\nFrench\n"_ba << u"action_Fran_ais"_s;
    QTest::newRow("no last line end") << "MSC11.00\n\n\n\n\n\nEnglish"_ba << u"action_English"_s;
    QTest::newRow("foreign first line")
            << preferences("French").replace("MSC11.00", "MSC2 1.00") << u"actionDefault"_s;
    QTest::newRow("version missing")
            << preferences("French").replace("MSC11.00", "MSC1") << u"actionDefault"_s;
    QTest::newRow("short file") << "MSC11.00\nTessaro\n"_ba << u"actionDefault"_s;
    QTest::newRow("menu text") << preferences("Fran\xc3\xa7"
                                              "ais")
                               << u"actionDefault"_s;
    QTest::newRow("leading blank") << preferences(" French") << u"actionDefault"_s;
    QTest::newRow("lower case") << preferences("french") << u"actionDefault"_s;
    QTest::newRow("empty file") << "\n"_ba.chopped(1) << u"actionDefault"_s;
    // Whatever else lies there, the program starts as if there were nothing.
    QByteArray noise(4096, '\0');
    QRandomGenerator random(11);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    QTest::newRow("random bytes") << noise << u"actionDefault"_s;
    QTest::newRow("NUL bytes") << QByteArray(4096, '\0') << u"actionDefault"_s;
    QTest::newRow("one huge line")
            << "MSC11.00" + QByteArray(64 * 1024 * 1024, 'x') << u"actionDefault"_s;
    QTest::newRow("CR line ends only")
            << preferences("French").replace('\n', '\r') << u"actionDefault"_s;
}

void TestLanguage::storedLanguageStartsTheNextWindow()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, checked);

    if (!file.isNull())
        QVERIFY(writeFile(preferencesPath(), file));
    startWindow();
    QCOMPARE(checkedLanguage(), checked);
    compareTexts(checked == u"action_Fran_ais" ? french : english);
    // Whatever the language, the window starts with every row ticked at its default.
    QCOMPARE(m_form.state(), formWith({}, true));
}

void TestLanguage::translationFileLookup_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("menu");
    QTest::newRow("built into the program") << QString() << u"&Fichier"_s;
    QTest::newRow("in the current directory") << u"current"_s << u"&Datei"_s;
    QTest::newRow("beside the program") << u"program"_s << u"&Datei"_s;
    QTest::newRow("corrupt, in the current directory") << u"corrupt"_s << u"&Fichier"_s;
    QTest::newRow("empty, in the current directory") << u"empty"_s << u"&Fichier"_s;
}

void TestLanguage::translationFileLookup()
{
    QFETCH(QString, place);
    QFETCH(QString, menu);

    QTemporaryDir current;
    QVERIFY(QDir::setCurrent(current.path()));
    const QString name = u"LanguageData_fr.qm"_s;
    if (place == u"current")
        QVERIFY(writeTranslation(current.filePath(name), u"&File"_s, u"&Datei"_s));
    else if (place == u"program")
        QVERIFY(writeTranslation(QCoreApplication::applicationDirPath() + u'/' + name, u"&File"_s,
                                 u"&Datei"_s));
    else if (place == u"corrupt")
        QVERIFY(writeFile(current.filePath(name), QByteArray(4096, '\x3c')));
    else if (place == u"empty")
        QVERIFY(writeFile(current.filePath(name), QByteArray()));

    startWindow();
    trigger(u"action_Fran_ais"_s);
    QCOMPARE(m_window->findChild<QMenu *>(u"menuFile"_s)->title(), menu);
    QFile::remove(QCoreApplication::applicationDirPath() + u'/' + name);
}

void TestLanguage::installedDataFolder()
{
    // An installation: the program in bin/, its data in share/tessaro/.
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(u"bin"_s));
    QVERIFY(QDir(prefix.path()).mkpath(u"share/tessaro/translations"_s));
    const QString probe = copyForEveryone(QStringLiteral(WINDOW_PROBE), prefix.filePath(u"bin"_s));
    QVERIFY(!probe.isEmpty());
    QVERIFY(writeTranslation(prefix.filePath(u"share/tessaro/translations/LanguageData_fr.qm"_s),
                             u"&File"_s, u"&Datei"_s));
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(prefix.filePath(u"share/tessaro/ico256x256Win.ico"_s), "ICO"));

    ChildOptions options;
    options.workingDirectory = prefix.path();
    const ChildResult result = runChild(probe, {u"action_Fran_ais"_s}, options);
    QCOMPARE(result.exitCode, 0);
    const QStringList shown = QString::fromUtf8(result.output).split(u'\n');
    QVERIFY2(shown.contains(u"menu=&Datei"_s), result.output.constData());
    QVERIFY2(shown.contains(u"icon=20x20"_s), result.output.constData());
}

void TestLanguage::defaultFollowsTheSystemLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("menu");
    QTest::newRow("French system") << u"fr_FR.UTF-8"_s << u"&Fichier"_s;
    QTest::newRow("German system, not shipped") << u"de_DE.UTF-8"_s << u"&File"_s;
    QTest::newRow("C locale") << u"C"_s << u"&File"_s;
}

void TestLanguage::defaultFollowsTheSystemLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, menu);

    QTemporaryDir folder;
    const QString probe = copyForEveryone(QStringLiteral(WINDOW_PROBE), folder.path());
    QVERIFY(!probe.isEmpty());
    ChildOptions options;
    options.workingDirectory = folder.path();
    options.environment = QStringList{u"LC_ALL="_s + locale};
    const ChildResult result = runChild(probe, {}, options);
    QCOMPARE(result.exitCode, 0);
    const QStringList shown = QString::fromUtf8(result.output).split(u'\n');
    QVERIFY(shown.contains(u"checked=actionDefault"_s));
    QVERIFY2(shown.contains(u"menu="_s + menu), result.output.constData());
    QCOMPARE(readAll(folder.filePath(u"Tessaro - Configuration File Generator.cfg"_s)),
             preferences("(default)"));
}

void TestLanguage::unwritableProgramFolder_data()
{
    QTest::addColumn<bool>("userFolderWritable");
    QTest::newRow("the user's folder is writable: an installed program") << true;
    QTest::newRow("nowhere to write") << false;
}

void TestLanguage::unwritableProgramFolder()
{
    QFETCH(bool, userFolderWritable);

    QTemporaryDir folder;
    QTemporaryDir configHome;
    const QString probe = copyForEveryone(QStringLiteral(WINDOW_PROBE), folder.path());
    QVERIFY(!probe.isEmpty());
    // Nobody may write beside the program; as root the probe runs as nobody.
    QVERIFY(setMode(folder.path(), 0555));
    QVERIFY(setMode(configHome.path(), userFolderWritable ? 0777 : 0700));
    ChildOptions options;
    options.unprivileged = true;
    options.workingDirectory = folder.path();
    options.environment = QStringList{u"XDG_CONFIG_HOME="_s + configHome.path()};

    const ChildResult chosen = runChild(probe, {u"action_Fran_ais"_s}, options);
    const ChildResult next = runChild(probe, {}, options);
    QCOMPARE(chosen.exitCode, 0);
    QCOMPARE(next.exitCode, 0);
    QVERIFY(QString::fromUtf8(chosen.output).contains(u"checked=action_Fran_ais"_s));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{u"windowprobe"_s});
    const QString stored = configHome.filePath(u"Copyright (C) 2026 Orvel. All rights reserved./"
                                               u"Tessaro - Configuration File Generator/"
                                               u"Tessaro - Configuration File Generator.cfg"_s);
    if (!userFolderWritable) {
        // Nothing was remembered, and nothing was said.
        QVERIFY(!QFile::exists(stored));
        QVERIFY(QString::fromUtf8(next.output).contains(u"checked=actionDefault"_s));
        return;
    }
    QCOMPARE(readAll(stored), preferences("French"));
    QVERIFY(QString::fromUtf8(next.output).contains(u"checked=action_Fran_ais"_s));
    QVERIFY(QString::fromUtf8(next.output).contains(u"menu=&Fichier"_s));

    // A file beside the program, when there is one, is still read first.
    QVERIFY(setMode(folder.path(), 0755));
    QVERIFY(writeFile(folder.filePath(u"Tessaro - Configuration File Generator.cfg"_s),
                      preferences("English")));
    QVERIFY(setMode(folder.path(), 0555));
    const ChildResult beside = runChild(probe, {}, options);
    setMode(folder.path(), 0755);
    QVERIFY(QString::fromUtf8(beside.output).contains(u"checked=action_English"_s));
}

void TestLanguage::preferencesFileThatIsAFolder()
{
    QVERIFY(QDir().mkdir(preferencesPath()));
    startWindow();
    QCOMPARE(checkedLanguage(), u"actionDefault"_s);
    trigger(u"action_Fran_ais"_s);
    m_window.reset();
    QVERIFY(QFileInfo(preferencesPath()).isDir());
    QVERIFY(QDir().rmdir(preferencesPath()));
}

TESSARO_ISOLATED_GUI_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
