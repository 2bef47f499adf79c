// The main window as a user first sees it, and the whole-form commands.

#include "form/mainwindow.h"
#include "support/formaccess.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
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
    void valueLists_data();
    void valueLists();
    void wholeFormCommands_data();
    void wholeFormCommands();
    void quitEndsTheEventLoopWithZero();
    void wheelScrollsTheFormUnlessAValueHasFocus();
    void screenReadersNameEveryValue_data();
    void screenReadersNameEveryValue();
};

void TestMainWindow::opensWithEveryRowTickedAtItsDefault()
{
    QCOMPARE(window->windowTitle(), u"Tessaro - Configuration File Generator"_s);
    QCOMPARE(formState(window.get()), formWith({}, true));
    QVERIFY(pathField(window.get())->text().isEmpty());
    // Wide enough for every whole description, and within the screen.
    QVERIFY(window->width() >= 520);
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    for (int row = 0; row < optionCount; ++row) {
        const Tessaro::OptionRow &option = optionCatalogue[row];
        QCOMPARE(checkBox(window.get(), row)->text(), QString::fromUtf8(option.label));
        const auto *info = window->findChild<QLabel *>(QLatin1StringView(option.infoLabelName));
        QCOMPARE(info->text(), QString::fromUtf8(option.info));
        QVERIFY(info->toolTip().isEmpty());
    }
    // Narrowed, a shortened description carries its whole text as tool tip.
    window->resize(window->minimumSizeHint().width(), window->height());
    auto *monitoring = window->findChild<QLabel *>(u"label_Monitor_Infos"_s);
    QTRY_COMPARE(monitoring->toolTip(), monitoring->text());
}

void TestMainWindow::valueLists_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("texts"); // "entry=text|...": typing the second chooses it
    QTest::newRow("power") << u"comboBox_Power"_s << 2 << u"0=Off|1=On"_s;
    QTest::newRow("monitoring") << u"comboBox_Monitor"_s << 4
                                << u"0=No Monitoring Mode|1=Daisy Chain Mode|2=Monitoring Mode|"
                                   u"3=Advanced Monitoring Mode"_s;
    QTest::newRow("functions") << u"comboBox_Input01"_s << 2005
                               << u"0=Play|1006=Serial Command 001|1=Stop|2=Next_Track|"
                                  u"3=Previous Track|4=Volume +|5=Volume -|6=Folder 000|"
                                  u"7=Folder 001|1005=Folder 999|2004=Serial Command 999"_s;
    QTest::newRow("baud rates") << u"comboBox_Baudrate"_s << 3 << u"0=9600|1=19200|2=38400"_s;
}

void TestMainWindow::valueLists()
{
    QFETCH(QString, combo);
    QFETCH(int, count);
    QFETCH(QString, texts);
    auto *box = window->findChild<QComboBox *>(combo);
    QCOMPARE(box->count(), count);
    for (const QString &text : texts.split(u'|'))
        QCOMPARE(box->itemText(text.section(u'=', 0, 0).toInt()), text.section(u'=', 1));
    if (combo == u"comboBox_Baudrate")
        QCOMPARE(box->itemData(2), QVariant(38400));
    // Typing the beginning of an entry chooses the first it begins, as in any list.
    const QString typed = texts.section(u'|', 1, 1).section(u'=', 1);
    box->setFocus();
    QTest::keyClicks(box, typed.left(4));
    QCOMPARE(box->currentText(), typed);
}

void TestMainWindow::wholeFormCommands_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<Tessaro::FormSettings>("form");
    const QStringList changed{u"#ID:99"_s, u"#VOLUME:10"_s, u"#INPUT01:100"_s};
    Tessaro::FormSettings unselected = formWith(changed, true);
    for (Tessaro::OptionSetting &row : unselected)
        row.enabled = false;
    Tessaro::FormSettings defaults = formWith({}, true);
    defaults.front().enabled = defaults.back().enabled = false;
    QTest::newRow("Select All Options") << u"Ctrl+C"_s << formWith(changed, true);
    QTest::newRow("Unselect All options") << u"Ctrl+U"_s << unselected;
    QTest::newRow("Apply Default Settings") << u"Ctrl+D"_s << defaults;
}

void TestMainWindow::wholeFormCommands()
{
    QFETCH(QString, keys);
    QFETCH(Tessaro::FormSettings, form);
    // A form the user has changed: two rows unticked, three values set.
    Tessaro::FormSettings userForm =
            formWith({u"#ID:99"_s, u"#VOLUME:10"_s, u"#INPUT01:100"_s}, true);
    userForm.front().enabled = userForm.back().enabled = false;
    setFormState(window.get(), userForm);
    QTest::failOnWarning(QRegularExpression(u"[Aa]mbiguous"_s));
    QTest::keySequence(window.get(), QKeySequence(keys));
    QCOMPARE(formState(window.get()), form);
}

void TestMainWindow::quitEndsTheEventLoopWithZero()
{
    QTimer::singleShot(0, window.get(),
                       [this] { QTest::keySequence(window.get(), QKeySequence(u"Ctrl+Q"_s)); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window->isVisible());
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
}

void TestMainWindow::screenReadersNameEveryValue_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << u"action_English"_s;
    QTest::newRow("French") << u"action_Fran_ais"_s;
}

void TestMainWindow::screenReadersNameEveryValue()
{
    QFETCH(QString, language);
    action(window.get(), language)->trigger();
    QSet<QString> names;
    for (int row = 0; row < optionCount; ++row) {
        QAccessibleInterface *value =
                QAccessible::queryAccessibleInterface(valueWidget(window.get(), row));
        const QString name = value->text(QAccessible::Name);
        QVERIFY(!name.isEmpty() && !name.endsWith(u':'));
        QVERIFY(checkBox(window.get(), row)->text().startsWith(name));
        QCOMPARE(value->text(QAccessible::Description),
                 window->findChild<QLabel *>(QLatin1StringView(optionCatalogue[row].infoLabelName))
                         ->text());
        names.insert(name);
    }
    QCOMPARE(names.size(), optionCount);
    QCOMPARE(
            QAccessible::queryAccessibleInterface(pathField(window.get()))->text(QAccessible::Name),
            language == u"action_English" ? u"Path"_s : u"Chemin"_s);
}

TESSARO_WINDOW_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
