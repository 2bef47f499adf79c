#pragma once

#include <QByteArrayView>

namespace Tessaro {

// Whether data, the bytes of a .qm translation file, holds together: Qt's
// magic number; every section's tag known and its length inside the file;
// every hash entry's offset inside the messages; every message record made of
// known tags whose lengths stay inside the messages section; and at least
// one translated message whose context is `context`.
bool translationHoldsTogether(QByteArrayView data, const char *context);

} // namespace Tessaro
