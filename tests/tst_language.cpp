// Choosing the interface language, and the preferences file that remembers
// it between runs. Other systems, folders and users: startup.sh.

#include "core/format/configurationfile.h"
#include "gui/mainwindow.h"
#include "support/files.h"
#include "support/formaccess.h"
#include "support/systemfiles.h"
#include "support/modalscript.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QToolBar>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// What the window shows, line by line: menus and tool bar, each row as its
// check box text, info label, value and screen-reader name and description,
// its mark's text, the value lists, the path field's and the preview's names,
// the import summary. The goldens hold it after an import of markedFile.
QStringList transcript(const QMainWindow *window)
{
    QStringList lines{window->windowTitle()};
    const auto entries = [&lines](const QString &title, const QList<QAction *> &actions) {
        lines << title;
        for (const QAction *entry : actions) {
            const QStringList parts{entry->text(), entry->shortcut().toString(), entry->toolTip()};
            lines << u"    "_s + (entry->isSeparator() ? u"--"_s : parts.join(u" | "_s))
                            + (entry->isEnabled() ? u""_s : u" (disabled)"_s);
        }
    };
    for (const QAction *menu : window->menuBar()->actions())
        entries(menu->text() + u" | "_s + menu->menu()->objectName(), menu->menu()->actions());
    entries(u"tool bar"_s, window->findChild<QToolBar *>()->actions());
    // As a screen reader has them: name, description, value.
    const auto accessible = [](QWidget *widget) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        return QStringList{face->text(QAccessible::Name), face->text(QAccessible::Description),
                           face->text(QAccessible::Value)}
                .replaceInStrings(u"\n"_s, u"/"_s);
    };
    for (const Tessaro::OptionRow &row : Tessaro::optionCatalogue) {
        const QString stem = QLatin1StringView(row.objectStem);
        QWidget *value = row.list == Tessaro::ValueList::None
                ? named(window, u"spinBox_"_s + stem)
                : named(window, u"comboBox_"_s + stem);
        auto *combo = qobject_cast<QComboBox *>(value);
        lines << (QStringList{named<QCheckBox>(window, u"checkBox_"_s + stem)->text(),
                              named<QLabel>(window, QLatin1StringView(row.infoLabelName))->text()}
                  + accessible(value))
                         .join(u" | "_s);
        QStringList items;
        for (int entry = 0; combo && entry < combo->count(); ++entry) // with any data it carries
            items << QStringList{combo->itemText(entry), combo->itemData(entry).toString()}.join(u' ')
                             .trimmed();
        if (items.size() > 10) // the first entries, then where the serial commands begin
            items = items.first(8) << u"..."_s << items.mid(Tessaro::firstSerialCommandEntry - 1, 2)
                                   << u"..."_s << items.last();
        if (!items.isEmpty())
            lines << u"    %1: "_s.arg(combo->count()) + items.join(u", "_s);
        if (auto *mark = window->findChild<QLabel *>(u"mark_"_s + stem); mark && mark->isVisible())
            lines << u"    mark: "_s + accessible(mark).join(u" | "_s);
    }
    auto *summary = named<QLabel>(window, u"label_Summary"_s);
    // The folder as the system writes it, its separator after it.
    const QString folder = QDir::toNativeSeparators(
            QFileInfo(Tessaro::lastConfigurationPath).path() + u'/');
    return lines << u"path | "_s
                    + accessible(pathField(window)).replaceInStrings(folder, u"<folder>/"_s).join(u" | "_s)
                 << u"more tools | "_s + accessible(named(window, u"qt_toolbar_ext_button"_s))[0]
                 << u"Qt's own | "_s + QCoreApplication::translate("QPlatformTheme", "Cancel")
                 << u"preview | "_s + accessible(named(window, u"plainTextEdit_Preview"_s))[0]
                 << u"summary | "_s + (summary->isVisible() ? summary->text() : QString());
}

// A file whose import marks two rows: one line read in part, one refused.
const QByteArray markedFile =
        "#ID:9\r\n#VOLUME:100\r\n#POWER:7\r\nVOLUME:20\r\n#BAUDRATE:38400\r\n";

} // namespace

class TestLanguage : public WindowTest
{
    Q_OBJECT

private slots:

    void switchingLanguage_data();
    void switchingLanguage();
};

void TestLanguage::switchingLanguage_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("French") << u"action_English"_s << u"action_Fran_ais"_s << "French"_ba;
    QTest::newRow("French to Default")
            << u"action_Fran_ais"_s << u"actionDefault"_s << "(default)"_ba;
    QTest::newRow("French to English")
            << u"action_Fran_ais"_s << u"action_English"_s << "English"_ba;
    QTest::newRow("French again") << u"action_Fran_ais"_s << u"action_Fran_ais"_s << "French"_ba;
}

void TestLanguage::switchingLanguage()
{
    QFETCH(QString, before);
    QFETCH(QString, action);
    QFETCH(QByteArray, stored);
    const QString goldenFile =
            stored == "French" ? u"data/window/french.txt"_s : u"data/window/english.txt"_s;
    TestSupport::action(window.get(), before)->trigger();
    // The user has imported a file, then changed the form.
    QTemporaryDir folder;
    const QString path = folder.filePath(u"config.txt"_s);
    QVERIFY(writeFile(path, markedFile));
    const auto importFile = [&] {
        ShownMessage report;
        QVERIFY(runCommand(TestSupport::action(window.get(), u"action_Import_Configuration_File"_s),
                           {chooseFile(path), closeMessage(&report)}));
    };
    importFile();
    setFormState(window.get(), formWith({u"#ID:9"_s, u"#VOLUME:3"_s, u"#BAUDRATE:2"_s}));
    QVERIFY(writeFile(preferencesPath(), "a foreign file of the same name\n"));

    TestSupport::action(window.get(), action)->trigger();
    QVERIFY(TestSupport::action(window.get(), action)->isChecked());
    // Every value back at its default, every check mark as it was, the
    // import's marks and summary gone; the path field emptied, while the
    // dialogs still start from the last path.
    QCOMPARE(formState(window.get()), formWith({u"#ID:1"_s, u"#VOLUME:32"_s, u"#BAUDRATE:1"_s}));
    const QString shown = transcript(window.get()).join(u'\n');
    QVERIFY(!shown.contains(u"mark: "_s) && shown.endsWith(u"summary | "_s));
    QVERIFY(pathField(window.get())->text().isEmpty());
    QCOMPARE(Tessaro::lastConfigurationPath, path);
    importFile();
    QCOMPARE(transcript(window.get()), golden(goldenFile, transcript(window.get())));

    // Written once, when the window goes, over whatever was there; the next
    // start shows the choice, every row ticked at its default.
    QCOMPARE(readAll(preferencesPath()), "a foreign file of the same name\n"_ba);
    startWindow();
    QVERIFY(readAll(preferencesPath())
                    .endsWith(TestSupport::withSystemLineEnds("*\n" + stored + "\n")));
    QVERIFY(TestSupport::action(window.get(), action)->isChecked());
    QCOMPARE(formState(window.get()), formWith({}, true));
    importFile();
    QCOMPARE(transcript(window.get()), golden(goldenFile, transcript(window.get())));
    // No two menus, nor two entries of one menu, share an access key.
    QList<QList<QAction *>> groups{window->menuBar()->actions()};
    for (const QAction *menu : groups.constFirst())
        groups << menu->menu()->actions();
    for (const QList<QAction *> &group : std::as_const(groups)) {
        QList<QKeySequence> keys;
        for (const QAction *entry : group) {
            const QKeySequence key = QKeySequence::mnemonic(entry->text());
            QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(entry->text()));
            keys << key;
        }
    }
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
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
