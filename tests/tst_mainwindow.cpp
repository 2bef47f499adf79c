// The main window as a user first sees it, and the whole-form commands.

#include "formaccess.h"
#include "isolatedmain.h"
#include "mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {

struct Row
{
    const char *stem;
    const char *infoLabel;
    const char *label;
    const char *info;
    int defaultValue;
    const char *defaultText;
};

// The 23 rows as the form must show them, spellings included.
// clang-format off
const Row rows[] = {
    {"ID", "label_ID_Infos", "ID:", "Player ID (#ID)", 1, "1"},
    {"Volume", "label_Volume_Infos", "Volume:", "Player digital volume (#VOLUME)", 32, "32"},
    {"Power", "label_Power_Infos", "Power:", "Energy Saving Mode (#POWER)", 0, "Off"},
    {"Monitor", "label_Monitor_Infos", "Monitoring:", "Serial monitoring mode (#RS_MONITORING)", 0, "No Monitoring Mode"},
    {"Boot", "label_Boot_Infos", "Boot:", "Default boot folder (#BOOT)", 0, "0"},
    {"Input01", "label_Input01_Infos", "Input 01:", "Input 1 function (#INPUT01)", 7, "Folder 001"},
    {"Input02", "label_Input02_Infos", "Input 02:", "Input 2 function (#INPUT02)", 8, "Folder 002"},
    {"Input03", "label_Input03_Infos", "Input 03:", "Input 3 function (#INPUT03)", 9, "Folder 003"},
    {"Input04", "label_Input03_Infos_2", "Input 04:", "Input 4 function (#INPUT04)", 10, "Folder 004"},
    {"Input05", "label_Input05_infos", "Input 05:", "Input 5 function (#INPUT05)", 11, "Folder 005"},
    {"Input06", "label_Input06_infos", "Input 06:", "Input 6 function (#INPUT06)", 12, "Folder 006"},
    {"Input07", "label_Input07_Infos", "Input 07:", "Input 7 function (#INPUT07)", 13, "Folder 007"},
    {"Input08", "label_Input08_Infos", "Input 08:", "Input 8 function (#INPUT08)", 14, "Folder 008"},
    {"Input09", "label_Input09_Infos", "Input 09:", "Input 9 function (#INPUT09)", 15, "Folder 009"},
    {"Input10", "label_Input10_Infos", "Input 10:", "Input 10 function (#INPUT10)", 16, "Folder 010"},
    {"Input11", "label_Input11_Infos", "Input 11:", "Input 11 function (#INPUT11)", 17, "Folder 011"},
    {"Input12", "label_Input12_Infos", "Input 12:", "Input 12 function (#INPUT12)", 18, "Folder 012"},
    {"Input13", "label_Input13_Infos", "Input 13:", "Input 13 function (#INPUT13)", 19, "Folder 013"},
    {"Input14", "label_Input14_Infos", "Input 14:", "Input 14 function (#INPUT14)", 20, "Folder 014"},
    {"Input15", "label_Input15_infos", "Input 15:", "Input 15 function (#INPUT15)", 21, "Folder 015"},
    {"Button1", "label_Button1_Infos", "Button 1:", "Button 1 function (#BUTTON1)", 5, "Volume -"},
    {"Button2", "label_Button2_Infos", "Button 2:", "Button 2 function (#BUTTON2)", 4, "Volume +"},
    {"Baudrate", "label_Baudrate_Infos", "Baudrate:", "Serial port Baudrate (#BAUDRATE)", 1, "19200"},
};
// clang-format on
constexpr int rowCount = int(std::size(rows));

// Entries of a menu or tool bar by object name, "-" for a separator.
QStringList entries(const QWidget *bar)
{
    QStringList names;
    const QList<QAction *> actions = bar->actions();
    for (const QAction *action : actions)
        names.append(action->isSeparator() ? u"-"_s : action->objectName());
    return names;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithEveryRowTickedAtItsDefault_data();
    void startsWithEveryRowTickedAtItsDefault();
    void valueLists_data();
    void valueLists();
    void functionRowsKeepTheirOwnEntry();
    void spinBoxesKeepTheirRanges_data();
    void spinBoxesKeepTheirRanges();
    void window();
    void windowIconFileInCurrentDirectoryWins();
    void shortcutsAndLanguageActions();
    void menusAndToolBar();
    void embeddedImages_data();
    void embeddedImages();
    void wholeFormCommands_data();
    void wholeFormCommands();
    void quitEndsTheEventLoopWithZero_data();
    void quitEndsTheEventLoopWithZero();

private:
    template<typename T> T *child(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return widget;
    }
    QCheckBox *checkBox(int row) const { return m_form.checkBox(TestSupport::rowStems[row]); }
    QWidget *valueWidget(int row) const { return m_form.valueWidget(TestSupport::rowStems[row]); }
    int value(int row) const { return m_form.value(TestSupport::rowStems[row]); }
    void setValue(int row, int value) const { m_form.setValue(TestSupport::rowStems[row], value); }

    std::unique_ptr<MainWindow> m_window;
    TestSupport::FormAccess m_form{nullptr};
};

void TestMainWindow::init()
{
    m_window = std::make_unique<MainWindow>();
    m_form = TestSupport::FormAccess(m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
}

void TestMainWindow::startsWithEveryRowTickedAtItsDefault_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < rowCount; ++row)
        QTest::addRow("%s", rows[row].stem) << row;
}

void TestMainWindow::startsWithEveryRowTickedAtItsDefault()
{
    QFETCH(int, row);
    const Row &expected = rows[row];

    QCOMPARE(checkBox(row)->text(), QString::fromUtf8(expected.label));
    QVERIFY(checkBox(row)->isChecked());
    QCOMPARE(value(row), expected.defaultValue);
    QWidget *widget = valueWidget(row);
    if (auto *spin = qobject_cast<QSpinBox *>(widget))
        QCOMPARE(spin->text(), QString::fromUtf8(expected.defaultText));
    else
        QCOMPARE(qobject_cast<QComboBox *>(widget)->currentText(),
                 QString::fromUtf8(expected.defaultText));

    QCOMPARE(child<QLabel>(QLatin1StringView(expected.infoLabel))->text(),
             QString::fromUtf8(expected.info));
    // A separator line below every row but the last.
    const QString lineName = row == 0 ? u"line"_s : u"line_"_s + QString::number(row + 1);
    QCOMPARE(m_window->findChild<QFrame *>(lineName) != nullptr, row < rowCount - 1);
}

void TestMainWindow::valueLists_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("entries");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("power") << u"comboBox_Power"_s << 2 << QList<int>{0, 1}
                           << QStringList{u"Off"_s, u"On"_s};
    QTest::newRow("monitoring") << u"comboBox_Monitor"_s << 4 << QList<int>{0, 1, 2, 3}
                                << QStringList{u"No Monitoring Mode"_s, u"Daisy Chain Mode"_s,
                                               u"Monitoring Mode"_s, u"Advanced Monitoring Mode"_s};
    QTest::newRow("functions") << u"comboBox_Input01"_s << 2005
                               << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 1005, 1006, 2004}
                               << QStringList{u"Play"_s,
                                              u"Stop"_s,
                                              u"Next_Track"_s,
                                              u"Previous Track"_s,
                                              u"Volume +"_s,
                                              u"Volume -"_s,
                                              u"Folder 000"_s,
                                              u"Folder 001"_s,
                                              u"Folder 999"_s,
                                              u"Serial Command 001"_s,
                                              u"Serial Command 999"_s};
    QTest::newRow("baud rates") << u"comboBox_Baudrate"_s << 3 << QList<int>{0, 1, 2}
                                << QStringList{u"9600"_s, u"19200"_s, u"38400"_s};
}

void TestMainWindow::valueLists()
{
    QFETCH(QString, combo);
    QFETCH(int, count);
    QFETCH(QList<int>, entries);
    QFETCH(QStringList, texts);

    auto *box = child<QComboBox>(combo);
    QVERIFY(!box->isEditable());
    QCOMPARE(box->count(), count);
    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(box->itemText(entries[i]), texts[i]);
    if (combo == u"comboBox_Baudrate") {
        for (int entry = 0; entry < count; ++entry)
            QCOMPARE(box->itemData(entry), QVariant(texts[entry].toInt()));
    }
}

void TestMainWindow::functionRowsKeepTheirOwnEntry()
{
    // The 17 function rows offer the same 2005 entries, each with its own choice.
    for (int row = 5; row <= 21; ++row)
        QCOMPARE(qobject_cast<QComboBox *>(valueWidget(row))->count(), 2005);
    setValue(5, 2004);
    QCOMPARE(value(5), 2004);
    QCOMPARE(value(6), rows[6].defaultValue);
}

void TestMainWindow::spinBoxesKeepTheirRanges_data()
{
    QTest::addColumn<QString>("spin");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("ID") << u"spinBox_ID"_s << 1 << 127;
    QTest::newRow("volume") << u"spinBox_Volume"_s << 0 << 64;
    QTest::newRow("boot") << u"spinBox_Boot"_s << 0 << 999;
}

void TestMainWindow::spinBoxesKeepTheirRanges()
{
    QFETCH(QString, spin);
    QFETCH(int, minimum);
    QFETCH(int, maximum);

    auto *box = child<QSpinBox>(spin);
    QCOMPARE(box->minimum(), minimum);
    QCOMPARE(box->maximum(), maximum);
}

void TestMainWindow::window()
{
    QCOMPARE(m_window->windowTitle(), u"Tessaro - Configuration File Generator"_s);
    QCOMPARE(m_window->size(), QSize(520, 640));
    const QList<QSize> iconSizes = m_window->windowIcon().availableSizes();
    for (int size : {16, 32, 48, 256})
        QVERIFY2(iconSizes.contains(QSize(size, size)), qPrintable(QString::number(size)));

    QCOMPARE(child<QLabel>(u"label"_s)->text(), u"Path:"_s);
    QVERIFY(child<QLabel>(u"label_Generate_Path"_s)->text().isEmpty());
    QVERIFY(m_window->statusBar()->currentMessage().isEmpty());
}

void TestMainWindow::windowIconFileInCurrentDirectoryWins()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(folder.filePath(u"ico256x256Win.ico"_s), "ICO"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    MainWindow window;
    QDir::setCurrent(previous);
    QCOMPARE(window.windowIcon().availableSizes(), QList<QSize>{QSize(20, 20)});
}

void TestMainWindow::shortcutsAndLanguageActions()
{
    // Only menu actions carry shortcuts, one each, so none can be ambiguous.
    QStringList shortcuts;
    QStringList checkable;
    const QList<QAction *> actions = m_window->findChildren<QAction *>();
    for (const QAction *action : actions) {
        if (action->objectName().isEmpty())
            continue; // Qt's own, such as the menus' and the tool bar's
        for (const QKeySequence &key : action->shortcuts())
            shortcuts.append(key.toString() + u' ' + action->objectName());
        if (action->isCheckable())
            checkable.append(action->objectName() + (action->isChecked() ? u"*"_s : QString()));
    }
    shortcuts.sort();
    QCOMPARE(shortcuts,
             (QStringList{u"Ctrl+C action_Select_All_Options"_s, u"Ctrl+D actionDefault_settings"_s,
                          u"Ctrl+O action_Import_Configuration_File"_s, u"Ctrl+Q action_Quit"_s,
                          u"Ctrl+S action_Generate_Configuration_File"_s,
                          u"Ctrl+U action_Unselect_All_options"_s}));
    // Exactly one language checked: Default, with no preferences file.
    checkable.sort();
    QCOMPARE(checkable,
             (QStringList{u"actionDefault*"_s, u"action_English"_s, u"action_Fran_ais"_s}));
}

void TestMainWindow::menusAndToolBar()
{
    auto *menuBar = child<QMenuBar>(u"menuBar"_s);
    QCOMPARE(m_window->menuBar(), menuBar);
    QStringList titles;
    const QList<QAction *> menus = menuBar->actions();
    for (const QAction *menu : menus)
        titles.append(menu->text());
    QCOMPARE(titles, (QStringList{u"&File"_s, u"&Languages"_s, u"&Help"_s}));

    QCOMPARE(entries(child<QMenu>(u"menuFile"_s)),
             (QStringList{u"action_Generate_Configuration_File"_s,
                          u"action_Import_Configuration_File"_s, u"-"_s,
                          u"actionDefault_settings"_s, u"-"_s, u"action_Select_All_Options"_s,
                          u"action_Unselect_All_options"_s, u"-"_s, u"action_Quit"_s}));
    QCOMPARE(entries(child<QMenu>(u"menu_Languages"_s)),
             (QStringList{u"actionDefault"_s, u"-"_s, u"action_English"_s, u"action_Fran_ais"_s}));
    QCOMPARE(entries(child<QMenu>(u"menu_Help"_s)),
             (QStringList{u"actionOrvel_Home_Page"_s, u"actionContact_Technical_Support"_s, u"-"_s,
                          u"action_About"_s}));

    auto *toolBar = child<QToolBar>(u"toolBar"_s);
    QCOMPARE(entries(toolBar),
             (QStringList{u"action_Generate_Configuration_File_ToolBar"_s,
                          u"action_Import_Configuration_File_Toolbar"_s, u"-"_s,
                          u"actionDefault_settings_ToolBar"_s, u"-"_s,
                          u"action_Select_All_Options_Toolbar"_s,
                          u"action_Unselect_All_options_Toolbar"_s}));
    QVERIFY(!toolBar->isMovable());
    QVERIFY(!toolBar->isFloatable());
    QCOMPARE(toolBar->allowedAreas(),
             Qt::LeftToolBarArea | Qt::RightToolBarArea | Qt::TopToolBarArea);
    QCOMPARE(m_window->toolBarArea(toolBar), Qt::TopToolBarArea);
    QCOMPARE(toolBar->windowTitle(), u"toolBar"_s);

    // The bar context menu lists the tool bar under its title and can hide it.
    std::unique_ptr<QMenu> barMenu(m_window->createPopupMenu());
    QAction *toggle = toolBar->toggleViewAction();
    QVERIFY(barMenu->actions().contains(toggle));
    QCOMPARE(toggle->text(), u"toolBar"_s);
    toggle->trigger();
    QVERIFY(toolBar->isHidden());
    toggle->trigger();
    QVERIFY(toolBar->isVisible());
}

void TestMainWindow::embeddedImages_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const char *name :
         {"door.png", "information.png", "email_edit.png", "house.png", "cog_edit.png",
          "folder_page.png", "arrow_refresh.png", "CheckAll.png", "UnCheckAll.png"}) {
        QTest::newRow(name) << u":/ressources/ressources/"_s + QLatin1StringView(name)
                            << QSize(16, 16);
    }
    QTest::newRow("About.png") << u":/ressources/ressources/About.png"_s << QSize(128, 192);
}

void TestMainWindow::embeddedImages()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
}

void TestMainWindow::wholeFormCommands_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("command");
    QTest::newRow("select all, menu") << u"action_Select_All_Options"_s << u"select"_s;
    QTest::newRow("select all, tool bar") << u"action_Select_All_Options_Toolbar"_s << u"select"_s;
    QTest::newRow("select all, Ctrl+C") << u"Ctrl+C"_s << u"select"_s;
    QTest::newRow("unselect all, menu") << u"action_Unselect_All_options"_s << u"unselect"_s;
    QTest::newRow("unselect all, tool bar")
            << u"action_Unselect_All_options_Toolbar"_s << u"unselect"_s;
    QTest::newRow("unselect all, Ctrl+U") << u"Ctrl+U"_s << u"unselect"_s;
    QTest::newRow("defaults, menu") << u"actionDefault_settings"_s << u"defaults"_s;
    QTest::newRow("defaults, tool bar") << u"actionDefault_settings_ToolBar"_s << u"defaults"_s;
    QTest::newRow("defaults, Ctrl+D") << u"Ctrl+D"_s << u"defaults"_s;
}

void TestMainWindow::wholeFormCommands()
{
    QFETCH(QString, trigger);
    QFETCH(QString, command);

    // A form the user has changed: three rows unticked, four values set.
    const QList<int> unticked{0, 5, 22};
    const QList<std::pair<int, int>> changed{{0, 99}, {1, 10}, {5, 100}, {22, 2}};
    for (int row : unticked)
        checkBox(row)->setChecked(false);
    for (const auto &[row, newValue] : changed)
        setValue(row, newValue);

    QTest::failOnWarning(QRegularExpression(u"[Aa]mbiguous"_s));
    if (trigger.startsWith(u"action"))
        child<QAction>(trigger)->trigger();
    else
        QTest::keySequence(m_window.get(), QKeySequence(trigger));

    for (int row = 0; row < rowCount; ++row) {
        const bool ticked =
                command == u"select" || (command == u"defaults" && !unticked.contains(row));
        QCOMPARE(checkBox(row)->isChecked(), ticked);
        int expected = rows[row].defaultValue;
        if (command != u"defaults") {
            for (const auto &[changedRow, newValue] : changed) {
                if (changedRow == row)
                    expected = newValue;
            }
        }
        QCOMPARE(value(row), expected);
    }
}

void TestMainWindow::quitEndsTheEventLoopWithZero_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("menu") << u"action_Quit"_s;
    QTest::newRow("Ctrl+Q") << u"Ctrl+Q"_s;
}

void TestMainWindow::quitEndsTheEventLoopWithZero()
{
    QFETCH(QString, trigger);
    QTimer::singleShot(0, m_window.get(), [this, trigger] {
        if (trigger.startsWith(u"action"))
            child<QAction>(trigger)->trigger();
        else
            QTest::keySequence(m_window.get(), QKeySequence(trigger));
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!m_window->isVisible());
}

TESSARO_ISOLATED_GUI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
