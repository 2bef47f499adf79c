// Generating and importing configuration files through the window, with the
// dialogs and message boxes answered as a user would.

#include "configurationfile.h"
#include "files.h"
#include "formaccess.h"
#include "isolatedmain.h"
#include "mainwindow.h"
#include "modalscript.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QStringConverter>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

const QString generateAction = u"action_Generate_Configuration_File"_s;
const QString importAction = u"action_Import_Configuration_File"_s;

QByteArray golden(const char *name)
{
    return readAll(QFINDTESTDATA(u"data/"_s + QLatin1StringView(name)));
}

QString entry(const char *key, int errorLine = 0)
{
    return u"<br>"_s + QString::fromLatin1(key).leftJustified(30, u'-') + u"> "_s
            + (errorLine ? u"ERROR Line(%1)</br>"_s.arg(errorLine) : u"OK</br>"_s);
}

QString report(const QString &entries)
{
    return entries + u"<br></br><br><b>Import configuration file done!</b></br>"_s;
}

// Records where a file dialog started, then cancels it.
ModalScript::Step recordAndCancel(QString *directory, QString *fileName)
{
    return [directory, fileName](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        *directory = dialog->directory().absolutePath();
        *fileName = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->text();
        dialog->reject();
    };
}

// Chooses path, then changes the file system before the command reads it.
ModalScript::Step chooseFileThen(const QString &path, std::function<void()> change)
{
    return [path, change](QWidget *widget) {
        QObject::connect(qobject_cast<QFileDialog *>(widget), &QFileDialog::fileSelected, change);
        chooseFile(path)(widget);
    };
}

} // namespace

class TestConfigurationCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void generateWritesTheTickedRows_data();
    void generateWritesTheTickedRows();
    void generateReplacesAnEarlierFile();
    void generateGivesATypedNameItsExtension_data();
    void generateGivesATypedNameItsExtension();
    void generateReportsAFailedWrite();
    void firstSaveDialogProposesConfigTxtBesideTheProgram();
    void bothDialogsStartFromTheLastChosenPath();
    void importReadsLineByLine_data();
    void importReadsLineByLine();
    void everyValueSurvivesARoundTrip_data();
    void everyValueSurvivesARoundTrip();
    void importRefusesWhatIsNotAConfigurationFile_data();
    void importRefusesWhatIsNotAConfigurationFile();
    void pathIsShownAsItIs_data();
    void pathIsShownAsItIs();
    void longReportsStayOnScreen_data();
    void longReportsStayOnScreen();

private:
    void run(const QString &action, QList<ModalScript::Step> steps);
    ShownMessage generate(const QString &path, bool replacing = false);
    ShownMessage import(const QString &path);

    std::unique_ptr<MainWindow> m_window;
    FormAccess m_form{nullptr};
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestConfigurationCommands::init()
{
    Tessaro::lastConfigurationPath.clear();
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_window = std::make_unique<MainWindow>();
    m_form = FormAccess(m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestConfigurationCommands::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

void TestConfigurationCommands::run(const QString &action, QList<ModalScript::Step> steps)
{
    ModalScript script(std::move(steps));
    m_form.action(action)->trigger();
    QVERIFY2(script.finished(), qPrintable(script.unexpectedDialogs().join(u", ")));
}

ShownMessage TestConfigurationCommands::generate(const QString &path, bool replacing)
{
    ShownMessage shown;
    QList<ModalScript::Step> steps{chooseFile(path)};
    if (replacing)
        steps.append(confirmReplace());
    steps.append(closeMessage(&shown));
    run(generateAction, steps);
    return shown;
}

ShownMessage TestConfigurationCommands::import(const QString &path)
{
    ShownMessage shown;
    run(importAction, {chooseFile(path), closeMessage(&shown)});
    return shown;
}

void TestConfigurationCommands::generateWritesTheTickedRows_data()
{
    QTest::addColumn<QStringList>("form");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("every row at its default") << formWith({}, true) << golden("default-config.txt");
    QTest::newRow("the example form")
            << QStringList{u"ID=5"_s,         u"Volume=7"_s,     u"Power=1"_s,
                           u"Monitor=2"_s,    u"Boot=12"_s,      u"Input01=0"_s,
                           u"Input02=1"_s,    u"Input03=2"_s,    u"Input04=3"_s,
                           u"Input05=4"_s,    u"Input06=5"_s,    u"Input07=6"_s,
                           u"Input08=7"_s,    u"Input09=129"_s,  u"Input10=1005"_s,
                           u"Input11=1006"_s, u"Input12=1047"_s, u"Input13=2004"_s,
                           u"Input14=20"_s,   u"Input15=21"_s,   u"Button1=5"_s,
                           u"Button2=4"_s,    u"Baudrate=1"_s}
            << golden("example-config.txt");
    QTest::newRow("nothing ticked") << formWith({}) << QByteArray();
    QTest::newRow("volume and baud rate") << formWith({u"Baudrate=2"_s, u"Volume=0"_s})
                                          << QByteArray("#VOLUME:00\r\n#BAUDRATE:38400\r\n");
}

void TestConfigurationCommands::generateWritesTheTickedRows()
{
    QFETCH(QStringList, form);
    QFETCH(QByteArray, bytes);

    m_form.setState(form);
    const QString path = m_folder->filePath(u"config.txt"_s);
    const ShownMessage shown = generate(path);

    QCOMPARE(readAll(path), bytes);
    QCOMPARE(shown.title, u"Generate Configuration File"_s);
    QCOMPARE(shown.text, u"<b>Create configuration file done!</b>"_s);
    QCOMPARE(shown.icon, QMessageBox::Information);
    QCOMPARE(shown.buttons, QStringList{u"OK"_s});
    QCOMPARE(m_form.label(u"label_Generate_Path"_s)->text(), path);
    QCOMPARE(Tessaro::lastConfigurationPath, path);
    // Generating only reads the form.
    QCOMPARE(m_form.state(), form);
}

void TestConfigurationCommands::generateReplacesAnEarlierFile()
{
    const QString path = m_folder->filePath(u"config.txt"_s);
    generate(path);
    m_form.action(u"action_Unselect_All_options"_s)->trigger();
    m_form.setTicked(u"Boot"_s, true);
    m_form.setValue(u"Boot"_s, 999);
    const ShownMessage shown = generate(path, true);
    QCOMPARE(shown.icon, QMessageBox::Information);
    QCOMPARE(readAll(path), QByteArray("#BOOT:999\r\n"));
}

void TestConfigurationCommands::generateGivesATypedNameItsExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << u"myconfig"_s << u"myconfig.txt"_s;
    QTest::newRow("txt") << u"device.txt"_s << u"device.txt"_s;
    QTest::newRow("another extension") << u"device.cfg"_s << u"device.cfg"_s;
}

void TestConfigurationCommands::generateGivesATypedNameItsExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    generate(m_folder->filePath(typed));
    const QString path = m_folder->filePath(written);
    QCOMPARE(readAll(path), golden("default-config.txt"));
    QCOMPARE(m_form.label(u"label_Generate_Path"_s)->text(), path);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{written});
}

void TestConfigurationCommands::generateReportsAFailedWrite()
{
    // The chosen name turns into a folder before the file is written.
    const QString path = m_folder->filePath(u"config.txt"_s);
    ShownMessage shown;
    run(generateAction,
        {chooseFileThen(path, [path] { QDir().mkdir(path); }), closeMessage(&shown)});

    QCOMPARE(shown.title, u"Generate Configuration File"_s);
    QCOMPARE(shown.text, u"Impossible to create configuration file!"_s);
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(m_form.label(u"label_Generate_Path"_s)->text(), path);
    QCOMPARE(Tessaro::lastConfigurationPath, path);
}

void TestConfigurationCommands::firstSaveDialogProposesConfigTxtBesideTheProgram()
{
    QString directory;
    QString fileName;
    run(generateAction, {recordAndCancel(&directory, &fileName)});
    QCOMPARE(directory, QCoreApplication::applicationDirPath());
    QCOMPARE(fileName, u"config.txt"_s);
    QVERIFY(m_form.label(u"label_Generate_Path"_s)->text().isEmpty());
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + u"/config.txt"_s));

    // The proposal stays, so the open dialog starts from it too.
    run(importAction, {recordAndCancel(&directory, &fileName)});
    QCOMPARE(directory, QCoreApplication::applicationDirPath());
    QVERIFY(m_form.label(u"label_Generate_Path"_s)->text().isEmpty());
}

void TestConfigurationCommands::bothDialogsStartFromTheLastChosenPath()
{
    const QString imported = m_folder->filePath(u"imported.txt"_s);
    QVERIFY(writeFile(imported, "#ID:9\r\n"));
    import(imported);

    QString directory;
    QString fileName;
    run(generateAction, {recordAndCancel(&directory, &fileName)});
    QCOMPARE(directory, m_folder->path());
    QCOMPARE(fileName, u"imported.txt"_s);

    QVERIFY(QDir(m_folder->path()).mkdir(u"other"_s));
    const QString generated = m_folder->filePath(u"other/generated.txt"_s);
    generate(generated);
    run(importAction, {recordAndCancel(&directory, &fileName)});
    QCOMPARE(directory, m_folder->filePath(u"other"_s));
    QCOMPARE(fileName, u"generated.txt"_s);
    QCOMPARE(m_form.label(u"label_Generate_Path"_s)->text(), generated);
}

void TestConfigurationCommands::importReadsLineByLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QStringList>("form");

    const auto row = [](const char *name, const QByteArray &content, const QString &entries,
                        const QStringList &ticked) {
        QTest::newRow(name) << content << entries << formWith(ticked);
    };
    row("empty file", "", QString(), {});
    row("ID, one blank", "#ID: 12\r\n", entry("#ID:"), {u"ID=12"_s});
    row("ID, two blanks take the window", "#ID:  12\r\n", entry("#ID:"), {u"ID=1"_s});
    row("ID with a letter", "#ID:1a2", entry("#ID:"), {u"ID=12"_s});
    row("ID with a sign", "#ID:-5\n", entry("#ID:"), {u"ID=5"_s});
    row("ID without value", "#ID:\n", entry("#ID:", 1), {u"ID=1"_s});
    row("ID 0 is refused", "#ID:000\n", entry("#ID:", 1), {u"ID=1"_s});
    row("Arabic-Indic digit",
        "#ID:1\xd9\xa3"
        "2\n",
        entry("#ID:"), {u"ID=12"_s});
    row("volume in two characters", "#VOLUME:100\n", entry("#VOLUME:"), {u"Volume=10"_s});
    row("boot in three characters", "#BOOT:1234\n", entry("#BOOT:"), {u"Boot=123"_s});
    row("power in one character", "#POWER:10\n", entry("#POWER:"), {u"Power=1"_s});
    row("monitoring 4 is refused", "#RS_MONITORING:4\n", entry("#RS_MONITORING:", 1),
        {u"Monitor=0"_s});
    row("115200 baud is refused", "#BAUDRATE:115200\n", entry("#BAUDRATE:", 1), {u"Baudrate=1"_s});
    row("09600 baud", "#BAUDRATE:09600\n", entry("#BAUDRATE:"), {u"Baudrate=0"_s});
    row("9600 baud with a word", "#BAUDRATE:9600 baud\n", entry("#BAUDRATE:"), {u"Baudrate=0"_s});
    row("keys in other spellings", "#id:5\nID:5\nx#ID:5\n#ID 5\n", QString(), {});
    row("blanks around a line", "   #BOOT:12   \r\n", entry("#BOOT:"), {u"Boot=12"_s});
    row("PLAYLIST begins with PLAY", "#INPUT01:PLAYLIST\n", entry("#INPUT01:"), {u"Input01=0"_s});
    row("blank before the name", "#INPUT05: PLAY\n", entry("#INPUT05:", 1), {u"Input05=11"_s});
    row("lower-case name", "#INPUT01:play\n", entry("#INPUT01:", 1), {u"Input01=7"_s});
    row("short folder number", "#INPUT01:FOLDER12\n", entry("#INPUT01:", 1), {u"Input01=7"_s});
    row("RS000", "#INPUT01:RS000\n", entry("#INPUT01:", 1), {u"Input01=7"_s});
    row("RS999", "#BUTTON2:RS999\n", entry("#BUTTON2:"), {u"Button2=2004"_s});
    row("a refused line among good ones", "#ID:5\r\n#VOLUME:10\r\n#POWER:7\r\n#BOOT:3\r\n",
        entry("#ID:") + entry("#VOLUME:") + entry("#POWER:", 3) + entry("#BOOT:"),
        {u"ID=5"_s, u"Volume=10"_s, u"Power=0"_s, u"Boot=3"_s});
    row("line numbers count every line", "; settings\n\n#BOOT:x\n#VOLUME:1\n",
        entry("#BOOT:", 3) + entry("#VOLUME:"), {u"Boot=0"_s, u"Volume=1"_s});
    row("the last accepted value stays", "#VOLUME:10\n#VOLUME:20\n",
        entry("#VOLUME:") + entry("#VOLUME:"), {u"Volume=20"_s});
    row("a refused repeat keeps the earlier value", "#VOLUME:10\n#VOLUME:99\n",
        entry("#VOLUME:") + entry("#VOLUME:", 2), {u"Volume=10"_s});
    QStringEncoder toUtf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    row("UTF-16 with its byte-order mark", toUtf16(u"#ID:5\r\n#INPUT02:RS010\r\n"_s),
        entry("#ID:") + entry("#INPUT02:"), {u"ID=5"_s, u"Input02=1015"_s});
    row("UTF-8 byte-order mark", "\xef\xbb\xbf#ID:5\r\n#VOLUME:6\r\n",
        entry("#ID:") + entry("#VOLUME:"), {u"ID=5"_s, u"Volume=6"_s});
    row("no line end at the end", "#ID:5\r\n#VOLUME:6", entry("#ID:") + entry("#VOLUME:"),
        {u"ID=5"_s, u"Volume=6"_s});

    // Files that are no configuration files at all still end in a report.
    QByteArray noise(64 * 1024, '\0');
    QRandomGenerator random(7);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    row("random bytes", noise.replace('#', '@'), QString(), {});
    row("NUL bytes",
        QByteArray(4096, '\0')
                + "\n#ID:\0"
                  "5\n\0#ID:9\n"_ba,
        entry("#ID:"), {u"ID=5"_s});
    row("invalid UTF-8",
        "#ID:\xff"
        "12\n#INPUT01:\xc3(PLAY\n#BOOT:\xe2\x82\n",
        entry("#ID:") + entry("#INPUT01:", 2) + entry("#BOOT:", 3),
        {u"ID=12"_s, u"Input01=7"_s, u"Boot=0"_s});
    row("one line of 1 MiB", "#BOOT:" + QByteArray(1024 * 1024 - 6, '7'), entry("#BOOT:"),
        {u"Boot=777"_s});
}

void TestConfigurationCommands::importReadsLineByLine()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, entries);
    QFETCH(QStringList, form);

    // Whatever the form held before, the file alone decides it afterwards.
    m_form.setValue(u"ID"_s, 99);
    m_form.setValue(u"Input01"_s, 1500);
    const QString path = m_folder->filePath(u"config.txt"_s);
    QVERIFY(writeFile(path, content));
    const ShownMessage shown = import(path);

    QCOMPARE(shown.title, u"Import Configuration File"_s);
    QCOMPARE(shown.text, report(entries));
    QCOMPARE(shown.icon, QMessageBox::Information);
    QCOMPARE(shown.buttons, QStringList{u"OK"_s});
    QCOMPARE(m_form.state(), form);
    QCOMPARE(m_form.label(u"label_Generate_Path"_s)->text(), path);
}

void TestConfigurationCommands::everyValueSurvivesARoundTrip_data()
{
    // Each round sets every row to another value; together the rounds cover
    // all 2005 function entries, the three baud rates and the spin box bounds.
    QTest::addColumn<QStringList>("form");
    const QList<int> ids{1, 127, 64};
    const QList<int> volumes{0, 64, 33};
    const QList<int> boots{0, 999, 500};
    const int functionRows = 17;
    const int rounds = (2005 + functionRows - 1) / functionRows;
    for (int round = 0; round < rounds; ++round) {
        QStringList form{u"ID=%1"_s.arg(ids[round % 3]), u"Volume=%1"_s.arg(volumes[round % 3]),
                         u"Power=%1"_s.arg(round % 2), u"Monitor=%1"_s.arg(round % 4),
                         u"Boot=%1"_s.arg(boots[round % 3])};
        for (int row = 0; row < functionRows; ++row) {
            const int entry = std::min(round * functionRows + row, 2004);
            form.append(rowStems[5 + row] + u'=' + QString::number(entry));
        }
        form.append(u"Baudrate=%1"_s.arg(round % 3));
        // Some rounds leave rows out: they must come back unticked.
        if (round % 5 == 4) {
            for (int row : {1, 7, 22})
                form[row] = u"-"_s + rowStems[row] + u'=' + form[row].section(u'=', 1);
        }
        QTest::addRow("round %d", round) << form;
    }
}

void TestConfigurationCommands::everyValueSurvivesARoundTrip()
{
    QFETCH(QStringList, form);
    m_form.setState(form);
    const QString path = m_folder->filePath(u"config.txt"_s);
    generate(path);
    m_form.action(u"actionDefault_settings"_s)->trigger();
    m_form.action(u"action_Select_All_Options"_s)->trigger();

    const ShownMessage shown = import(path);
    QCOMPARE(shown.icon, QMessageBox::Information);
    QVERIFY(!shown.text.contains(u"ERROR"));
    // Rows left out come back unticked at their defaults.
    QStringList expected = form;
    const QStringList defaults = formWith({});
    for (int row = 0; row < expected.size(); ++row) {
        if (expected[row].startsWith(u'-'))
            expected[row] = defaults[row];
    }
    QCOMPARE(m_form.state(), expected);
}

void TestConfigurationCommands::importRefusesWhatIsNotAConfigurationFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    const QString missing = u"The specified configuration file does not exist!"_s;
    const QString unreadable = u"The specified configuration file cannot be opened!"_s;
    QTest::newRow("deleted after choosing") << u"deleted"_s << missing;
    QTest::newRow("replaced by a folder") << u"folder"_s << unreadable;
    QTest::newRow("FIFO") << u"fifo"_s << unreadable;
    QTest::newRow("device") << u"device"_s << unreadable;
    QTest::newRow("over 1 MiB") << u"oversized"_s << unreadable;
}

void TestConfigurationCommands::importRefusesWhatIsNotAConfigurationFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);

    m_form.setTicked(u"Power"_s, false);
    m_form.setValue(u"ID"_s, 99);
    const QStringList before = m_form.state();

    QString path = m_folder->filePath(u"config.txt"_s);
    std::function<void()> change = [] {
    };
    if (kind == u"deleted") {
        QVERIFY(writeFile(path, "#ID:5\r\n"));
        change = [path] {
            QFile::remove(path);
        };
    } else if (kind == u"folder") {
        QVERIFY(writeFile(path, "#ID:5\r\n"));
        change = [path] {
            QFile::remove(path) && QDir().mkdir(path);
        };
    } else if (kind == u"fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == u"device") {
        path = u"/dev/zero"_s;
    } else {
        QVERIFY(writeFile(path, QByteArray("#ID:5\r\n").repeated(150000)));
    }
    ShownMessage shown;
    run(importAction, {chooseFileThen(path, change), closeMessage(&shown)});

    QCOMPARE(shown.title, u"Import Configuration File"_s);
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(m_form.state(), before);
    QCOMPARE(m_form.label(u"label_Generate_Path"_s)->text(), path);
    QCOMPARE(Tessaro::lastConfigurationPath, path);
}

void TestConfigurationCommands::pathIsShownAsItIs_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("bold and italic tags") << u"<b>x<i>y.txt"_s;
    QTest::newRow("image tag") << u"<img src=a.png>.txt"_s;
}

void TestConfigurationCommands::pathIsShownAsItIs()
{
    QFETCH(QString, name);
    const QString path = m_folder->filePath(name);
    const ShownMessage shown = generate(path);
    QCOMPARE(shown.icon, QMessageBox::Information);
    QVERIFY(QFile::exists(path));
    QLabel *label = m_form.label(u"label_Generate_Path"_s);
    QCOMPARE(label->text(), path);
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TestConfigurationCommands::longReportsStayOnScreen_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("scrollable");
    QTest::newRow("a full form") << 23 << false;
    QTest::newRow("30 entries") << 30 << false;
    QTest::newRow("31 entries") << 31 << true;
    QTest::newRow("500 entries") << 500 << true;
    QTest::newRow("1 MiB of lines") << 104857 << true;
}

void TestConfigurationCommands::longReportsStayOnScreen()
{
    QFETCH(int, entries);
    QFETCH(bool, scrollable);

    // Alternately accepted and refused lines of ten bytes.
    QByteArray content;
    QString expectedEntries;
    for (int line = 1; line <= entries; ++line) {
        content += line % 2 ? "#POWER:1\r\n" : "#POWER:9\r\n";
        expectedEntries += line % 2 ? entry("#POWER:") : entry("#POWER:", line);
    }
    QVERIFY(content.size() <= Tessaro::maximumConfigurationFileSize);
    const QString path = m_folder->filePath(u"long.txt"_s);
    QVERIFY(writeFile(path, content));

    QString text;
    QRect box;
    QRect screen;
    QRect okButton;
    int viewLines = 0;
    bool viewScrolls = false;
    const auto inspect = [&](QWidget *widget) {
        auto *message = qobject_cast<QMessageBox *>(widget);
        text = message->text();
        box = message->frameGeometry();
        screen = message->screen()->availableGeometry();
        QAbstractButton *ok = message->buttons().value(0);
        okButton = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
        if (auto *view = message->findChild<QPlainTextEdit *>(u"reportView"_s)) {
            viewLines = view->isVisible() ? view->blockCount() : 0;
            viewScrolls = view->verticalScrollBar()->maximum() > 0;
            // Every entry fits across: no scrolling sideways.
            QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
        }
        ok->click();
    };
    run(importAction, {chooseFile(path), inspect});

    QCOMPARE(text, report(expectedEntries));
    QVERIFY2(screen.contains(box), qPrintable(u"%1 px high"_s.arg(box.height())));
    QVERIFY(box.contains(okButton));
    QCOMPARE(viewLines, scrollable ? entries : 0);
    QCOMPARE(viewScrolls, scrollable);
    QCOMPARE(m_form.state(), formWith({u"Power=1"_s}));
}

TESSARO_ISOLATED_GUI_TEST_MAIN(TestConfigurationCommands)
#include "tst_configurationcommands.moc"
