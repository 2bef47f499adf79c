#pragma once

#include "config/cards.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

// Writes the form's file onto one memory card after another: each card
// mounted in the watched folder while it is open gets the next unit's file,
// checked, and the ID moves on. Volumes mounted before are listed, and
// written only when the user picks one.
class CardsDialog : public QDialog
{
    Q_OBJECT

public:
    CardsDialog(const Tessaro::FormSettings &settings, int firstId, QWidget *parent);

    const QList<int> &written() const { return m_session.written(); }
    // The last card's config.txt, empty when none was written.
    const QString &lastFile() const { return m_lastFile; }

private:
    // Watches the folder in the field, from now on.
    void watch();
    void chooseFolder();
    void writeCard(const Tessaro::Volume &card);
    void writeChosenCard();
    void showPresent();
    void askForNextCard();

    Tessaro::CardSession m_session;
    Tessaro::CardWatcher *m_watcher = nullptr;
    QSpinBox *m_next;
    QLineEdit *m_folder;
    QCheckBox *m_replace;
    QLabel *m_status;
    QListWidget *m_log;
    QListWidget *m_present;
    QPushButton *m_writeChosen;
    QString m_lastFile;
};
