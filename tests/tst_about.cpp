// The Help menu: the About window, and the two links handed to the desktop.

#include "about/aboutwindows.h"
#include "form/mainwindow.h"
#include "support/formaccess.h"
#include "support/testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QOperatingSystemVersion>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

QPointer<AboutWindows> visibleAboutWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *about = qobject_cast<AboutWindows *>(window); about && about->isVisible())
            return about;
    }
    return nullptr;
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened.append(url); }

private slots:
    void init();
    void cleanup();

    void aboutWindow_data();
    void aboutWindow();
    void windowsVersionNames_data();
    void windowsVersionNames();
    void links_data();
    void links();

private:
    std::unique_ptr<MainWindow> m_window;
    QList<QUrl> m_opened;
};

void TestAbout::init()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestAbout::cleanup()
{
    if (QPointer<AboutWindows> about = visibleAboutWindow())
        about->close();
    m_window.reset();
    forgetPreferences();
    m_opened.clear();
    QDesktopServices::unsetUrlHandler(u"http"_s);
    QDesktopServices::unsetUrlHandler(u"mailto"_s);
}

void TestAbout::aboutWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("texts"); // title, close button, version line
    QTest::addColumn<QString>("closing");
    QTest::newRow("English, Close button")
            << u"action_English"_s
            << u"About Tessaro - Configuration File Generator|Close|Version:  1.1.0"_s
            << u"button"_s;
    QTest::newRow("French, Escape") << u"action_Fran_ais"_s
                                    << u"À propos de Tessaro - Configuration File Generator|Fermer|"
                                       u"Version\u00a0:  1.1.0"_s
                                    << u"escape"_s;
    QTest::newRow("English, title bar")
            << u"action_English"_s
            << u"About Tessaro - Configuration File Generator|Close|Version:  1.1.0"_s
            << u"title bar"_s;
}

void TestAbout::aboutWindow()
{
    QFETCH(QString, language);
    QFETCH(QString, texts);
    QFETCH(QString, closing);
    action(m_window.get(), language)->trigger();
    action(m_window.get(), u"action_About"_s)->trigger();
    QPointer<AboutWindows> about = visibleAboutWindow();
    QVERIFY(about && QTest::qWaitForWindowActive(about));
    auto *close = about->findChild<QPushButton *>(u"pushButton_close"_s);
    const QString infos = about->findChild<QLabel *>(u"label_infos"_s)->text();
    QCOMPARE(about->windowTitle() + u'|' + close->text() + u'|'
                     + infos.section(u"<b>"_s, 2).section(u"</b>"_s, 0, 0),
             texts);
    QVERIFY(infos.startsWith(u"<br><b>Tessaro - Configuration File Generator </b></br>"_s));
    QVERIFY(infos.contains(u"</b></br><p>Copyright (C) 2026 Orvel. All rights reserved.</p>"
                           u"<p><a href=\"http://www.orvel.example\">www.orvel.example</a></p><p>"_s
                           + QSysInfo::prettyProductName().toHtmlEscaped()));
    // Application-modal and fixed at the size of its contents: the main
    // window takes no input while it shows.
    QVERIFY(!about->parent());
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QCOMPARE(about->findChild<QLabel *>(u"label_Image"_s)->pixmap().size(), QSize(128, 192));
    QTest::keyClick(m_window->windowHandle(), Qt::Key_U, Qt::ControlModifier);
    QVERIFY(checkBox(m_window.get(), 0)->isChecked());

    if (closing == u"button")
        QTest::mouseClick(close, Qt::LeftButton);
    else if (closing == u"escape")
        QTest::keyClick(about->windowHandle(), Qt::Key_Escape);
    else
        about->windowHandle()->close();
    // Closed, and released; the main window takes input again.
    QTRY_VERIFY(about.isNull());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window->windowHandle(), Qt::Key_U, Qt::ControlModifier);
    QVERIFY(!checkBox(m_window.get(), 0)->isChecked());
}

void TestAbout::windowsVersionNames_data()
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
}

void TestAbout::windowsVersionNames()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, name);
    QCOMPARE(windowsVersionName(
                     QOperatingSystemVersion(QOperatingSystemVersion::Windows, major, minor)),
             name);
}

void TestAbout::links_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("home page") << u"action_English"_s << u"actionOrvel_Home_Page"_s
                               << u"http://www.orvel.example"_s;
    QTest::newRow("support request")
            << u"action_English"_s << u"actionContact_Technical_Support"_s
            << u"mailto:support@orvel.example?subject=Subject:%20Orvel%20Support%20Request%20"
               u"(From:%20Tessaro%20-%20Configuration%20File%20Generator%20-%201.1.0)&body="
               u"Here:%20your%20question..."_s;
    QTest::newRow("support request in French")
            << u"action_Fran_ais"_s << u"actionContact_Technical_Support"_s
            << u"mailto:support@orvel.example?subject=Objet%20:%20Demande%20d'assistance%20"
               u"Orvel%20(De%20:%20Tessaro%20-%20Configuration%20File%20Generator%20-%201.1.0)"
               u"&body=Ici%20:%20votre%20question..."_s;
}

void TestAbout::links()
{
    QFETCH(QString, language);
    QFETCH(QString, action);
    QFETCH(QString, encoded);
    // A desktop that cannot open them leaves the program as it was.
    TestSupport::action(m_window.get(), action)->trigger();
    QVERIFY(m_window->isActiveWindow());

    QDesktopServices::setUrlHandler(u"http"_s, this, "openUrl");
    QDesktopServices::setUrlHandler(u"mailto"_s, this, "openUrl");
    TestSupport::action(m_window.get(), language)->trigger();
    TestSupport::action(m_window.get(), action)->trigger();
    TestSupport::action(m_window.get(), action)->trigger();
    QCOMPARE(m_opened.size(), 2);
    QCOMPARE(QString::fromUtf8(m_opened.first().toEncoded()), encoded);
    QCOMPARE(m_opened.last(), m_opened.first());
}

TESSARO_WINDOW_TEST_MAIN(TestAbout)
#include "tst_about.moc"
