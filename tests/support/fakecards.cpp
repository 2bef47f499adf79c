#include "support/fakecards.h"

#include "support/systemfiles.h"

using namespace Tessaro;

namespace TestSupport {

namespace {

class FakeFolder : public CardFolder
{
public:
    explicit FakeFolder(FakeCardSource::Fake &card) : m_card(card) { }

    bool stillThere() const override { return m_card.there; }
    FileStatus readFile(QByteArray &content) const override
    {
        content = m_card.held;
        return m_card.hasFile ? FileStatus() : FileStatus{FileStatus::Missing, 0};
    }
    FileStatus writeFile(const QByteArray &content, Existing existing) const override
    {
        if (m_card.readOnly)
            return {FileStatus::SystemError, readOnlyFileSystem()};
        if (m_card.hasFile && existing == Existing::Keep)
            return {FileStatus::Exists, 0};
        m_card.held = content;
        m_card.hasFile = true;
        return {};
    }

private:
    FakeCardSource::Fake &m_card;
};

} // namespace

void FakeCardSource::insert(const QString &name, const Fake &card)
{
    m_cards.insert(name, card);
    emit inserted({name, name, QStringLiteral("fake:") + name, QStringLiteral("/fake/") + name});
}

void FakeCardSource::pull(const QString &name)
{
    m_cards[name].there = false;
    emit removed(name);
}

void FakeCardSource::prepare(const Card &card)
{
    later([this, card] { emit prepared(card, {}); });
}

OpenedCard FakeCardSource::open(const Card &card)
{
    Fake &fake = m_cards[card.key];
    if (!fake.there)
        return {OpenedCard::Removed, {}, {}, {}};
    return {OpenedCard::None, {}, {}, std::make_unique<FakeFolder>(fake)};
}

void FakeCardSource::release(const Card &card, Release release)
{
    const bool eject = release == Release::Eject;
    m_releases << card.key + (eject ? QStringLiteral(" ejected") : QStringLiteral(" put back"));
    const QString problem =
            eject && m_cards[card.key].stuck ? QStringLiteral("busy") : QString();
    later([this, card, problem] { emit released(card, problem); });
}

} // namespace TestSupport
