// Write to Cards: cards mounted while the dialog is open, run by cards.sh.

#include "core/format/configurationformat.h"
#include "core/unitfiles.h"
#include "support/cards.h"
#include "support/formaccess.h"
#include "support/modalscript.h"
#include "support/testmain.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>

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
        QSKIP("cards are mounted by cards.sh, in a mount namespace of its own");
    QVERIFY(QDir().mkpath(watched));
    const auto insert = [&watched](const QString &name, const QByteArray &held,
                                   const QString &options = {}) {
        QVERIFY(insertCard(watched, name, held, options));
    };
    const Tessaro::FormSettings form = formWith({u"#ID:3"_s, u"#VOLUME:7"_s});
    setFormState(window.get(), form);
    QListWidget *log = nullptr;
    const auto logSays = [&log](int lines, const QString &last) {
        return QTest::qWaitFor([&] {
            return log->count() == lines && log->item(lines - 1)->text().endsWith(last);
        });
    };
    const auto status = [](QWidget *dialog) { return named<QLabel>(dialog, u"label_Status"_s)->text(); };
    const auto cards = [&](QWidget *dialog) {
        // Neither the disk service nor the user's folder of cards is there.
        const QStringList shown = uses(dialog);
        QCOMPARE(shown, golden(u"data/window/cards-uses.txt"_s, shown));
        QCOMPARE(status(dialog),
                 u"No cards can be found: no disk service, and /media/%1 does not exist. Choose a "
                 u"folder to watch."_s.arg(qEnvironmentVariable("USER")));
        log = named<QListWidget>(dialog, u"listWidget_Log"_s);
        insert(u"OLD"_s, {}); // inserted before: listed, written only when chosen
        auto *folder = named<QLineEdit>(dialog, u"lineEdit_WatchedFolder"_s);
        folder->setText(watched);
        emit folder->editingFinished();
        QCOMPARE(status(dialog), u"Insert the card for unit 3."_s);
        auto *present = named<QListWidget>(dialog, u"listWidget_Present"_s);
        present->setCurrentRow(0);
        named<QPushButton>(dialog, u"pushButton_WriteChosen"_s)->click();
        QVERIFY(logSays(1, u"OLD (OLD)  written and verified"_s));
        QCOMPARE(present->count(), 0); // chosen once, no longer there to choose
        insert(u"A"_s, "#ID:009\r\n"); // asked about while B is inserted
        QVERIFY(logSays(4, u"unit 005  B (B)  written and verified"_s));
        QCOMPARE(log->item(2)->text().section(u"  "_s, 1),
                 u"unit 004  A (A)  written and verified"_s);
        QTRY_COMPARE(status(dialog),
                     u"Unit 5 written and verified. Eject the card, then remove it. Insert the "
                     u"card for unit 6."_s);
        insert(u"LOCKED"_s, {}, u"ro"_s);
        QVERIFY(logSays(5, u"LOCKED (LOCKED)  not written: Read-only file system"_s));
        dialog->close();
    };
    QString question;
    const auto replace = [&](QWidget *box) {
        question = qobject_cast<QMessageBox *>(box)->text();
        QCOMPARE(qobject_cast<QMessageBox *>(box)->defaultButton()->text(), u"&No"_s);
        insert(u"B"_s, {});
        QVERIFY(logSays(2, u"B (B)  waiting"_s));
        confirmReplace()(box);
    };
    // A card inserted while the closing box is open is not written.
    ShownMessage closing;
    const auto close = [&](QWidget *box) {
        insert(u"C"_s, {});
        QTest::qWait(300);
        closeMessage(&closing)(box);
    };
    QVERIFY(runCommand(action(window.get(), u"action_Write_To_Cards"_s), {cards, replace, close}));

    QCOMPARE(question, u"The card A already holds the file of unit 9. Replace it with the file of "
                       u"unit 4?"_s);
    for (const auto &[card, id] : {std::pair{u"OLD"_s, 3}, {u"A"_s, 4}, {u"B"_s, 5}})
        QCOMPARE(readAll(watched + u'/' + card + u"/config.txt"_s),
                 Tessaro::configurationText(Tessaro::unitSettings(form, id)));
    QVERIFY(!QFileInfo::exists(watched + u"/C/config.txt"_s));
    QCOMPARE(closing.text, u"<b>Cards written: 3 (IDs 3 to 5).</b>"_s);
    QCOMPARE(closing.informative, u"LOCKED (LOCKED): not written: Read-only file system"_s);
    QCOMPARE(pathField(window.get())->text(),
             QDir::toNativeSeparators(watched + u"/B/config.txt"_s));

    // The next run starts after the last unit written, whatever Return in
    // the folder field does, the form's ID a click away; closed at once, it
    // says nothing.
    const auto again = [](QWidget *dialog) {
        auto *next = named<QSpinBox>(dialog, u"spinBox_NextId"_s);
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
