#pragma once

#include <QSettings>

#include <memory>

namespace Tessaro {

// How the user left the window and its dialogs: size, position, what was
// shown, what the units dialog held. An INI file of its own, window.conf in
// userConfigurationFolder(), whether or not the preferences file sits beside
// the program: it is the user's, never every user's.
std::unique_ptr<QSettings> windowSettings();

} // namespace Tessaro
