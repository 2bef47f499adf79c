#pragma once

#include <QString>

#include <optional>

namespace Tessaro::Cli {

// Makes the standard streams take and give bytes exactly as written, and
// keeps a write that the system refuses from ending the program unheard.
// Called first thing in main().
void prepareStandardStreams();

// What is wrong with the first argument that could not reach the system as
// given, if any: on Linux bytes that are not UTF-8, on Windows text that is
// not UTF-16.
std::optional<QString> argumentProblem(int argc, char *argv[]);

} // namespace Tessaro::Cli
