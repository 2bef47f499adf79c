// The main window as a user first sees it, and the whole-form commands.

#include "core/format/configurationformat.h"
#include "gui/mainwindow.h"
#include "support/files.h"
#include "support/formaccess.h"
#include "support/modalscript.h"
#include "support/testmain.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <QToolBar>
#include <QtTest/qtestspontaneevent.h>

using namespace Qt::StringLiterals;
using namespace TestSupport;
using Tessaro::optionCatalogue;
using Tessaro::optionCount;

class TestMainWindow : public WindowTest
{
    Q_OBJECT

private slots:
    void opensWithEveryRowTickedAtItsDefault();
    void wholeFormCommands_data();
    void wholeFormCommands();
    void wheelScrollsTheFormUnlessAValueHasFocus();
    void previewShowsTheFileAndImportMarksRows();
    void everyChangeIsUndone_data();
    void everyChangeIsUndone();
};

void TestMainWindow::opensWithEveryRowTickedAtItsDefault()
{
    QCOMPARE(formState(window.get()), formWith({}, true));
    QVERIFY(!action(window.get(), u"action_Undo"_s)->isEnabled()); // opening is no step to undo
    QCOMPARE(window->toolBarArea(named<QToolBar>(window.get(), u"toolBar"_s)), Qt::TopToolBarArea);
    const QStringList shown = look(window.get());
    QCOMPARE(shown, golden(u"data/window/look.txt"_s, shown));
    // Wide enough for every whole description, and within the screen.
    QVERIFY(window->width() >= 520);
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    // Narrowed, a shortened description carries its whole text as tool tip.
    auto *monitoring = window->findChild<QLabel *>(u"label_Monitor_Infos"_s);
    QVERIFY(monitoring->toolTip().isEmpty());
    window->resize(window->minimumSizeHint().width(), window->height());
    QTRY_COMPARE(monitoring->toolTip(), monitoring->text());
}

// A form the user has changed: two rows unticked, three values set.
const QStringList changed{u"-#ID:99"_s, u"#VOLUME:10"_s, u"#INPUT01:100"_s, u"-#BAUDRATE:1"_s};

void TestMainWindow::wholeFormCommands_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("rows"); // the form after the command, as formWith takes it
    QTest::addColumn<bool>("othersTicked");
    QTest::newRow("Select All Options")
            << u"Ctrl+C"_s << QStringList{u"#ID:99"_s, u"#VOLUME:10"_s, u"#INPUT01:100"_s} << true;
    QTest::newRow("Unselect All options")
            << u"Ctrl+U"_s << QStringList{u"-#ID:99"_s, u"-#VOLUME:10"_s, u"-#INPUT01:100"_s}
            << false;
    QTest::newRow("Apply Default Settings")
            << u"Ctrl+D"_s << QStringList{u"-#ID:1"_s, u"-#BAUDRATE:1"_s} << true;
    // No rows: a file dialog opens, and is cancelled.
    QTest::newRow("Generate Configuration File") << u"Ctrl+S"_s << QStringList{} << true;
    QTest::newRow("Import Configuration File") << u"Ctrl+O"_s << QStringList{} << true;
    QTest::newRow("Quit: the window closes, the form as it was") << u"Ctrl+Q"_s << changed << true;
}

void TestMainWindow::wholeFormCommands()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, rows);
    QFETCH(bool, othersTicked);
    setFormState(window.get(), formWith(changed, true));
    auto *volume = named<QSpinBox>(window.get(), u"spinBox_Volume"_s);
    volume->setFocus(); // in a number field, whose line edit has keys of its own
    QTest::failOnWarning(QRegularExpression(u"[Aa]mbiguous"_s));
    QString proposed;
    QVERIFY(runCommand([&] { QTest::keySequence(volume, QKeySequence(keys)); },
                       rows.isEmpty() ? QList<Step>{recordAndCancel(&proposed)} : QList<Step>{}));
    QCOMPARE(formState(window.get()), formWith(rows.isEmpty() ? changed : rows, othersTicked));
    QCOMPARE(volume->text(), QString::number(volume->value()));
    QCOMPARE(window->isVisible(), keys != u"Ctrl+Q");
}

void TestMainWindow::wheelScrollsTheFormUnlessAValueHasFocus()
{
    auto *combo = window->findChild<QComboBox *>(u"comboBox_Input04"_s);
    QScrollBar *bar = window->findChild<QScrollArea *>()->verticalScrollBar();
    const auto turnWheel = [combo] {
        QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        // As from the mouse: an ignored wheel event goes on to the parents.
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(combo, &wheel);
    };
    turnWheel();
    QCOMPARE(combo->currentIndex(), 10);
    QVERIFY(bar->value() > 0);
    combo->setFocus();
    turnWheel();
    QCOMPARE(combo->currentIndex(), 11);
    // Open, it shows 20 entries and a scroll bar, never the screen's height;
    // a screen reader finds the open list as the list's only child.
    combo->showPopup();
    const int row = combo->view()->sizeHintForRow(0);
    QCOMPARE(combo->view()->viewport()->height() / row, 20);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(combo);
    QCOMPARE(list->indexOfChild(list->child(0)), 0);
    combo->hidePopup();
}

void TestMainWindow::previewShowsTheFileAndImportMarksRows()
{
    auto *preview = named<QPlainTextEdit>(window.get(), u"plainTextEdit_Preview"_s);
    // This 800 pixels wide screen does not hold it beside the form at start.
    QVERIFY(!preview->isVisible());
    QTest::keyClick(window.get(), Qt::Key_F9);
    QVERIFY(preview->isVisible());
    // What Generate would write, line by line.
    named<QSpinBox>(window.get(), u"spinBox_Volume"_s)->setValue(7);
    named<QCheckBox>(window.get(), u"checkBox_ID"_s)->click();
    QTRY_COMPARE(QString(preview->toPlainText() + u'\n'),
                 QString::fromLatin1(Tessaro::configurationText(formState(window.get())))
                         .replace(u"\r\n"_s, u"\n"_s));
    QTemporaryDir folder;
    const QString path = folder.filePath(u"config.txt"_s);
    QVERIFY(writeFile(path, "#POWER:7\r\n#VOLUME:100\r\n"));
    ShownMessage report;
    QVERIFY(runCommand(action(window.get(), u"action_Import_Configuration_File"_s),
                       {chooseFile(path), closeMessage(&report)}));
    QTRY_COMPARE(preview->toPlainText(), u"#VOLUME:10\n#POWER:0"_s);
    // Ctrl+C copies there, and leaves the rows as they are.
    window->activateWindow(); // as a dialog's closing does on a desktop
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    preview->setFocus();
    preview->selectAll();
    QTest::keyClick(preview, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), preview->toPlainText());

    // A mark goes when its row changes, and only then.
    auto *power = named<QLabel>(window.get(), u"mark_Power"_s);
    auto *volume = named<QLabel>(window.get(), u"mark_Volume"_s);
    QVERIFY(power->isVisible() && volume->isVisible());
    named<QComboBox>(window.get(), u"comboBox_Power"_s)->setCurrentIndex(1);
    QVERIFY(!power->isVisible() && volume->isVisible());
    // A click on a line gives its row's value the focus, the first row's too.
    named<QCheckBox>(window.get(), u"checkBox_ID"_s)->click();
    QTRY_COMPARE(preview->toPlainText(), u"#ID:001\n#VOLUME:10\n#POWER:1"_s);
    QTest::mouseClick(preview->viewport(), Qt::LeftButton, {},
                      preview->cursorRect(QTextCursor(preview->document())).center());
    QCOMPARE(window->focusWidget(), named(window.get(), u"spinBox_ID"_s));
    // The focused row's line is highlighted; a row not written has none.
    const auto highlighted = [preview] {
        return preview->extraSelections().value(0).cursor.block().text();
    };
    QCOMPARE(highlighted(), u"#ID:001"_s);
    named(window.get(), u"spinBox_Volume"_s)->setFocus();
    QCOMPARE(highlighted(), u"#VOLUME:10"_s);
    named(window.get(), u"checkBox_Boot"_s)->setFocus();
    QCOMPARE(highlighted(), QString());
    QCOMPARE(formState(window.get()), formWith({u"#ID:1"_s, u"#VOLUME:10"_s, u"#POWER:1"_s}));
    // The form torn down with the focus in a value field, the window still
    // active: nothing left connected runs on the half-destroyed form.
    named(window.get(), u"spinBox_Volume"_s)->setFocus();
    delete window->centralWidget();
}

void TestMainWindow::everyChangeIsUndone_data()
{
    // Actions, or keys pressed in ID: "Up", or digits typed over its value;
    // a field's name moves the keys there.
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QStringList>("undo"); // the Undo entry's text before each Ctrl+Z
    QTest::newRow("Apply Default Settings")
            << u"actionDefault_settings_ToolBar"_s << QStringList{u"&Undo Default Settings"_s};
    QTest::newRow("Select All Options")
            << u"action_Select_All_Options"_s << QStringList{u"&Undo Select All"_s};
    QTest::newRow("Unselect All options")
            << u"action_Unselect_All_options_Toolbar"_s << QStringList{u"&Undo Unselect All"_s};
    QTest::newRow("Import") << u"action_Import_Configuration_File"_s
                            << QStringList{u"&Undo Import"_s};
    QTest::newRow("a language switch")
            << u"action_Fran_ais"_s << QStringList{u"&Annuler la réinitialisation des valeurs"_s};
    QTest::newRow("a value, twice") << u"Up Up"_s << QStringList{u"&Undo ID Change"_s};
    QTest::newRow("two rows") << u"Up spinBox_Volume Up"_s
                              << QStringList{u"&Undo Volume Change"_s, u"&Undo ID Change"_s};
    // Typing is its field's to undo until the form's next step, then that step's.
    QTest::newRow("typing after a whole-form step")
            << u"action_Unselect_All_options_Toolbar 20"_s
            << QStringList{u"&Undo Typing"_s, u"&Undo Unselect All"_s};
    QTest::newRow("typing before a whole-form step")
            << u"20 action_Unselect_All_options_Toolbar"_s
            << QStringList{u"&Undo Unselect All"_s, u"&Undo ID Change"_s};
}

void TestMainWindow::everyChangeIsUndone()
{
    QFETCH(QString, commands);
    QFETCH(QStringList, undo);
    const Tessaro::FormSettings before =
            formWith({u"#VOLUME:7"_s, u"-#POWER:1"_s, u"#INPUT01:123"_s}, true);
    setFormState(window.get(), before);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"config.txt"_s);
    QVERIFY(writeFile(path, "#BOOT:5\r\n#VOLUME:100\r\n"));
    auto *id = named<QSpinBox>(window.get(), u"spinBox_ID"_s);
    id->setFocus();
    id->selectAll(); // typed over
    ShownMessage report;
    Tessaro::FormSettings redone = before; // by every step, not by typing undone in its field
    for (const QString &command : commands.split(u' ')) {
        if (command == u"Up"_s)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        else if (command.startsWith(u"spinBox_"_s))
            named<QSpinBox>(window.get(), command)->setFocus();
        else if (command.front().isDigit())
            QTest::keyClicks(id, command);
        else
            QVERIFY(runCommand(action(window.get(), command),
                               command.contains(u"Import"_s)
                                       ? QList<Step>{chooseFile(path), closeMessage(&report)}
                                       : QList<Step>{}));
        if (!command.front().isDigit())
            redone = formState(window.get());
    }
    window->activateWindow(); // as a dialog's closing does on a desktop
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QAction *redo = action(window.get(), u"action_Redo"_s);
    for (const QString &text : undo) {
        QCOMPARE(action(window.get(), u"action_Undo"_s)->text(), text);
        QTest::keySequence(window.get(), QKeySequence(u"Ctrl+Z"_s));
        if (text == u"&Undo Typing"_s)
            QCOMPARE(redo->text(), u"&Redo Typing"_s);
    }
    QCOMPARE(formState(window.get()), before);
    if (undo.first() == u"&Undo Typing"_s) // the value typed over, selected again, stays so
        QCOMPARE(id->findChild<QLineEdit *>()->selectedText(), id->text());
    // An import's marks and summary go with it, and come back with it.
    const auto marked = [this] {
        const auto *mark = window->findChild<QLabel *>(u"mark_Volume"_s);
        return std::pair(mark && mark->isVisible(),
                         named(window.get(), u"frame_Summary"_s)->isVisible());
    };
    QCOMPARE(marked(), std::pair(false, false));
    for (int i = 0; i < undo.size() && redo->isEnabled(); ++i)
        QTest::keySequence(window.get(), QKeySequence(u"Ctrl+Shift+Z"_s));
    QCOMPARE(formState(window.get()), redone);
    const bool imported = commands.contains(u"action_Import_Configuration_File"_s);
    QCOMPARE(marked(), std::pair(imported, imported));
    if (imported) { // until its close button is pressed
        named<QToolButton>(window.get(), u"toolButton_CloseSummary"_s)->click();
        QVERIFY(named(window.get(), u"frame_Summary"_s)->isHidden());
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
