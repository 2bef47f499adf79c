#pragma once

#include "core/cards/cardsession.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMessageBox;
class QPushButton;
class QSpinBox;

// Writes the form's file onto one memory card after another: each card
// inserted while it is open gets the next unit's file, checked, and the ID
// moves on; or, checking, each card is compared with the form. Cards come
// through the system's disk service, which mounts and ejects them, or from a
// watched folder. Volumes there before are listed, and written only when the
// user picks one. Closing it ends the run before anything else happens, and
// closes once the card whose turn it was is put back.
class CardsDialog : public QDialog
{
    Q_OBJECT

public:
    // source names the file the form came from, if any, for the saved log.
    CardsDialog(const Tessaro::FormSettings &settings, const QString &source, QWidget *parent);

    const Tessaro::CardSession &session() const { return *m_session; }

    void reject() override;

private:
    // Watches where the folder field says: the disk service when empty.
    void watch();
    void chooseFolder();
    void writeChosenCard();
    void showWatching();
    void showPresent();
    // The key of the card chosen in the list, if one is.
    QString chosenCard() const;
    void ask(const Tessaro::Card &card, int unit, int held);
    void logged(const Tessaro::CardResult &result);
    void showState();
    void saveLog();
    void finished();

    Tessaro::CardSession *m_session;
    QString m_formSource;
    QSpinBox *m_next;
    QPushButton *m_formId;
    QLineEdit *m_folder;
    QPushButton *m_browse;
    QCheckBox *m_check;
    QCheckBox *m_replace;
    QCheckBox *m_eject;
    QLabel *m_byHand;
    QLabel *m_status;
    QListWidget *m_log;
    QListWidget *m_present;
    QPushButton *m_writeChosen;
    QPointer<QMessageBox> m_question;
    QString m_lastResult; // what the last card came to, for the status
    QString m_notWatching; // why no cards can be found, once it is known
    QString m_watched;     // the folder field's text for what is watched
    bool m_closing = false;
};
