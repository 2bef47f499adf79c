#include "cli/commands.h"

#include "config/cards.h"
#include "config/unitfiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#    include <csignal>
#    include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace Tessaro::Cli {

namespace {

QString unitName(int id)
{
    return u"unit %1"_s.arg(id, 3, 10, QChar(u'0'));
}

#ifdef Q_OS_UNIX
// SIGINT and SIGTERM end the session between two cards: the handler only
// writes a byte, which the event loop reads.
int stopPipe[2] = {-1, -1};

void stopOnSignal(int)
{
    const char byte = 0;
    [[maybe_unused]] const auto written = ::write(stopPipe[1], &byte, 1);
}
#endif

} // namespace

CardsCommand::CardsCommand()
    : Command(u"cards"_s, u"--ids FIRST-LAST [options]"_s,
              u"Watches a folder for memory cards and writes config.txt onto each card mounted "
              u"there, the next unit's each time, then reads it back. Volumes mounted before "
              u"are left alone. Each card is named on standard output."_s)
{
}

QList<QCommandLineOption> CardsCommand::options() const
{
    return QList<QCommandLineOption>{
                   idsOption(),
                   {u"watch"_s,
                    u"The folder where cards are mounted; by default %1."_s.arg(
                            defaultCardFolder()),
                    u"DIR"_s},
           } + formOptions()
            << QCommandLineOption(u"force"_s, u"Replace a config.txt already on a card."_s);
}

Status CardsCommand::execute(const QCommandLineParser &parser)
{
    const std::optional<std::pair<int, int>> ids = unitIds(parser);
    if (!ids)
        return Failure;
    Status status = Fine;
    const std::optional<FormSettings> form = formFromOptions(parser, status);
    if (!form)
        return status;
    const QString folder =
            parser.isSet(u"watch"_s) ? parser.value(u"watch"_s) : defaultCardFolder();
    if (!QFileInfo(folder).isDir())
        return complain(Failure, u"--watch %1: no such folder"_s.arg(folder));

    CardWatcher watcher(folder);
    for (const Volume &volume : watcher.present())
        complain(Fine, u"already mounted, left alone: %1"_s.arg(volume.root));
    CardSession session(*form, ids->first, ids->second);
    const bool force = parser.isSet(u"force"_s);
    bool refused = false;
    const auto waitFor = [&] {
        complain(Fine, u"insert the card for %1 in %2"_s.arg(unitName(session.nextId()), folder));
    };
    QObject::connect(&watcher, &CardWatcher::inserted, [&](const Volume &card) {
        const CardOutcome outcome = session.write(card, [&](int unit) {
            if (!force)
                complain(
                        Findings,
                        u"%1: %2 holds %3; skipped (--force replaces it)"_s.arg(
                                unitName(session.nextId()), card.root,
                                unit < 0 ? u"a config.txt"_s : u"the file of unit %1"_s.arg(unit)));
            return force;
        });
        refused = refused || outcome.result != CardOutcome::Written;
        if (outcome.result == CardOutcome::Written)
            out() << u"%1: written to %2\n"_s.arg(unitName(outcome.id), printable(outcome.path));
        else if (outcome.result == CardOutcome::Failed)
            complain(Findings,
                     u"%1: not written to %2: %3"_s.arg(unitName(outcome.id), outcome.path,
                                                        outcome.reason));
        if (out().finish() || session.finished())
            QCoreApplication::exit();
        else
            waitFor();
    });
#ifdef Q_OS_UNIX
    if (::pipe(stopPipe) != 0)
        return complain(Failure, u"cannot watch for signals"_s);
    QSocketNotifier stop(stopPipe[0], QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, [] { QCoreApplication::exit(); });
    std::signal(SIGINT, stopOnSignal);
    std::signal(SIGTERM, stopOnSignal);
#endif
    waitFor();
    QCoreApplication::exec();

    const QList<int> &written = session.written();
    out() << u"%1 of %2 units written\n"_s.arg(written.size()).arg(ids->second - ids->first + 1);
    return session.finished() && !refused ? status : Findings;
}

} // namespace Tessaro::Cli
