// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// One program per test area: each test class registers itself, and the area's program runs
// them all, one after another, in a home of its own.
//
//   QUENBROOK_TEST(tst_PageLayout)
//   QUENBROOK_TEST_ROLE("--send", runSender)   // argv[1] starts the program as a helper child
//
// A test function named on the command line runs only in the classes that have it.

#include <QObject>

namespace testsupport {

using TestFactory = QObject* (*)();
using ChildRole = int (*)(int argc, char** argv);

int registerTest(TestFactory factory);
int registerRole(const char* flag, ChildRole role);

} // namespace testsupport

#define QUENBROOK_TEST(Class)                                                                      \
    static const int quenbrookRegistered##Class =                                                  \
        testsupport::registerTest([]() -> QObject* { return new Class; });

#define QUENBROOK_TEST_ROLE(flag, function)                                                        \
    static const int quenbrookRole##function = testsupport::registerRole(flag, function);
