#pragma once

#include <QByteArray>
#include <QString>

namespace TestSupport {

// A memory card, as the card tests make one: on Linux a tmpfs volume
// prepared beside the watched folder (in cards.sh's mount namespace) and
// moved in whole; on Windows, under Wine, a folder there given a removable
// drive letter of its own. config.txt holds held unless it is empty. Gives
// where the card's files are, empty when it could not be made.
QString insertCard(const QString &watched, const QString &name, const QByteArray &held = {});

} // namespace TestSupport
