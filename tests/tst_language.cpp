// Choosing the interface language, and the preferences file that remembers
// it between runs. Other systems, folders and users: startup.sh.

#include "config/configurationfile.h"
#include "form/mainwindow.h"
#include "support/files.h"
#include "support/formaccess.h"
#include "support/modalscript.h"
#include "support/testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// What the window shows in a language: the language checked, a menu, a row
// label, list entries.
QString shown(const QWidget *window)
{
    QStringList texts;
    for (const Tessaro::LanguageEntry &entry : Tessaro::languages) {
        if (action(window, QLatin1StringView(entry.actionName))->isChecked())
            texts.append(QLatin1StringView(entry.actionName));
    }
    const auto *input = window->findChild<QComboBox *>(u"comboBox_Input01"_s);
    return (texts << window->findChild<QMenu *>(u"menuFile"_s)->title()
                  << window->findChild<QCheckBox *>(u"checkBox_ID"_s)->text()
                  << window->findChild<QComboBox *>(u"comboBox_Power"_s)->itemText(0)
                  << input->itemText(6) << QString::number(input->count()))
            .join(u'|');
}
const QString english = u"|&File|ID:|Off|Folder 000|2005"_s;
const QString french = u"|&Fichier|ID\u00a0:|Désactivé|Dossier 000|2005"_s;

} // namespace

class TestLanguage : public WindowTest
{
    Q_OBJECT

private slots:

    void switchingLanguage_data();
    void switchingLanguage();
    void frenchFitsTheWindow();

private:
    void trigger(const QString &name) { action(window.get(), name)->trigger(); }
};

void TestLanguage::switchingLanguage_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("French") << u"action_English"_s << u"action_Fran_ais"_s << "French"_ba;
    QTest::newRow("French to Default") << u"action_Fran_ais"_s << u"actionDefault"_s << "(default)"_ba;
    QTest::newRow("French to English") << u"action_Fran_ais"_s << u"action_English"_s << "English"_ba;
    QTest::newRow("French again") << u"action_Fran_ais"_s << u"action_Fran_ais"_s << "French"_ba;
}

void TestLanguage::switchingLanguage()
{
    QFETCH(QString, before);
    QFETCH(QString, action);
    QFETCH(QByteArray, stored);
    const QString texts = action + (stored == "French" ? french : english);
    trigger(before);
    // The user has imported a file, then changed the form.
    QTemporaryDir folder;
    const QString path = folder.filePath(u"config.txt"_s);
    QVERIFY(writeFile(path, "#ID:9\r\n#BAUDRATE:38400\r\n"));
    ShownMessage report;
    QVERIFY(runCommand(TestSupport::action(window.get(), u"action_Import_Configuration_File"_s),
                       {chooseFile(path), closeMessage(&report)}));
    setFormState(window.get(), formWith({u"#ID:9"_s, u"#VOLUME:3"_s, u"#BAUDRATE:2"_s}));
    QVERIFY(writeFile(preferencesPath(), "a foreign file of the same name\n"));

    trigger(action);
    QCOMPARE(shown(window.get()), texts);
    QCOMPARE(window->windowTitle(), u"Tessaro - Configuration File Generator"_s);
    // Every value back at its default, every check mark as it was; the path
    // field emptied, while the dialogs still start from the last path.
    QCOMPARE(formState(window.get()), formWith({u"#ID:1"_s, u"#VOLUME:32"_s, u"#BAUDRATE:1"_s}));
    QVERIFY(pathField(window.get())->text().isEmpty());
    QCOMPARE(Tessaro::lastConfigurationPath, path);

    // Written once, when the window goes, over whatever was there; the next
    // start shows the choice, every row ticked at its default.
    QCOMPARE(readAll(preferencesPath()), "a foreign file of the same name\n"_ba);
    startWindow();
    QVERIFY(readAll(preferencesPath()).endsWith(QByteArray("*\n" + stored + "\n")));
    QCOMPARE(shown(window.get()), texts);
    QCOMPARE(formState(window.get()), formWith({}, true));
}

void TestLanguage::frenchFitsTheWindow()
{
    trigger(u"action_Fran_ais"_s);
    QApplication::processEvents();
    // Every list entry fits its box beside the arrow.
    for (QComboBox *combo : window->findChildren<QComboBox *>()) {
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
    QList<QWidget *> bars{window->menuBar()};
    for (QMenu *menu : window->menuBar()->findChildren<QMenu *>())
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

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
