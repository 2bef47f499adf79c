#pragma once

#include "form/optioncatalogue.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace Tessaro {

// A mounted volume: its root (the mount point), its name, and what tells it
// from another volume mounted at the same root later.
struct Volume
{
    QString root;
    QString label; // the volume's name, else the root's last part
    quint64 identity = 0;

    bool operator==(const Volume &other) const
    {
        return root == other.root && identity == other.identity;
    }
};

// Every volume mounted now.
QList<Volume> mountedVolumes();
// The volumes of mounted whose root lies inside folder, not folder itself.
QList<Volume> volumesInside(const QString &folder, const QList<Volume> &mounted);
// The volumes of after that before did not hold: the cards inserted since.
QList<Volume> newVolumes(const QList<Volume> &before, const QList<Volume> &after);

// Where the desktop mounts removable media for this user: /run/media/<user>
// where that exists, else /media/<user>; /Volumes on macOS.
QString defaultCardFolder();

// Watches a folder for volumes mounted inside it. Those there when watching
// starts are present(); each mounted later is told once. On Linux the mount
// table tells of a change; elsewhere it is looked at twice a second.
class CardWatcher : public QObject
{
    Q_OBJECT

public:
    explicit CardWatcher(const QString &folder, QObject *parent = nullptr);
    ~CardWatcher() override;

    const QString &folder() const { return m_folder; }
    const QList<Volume> &present() const { return m_present; }

signals:
    void inserted(const Tessaro::Volume &volume);

private:
    void look();

    QString m_folder;
    QList<Volume> m_present; // mounted before, still there
    QList<Volume> m_known;
    int m_mountTable = -1; // Linux: the mount table, which signals a change
};

// What writing a unit's file onto a card came to.
struct CardOutcome
{
    enum Result { Written, Skipped, Failed };
    Result result = Failed;
    int id = 0;
    QString path;   // the card's config.txt
    QString reason; // why it failed, in the current language
};

// Writes the next unit's file onto each card it is given, IDs first to last,
// with the same writer and reader as every other file: the file is written
// whole or not at all, flushed to the card with its folder, then read back
// from the card and compared byte for byte. Only then does the ID advance.
class CardSession
{
public:
    CardSession(const FormSettings &settings, int first, int last);

    int nextId() const { return m_next; }
    void setNextId(int id) { m_next = id; }
    int lastId() const { return m_last; }
    bool finished() const { return m_next > m_last; }
    const QList<int> &written() const { return m_written; }

    // A card that holds a config.txt is written only when replace(unit)
    // agrees, unit being the ID its file names, or -1.
    CardOutcome write(const Volume &card, const std::function<bool(int unit)> &replace);

private:
    FormSettings m_settings;
    int m_next;
    int m_last;
    QList<int> m_written;
};

} // namespace Tessaro
