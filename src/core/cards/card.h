#pragma once

#include <QString>

namespace Tessaro {

// A memory card as a run sees it. What tells it from every other card is
// its source's business; the run only compares keys.
struct Card
{
    // Tells it from every other card of a run: a card taken out and another
    // put in at the same place has a new key.
    QString key;
    QString label;  // its volume's name, else the last part of where it is mounted
    QString device; // what the system calls it: "/dev/sdb1"
    QString place;  // where its files are, to show; empty while it is not mounted

    // How the log names it: "CARD (/dev/sdb1)", "E: (CARD)".
    QString name() const { return label + QLatin1StringView(" (") + device + u')'; }
};

} // namespace Tessaro
