// The main window as a user first sees it, and the whole-form commands.

#include "form/mainwindow.h"
#include "support/formaccess.h"
#include "support/testmain.h"

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
    void valueLists();
    void wholeFormCommands_data();
    void wholeFormCommands();
    void quitEndsTheEventLoopWithZero();
    void wheelScrollsTheFormUnlessAValueHasFocus();
};

void TestMainWindow::opensWithEveryRowTickedAtItsDefault()
{
    QCOMPARE(window->windowTitle(), u"Tessaro - Configuration File Generator"_s);
    QCOMPARE(formState(window.get()), formWith({}, true));
    QVERIFY(pathField(window.get())->text().isEmpty());
    // Wide enough for every whole description, and within the screen.
    QVERIFY(window->width() >= 520);
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    // Narrowed, a shortened description carries its whole text as tool tip.
    auto *monitoring = window->findChild<QLabel *>(u"label_Monitor_Infos"_s);
    QVERIFY(monitoring->toolTip().isEmpty());
    window->resize(window->minimumSizeHint().width(), window->height());
    QTRY_COMPARE(monitoring->toolTip(), monitoring->text());
}

void TestMainWindow::valueLists()
{
    // Each list holds the catalogue's entries; baud rates carry their rate.
    const Tessaro::FunctionTexts functions = Tessaro::functionTexts();
    for (int row = 0; row < optionCount; ++row) {
        const Tessaro::ValueList list = optionCatalogue[row].list;
        auto *combo = qobject_cast<QComboBox *>(valueWidget(window.get(), row));
        QCOMPARE(combo ? combo->count() : 0, Tessaro::valueListSize(list));
        const QStringList texts = Tessaro::valueListTexts(list);
        for (int entry = 0; combo && entry < combo->count(); ++entry)
            QCOMPARE(combo->itemText(entry), texts.value(entry, functions.text(entry)));
    }
    QCOMPARE(window->findChild<QComboBox *>(u"comboBox_Baudrate"_s)->itemData(2), QVariant(38400));
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

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
