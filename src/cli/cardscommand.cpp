#include "cli/commands.h"

#include "core/stopsignals.h"
#include "core/unitfiles.h"
#include "core/cards/cardsession.h"

#include <QCoreApplication>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace Tessaro::Cli {

CardsCommand::CardsCommand()
    : Command(u"cards"_s, u"--ids FIRST-LAST [options] | --check [options]"_s,
              u"Writes config.txt onto each memory card inserted, the next unit's each time, "
              u"reads it back, and ejects the card; or, with --check, compares each card's "
              u"file with the form for the unit it names. On Linux cards come through the "
              u"system's disk service, else from the folder where the desktop mounts them; on "
              u"Windows as removable drives. Cards there before are left alone. Each card's "
              u"result goes to standard output, each refusal to standard error."_s)
{
}

QList<QCommandLineOption> CardsCommand::options() const
{
    return QList<QCommandLineOption>{
                   idsOption(),
                   {u"check"_s, u"Write nothing: compare each card with the form."_s},
                   {u"watch"_s,
                    u"The folder where cards are mounted, instead of the disk service."_s,
                    folderValue},
                   {u"no-eject"_s, u"Leave each card written mounted, unless it was mounted for its turn."_s},
           } + formOptions()
            << QCommandLineOption(u"force"_s, u"Replace a config.txt already on a card."_s);
}

Status CardsCommand::execute(const QCommandLineParser &parser)
{
    const bool checking = parser.isSet(u"check"_s);
    if (parser.isSet(u"watch"_s) && !watchesCardFolders())
        return complain(Failure, u"--watch: this system offers cards as drives, not in a folder"_s);
    if (parser.isSet(u"watch"_s) && parser.value(u"watch"_s).isEmpty())
        return complain(Failure, u"--watch: give a folder"_s);
    if (checking && (parser.isSet(u"ids"_s) || parser.isSet(u"force"_s)))
        return complain(Failure, u"cards: --check writes nothing; --ids and --force do not apply"_s);
    const std::optional<std::pair<int, int>> ids =
            checking ? std::pair{firstUnitId, lastUnitId} : unitIds(parser);
    if (!ids)
        return Failure;
    Status status = Fine;
    const std::optional<FormSettings> form = formFromOptions(parser, status);
    if (!form)
        return status;

    CardSession session(*form, ids->first, ids->second,
                        checking ? CardSession::Mode::Check : CardSession::Mode::Write);
    session.setReplacing(parser.isSet(u"force"_s) ? CardSession::Replacing::Always
                                                  : CardSession::Replacing::Never);
    session.setEjecting(!parser.isSet(u"no-eject"_s));
    bool refused = false;
    bool ending = false;
    const auto endRun = [&] {
        ending = true;
        session.end();
    };
    // Once every unit is written, the cards inserted with the last one still
    // get their line: the run ends when none has come for a moment.
    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setInterval(1000);
    QObject::connect(&quiet, &QTimer::timeout, endRun);
    const auto prompt = [&] {
        complain(Fine,
                 checking ? u"insert a card to check"_s
                          : u"insert the card for unit %1"_s.arg(session.nextId(), 3, 10,
                                                                   QChar(u'0')));
    };
    QObject::connect(&session, &CardSession::watching, [&] {
        const CardSource *source = session.source();
        complain(Fine, u"watching %1"_s.arg(source->place()));
        if (!source->ejects())
            complain(Fine, u"eject each card by hand before you pull it"_s);
        for (const Card &card : source->present())
            complain(Fine, (card.place.isEmpty() ? u"there before, not mounted, left alone: %1"_s
                                                 : u"there before, left alone: %1"_s)
                                   .arg(card.name()));
        prompt();
    });
    QObject::connect(&session, &CardSession::notWatching, [&](const QString &why) {
        status = complain(Failure, parser.isSet(u"watch"_s) || !watchesCardFolders()
                                  ? u"no cards can be found: %1"_s.arg(why)
                                  : u"no cards can be found: %1; give a folder to watch with "
                                    u"--watch"_s.arg(why));
        QCoreApplication::exit();
    });
    QObject::connect(&session, &CardSession::logged, [&](const CardResult &result) {
        if (result.wanted()) {
            out() << printable(result.line()) << u"\n"_s;
        } else {
            refused = refused || result.kind != CardResult::LeftAlone;
            complain(Findings, result.line());
        }
        if (ending || result.kind == CardResult::Waiting || result.kind == CardResult::LeftAlone)
            return;
        if (out().finish())
            endRun();
        else if (session.allUsed())
            quiet.start();
        else
            prompt();
    });
    QObject::connect(&session, &CardSession::finished, [] { QCoreApplication::exit(); });
    // A signal ends the run once the card whose turn it is is put back; one
    // more does not cut that short.
    if (!watchForStopSignals([&] {
            if (ending)
                complain(Fine, u"stopping once the card is put back"_s);
            else
                endRun();
        }))
        return complain(Failure, u"cannot watch for signals"_s);
    // Once the loop runs, which a folder that cannot be watched then ends.
    QMetaObject::invokeMethod(
            &session, [&] { session.watch(parser.value(u"watch"_s)); }, Qt::QueuedConnection);
    QCoreApplication::exec();
    if (status == Failure)
        return status;
    if (checking)
        return refused ? Findings : status;
    const qsizetype written = session.written().size();
    out() << u"%1 of %2 units written\n"_s.arg(written).arg(ids->second - ids->first + 1);
    return session.allUsed() && !refused ? status : Findings;
}

} // namespace Tessaro::Cli
