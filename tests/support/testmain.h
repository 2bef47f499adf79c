#pragma once

#include "app/applicationidentity.h"

#include <QApplication>
#include <QTest>

#include <optional>

namespace TestSupport {

// The main window reads and writes its preferences file beside the
// executable. Unless it already is one, the test binary runs a copy of itself
// from a fresh QTemporaryDir, so that no run sees another's file and nothing
// is left in the build tree. Gives the copy's result, or nothing in the copy.
std::optional<int> runFromTemporaryCopy(int argc, char **argv);

// Removes the preferences file a closed window left beside the executable,
// so that the next window starts in the system's language.
void forgetPreferences();

} // namespace TestSupport

#define TESSARO_WINDOW_TEST_MAIN(TestClass) \
    int main(int argc, char **argv) \
    { \
        if (const std::optional<int> copyResult = TestSupport::runFromTemporaryCopy(argc, argv)) \
            return *copyResult; \
        Tessaro::setApplicationIdentity(); \
        QApplication application(argc, argv); \
        TestClass test; \
        return QTest::qExec(&test, argc, argv); \
    }
