#pragma once

#include "core/cards/cardsource.h"

#include <QHash>
#include <QStringList>

namespace TestSupport {

// Cards that a test inserts and pulls at will, each a config.txt in memory:
// a run of cards without a system's disks. Each step a real source takes in
// a turn of the event loop takes one here too.
class FakeCardSource : public Tessaro::CardSource
{
public:
    struct Fake
    {
        QByteArray held;       // its config.txt, if it has one
        bool hasFile = false;
        bool readOnly = false;
        bool stuck = false;    // cannot be ejected
        bool there = true;
    };

    void insert(const QString &name, const Fake &card);
    void pull(const QString &name);
    Fake card(const QString &name) const { return m_cards.value(name); }
    // How each card was put back, in order: "A ejected", "B put back".
    const QStringList &releases() const { return m_releases; }

    void start() override { later([this] { emit ready(); }); }
    void lookAgain() override { later([this] { emit looked(); }); }
    bool ejects() const override { return true; }
    QString place() const override { return QStringLiteral("fake"); }
    void prepare(const Tessaro::Card &card) override;
    Tessaro::OpenedCard open(const Tessaro::Card &card) override;
    void release(const Tessaro::Card &card, Tessaro::Release release) override;

private:
    template<typename Step> void later(Step step)
    {
        QMetaObject::invokeMethod(this, step, Qt::QueuedConnection);
    }

    QHash<QString, Fake> m_cards; // by name, which is also the key
    QStringList m_releases;
};

} // namespace TestSupport
