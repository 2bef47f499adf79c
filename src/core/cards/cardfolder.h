#pragma once

#include "core/safefiles.h"
#include "core/cards/card.h"

#include <optional>

namespace Tessaro {

// A card's root folder, opened once when its turn comes and held until the
// card is done with. Every read and write goes through it, so whatever is
// mounted at its path meanwhile, or left there once the card is pulled,
// nothing reaches any disk but the card's. While it is held, other runs
// keep off the card.
class CardFolder
{
public:
    enum class Problem {
        None,
        Removed,   // no longer the card's: pulled, or something else mounted there
        InUse,     // another run holds it
        Failed,    // the system refused: see systemError
    };

    // Opens the folder where the card is mounted, if it is still the card.
    static CardFolder open(const Card &card);

    Problem problem() const { return m_problem; }
    int systemError() const { return m_systemError; }

    // Whether the card is still mounted where it was, by the same mount.
    bool stillMounted() const;

    // Its config.txt as the card holds it, read from the card itself.
    FileStatus readFile(QByteArray &content) const;
    // Writes its config.txt, all or nothing, first removing what a run that
    // was stopped midway may have left.
    FileStatus writeFile(const QByteArray &content, Existing existing) const;

private:
    Card m_card;
    Problem m_problem = Problem::None;
    int m_systemError = 0;
#ifdef Q_OS_UNIX
    Descriptor m_folder;
#endif
};

} // namespace Tessaro
