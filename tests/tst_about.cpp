// The Help menu: the About window, and the two links handed to the desktop.

#include "gui/about/aboutwindows.h"
#include "gui/mainwindow.h"
#include "support/files.h"
#include "support/formaccess.h"
#include "support/testmain.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QOperatingSystemVersion>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace TestSupport;

class TestAbout : public WindowTest
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened.append(url); }

private slots:
    void aboutWindow_data();
    void aboutWindow();
    void windowsVersions();
    void links();

private:
    QList<QUrl> m_opened;
};

void TestAbout::aboutWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("texts"); // title, Close button, version line
    QTest::newRow("English")
            << u"action_English"_s
            << u"About Tessaro - Configuration File Generator|Close|Version:  1.1.0"_s;
    QTest::newRow("French") << u"action_Fran_ais"_s
                            << u"À propos de Tessaro - Configuration File Generator|Fermer|"
                               u"Version\u00a0:  1.1.0"_s;
}

void TestAbout::aboutWindow()
{
    QFETCH(QString, language);
    QFETCH(QString, texts);
    action(window.get(), language)->trigger();
    action(window.get(), u"action_About"_s)->trigger();
    QPointer<AboutWindows> about = qobject_cast<AboutWindows *>(QApplication::activeModalWidget());
    QVERIFY(about && QTest::qWaitForWindowActive(about));
    auto *close = about->findChild<QPushButton *>(u"pushButton_close"_s);
    const QString infos = about->findChild<QLabel *>(u"label_infos"_s)->text();
    QCOMPARE(about->windowTitle() + u'|' + close->text() + u'|'
                     + infos.section(u"<b>"_s, 2).section(u"</b>"_s, 0, 0),
             texts);
    QVERIFY(infos.startsWith(u"<br><b>Tessaro - Configuration File Generator </b></br>"_s));
    QVERIFY(infos.contains(u"</b></br><p>Copyright (C) 2026 Orvel. All rights reserved.</p>"
                           u"<p><a href=\"http://www.orvel.example\">www.orvel.example</a></p><p>"_s
                           + systemName().toHtmlEscaped()));
    // Without a parent, fixed at the size of its contents, and modal: the
    // main window takes no input until it is closed, and then it is released.
    QVERIFY(!about->parent());
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QCOMPARE(about->findChild<QLabel *>(u"label_Image"_s)->pixmap().size(), QSize(128, 192));
    const QStringList shown = look(about);
    QCOMPARE(shown, golden(u"data/window/about-look.txt"_s, shown));
    QTest::keyClick(window->windowHandle(), Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(formState(window.get()), formWith({}, true));
    QTest::mouseClick(close, Qt::LeftButton);
    QTRY_VERIFY(about.isNull());
}

void TestAbout::windowsVersions()
{
    // Each release by name, any other by none.
    const std::pair<std::pair<int, int>, QString> names[] = {
            {{4, 0}, u"Microsoft Windows NT"_s},    {{5, 0}, u"Microsoft Windows 2000"_s},
            {{5, 1}, u"Microsoft Windows XP"_s},    {{5, 2}, u"Microsoft Windows 2003"_s},
            {{6, 0}, u"Microsoft Windows Vista"_s}, {{6, 1}, u"Microsoft Windows 7"_s},
            {{6, 2}, u"Microsoft OS"_s},            {{10, 0}, u"Microsoft OS"_s}};
    for (const auto &[version, name] : names)
        QCOMPARE(windowsVersionName(QOperatingSystemVersion(QOperatingSystemVersion::Windows,
                                                            version.first, version.second)),
                 name);
}

void TestAbout::links()
{
    for (const QString &scheme : {u"http"_s, u"mailto"_s})
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
    action(window.get(), u"actionOrvel_Home_Page"_s)->trigger();
    action(window.get(), u"actionContact_Technical_Support"_s)->trigger();
    for (const QString &scheme : {u"http"_s, u"mailto"_s})
        QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(m_opened,
             QList<QUrl>({QUrl(u"http://www.orvel.example"_s),
                          QUrl::fromEncoded(
                                  "mailto:support@orvel.example?subject=Subject:%20Orvel%20Support"
                                  "%20Request%20(From:%20Tessaro%20-%20Configuration%20File%20"
                                  "Generator%20-%201.1.0)&body=Here:%20your%20question...")}));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
