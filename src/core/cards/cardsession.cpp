#include "core/cards/cardsession.h"

#include "core/format/configurationfile.h"
#include "core/format/configurationformat.h"
#include "core/format/importreport.h"
#include "core/unitfiles.h"
#include "core/format/comparison.h"
#ifdef TESSARO_DISK_SERVICE
#    include "core/cards/diskservice.h"
#endif

#include <QCoreApplication>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Cards", text);
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
    switch (kind) {
    case Waiting:
        return translated(QT_TRANSLATE_NOOP("Cards", "waiting"));
    case Written:
        return translated(QT_TRANSLATE_NOOP("Cards", "written and verified"));
    case NotEjected:
        return translated(QT_TRANSLATE_NOOP("Cards", "written and verified, not ejected: %1"))
                .arg(detail);
    case Skipped:
        return translated(QT_TRANSLATE_NOOP("Cards", "left as it was"));
    case Failed:
        return translated(QT_TRANSLATE_NOOP("Cards", "not written: %1")).arg(detail);
    case Removed:
        return translated(QT_TRANSLATE_NOOP("Cards", "removed before it was written"));
    case InUse:
        return translated(QT_TRANSLATE_NOOP("Cards", "in use by another run"));
    case LeftAlone:
        return translated(QT_TRANSLATE_NOOP("Cards", "left alone: not a card of its own"));
    case Unused:
        return translated(QT_TRANSLATE_NOOP("Cards", "left alone: every ID is used"));
    case Same:
        return translated(QT_TRANSLATE_NOOP("Cards", "same as the form"));
    case Different:
        return detail;
    case Unreadable:
        return translated(QT_TRANSLATE_NOOP("Cards", "no config.txt to read: %1")).arg(detail);
    }
    return {};
}

QString CardResult::line() const
{
    const QString unitText =
            unit > 0 ? u"unit %1"_s.arg(unit, 3, 10, QChar(u'0')) : QString(8, u'-');
    return u"%1  %2  %3 (%4)  %5"_s.arg(time.toString(u"HH:mm:ss"_s), unitText, card.label,
                                        card.device, text());
}

bool CardResult::wanted() const
{
    return kind == Written || kind == Same || kind == Waiting;
}

CardSession::CardSession(const FormSettings &settings, int first, int last, Mode mode,
                         QObject *parent)
    : QObject(parent), m_settings(settings), m_mode(mode), m_next(first), m_last(last)
{
}

CardSession::~CardSession() = default;

void CardSession::watch(const QString &folder)
{
    delete m_source;
    m_waiting.clear();
    m_folder.reset();
    setState(State::Starting);
    CardSource *source = nullptr;
#ifdef TESSARO_DISK_SERVICE
    if (folder.isEmpty())
        source = new DiskServiceSource(this);
#endif
    if (!source)
        source = new MountTableSource(folder.isEmpty() ? defaultCardFolder() : folder, this);
    m_source = source;
    connect(source, &CardSource::ready, this, [this] {
        setState(State::Waiting);
        emit watching();
        next();
    });
    connect(source, &CardSource::unavailable, this, [this, folder](const QString &why) {
        // Without the disk service, the folder where the desktop mounts cards.
        if (folder.isEmpty() && !qobject_cast<MountTableSource *>(m_source))
            return watch(defaultCardFolder());
        setState(State::Done);
        emit notWatching(why);
    });
    connect(source, &CardSource::inserted, this, &CardSession::take);
    connect(source, &CardSource::leftAlone, this, [this](const Card &card) {
        record({QTime::currentTime(), 0, card, CardResult::LeftAlone, {}});
    });
    connect(source, &CardSource::removed, this, [this](const QString &key) {
        const auto waiting = std::find_if(m_waiting.begin(), m_waiting.end(),
                                          [&key](const Card &card) { return card.key == key; });
        if (waiting != m_waiting.end()) {
            const Card card = *waiting;
            m_waiting.erase(waiting);
            record({QTime::currentTime(), 0, card, CardResult::Removed, {}});
        }
        if (m_state == State::Asking && m_card.key == key) {
            emit questionWithdrawn();
            finish(CardResult::Removed, {}, false);
        }
    });
    connect(source, &CardSource::prepared, this, &CardSession::prepared);
    connect(source, &CardSource::released, this, &CardSession::released);
    source->start();
}

bool CardSession::ejects() const
{
    return m_ejecting && m_source && m_source->ejects();
}

void CardSession::setNextId(int id)
{
    m_next = id;
}

void CardSession::offer(const Card &card)
{
    take(card);
}

void CardSession::take(const Card &card)
{
    if (m_state == State::Done)
        return;
    m_waiting.append(card);
    if (m_state != State::Waiting)
        record({QTime::currentTime(), 0, card, CardResult::Waiting, {}});
    next();
}

void CardSession::next()
{
    // A card's turn begins only once the one before has ended.
    if (m_state != State::Waiting || m_waiting.isEmpty())
        return;
    if (allUsed()) {
        for (const Card &card : std::exchange(m_waiting, {}))
            record({QTime::currentTime(), 0, card, CardResult::Unused, {}});
        setState(State::Done);
        return;
    }
    // Its unit is given now, when its turn comes.
    m_card = m_waiting.takeFirst();
    m_unit = m_mode == Mode::Write ? m_next : 0;
    setState(State::Preparing);
    m_source->prepare(m_card);
}

void CardSession::prepared(const Card &card, const QString &problem)
{
    if (m_state != State::Preparing || card.key != m_card.key)
        return;
    if (!problem.isEmpty())
        return finish(CardResult::Failed, problem, false);
    m_card = card;
    m_folder = std::make_unique<CardFolder>(CardFolder::open(card));
    switch (m_folder->problem()) {
    case CardFolder::Problem::None:
        break;
    case CardFolder::Problem::Removed:
        return finish(CardResult::Removed, {}, false);
    case CardFolder::Problem::InUse:
        return finish(CardResult::InUse, {}, false);
    case CardFolder::Problem::Failed:
        return finish(CardResult::Failed,
                      fileProblemText({FileStatus::SystemError, m_folder->systemError()}));
    }
    // A test may hold a card, opened, for a while: to pull it, or to have
    // another run find it held.
    static const int delay = qEnvironmentVariableIntValue("TESSARO_CARD_DELAY_MS");
    if (delay > 0)
        QTimer::singleShot(delay, this, [this, key = m_card.key] {
            if (m_state == State::Preparing && m_card.key == key)
                opened();
        });
    else
        opened();
}

void CardSession::opened()
{
    if (m_mode == Mode::Check)
        return check();
    QByteArray held;
    const FileStatus found = m_folder->readFile(held);
    if (found.problem == FileStatus::Missing)
        return write(false);
    if (m_replacing == Replacing::Always)
        return write(true);
    if (m_replacing == Replacing::Never)
        return finish(CardResult::Skipped);
    setState(State::Asking);
    emit question(m_card, m_unit, found.ok() ? unitOf(readConfiguration(held)) : -1);
}

void CardSession::answer(bool replace)
{
    if (m_state != State::Asking)
        return;
    if (replace)
        write(true);
    else
        finish(CardResult::Skipped);
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
    if (!m_folder->stillMounted())
        return finish(CardResult::Removed, {}, false);
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

void CardSession::finish(CardResult::Kind kind, const QString &detail, bool release)
{
    m_result = {QTime(), m_unit, m_card, kind, detail};
    // Our hold on the card ends first: an unmount would find it busy.
    m_folder.reset();
    if (!release || !ejects())
        return released(m_card, {});
    setState(State::Releasing);
    m_source->release(m_card);
}

void CardSession::released(const Card &card, const QString &problem)
{
    if (card.key != m_card.key || m_state == State::Done || m_state == State::Waiting)
        return;
    CardResult result = m_result;
    if (!problem.isEmpty() && result.kind == CardResult::Written) {
        result.kind = CardResult::NotEjected;
        result.detail = problem;
    }
    result.time = QTime::currentTime();
    setState(State::Waiting);
    record(result);
    next();
}

void CardSession::stop()
{
    // The source goes first: nothing it would still tell can start a turn.
    delete m_source;
    m_waiting.clear();
    m_folder.reset();
    setState(State::Done);
}

void CardSession::setState(State state)
{
    if (std::exchange(m_state, state) != state)
        emit stateChanged();
}

void CardSession::record(CardResult result)
{
    m_log.append(result);
    emit logged(m_log.last());
}

} // namespace Tessaro
