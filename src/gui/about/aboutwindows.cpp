#include "gui/about/aboutwindows.h"

#include "gui/about/aboutwindowsform.h"
#include "core/applicationidentity.h"

#include <QCoreApplication>
#include <QLabel>
#include <QOperatingSystemVersion>
#include <QSysInfo>

using namespace Qt::StringLiterals;

AboutWindows::AboutWindows(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::AboutWindows>())
{
    ui->setupUi(this);
}

AboutWindows::~AboutWindows() = default;

void AboutWindows::updateInfos()
{
    ui->retranslateUi(this);
    setWindowTitle(windowTitle() + u' ' + QCoreApplication::applicationName());
    const QString domain = QCoreApplication::organizationDomain();
    ui->label_infos->setText(u"<br><b>"_s + QCoreApplication::applicationName() + u' '
                             + u"</b></br><br><b>"_s + tr("Version:") + u"  "_s
                             + QCoreApplication::applicationVersion() + u"</b></br><p>"_s
                             + QCoreApplication::organizationName() + u"</p><p><a href=\""_s
                             + Tessaro::homePageAddress() + u"\">"_s + domain
                             + u"</a></p><p>"_s
                             // The system names itself: that text is data, not markup.
                             + osName().toHtmlEscaped() + u"</p>"_s);
}

QString AboutWindows::osName()
{
    return systemName() + u' ' + (QSysInfo::WordSize == 64 ? tr("(64bit)") : tr("(32bit)"));
}

void showAboutWindow()
{
    auto *window = new AboutWindows();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->updateInfos();
    window->show();
}

QString windowsVersionName(const QOperatingSystemVersion &version)
{
    struct Release
    {
        int major;
        int minor;
        const char *name;
    };
    static constexpr Release releases[] = {
            {4, 0, QT_TRANSLATE_NOOP("AboutWindows", "Microsoft Windows NT")},
            {5, 0, QT_TRANSLATE_NOOP("AboutWindows", "Microsoft Windows 2000")},
            {5, 1, QT_TRANSLATE_NOOP("AboutWindows", "Microsoft Windows XP")},
            {5, 2, QT_TRANSLATE_NOOP("AboutWindows", "Microsoft Windows 2003")},
            {6, 0, QT_TRANSLATE_NOOP("AboutWindows", "Microsoft Windows Vista")},
            {6, 1, QT_TRANSLATE_NOOP("AboutWindows", "Microsoft Windows 7")},
    };
    for (const Release &release : releases) {
        if (version.majorVersion() == release.major && version.minorVersion() == release.minor)
            return QCoreApplication::translate("AboutWindows", release.name);
    }
    return QCoreApplication::translate("AboutWindows", "Microsoft OS");
}
