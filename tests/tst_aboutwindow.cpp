// The About window: its texts, its look, its modality and its closing.

#include "aboutwindows.h"
#include "formaccess.h"
#include "isolatedmain.h"
#include "mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QOperatingSystemVersion>
#include <QPointer>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

QPointer<AboutWindows> visibleAboutWindow()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *about = qobject_cast<AboutWindows *>(window); about && about->isVisible())
            return about;
    }
    return nullptr;
}

} // namespace

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheApplicationAndTheSystem();
    void isAFixedModalWindow();
    void windowsVersionNames_data();
    void windowsVersionNames();
    void closes_data();
    void closes();
    void blocksTheMainWindowWhileShown();

private:
    QPointer<AboutWindows> open();

    std::unique_ptr<MainWindow> m_window;
    FormAccess m_form{nullptr};
};

void TestAboutWindow::init()
{
    m_window = std::make_unique<MainWindow>();
    m_form = FormAccess(m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestAboutWindow::cleanup()
{
    if (QPointer<AboutWindows> about = visibleAboutWindow())
        about->close();
    m_window.reset();
}

QPointer<AboutWindows> TestAboutWindow::open()
{
    m_form.action(u"action_About"_s)->trigger();
    QPointer<AboutWindows> about = visibleAboutWindow();
    if (about && !QTest::qWaitForWindowActive(about))
        return nullptr;
    return about;
}

void TestAboutWindow::showsTheApplicationAndTheSystem()
{
    QPointer<AboutWindows> about = open();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), u"About Tessaro - Configuration File Generator"_s);
    const QString system = QSysInfo::prettyProductName()
            + (QSysInfo::WordSize == 64 ? u" (64bit)"_s : u" (32bit)"_s);
    QCOMPARE(AboutWindows::osName(), system);
    QCOMPARE(about->findChild<QLabel *>(u"label_infos"_s)->text(),
             u"<br><b>Tessaro - Configuration File Generator </b></br>"
             u"<br><b>Version:  1.1.0</b></br>"
             u"<p>Copyright (C) 2026 Orvel. All rights reserved.</p>"
             u"<p><a href=\"http://www.orvel.example\">www.orvel.example</a></p>"
             u"<p>"_s + system
                     + u"</p>"_s);
}

void TestAboutWindow::isAFixedModalWindow()
{
    QPointer<AboutWindows> about = open();
    QVERIFY(about);
    QVERIFY(!about->parent());
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    // The layout fixes the window at the size of its contents.
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QCOMPARE(about->findChild<QLabel *>(u"label_Image"_s)->pixmap().size(), QSize(128, 192));
    QVERIFY(about->findChild<QLabel *>(u"label_infos"_s)->openExternalLinks());
}

void TestAboutWindow::windowsVersionNames_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("name");
    QTest::newRow("NT 4.0") << 4 << 0 << u"Microsoft Windows NT"_s;
    QTest::newRow("2000") << 5 << 0 << u"Microsoft Windows 2000"_s;
    QTest::newRow("XP") << 5 << 1 << u"Microsoft Windows XP"_s;
    QTest::newRow("2003") << 5 << 2 << u"Microsoft Windows 2003"_s;
    QTest::newRow("Vista") << 6 << 0 << u"Microsoft Windows Vista"_s;
    QTest::newRow("7") << 6 << 1 << u"Microsoft Windows 7"_s;
    QTest::newRow("8") << 6 << 2 << u"Microsoft OS"_s;
    QTest::newRow("10") << 10 << 0 << u"Microsoft OS"_s;
    QTest::newRow("NT 3.51") << 3 << 51 << u"Microsoft OS"_s;
}

void TestAboutWindow::windowsVersionNames()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, name);
    QCOMPARE(windowsVersionName(
                     QOperatingSystemVersion(QOperatingSystemVersion::Windows, major, minor)),
             name);
}

void TestAboutWindow::closes_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << u"button"_s;
    QTest::newRow("Escape") << u"escape"_s;
    QTest::newRow("title bar") << u"title bar"_s;
}

void TestAboutWindow::closes()
{
    QFETCH(QString, how);
    QPointer<AboutWindows> about = open();
    QVERIFY(about);
    if (how == u"button")
        QTest::mouseClick(about->findChild<QPushButton *>(u"pushButton_close"_s), Qt::LeftButton);
    else if (how == u"escape")
        QTest::keyClick(about->windowHandle(), Qt::Key_Escape);
    else
        about->windowHandle()->close();
    // Closed, and released.
    QTRY_VERIFY(about.isNull());
}

void TestAboutWindow::blocksTheMainWindowWhileShown()
{
    QToolButton *unselectButton =
            m_window->findChild<QToolBar *>(u"toolBar"_s)->findChildren<QToolButton *>().value(5);
    QCOMPARE(unselectButton->defaultAction(),
             m_form.action(u"action_Unselect_All_options_Toolbar"_s));
    const auto clickUnselect = [&] {
        QTest::mouseClick(
                unselectButton->window()->windowHandle(), Qt::LeftButton, {},
                unselectButton->mapTo(unselectButton->window(), unselectButton->rect().center()));
    };

    QPointer<AboutWindows> about = open();
    QVERIFY(about);
    // Neither a shortcut nor a click reaches the main window.
    QTest::keyClick(m_window->windowHandle(), Qt::Key_U, Qt::ControlModifier);
    clickUnselect();
    QVERIFY(m_form.ticked(u"ID"_s));

    about->close();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window->windowHandle(), Qt::Key_U, Qt::ControlModifier);
    QVERIFY(!m_form.ticked(u"ID"_s));
    m_form.setTicked(u"ID"_s, true);
    clickUnselect();
    QVERIFY(!m_form.ticked(u"ID"_s));
}

TESSARO_ISOLATED_GUI_TEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
