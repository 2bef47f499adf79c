// Generating and importing configuration files through the window, with the
// dialogs and message boxes answered as a user would.

#include "core/format/configurationfile.h"
#include "core/format/configurationformat.h"
#include "core/format/importreport.h"
#include "gui/mainwindow.h"
#include "support/files.h"
#include "support/formaccess.h"
#include "support/modalscript.h"
#include "support/testmain.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QTreeWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace TestSupport;

const QString generate = u"action_Generate_Configuration_File"_s;
const QString import = u"action_Import_Configuration_File"_s;

class TestConfigurationCommands : public WindowTest
{
    Q_OBJECT

private slots:
    void generateWritesTheTickedRows();
    void importFillsTheFormAndReports_data();
    void importFillsTheFormAndReports();
    void failuresAreReported_data();
    void failuresAreReported();
    void generateForSeveralUnits();
    void importRecent();
    void compareWithFile();

private:
    QAction *command(const QString &name) const { return action(window.get(), name); }
};

void TestConfigurationCommands::generateWritesTheTickedRows()
{
    QTemporaryDir folder;
    // A name typed without an extension gets ".txt", in a folder whose name
    // alone is wider than any screen; the name shows as it is, markup and all.
    QVERIFY(QDir(folder.path()).mkdir(QString(200, u'x')));
    const QString typed = folder.filePath(QString(200, u'x') + u"/&lt;b&gt;unit"_s);
    const QString path = typed + u".txt"_s;
    QVERIFY(writeFile(path, "an older file\n"));
    // The ID field left blank, as Ctrl+U leaves it: what it shows is written.
    auto *id = window->findChild<QSpinBox *>(u"spinBox_ID"_s);
    id->setFocus();
    id->clear();
    const int width = window->width();
    ShownMessage shown;
    QVERIFY(runCommand(command(generate),
                       {chooseFile(typed), confirmReplace(), closeMessage(&shown)}));

    QCOMPARE(readAll(path), readAll(QFINDTESTDATA("data/default-config.txt")));
    QCOMPARE(id->text(), u"1"_s);
    QCOMPARE(shown.title, u"Generate Configuration File"_s);
    QCOMPARE(shown.text, u"<b>Create configuration file done!</b>"_s);
    QCOMPARE(shown.icon, QMessageBox::Information);
    QCOMPARE(pathField(window.get())->text(), QDir::toNativeSeparators(path));
    QCOMPARE(pathField(window.get())->textFormat(), Qt::PlainText);
    QCOMPARE(pathField(window.get())->toolTip(), QDir::toNativeSeparators(path));
    QCOMPARE(window->width(), width);
    // Both dialogs, from the tool bar too, start from it now, also after one was cancelled.
    for (const QString &name : {u"action_Generate_Configuration_File_ToolBar"_s,
                                u"action_Import_Configuration_File_Toolbar"_s}) {
        QString proposed;
        QVERIFY(runCommand(command(name), {recordAndCancel(&proposed)}));
        QCOMPARE(proposed, path);
    }
}

void TestConfigurationCommands::importFillsTheFormAndReports_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("lines"); // of a file alternating accepted and refused lines
    QTest::newRow("a few lines, from the dialog") << u"dialog"_s << 5;
    QTest::newRow("a few lines, dropped on the window") << u"drop"_s << 5;
    QTest::newRow("30 lines: the report fits") << u"dialog"_s << 30;
    QTest::newRow("31 lines: the report scrolls") << u"dialog"_s << 31;
    QTest::newRow("1 MiB of lines") << u"dialog"_s << 74897;
}

void TestConfigurationCommands::importFillsTheFormAndReports()
{
    QTemporaryDir folder;
    QFETCH(QString, how);
    QFETCH(int, lines);
    // Whatever the form held before, the file alone decides it afterwards.
    setFormState(window.get(), formWith({u"#ID:99"_s, u"#INPUT01:1500"_s}, true));
    QByteArray content;
    for (int line = 1; line <= lines; ++line)
        content += line % 2 ? "#POWER:1\r\n" : "#RS_MONITORING:9\r\n"; // refused, widest key
    const QString path = folder.filePath(u"config.txt"_s);
    QVERIFY(writeFile(path, content));

    const auto recognised = Tessaro::readConfiguration(content).recognised;
    const auto inspect = [&](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        QAbstractButton *ok = box->buttons().value(0);
        // On the screen, its OK button with it, however long the report.
        QVERIFY(box->screen()->availableGeometry().contains(box->frameGeometry()));
        QVERIFY(box->frameGeometry().contains(QRect(ok->mapToGlobal(QPoint()), ok->size())));
        QCOMPARE(box->windowTitle(), u"Import Configuration File"_s);
        QCOMPARE(box->icon(), QMessageBox::Information);
        QCOMPARE(box->text(), Tessaro::importReport(recognised));
        auto *view = box->findChild<QListView *>(u"reportView"_s);
        QCOMPARE(view && view->isVisible(), lines > 30); // the entries in a scrolling list
        if (view) {
            QVERIFY(view->viewport()->width() >= view->sizeHintForColumn(0)); // each entry whole
            QCOMPARE(view->viewport()->height() / view->sizeHintForRow(0), 20); // rows on screen
            const QStringList shown = uses(box);
            QCOMPARE(shown, golden(u"data/window/report-uses.txt"_s, shown));
            QTest::keySequence(view, QKeySequence::SelectAll); // copied as a user would
            QTest::keySequence(view, QKeySequence::Copy);
            QCOMPARE(QGuiApplication::clipboard()->text().split(u'\n'),
                     Tessaro::reportEntries(recognised));
        }
        ok->click();
    };
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(path)});
    dropped.setText(path); // as file managers offer it too
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    // One local file may be dropped; two, like a folder or a remote file, may not.
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)});
    QDragEnterEvent refused(QPoint(50, 50), Qt::CopyAction, &two, Qt::LeftButton, {});
    // Dropped on a value's text field, which takes no text dropped.
    QWidget *target = named(window.get(), u"spinBox_ID"_s)->findChild<QLineEdit *>();
    const auto dropFile = [&] {
        QApplication::sendEvent(target, &refused);
        QVERIFY(!refused.isAccepted());
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted()); // the dragging program is told it was taken
    };
    QVERIFY(how == u"drop" ? runCommand(dropFile, {inspect})
                           : runCommand(command(import), {chooseFile(path), inspect}));

    QCOMPARE(formState(window.get()), formWith({u"#POWER:1"_s, u"#RS_MONITORING:0"_s}));
    QCOMPARE(pathField(window.get())->text(), QDir::toNativeSeparators(path));
    QCOMPARE(Tessaro::lastConfigurationPath, path);
}

void TestConfigurationCommands::failuresAreReported_data()
{
    QTest::addColumn<QString>("name");   // of the command
    QTest::addColumn<QString>("change"); // what happens to the file once chosen
    QTest::addColumn<QString>("message");
    QTest::newRow("generate, the name turned into a folder")
            << generate << u"folder"_s << u"Impossible to create configuration file!"_s;
    QTest::newRow("import, the file deleted")
            << import << u"deleted"_s << u"The specified configuration file does not exist!"_s;
}

void TestConfigurationCommands::failuresAreReported()
{
    QTemporaryDir folder;
    QFETCH(QString, name);
    QFETCH(QString, change);
    QFETCH(QString, message);
    const Tessaro::FormSettings before = formWith({u"#ID:99"_s});
    setFormState(window.get(), before);
    const QString path = folder.filePath(u"config.txt"_s);
    if (change == u"deleted")
        QVERIFY(writeFile(path, "#ID:5\r\n"));
    const auto changeFile = [path, change] {
        if (change == u"deleted")
            QFile::remove(path);
        else if (change == u"folder")
            QDir().mkdir(path);
    };
    ShownMessage shown;
    QVERIFY(runCommand(command(name), {chooseFile(path, changeFile), closeMessage(&shown)}));
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(formState(window.get()), before);
    QCOMPARE(pathField(window.get())->text(), QDir::toNativeSeparators(path));
    QCOMPARE(Tessaro::lastConfigurationPath, path);
}

void TestConfigurationCommands::generateForSeveralUnits()
{
    QTemporaryDir folder;
    // Unit 2 has a file already, and unit 3 a folder in its file's place:
    // both named before anything is written; after one yes, unit 2's file
    // is replaced and unit 3 is said to have failed, and why.
    const QString second = folder.filePath(u"ID002/config.txt"_s);
    const QString third = folder.filePath(u"ID003/config.txt"_s);
    QVERIFY(QDir().mkpath(third) && QDir(folder.path()).mkdir(u"ID002"_s));
    QVERIFY(writeFile(second, "#ID:099\r\n"));
    setFormState(window.get(), formWith({u"#ID:99"_s, u"#VOLUME:7"_s}));
    const auto chooseThreeUnits = [&folder](QWidget *dialog) {
        const QStringList shown = uses(dialog);
        QCOMPARE(shown, golden(u"data/window/units-uses.txt"_s, shown));
        QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        auto *name = dialog->findChild<QLineEdit *>(u"lineEdit_Name"_s);
        const QString pattern = name->text();
        name->setText(u"unit"_s); // no place for the ID
        QVERIFY(!ok->isEnabled());
        QCOMPARE(dialog->findChild<QLabel *>(u"label_Reason"_s)->text(),
                 u"The folder name must hold %1"_s);
        name->setText(pattern);
        dialog->findChild<QSpinBox *>(u"spinBox_Last"_s)->setValue(3);
        dialog->findChild<QLineEdit *>(u"lineEdit_Folder"_s)->setText(folder.path());
        ok->click();
    };
    // No to replacing: back in the dialog, as it was left.
    const auto declineReplace = [](QWidget *question) {
        qobject_cast<QMessageBox *>(question)->button(QMessageBox::No)->click();
    };
    const auto keptThreeUnits = [](QWidget *dialog) {
        auto *files = dialog->findChild<QListWidget *>(u"listWidget_Files"_s);
        QCOMPARE(files->count(), 3);
        QCOMPARE(files->item(2)->text(), QDir::toNativeSeparators(u"ID003/config.txt"_s));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    };
    QString named;
    const auto replace = [&named](QWidget *question) {
        named = qobject_cast<QMessageBox *>(question)->informativeText();
        confirmReplace()(question);
    };
    // Cancel closes the dialog, and nothing follows.
    QVERIFY(runCommand(
            action(window.get(), u"action_Generate_For_Several_Units"_s), {[](QWidget *dialog) {
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
            }}));
    ShownMessage shown;
    QVERIFY(runCommand(action(window.get(), u"action_Generate_For_Several_Units"_s),
                       {chooseThreeUnits, declineReplace, keptThreeUnits, replace,
                        closeMessage(&shown)}));

    QCOMPARE(named, QDir::toNativeSeparators(second + u'\n' + third));
    for (int id = 1; id <= 2; ++id)
        QCOMPARE(readAll(folder.filePath(u"ID%1/config.txt"_s.arg(id, 3, 10, QChar(u'0')))),
                 u"#ID:%1\r\n#VOLUME:07\r\n"_s.arg(id, 3, 10, QChar(u'0')).toLatin1());
    QCOMPARE(shown.text, u"<b>Files written: 2.</b>"_s);
    QCOMPARE(shown.informative,
             u"Files not written, and why:\n"_s + QDir::toNativeSeparators(third)
                     + u": It is not a regular file"_s);
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(pathField(window.get())->text(), QDir::toNativeSeparators(folder.path()));

    // The dialog starts as it was accepted. Over 20 units a progress dialog
    // counts them; stopped there, the box says which IDs have their file.
    const auto chooseMany = [](QWidget *dialog) {
        QCOMPARE(dialog->findChild<QSpinBox *>(u"spinBox_Last"_s)->value(), 3);
        dialog->findChild<QSpinBox *>(u"spinBox_First"_s)->setValue(10);
        dialog->findChild<QSpinBox *>(u"spinBox_Last"_s)->setValue(40);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    };
    QVERIFY(runCommand(action(window.get(), u"action_Generate_For_Several_Units"_s),
                       {chooseMany,
                        [](QWidget *progress) { qobject_cast<QProgressDialog *>(progress)->cancel(); },
                        closeMessage(&shown)}));
    const QRegularExpressionMatch stopped =
            QRegularExpression(u"^<b>Files written: (\\d+) \\(IDs 10 to (\\d+)\\)\\.</b> "
                               u"Stopped by the user\\.$"_s)
                    .match(shown.text);
    QVERIFY2(stopped.hasMatch(), qPrintable(shown.text));
    QCOMPARE(stopped.captured(2).toInt(), 9 + stopped.captured(1).toInt());
}

void TestConfigurationCommands::importRecent()
{
    QTemporaryDir folder;
    const QString kept = folder.filePath(u"a&b.txt"_s);
    // A character that could reorder the menu's line, which any system's names may hold.
    const QString gone = folder.filePath(u"gone\u202e.txt"_s);
    QVERIFY(writeFile(kept, "#VOLUME:20\r\n"));
    auto *recent = named<QMenu>(window.get(), u"menu_Import_Recent"_s);
    QVERIFY(!recent->menuAction()->isEnabled()); // none yet
    // Generated, then imported: the newest first, kept for the next start.
    ShownMessage shown;
    QVERIFY(runCommand(command(generate), {chooseFile(gone), closeMessage(&shown)}));
    QVERIFY(runCommand(command(import), {chooseFile(kept), closeMessage(&shown)}));
    QVERIFY(QFile::remove(gone));
    startWindow();
    recent = named<QMenu>(window.get(), u"menu_Import_Recent"_s);
    recent->popup(QPoint());
    QStringList entries;
    for (const QAction *entry : recent->actions())
        entries << u"%1 %2 %3"_s.arg(entry->text(), entry->toolTip()).arg(entry->isEnabled());
    const QString place = QDir::toNativeSeparators(folder.path());
    QCOMPARE(entries, QStringList({u"&1 a&&b.txt %1 1"_s.arg(place),
                                   u"&2 gone\\u202e.txt %1 0"_s.arg(place), u"  1"_s,
                                   u"&Clear List Clear List 1"_s}));
    // An entry imports as Import does: the report, the form, the path.
    setFormState(window.get(), formWith({u"#ID:99"_s}));
    QVERIFY(runCommand(recent->actions().constFirst(), {closeMessage(&shown)}));
    QCOMPARE(shown.text, Tessaro::importReport(Tessaro::readConfiguration("#VOLUME:20").recognised));
    QCOMPARE(formState(window.get()), formWith({u"#VOLUME:20"_s}));
    QCOMPARE(pathField(window.get())->text(), QDir::toNativeSeparators(kept));
    recent->hide();
    recent->popup(QPoint()); // opened again: made afresh, nothing twice
    QCOMPARE(recent->actions().size(), entries.size());
    recent->actions().constLast()->trigger();
    recent->hide();
    QVERIFY(!recent->menuAction()->isEnabled());
}

void TestConfigurationCommands::compareWithFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"config.txt"_s);
    // VOLUME and POWER differ, INPUT01 is missing; a line the unit does not know.
    QVERIFY(writeFile(path, "#ID:001\r\n#VOLUME:20\r\nhello\r\n#POWER:0\r\n"));
    setFormState(window.get(),
                 formWith({u"#ID:1"_s, u"#VOLUME:32"_s, u"#POWER:1"_s, u"#INPUT01:6"_s}));
    const auto look = [](QWidget *dialog, QStringList *seen) {
        *seen << named<QLabel>(dialog, u"label_Heading"_s)->text();
        auto *rows = named<QTreeWidget>(dialog, u"treeWidget_Differences"_s);
        for (int i = 0; rows->isVisible() && i < rows->topLevelItemCount(); ++i)
            *seen << rows->topLevelItem(i)->text(0) + u" | "_s + rows->topLevelItem(i)->text(1)
                            + u" | "_s + rows->topLevelItem(i)->text(2);
        auto *findings = named<QListWidget>(dialog, u"listWidget_Findings"_s);
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->buddy() == findings && label->isVisible())
                *seen << label->text();
        }
        for (int i = 0; findings->isVisible() && i < findings->count(); ++i)
            *seen << findings->item(i)->text();
    };
    QStringList seen;
    ShownMessage report;
    QVERIFY(runCommand(command(u"action_Compare_With_File"_s),
                       {[&](QWidget *dialog) {
                            seen << dialog->windowTitle();
                            chooseFile(path)(dialog);
                        },
                        [&](QWidget *dialog) {
                            look(dialog, &seen);
                            named<QPushButton>(dialog, u"pushButton_Import"_s)->click();
                        },
                        closeMessage(&report)}));
    QCOMPARE(formState(window.get()), formWith({u"#ID:1"_s, u"#VOLUME:20"_s, u"#POWER:0"_s}));
    // Compared again, once imported and the unknown line gone: the same, and
    // nothing else shown; the dialog closes on Escape.
    QVERIFY(writeFile(path, "#ID:001\r\n#VOLUME:20\r\n#POWER:0\r\n"));
    QVERIFY(runCommand(command(u"action_Compare_With_File"_s),
                       {chooseFile(path), [&](QWidget *dialog) {
                            look(dialog, &seen);
                            QTest::keyClick(dialog, Qt::Key_Escape);
                        }}));
    QCOMPARE(seen, QStringList({u"Compare with File"_s,
                                u"config.txt and the form differ in these rows:"_s,
                                u"Player digital volume (#VOLUME) | 20 | 32"_s,
                                u"Energy Saving Mode (#POWER) | Off (0) | On (1)"_s,
                                u"Input 1 function (#INPUT01) | not written | "
                                u"Folder 000 (FOLDER000)"_s,
                                u"What the unit reads otherwise than the file says:"_s,
                                u"Line 3: \"hello\" not recognised"_s,
                                u"The file and the form are the same."_s}));
    QCOMPARE(formState(window.get()), formWith({u"#ID:1"_s, u"#VOLUME:20"_s, u"#POWER:0"_s}));
}

QTEST_MAIN(TestConfigurationCommands)
#include "tst_configurationcommands.moc"
