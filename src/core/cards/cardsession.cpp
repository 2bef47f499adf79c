#include "core/cards/cardsession.h"

#include "core/format/comparison.h"
#include "core/format/configurationfile.h"
#include "core/format/configurationformat.h"
#include "core/format/importreport.h"
#include "core/unitfiles.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Cards", text);
}

// A unit's ID as the log shows it: three digits.
QString idText(int unit)
{
    return u"%1"_s.arg(unit, 3, 10, QChar(u'0'));
}

// The unit a card's config.txt names, or -1.
int unitOf(const FileReading &reading)
{
    const ImportedRows rows = importedRows(reading.recognised);
    const auto &taken = rows[optionIndexByName(u"ID")].taken;
    return taken ? taken->value : -1;
}

} // namespace

QString CardResult::text() const
{
    const QString holds = held > 0
            ? translated(QT_TRANSLATE_NOOP("Cards", "holds the file of unit %1")).arg(idText(held))
            : translated(QT_TRANSLATE_NOOP("Cards", "holds a config.txt"));
    QString text;
    switch (kind) {
    case Waiting:
        text = translated(QT_TRANSLATE_NOOP("Cards", "waiting"));
        break;
    case Written:
        text = translated(QT_TRANSLATE_NOOP("Cards", "written and verified"));
        break;
    case NotEjected:
        text = translated(QT_TRANSLATE_NOOP("Cards", "written and verified, not ejected: %1"))
                       .arg(detail);
        break;
    case Declined:
        text = translated(QT_TRANSLATE_NOOP("Cards", "left as it was: %1; you answered No"))
                       .arg(holds);
        break;
    case Kept:
        text = translated(QT_TRANSLATE_NOOP("Cards",
                                            "left as it was: %1; not replaced without --force"))
                       .arg(holds);
        break;
    case Failed:
        text = translated(QT_TRANSLATE_NOOP("Cards", "not written: %1")).arg(detail);
        break;
    case Removed:
        text = translated(QT_TRANSLATE_NOOP("Cards", "removed before it was written"));
        break;
    case InUse:
        text = translated(QT_TRANSLATE_NOOP("Cards", "in use by another run"));
        break;
    case LeftAlone:
        text = translated(QT_TRANSLATE_NOOP("Cards", "left alone: %1")).arg(detail);
        break;
    case Unused:
        text = translated(QT_TRANSLATE_NOOP("Cards", "left alone: every unit is written"));
        break;
    case Stopped:
        text = translated(QT_TRANSLATE_NOOP("Cards", "left as it was: the run was stopped"));
        break;
    case Same:
        text = translated(QT_TRANSLATE_NOOP("Cards", "same as the form"));
        break;
    case Different:
        text = detail;
        break;
    case Unreadable:
        text = translated(QT_TRANSLATE_NOOP("Cards", "no config.txt to read: %1")).arg(detail);
        break;
    }
    if (!putBack.isEmpty())
        text += translated(QT_TRANSLATE_NOOP("Cards", "; still mounted: %1")).arg(putBack);
    return text;
}

QString CardResult::line() const
{
    const QString unitText = translated(QT_TRANSLATE_NOOP("Cards", "unit %1"));
    return u"%1  %2  %3  %4"_s.arg(
            time.toString(u"HH:mm:ss"_s),
            unit > 0 ? unitText.arg(idText(unit)) : QString(unitText.arg(idText(0)).size(), u'-'),
            card.name(), text());
}

QString CardResult::datedLine() const
{
    return time.date().toString(Qt::ISODate) + u'T' + line();
}

bool CardResult::wanted() const
{
    return kind == Written || kind == NotEjected || kind == Same || kind == Waiting;
}

CardSession::CardSession(const FormSettings &settings, int first, int last, Mode mode,
                         QObject *parent)
    : QObject(parent), m_settings(settings), m_mode(mode), m_next(first), m_last(last)
{
}

CardSession::~CardSession() = default;

bool CardSession::watch(const QString &folder)
{
    return watch(cardSources(folder));
}

bool CardSession::watch(std::vector<std::unique_ptr<CardSource>> sources)
{
    if (busy() || m_ending)
        return false;
    m_sources = std::move(sources);
    m_unavailable.clear();
    m_waiting.clear();
    setState(State::Starting);
    startSource();
    return true;
}

const CardSource *CardSession::source() const
{
    return m_state == State::Starting || m_sources.empty() ? nullptr : m_sources.front().get();
}

bool CardSession::busy() const
{
    return m_state == State::Preparing || m_state == State::Asking || m_state == State::Writing
            || m_state == State::Releasing || m_state == State::Ending;
}

void CardSession::startSource()
{
    if (m_sources.empty()) {
        setState(State::Done);
        emit notWatching(m_unavailable.join(translated(QT_TRANSLATE_NOOP("Cards", ", and "))));
        return;
    }
    CardSource *source = m_sources.front().get();
    connect(source, &CardSource::ready, this, [this] {
        setState(State::Waiting);
        emit watching();
        next();
    });
    connect(source, &CardSource::unavailable, this, [this](const QString &why) {
        m_unavailable << why;
        // Deleted once it has told its news.
        m_sources.front().release()->deleteLater();
        m_sources.erase(m_sources.begin());
        startSource();
    });
    connect(source, &CardSource::inserted, this, &CardSession::take);
    connect(source, &CardSource::leftAlone, this, [this](const Card &card, const QString &why) {
        CardResult result = resultOf(card, CardResult::LeftAlone);
        result.detail = why;
        record(result);
    });
    connect(source, &CardSource::removed, this, &CardSession::removed);
    connect(source, &CardSource::prepared, this, &CardSession::prepared);
    connect(source, &CardSource::released, this, &CardSession::released);
    connect(source, &CardSource::looked, this, [this] {
        if (m_state != State::Ending)
            return;
        setState(State::Done);
        emit finished();
    });
    source->start();
}

bool CardSession::ejects() const
{
    return m_ejecting && source() && source()->ejects();
}

QList<Card> CardSession::present() const
{
    QList<Card> present = source() ? source()->present() : QList<Card>();
    present.removeIf([this](const Card &card) { return m_taken.contains(card.key); });
    return present;
}

void CardSession::offer(const Card &card)
{
    take(card);
}

void CardSession::take(const Card &card)
{
    if (m_state == State::Done || m_taken.contains(card.key))
        return;
    m_taken.insert(card.key);
    // Cards that come while the run ends, or once every unit is written,
    // get their line and nothing else.
    if (m_ending || allUsed())
        return record(resultOf(card, allUsed() ? CardResult::Unused : CardResult::Stopped));
    m_waiting.append(card);
    if (m_state != State::Waiting)
        record(resultOf(card, CardResult::Waiting));
    next();
}

void CardSession::removed(const QString &key)
{
    emit presentChanged();
    const auto waiting = std::find_if(m_waiting.begin(), m_waiting.end(),
                                      [&key](const Card &card) { return card.key == key; });
    if (waiting != m_waiting.end()) {
        const Card card = *waiting;
        m_waiting.erase(waiting);
        record(resultOf(card, CardResult::Removed));
    }
    // The turn is over before the question goes, so that closing it
    // answers nothing.
    if (m_state == State::Asking && m_card.key == key) {
        finish(CardResult::Removed);
        emit questionWithdrawn();
    }
}

void CardSession::next()
{
    // A card's turn begins only once the one before has ended.
    if (m_state != State::Waiting || m_waiting.isEmpty())
        return;
    if (allUsed()) {
        for (const Card &card : std::exchange(m_waiting, {}))
            record(resultOf(card, CardResult::Unused));
        return;
    }
    // Its unit is given now, when its turn comes.
    m_card = m_waiting.takeFirst();
    m_unit = m_mode == Mode::Write ? m_next : 0;
    m_held = 0;
    setState(State::Preparing);
    m_sources.front()->prepare(m_card);
}

void CardSession::prepared(const Card &card, const QString &problem)
{
    if (m_state != State::Preparing || card.key != m_card.key)
        return;
    m_card = card;
    if (m_ending)
        return finish(CardResult::Stopped);
    if (!problem.isEmpty())
        return finish(CardResult::Failed, problem);
    OpenedCard opened = m_sources.front()->open(card);
    switch (opened.problem) {
    case OpenedCard::None:
        break;
    case OpenedCard::Removed:
        return finish(CardResult::Removed);
    case OpenedCard::InUse:
        return finish(CardResult::InUse);
    case OpenedCard::NoCard:
        return finish(CardResult::LeftAlone, opened.why);
    case OpenedCard::Failed:
        return finish(CardResult::Failed, fileProblemText(opened.failure));
    }
    m_folder = std::move(opened.folder);
    turn();
}

void CardSession::turn()
{
    if (m_mode == Mode::Check)
        return check();
    QByteArray held;
    const FileStatus found = m_folder->readFile(held);
    if (found.problem == FileStatus::Missing)
        return write(false);
    m_held = found.ok() ? unitOf(readConfiguration(held)) : -1;
    if (m_replacing == Replacing::Always)
        return write(true);
    if (m_replacing == Replacing::Never)
        return finish(CardResult::Kept);
    setState(State::Asking);
    emit question(m_card, m_unit, m_held);
}

void CardSession::answer(bool replace)
{
    if (m_state != State::Asking)
        return;
    if (replace)
        write(true);
    else
        finish(CardResult::Declined);
}

void CardSession::check()
{
    QByteArray content;
    const FileStatus read = m_folder->readFile(content);
    if (!read.ok())
        return finish(CardResult::Unreadable, fileProblemText(read));
    const FileReading reading = readConfiguration(content);
    const int unit = unitOf(reading);
    m_unit = std::max(unit, 0);
    QStringList found;
    const FormSettings form = unit > 0 ? unitSettings(m_settings, unit) : m_settings;
    for (const Difference &difference : compareWithForm(reading, form))
        found << differenceText(difference, FilePlace::Card);
    for (const Finding &finding : reading.findings) {
        if (concernsTheFile(finding))
            found << translated(QT_TRANSLATE_NOOP("Cards", "line %1: %2"))
                             .arg(finding.lineNumber)
                             .arg(findingText(finding));
    }
    if (found.isEmpty())
        finish(CardResult::Same);
    else
        finish(CardResult::Different, found.join(u"; "_s));
}

void CardSession::write(bool replacing)
{
    setState(State::Writing);
    // Gone since its turn began, it gets nothing, wherever its path leads now.
    if (!m_folder->stillThere())
        return finish(CardResult::Removed);
    const QByteArray text = configurationText(unitSettings(m_settings, m_unit));
    FileStatus status = m_folder->writeFile(text, replacing ? Existing::Replace : Existing::Keep);
    QByteArray back;
    if (status.ok())
        status = m_folder->readFile(back);
    if (!status.ok())
        return finish(CardResult::Failed, fileProblemText(status));
    if (back != text)
        return finish(CardResult::Failed,
                      translated(QT_TRANSLATE_NOOP("Cards",
                                                   "the file read back from the card differs")));
    // Verified: the ID moves on, whatever becomes of the eject.
    m_written.append(m_unit);
    ++m_next;
    finish(CardResult::Written);
}

void CardSession::finish(CardResult::Kind kind, const QString &detail)
{
    m_result = resultOf(m_card, kind);
    m_result.detail = detail;
    m_result.held = m_held;
    const bool written = kind == CardResult::Written;
    if (written || kind == CardResult::Same || kind == CardResult::Different)
        m_result.unit = m_unit;
    // Our hold on the card ends first: an unmount would find it busy.
    m_folder.reset();
    setState(State::Releasing);
    m_sources.front()->release(m_card, written && ejects() ? Release::Eject : Release::PutBack);
}

void CardSession::released(const Card &card, const QString &problem)
{
    if (m_state != State::Releasing || card.key != m_card.key)
        return;
    CardResult result = m_result;
    result.time = QDateTime::currentDateTime();
    if (!problem.isEmpty() && result.kind == CardResult::Written && ejects()) {
        result.kind = CardResult::NotEjected;
        result.detail = problem;
    } else if (!problem.isEmpty()) {
        result.putBack = problem;
    }
    setState(State::Waiting);
    record(result);
    if (m_ending)
        wrapUp();
    else
        next();
}

void CardSession::end()
{
    if (std::exchange(m_ending, true))
        return;
    switch (m_state) {
    case State::Starting:
    case State::Done:
        // Nothing watched, nothing to look at again.
        m_sources.clear();
        setState(State::Done);
        emit finished();
        break;
    case State::Waiting:
        wrapUp();
        break;
    case State::Asking:
        finish(CardResult::Stopped);
        emit questionWithdrawn();
        break;
    case State::Preparing:
    case State::Writing:
    case State::Releasing:
    case State::Ending:
        // Its turn ends as soon as the source answers.
        break;
    }
}

void CardSession::wrapUp()
{
    for (const Card &card : std::exchange(m_waiting, {}))
        record(resultOf(card, allUsed() ? CardResult::Unused : CardResult::Stopped));
    setState(State::Ending);
    m_sources.front()->lookAgain();
}

void CardSession::setState(State state)
{
    if (std::exchange(m_state, state) != state)
        emit stateChanged();
}

CardResult CardSession::resultOf(const Card &card, CardResult::Kind kind) const
{
    CardResult result;
    result.time = QDateTime::currentDateTime();
    result.card = card;
    result.kind = kind;
    return result;
}

void CardSession::record(CardResult result)
{
    m_log.append(result);
    emit logged(m_log.last());
}

} // namespace Tessaro
