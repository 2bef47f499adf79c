#include "core/cards/cardsource.h"

#include <QCoreApplication>

namespace Tessaro {

namespace {

// Cards are not found on Windows yet: a source that says so, rather than a
// watch of nothing.
class UnsupportedSource : public CardSource
{
public:
    void start() override
    {
        emit unavailable(QCoreApplication::translate(
                "Cards", "cards cannot be written on this system yet"));
    }
    void lookAgain() override { emit looked(); }
    bool ejects() const override { return false; }
    QString place() const override { return {}; }
    void prepare(const Card &card) override { emit prepared(card, {}); }
    OpenedCard open(const Card &) override { return {OpenedCard::Removed, {}, {}, {}}; }
    void release(const Card &card, Release) override { emit released(card, {}); }
};

} // namespace

std::vector<std::unique_ptr<CardSource>> cardSources(const QString &)
{
    std::vector<std::unique_ptr<CardSource>> sources;
    sources.push_back(std::make_unique<UnsupportedSource>());
    return sources;
}

bool watchesCardFolders()
{
    return false;
}

} // namespace Tessaro
