#pragma once

#include <QString>
#include <QUrl>

namespace Tessaro {

// The maker's support mailbox, kept beside the identity it belongs to.
inline constexpr char supportAddress[] = "support@orvel.example";

// Registers name, version, organization name and domain on QCoreApplication.
// Called once by main() before the application object exists; everything else
// reads the values back through QCoreApplication.
void setApplicationIdentity();

// "http://" followed by the organization domain: the home page command and the
// About window's link open the same address.
QString homePageAddress();

// The support request handed to the e-mail client: a message to the support
// mailbox with this subject and body. Each is percent-encoded whole, so that
// no text, translated or not, can add a field of its own.
QUrl supportRequestAddress(const QString &subject, const QString &body);

} // namespace Tessaro
