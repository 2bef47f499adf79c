#pragma once

#include "core/cards/cardsource.h"

#include <QHash>

#include <windows.h>

class QTimer;

namespace Tessaro {

// The cards Windows offers: a card file system (FAT, exFAT, NTFS) on a
// removable drive, by its letter; never a fixed, network or CD drive. Each
// letter is looked at a few times a second, and at once when the system
// tells of a volume come or gone. A card is known by its volume's name and
// serial number, so one swapped in at the same letter is a new card. Once
// written, a card is ejected where its drive can; nothing is ever mounted.
class RemovableDriveSource : public CardSource
{
    Q_OBJECT

public:
    explicit RemovableDriveSource(QObject *parent = nullptr);
    ~RemovableDriveSource() override;

    void start() override;
    void lookAgain() override;
    bool ejects() const override { return true; }
    QString place() const override;
    void prepare(const Card &card) override;
    OpenedCard open(const Card &card) override;
    void release(const Card &card, Release release) override;

private:
    struct Volume
    {
        QString key;
        wchar_t letter = 0;
        QString name;  // the volume's own name, \\?\Volume{...}\ where the system gives one
        DWORD serial = 0;
    };

    void look();
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM what, LPARAM data);

    QHash<wchar_t, Volume> m_volumes; // what each removable drive holds now
    QHash<wchar_t, int> m_arrivals;   // how many volumes came at each letter
    bool m_started = false;
    QTimer *m_poll;
    HWND m_window = nullptr; // hidden, for the system's word of volumes come and gone
};

} // namespace Tessaro
