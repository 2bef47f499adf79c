#pragma once

#include <functional>

namespace Tessaro {

// Calls stop from the event loop each time the user asks the program to
// stop (Ctrl+C, or a request to end it): never from within the signal.
// False when the system does not let the program watch for that.
bool watchForStopSignals(std::function<void()> stop);

} // namespace Tessaro
