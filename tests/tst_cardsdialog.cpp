// Write to Cards: cards mounted while the dialog is open, run by cards.sh.

#include "config/configurationformat.h"
#include "config/unitfiles.h"
#include "support/files.h"
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
    void twoCardsInARow();
};

void TestCardsDialog::twoCardsInARow()
{
    const QString watched = qEnvironmentVariable("TESSARO_WATCHED");
    if (watched.isEmpty())
        QSKIP("cards are mounted by cards.sh, in a mount namespace of its own");
    QVERIFY(QDir().mkpath(watched));
    // A card appears whole: prepared beside, then moved in.
    const auto insert = [&watched](const QString &name, const QByteArray &held) {
        const QString prepared = watched + u"-"_s + name, card = watched + u'/' + name;
        QVERIFY(QDir().mkpath(prepared) && QDir().mkpath(card));
        QCOMPARE(QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, name, prepared}), 0);
        QVERIFY(held.isEmpty() || writeFile(prepared + u"/config.txt"_s, held));
        QCOMPARE(QProcess::execute(u"mount"_s, {u"--move"_s, prepared, card}), 0);
    };
    const Tessaro::FormSettings form = formWith({u"#ID:3"_s, u"#VOLUME:7"_s});
    setFormState(window.get(), form);
    const auto twoCards = [&](QWidget *dialog) {
        const QStringList shown = look(dialog);
        QCOMPARE(shown, golden(QFINDTESTDATA("data/window/cards-look.txt"), shown));
        insert(u"OLD"_s, {}); // mounted before: listed, written only when chosen
        auto *folder = named<QLineEdit>(dialog, u"lineEdit_WatchedFolder"_s);
        folder->setText(watched);
        emit folder->editingFinished();
        auto *present = named<QListWidget>(dialog, u"listWidget_Present"_s);
        present->setCurrentRow(0);
        QVERIFY(present->count() == 1 && named(dialog, u"pushButton_WriteChosen"_s)->isEnabled());
        named<QSpinBox>(dialog, u"spinBox_NextId"_s)->setValue(4);
        QCOMPARE(named<QLabel>(dialog, u"label_Status"_s)->text(),
                 u"Insert the card for unit 4."_s);
        named<QSpinBox>(dialog, u"spinBox_NextId"_s)->setValue(3);
        auto *log = named<QListWidget>(dialog, u"listWidget_Log"_s);
        insert(u"A"_s, "#ID:009\r\n"); // its question is answered yes
        QVERIFY(QTest::qWaitFor([log] { return log->count() == 1; }));
        insert(u"B"_s, {});
        QVERIFY(QTest::qWaitFor([log] { return log->count() == 2; }));
        dialog->close();
    };
    QString question;
    const auto replace = [&question](QWidget *box) {
        question = qobject_cast<QMessageBox *>(box)->text();
        QCOMPARE(qobject_cast<QMessageBox *>(box)->defaultButton()->text(), u"&No"_s); // Enter keeps the card
        confirmReplace()(box);
    };
    ShownMessage closing;
    QVERIFY(runCommand(action(window.get(), u"action_Write_To_Cards"_s),
                       {twoCards, replace, closeMessage(&closing)}));

    QCOMPARE(question,
             u"The card already holds the file of unit 9. Replace it with the file of "
             u"unit 3?"_s);
    for (const auto &[card, id] : {std::pair{u"A"_s, 3}, std::pair{u"B"_s, 4}})
        QCOMPARE(readAll(watched + u'/' + card + u"/config.txt"_s),
                 Tessaro::configurationText(Tessaro::unitSettings(form, id)));
    QCOMPARE(closing.text, u"<b>Cards written: 2 (IDs 3 to 4).</b>"_s);
    QCOMPARE(pathField(window.get())->text(), watched + u"/B/config.txt"_s);
}

QTEST_MAIN(TestCardsDialog)
#include "tst_cardsdialog.moc"
