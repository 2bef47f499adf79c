#pragma once

#include "core/cards/cardsource.h"
#include "core/safefiles_unix.h"

namespace Tessaro {

// A card's root folder held by a descriptor: the mount at point, whose file
// system is device and, once known, whose mount is identity's. Reads and
// writes work relative to it; a lock on it keeps other runs off.
class OpenedFolder : public CardFolder
{
public:
    // Opens it, if the card is still there: the same mount, of a file system
    // mounted nowhere else.
    static OpenedCard open(const QByteArray &point, quint64 device, const QString &identity = {});

    bool stillThere() const override;
    FileStatus readFile(QByteArray &content) const override;
    FileStatus writeFile(const QByteArray &content, Existing existing) const override;

private:
    OpenedFolder(Descriptor folder, QByteArray point, QString identity);

    Descriptor m_folder;
    QByteArray m_point;
    QString m_identity; // mountIdentity()'s key for the mount it is on
};

} // namespace Tessaro
