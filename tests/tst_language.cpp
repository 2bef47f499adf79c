// Choosing the interface language, the preferences file that remembers it
// between runs, and where the translations are found.

#include "config/configurationfile.h"
#include "form/mainwindow.h"
#include "support/childprocess.h"
#include "support/files.h"
#include "support/formaccess.h"
#include "support/modalscript.h"
#include "support/testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

const QString preferencesName = u"Tessaro - Configuration File Generator.cfg"_s;

QString preferencesPath()
{
    return QCoreApplication::applicationDirPath() + u'/' + preferencesName;
}

// What the window shows in a language: menu, row label, list entries.
QString texts(const QWidget *window)
{
    const auto *input = window->findChild<QComboBox *>(u"comboBox_Input01"_s);
    return QStringList{window->findChild<QMenu *>(u"menuFile"_s)->title(),
                       window->findChild<QCheckBox *>(u"checkBox_ID"_s)->text(),
                       window->findChild<QComboBox *>(u"comboBox_Power"_s)->itemText(0),
                       input->itemText(6), QString::number(input->count())}
            .join(u'|');
}
const QString english = u"&File|ID:|Off|Folder 000|2005"_s;
const QString french = u"&Fichier|ID\u00a0:|Désactivé|Dossier 000|2005"_s;

QString checkedLanguage(const QWidget *window)
{
    QStringList checked;
    for (const Tessaro::LanguageEntry &entry : Tessaro::languages) {
        if (action(window, QLatin1StringView(entry.actionName))->isChecked())
            checked.append(QLatin1StringView(entry.actionName));
    }
    return checked.join(u'+');
}

// A translation of "&File" into a .qm file, as lrelease builds it.
bool writeTranslation(const QString &path, const QString &translation)
{
    QTemporaryDir folder;
    const QString ts = folder.filePath(u"override.ts"_s);
    const QString xml = u"<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS>"
                        u"<TS version=\"2.1\" language=\"fr_FR\"><context><name>MainWindow</name>"
                        u"<message><source>&amp;File</source><translation>%1</translation>"
                        u"</message></context></TS>\n"_s.arg(translation);
    return writeFile(ts, xml.toUtf8())
            && runChild(QStringLiteral(LRELEASE_EXECUTABLE), {u"-silent"_s, ts, u"-qm"_s, path})
                       .exitCode
            == 0;
}

// The window probe, started from a copy in folder with the given options.
QStringList probe(const QString &folder, const QStringList &actions, ChildOptions options = {})
{
    const QString copy = copyForEveryone(QStringLiteral(WINDOW_PROBE), folder);
    if (options.workingDirectory.isEmpty())
        options.workingDirectory = folder;
    const ChildResult result = runChild(copy, actions, options);
    if (result.exitCode != 0)
        qWarning("the probe failed: %s", result.errors.constData());
    return QString::fromUtf8(result.output).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void switchingLanguage_data();
    void switchingLanguage();
    void theNextStartRemembers_data();
    void theNextStartRemembers();
    void frenchFitsTheWindow();
    void defaultFollowsTheSystemLanguage_data();
    void defaultFollowsTheSystemLanguage();
    void translationFileLookup_data();
    void translationFileLookup();
    void installedProgram();
    void unwritableProgramFolder();

private:
    void startWindow();

    std::unique_ptr<MainWindow> m_window;
    QString m_startDirectory = QDir::currentPath();
};

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
}

void TestLanguage::startWindow()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestLanguage::switchingLanguage_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("shown");
    QTest::newRow("French") << QString() << u"action_Fran_ais"_s << french;
    QTest::newRow("French to Default") << u"action_Fran_ais"_s << u"actionDefault"_s << english;
    QTest::newRow("French to English") << u"action_Fran_ais"_s << u"action_English"_s << english;
    QTest::newRow("French again") << u"action_Fran_ais"_s << u"action_Fran_ais"_s << french;
}

void TestLanguage::switchingLanguage()
{
    QFETCH(QString, before);
    QFETCH(QString, action);
    QFETCH(QString, shown);
    startWindow();
    if (!before.isEmpty())
        TestSupport::action(m_window.get(), before)->trigger();
    // The user has imported a file, then changed the form.
    QTemporaryDir folder;
    const QString path = folder.filePath(u"config.txt"_s);
    QVERIFY(writeFile(path, "#ID:9\r\n#BAUDRATE:38400\r\n"));
    ShownMessage report;
    QVERIFY(runCommand(TestSupport::action(m_window.get(), u"action_Import_Configuration_File"_s),
                       {chooseFile(path), closeMessage(&report)}));
    setFormState(m_window.get(), formWith({u"#ID:9"_s, u"#VOLUME:3"_s, u"#BAUDRATE:2"_s}));

    TestSupport::action(m_window.get(), action)->trigger();

    QCOMPARE(checkedLanguage(m_window.get()), action);
    QCOMPARE(texts(m_window.get()), shown);
    QCOMPARE(m_window->windowTitle(), u"Tessaro - Configuration File Generator"_s);
    // Every value back at its default, every check mark as it was.
    QCOMPARE(formState(m_window.get()), formWith({u"#ID:1"_s, u"#VOLUME:32"_s, u"#BAUDRATE:1"_s}));
    // The path field is emptied; the dialogs still start from the last path.
    QVERIFY(pathField(m_window.get())->text().isEmpty());
    QCOMPARE(Tessaro::lastConfigurationPath, path);
}

void TestLanguage::theNextStartRemembers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("Default") << QString() << QByteArray("(default)");
    QTest::newRow("English") << u"action_English"_s << QByteArray("English");
    QTest::newRow("French") << u"action_Fran_ais"_s << QByteArray("French");
}

void TestLanguage::theNextStartRemembers()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, stored);
    QVERIFY(writeFile(preferencesPath(), "a foreign file of the same name\n"));
    startWindow();
    if (!action.isEmpty())
        TestSupport::action(m_window.get(), action)->trigger();
    // Written once, when the window goes, over whatever was there.
    QCOMPARE(readAll(preferencesPath()), QByteArray("a foreign file of the same name\n"));
    m_window.reset();
    QVERIFY(readAll(preferencesPath()).endsWith(QByteArray("*\n" + stored + '\n')));

    startWindow();
    QCOMPARE(checkedLanguage(m_window.get()), action.isEmpty() ? u"actionDefault"_s : action);
    QCOMPARE(texts(m_window.get()), stored == "French" ? french : english);
    // Whatever the language, the window starts with every row ticked at its default.
    QCOMPARE(formState(m_window.get()), formWith({}, true));
}

void TestLanguage::frenchFitsTheWindow()
{
    startWindow();
    TestSupport::action(m_window.get(), u"action_Fran_ais"_s)->trigger();
    QApplication::processEvents();
    // Every list entry fits its box beside the arrow.
    for (QComboBox *combo : m_window->findChildren<QComboBox *>()) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, combo)
                                 .width();
        for (int entry = 0; entry < combo->count(); ++entry)
            QVERIFY2(combo->fontMetrics().horizontalAdvance(combo->itemText(entry)) <= room,
                     qPrintable(combo->itemText(entry)));
    }
    // Each menu's entries have one accelerator each, none twice.
    QList<QWidget *> bars{m_window->menuBar()};
    for (QMenu *menu : m_window->menuBar()->findChildren<QMenu *>())
        bars.append(menu);
    for (const QWidget *bar : std::as_const(bars)) {
        QString letters;
        for (const QAction *entry : bar->actions()) {
            const QString text = entry->text();
            if (entry->isSeparator())
                continue;
            QCOMPARE(text.count(u'&'), 1);
            const QChar letter = text.at(text.indexOf(u'&') + 1).toLower();
            QVERIFY2(!letters.contains(letter), qPrintable(text));
            letters += letter;
        }
    }
}

void TestLanguage::defaultFollowsTheSystemLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("dialog"); // the save dialog's title, then Qt's own Cancel
    QTest::newRow("French system") << u"fr_FR.UTF-8"_s << u"&Fichier"_s
                                   << u"Enregistrer le fichier de configuration|%1|Annuler"_s;
    // Qt's own texts in the language the program's texts are shown in.
    QTest::newRow("German system, not shipped")
            << u"de_DE.UTF-8"_s << u"&File"_s << u"Save Configuration File|%1|Cancel"_s;
    QTest::newRow("C locale") << u"C"_s << u"&File"_s << u"Save Configuration File|%1|Cancel"_s;
}

void TestLanguage::defaultFollowsTheSystemLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, menu);
    QFETCH(QString, dialog);
    QTemporaryDir folder;
    ChildOptions options;
    options.environment = QStringList{u"LC_ALL="_s + locale};
    const QStringList shown =
            probe(folder.path(), {u"action_Generate_Configuration_File"_s}, options);
    QVERIFY(shown.contains(u"checked=actionDefault"_s));
    QVERIFY(shown.contains(u"menu="_s + menu));
    QVERIFY(shown.contains(u"dialog="_s + dialog.arg(folder.filePath(u"config.txt"_s))));
    QVERIFY(readAll(folder.filePath(preferencesName)).endsWith("\n(default)\n"));
}

void TestLanguage::translationFileLookup_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("menu");
    QTest::newRow("built into the program") << QString() << u"&Fichier"_s;
    QTest::newRow("in the current directory") << u"current"_s << u"&Datei"_s;
    QTest::newRow("beside the program") << u"program"_s << u"&Datei"_s;
    QTest::newRow("corrupt, in the current directory") << u"corrupt"_s << u"&Fichier"_s;
}

void TestLanguage::translationFileLookup()
{
    QFETCH(QString, place);
    QFETCH(QString, menu);
    QTemporaryDir current;
    QVERIFY(QDir::setCurrent(current.path()));
    const QString name = u"/LanguageData_fr.qm"_s;
    if (place == u"current")
        QVERIFY(writeTranslation(current.path() + name, u"&amp;Datei"_s));
    else if (place == u"program")
        QVERIFY(writeTranslation(QCoreApplication::applicationDirPath() + name, u"&amp;Datei"_s));
    else if (place == u"corrupt")
        QVERIFY(writeFile(current.path() + name, QByteArray(4096, '\x3c')));
    startWindow();
    TestSupport::action(m_window.get(), u"action_Fran_ais"_s)->trigger();
    QCOMPARE(m_window->findChild<QMenu *>(u"menuFile"_s)->title(), menu);
    QFile::remove(QCoreApplication::applicationDirPath() + name);
}

void TestLanguage::installedProgram()
{
    // An installation: the program in bin/, its data in share/tessaro/.
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(u"bin"_s));
    QVERIFY(QDir(prefix.path()).mkpath(u"share/tessaro/translations"_s));
    QVERIFY(writeTranslation(prefix.filePath(u"share/tessaro/translations/LanguageData_fr.qm"_s),
                             u"&amp;Datei"_s));
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(prefix.filePath(u"share/tessaro/ico256x256Win.ico"_s), "ICO"));
    ChildOptions options;
    options.workingDirectory = prefix.path();
    const QStringList shown = probe(prefix.filePath(u"bin"_s), {u"action_Fran_ais"_s}, options);
    QVERIFY(shown.contains(u"menu=&Datei"_s));
    QVERIFY(shown.contains(u"icon=20x20"_s));
}

void TestLanguage::unwritableProgramFolder()
{
    // An installed program: nobody may write beside it, where an earlier
    // version left a preferences file; the user has a home with Documents.
    QTemporaryDir folder;
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkdir(u"Documents"_s));
    QVERIFY(setMode(home.path(), 0777) && setMode(home.filePath(u"Documents"_s), 0777));
    const QString probeCopy = copyForEveryone(QStringLiteral(WINDOW_PROBE), folder.path());
    QVERIFY(writeFile(folder.filePath(preferencesName), "MSC11.00\n\n\n\n\n\nEnglish\n"));
    QVERIFY(setMode(folder.path(), 0555));
    ChildOptions options;
    options.unprivileged = true;
    options.workingDirectory = folder.path();
    options.environment =
            QStringList{u"HOME="_s + home.path(), u"XDG_CONFIG_HOME="_s + home.path()};

    const ChildResult chosen = runChild(
            probeCopy, {u"action_Fran_ais"_s, u"action_Generate_Configuration_File"_s}, options);
    QVERIFY(chosen.output.contains(
            QString(u"|"_s + home.filePath(u"Documents/config.txt|Annuler"_s)).toUtf8()));
    // Read from where it was written, the user's folder, at the next start.
    QVERIFY(runChild(probeCopy, {}, options).output.contains("checked=action_Fran_ais"));
    QVERIFY(readAll(home.filePath(u"tessaro/"_s + preferencesName)).endsWith("\nFrench\n"));
    QVERIFY(setMode(folder.path(), 0755));
}

TESSARO_WINDOW_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
