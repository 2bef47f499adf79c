#pragma once

#include <QDialog>

#include <memory>

class QOperatingSystemVersion;

namespace Ui {
class AboutWindows;
}

// The About window: the application's name, version, copyright notice, home
// page and the operating system, as they are when the window is opened.
class AboutWindows : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindows(QWidget *parent = nullptr);
    ~AboutWindows() override;

    // Gives the window its texts in the language in force.
    void updateInfos();

    // The operating system and the word size the program was built for.
    static QString osName();

private:
    std::unique_ptr<Ui::AboutWindows> ui;
};

// The About command: a new window each time, which deletes itself once closed.
void showAboutWindow();

// The name of a Windows version: NT, 2000, XP, 2003, Vista and 7 by name,
// any other "Microsoft OS".
QString windowsVersionName(const QOperatingSystemVersion &version);

// How the system the program runs on is named: a Windows version by
// windowsVersionName(), another system as it names itself.
QString systemName();
