// Write to Cards: cards made while the dialog is open, by cards.sh (Linux) or
// windowscards.sh (Wine).

#include "core/cards/cardsource.h"
#include "core/format/configurationformat.h"
#include "core/unitfiles.h"
#include "support/cards.h"
#include "support/files.h"
#include "support/formaccess.h"
#include "support/modalscript.h"
#include "support/systemfiles.h"
#include "support/testmain.h"

#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace TestSupport;

class TestCardsDialog : public WindowTest
{
    Q_OBJECT

private slots:
    void cardsOneAtATime();
};

void TestCardsDialog::cardsOneAtATime()
{
    const QString watched = qEnvironmentVariable("TESSARO_WATCHED");
    if (watched.isEmpty())
        QSKIP("cards are made by cards.sh or windowscards.sh");
    QVERIFY(QDir().mkpath(watched));
    // Where each card's files are; on Linux cards come in a folder to watch,
    // on Windows as drives.
    QHash<QString, QString> places;
    const auto insert = [&](const QString &name, const QByteArray &held = {}) {
        places.insert(name, insertCard(watched, name, held));
        QVERIFY(!places.value(name).isEmpty());
    };
    const bool folders = Tessaro::watchesCardFolders();
    const Tessaro::FormSettings form = formWith({u"#ID:3"_s, u"#VOLUME:7"_s});
    setFormState(window.get(), form);
    QListWidget *log = nullptr;
    const auto logSays = [&log](int lines, const QString &last) {
        return QTest::qWaitFor([&] {
            return log->count() == lines && log->item(lines - 1)->text().contains(last);
        });
    };
    const auto status = [](QWidget *dialog) { return named<QLabel>(dialog, u"label_Status"_s)->text(); };
    insert(u"OLD"_s); // inserted before: listed, written only when chosen
    QString cardA;
    QTemporaryDir logFolder;
    const QString savedLog = logFolder.filePath(u"log.txt"_s);
    const auto cards = [&](QWidget *dialog) {
        // On Linux, neither the disk service nor the user's folder of cards.
        const QStringList shown = uses(dialog);
        QCOMPARE(shown, golden(folders ? u"data/window/cards-uses.txt"_s
                                       : u"data/window/cards-uses-windows.txt"_s,
                               shown));
        log = named<QListWidget>(dialog, u"listWidget_Log"_s);
        if (folders) {
            auto *folder = named<QLineEdit>(dialog, u"lineEdit_WatchedFolder"_s);
            folder->setText(watched);
            emit folder->editingFinished();
        }
        QTRY_COMPARE(status(dialog), u"Insert the card for unit 3."_s);
        auto *present = named<QListWidget>(dialog, u"listWidget_Present"_s);
        present->setCurrentRow(0);
        named<QPushButton>(dialog, u"pushButton_WriteChosen"_s)->click();
        QVERIFY(logSays(1, u"(OLD)  written and verified"_s));
        QCOMPARE(present->count(), 0); // chosen once, no longer there to choose
        insert(u"A"_s, "#ID:009\r\n"); // asked about while B is inserted
        QVERIFY(logSays(4, u"(B)  written and verified"_s));
        QVERIFY(log->item(2)->text().section(u"  "_s, 1).startsWith(u"unit 004  "_s));
        cardA = log->item(2)->text().section(u"  "_s, 2, 2);
        QTRY_VERIFY(status(dialog).startsWith(u"Unit 5 written and verified"_s)
                    && status(dialog).endsWith(u"Insert the card for unit 6."_s));
        insert(u"D"_s, "#ID:008\r\n"); // declined
        QVERIFY(logSays(5, u"(D)  left as it was: holds the file of unit 008; you answered No"_s));
        named<QPushButton>(dialog, u"pushButton_SaveLog"_s)->click();
        QTRY_VERIFY(QFileInfo::exists(savedLog));
        dialog->close();
    };
    QStringList questions;
    const auto replace = [&](QWidget *box) {
        questions << qobject_cast<QMessageBox *>(box)->text();
        QCOMPARE(qobject_cast<QMessageBox *>(box)->defaultButton()->text(), u"&No"_s);
        insert(u"B"_s);
        QVERIFY(logSays(2, u"(B)  waiting"_s));
        confirmReplace()(box);
    };
    const auto decline = [&](QWidget *box) {
        questions << qobject_cast<QMessageBox *>(box)->text();
        qobject_cast<QMessageBox *>(box)->button(QMessageBox::No)->click();
    };
    // A card inserted while the closing box is open is not written.
    ShownMessage closing;
    const auto close = [&](QWidget *box) {
        insert(u"C"_s);
        QTest::qWait(300);
        closeMessage(&closing)(box);
    };
    QVERIFY(runCommand(action(window.get(), u"action_Write_To_Cards"_s),
                       {cards, replace, decline, chooseFile(savedLog), close}));

    // The card named as the log names it.
    QCOMPARE(questions.value(0), u"The card %1 already holds the file of unit 9. Replace it with "
                                 u"the file of unit 4?"_s.arg(cardA));
    for (const auto &[card, id] : {std::pair{u"OLD"_s, 3}, {u"A"_s, 4}, {u"B"_s, 5}})
        QCOMPARE(readAll(QDir(places[card]).filePath(u"config.txt"_s)),
                 Tessaro::configurationText(Tessaro::unitSettings(form, id)));
    QVERIFY(!QFileInfo::exists(QDir(places[u"C"_s]).filePath(u"config.txt"_s)));
    // The saved log: a text file as the system's are, each line dated.
    const QByteArray saved = readAll(savedLog);
    QVERIFY(saved.startsWith("Write to Cards, 20"));
    QVERIFY(saved.contains(
            withSystemLineEnds("\nForm: as set in the window\nWritten: IDs 3 to 5\n\n")));
    QVERIFY(saved.endsWith(withSystemLineEnds("  left as it was: holds the file of unit 008; you "
                                              "answered No\n")));
    QCOMPARE(saved.count('\n'), 9);
    QVERIFY(QDateTime::fromString(QString::fromLatin1(saved.split('\n').at(8).left(19)),
                                  Qt::ISODate)
                    .isValid());
    QCOMPARE(closing.text, u"<b>Cards written: 3 (IDs 3 to 5).</b>"_s);
    QVERIFY(closing.informative.endsWith(
            u"(D): left as it was: holds the file of unit 008; you answered No"_s));
    QCOMPARE(pathField(window.get())->text(),
             QDir::toNativeSeparators(QDir(places[u"B"_s]).filePath(u"config.txt"_s)));

    // The next run starts after the last unit written, whatever Return in
    // the folder field does, the form's ID a click away; closed at once, it
    // says nothing.
    const auto again = [folders](QWidget *dialog) {
        auto *next = named<QSpinBox>(dialog, u"spinBox_NextId"_s);
        if (folders)
            QTest::keyClick(named<QLineEdit>(dialog, u"lineEdit_WatchedFolder"_s), Qt::Key_Return);
        QCOMPARE(next->value(), 6);
        named<QPushButton>(dialog, u"pushButton_FormId"_s)->click();
        QCOMPARE(next->value(), 3);
        dialog->close();
    };
    QVERIFY(runCommand(action(window.get(), u"action_Write_To_Cards"_s), {again}));
}

QTEST_MAIN(TestCardsDialog)
#include "tst_cardsdialog.moc"
