// The Help menu's links: what is handed to the desktop, exactly.

#include "formaccess.h"
#include "isolatedmain.h"
#include "mainwindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace TestSupport;

class TestSupportLinks : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened.append(url); }

private slots:
    void init();
    void cleanup();

    void linksHandedToTheDesktop_data();
    void linksHandedToTheDesktop();
    void aDesktopWithoutHandlersChangesNothing();

private:
    std::unique_ptr<MainWindow> m_window;
    FormAccess m_form{nullptr};
    QList<QUrl> m_opened;
};

void TestSupportLinks::init()
{
    m_opened.clear();
    m_window = std::make_unique<MainWindow>();
    m_form = FormAccess(m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestSupportLinks::cleanup()
{
    for (const char *scheme : {"http", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    m_window.reset();
}

void TestSupportLinks::linksHandedToTheDesktop_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("home page") << u"actionOrvel_Home_Page"_s << u"http://www.orvel.example"_s
                               << u"http://www.orvel.example"_s;
    QTest::newRow("support request")
            << u"actionContact_Technical_Support"_s
            << u"mailto:support@orvel.example?subject=Subject: Orvel Support Request (From: "
               u"Tessaro - Configuration File Generator - 1.1.0)&body=Here: your question..."_s
            << u"mailto:support@orvel.example?subject=Subject:%20Orvel%20Support%20Request%20"
               u"(From:%20Tessaro%20-%20Configuration%20File%20Generator%20-%201.1.0)&body="
               u"Here:%20your%20question..."_s;
}

void TestSupportLinks::linksHandedToTheDesktop()
{
    QFETCH(QString, action);
    QFETCH(QString, url);
    QFETCH(QString, encoded);
    for (const char *scheme : {"http", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");

    m_form.action(action)->trigger();
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened.first().toString(), url);
    QCOMPARE(QString::fromLatin1(m_opened.first().toEncoded()), encoded);
    // Nothing is remembered: the same command hands over the same address again.
    m_form.action(action)->trigger();
    QCOMPARE(m_opened.size(), 2);
    QCOMPARE(m_opened.last(), m_opened.first());
}

void TestSupportLinks::aDesktopWithoutHandlersChangesNothing()
{
    const QStringList before = m_form.state();
    m_form.action(u"actionOrvel_Home_Page"_s)->trigger();
    m_form.action(u"actionContact_Technical_Support"_s)->trigger();
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(m_form.state(), before);
    QVERIFY(m_window->isActiveWindow());
}

TESSARO_ISOLATED_GUI_TEST_MAIN(TestSupportLinks)
#include "tst_supportlinks.moc"
