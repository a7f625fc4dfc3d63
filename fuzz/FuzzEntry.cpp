// SPDX-License-Identifier: GPL-2.0-or-later
// libFuzzer's entry for one target, named by QUENBROOK_FUZZ_TARGET.
#include "FuzzTargets.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzing::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString outcome = fuzzing::QUENBROOK_FUZZ_TARGET(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (outcome.startsWith(QLatin1String("FAULT: "))) {
        std::fprintf(stderr, "%s\n", qPrintable(outcome));
        std::abort();
    }
    return 0;
}
