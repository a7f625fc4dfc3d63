// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Long expectations kept as text files in tests/golden/, reviewed as diffs.
// QUENBROOK_UPDATE_GOLDEN=1 rewrites them from what the program does now.

#include <QFile>
#include <QTest>

namespace testsupport {

inline QString goldenPath(const QString& name)
{
    return QStringLiteral(QUENBROOK_GOLDEN_DIR "/") + name;
}

// The lines around line `at` (from 0) of both sides, the differing one marked.
inline QString goldenContext(const QStringList& expected, const QStringList& got, qsizetype at)
{
    constexpr qsizetype Around = 3;
    QString text;
    for (qsizetype i = std::max<qsizetype>(at - Around, 0); i < at; ++i)
        text += QStringLiteral("    %1 | %2\n").arg(i + 1, 5).arg(got.value(i));
    text += QStringLiteral("  expected: %1\n  actual:   %2\n")
                .arg(expected.value(at, QStringLiteral("<end>")),
                     got.value(at, QStringLiteral("<end>")));
    for (qsizetype i = at + 1; i <= at + Around && i < got.size(); ++i)
        text += QStringLiteral("    %1 | %2\n").arg(i + 1, 5).arg(got.value(i));
    return text;
}

// Fails at the caller's file and line with the first differing line, a few lines around it, and
// where the expectation is kept.
inline bool matchesGolden(const QString& name, const QString& actual, const char* sourceFile,
                          int sourceLine)
{
    QFile file(goldenPath(name));
    if (qEnvironmentVariableIntValue("QUENBROOK_UPDATE_GOLDEN") == 1) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            QTest::qFail(qPrintable("cannot write " + file.fileName()), sourceFile, sourceLine);
            return false;
        }
        file.write(actual.toUtf8());
        qInfo("rewrote %s", qPrintable(file.fileName()));
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        QTest::qFail(
            qPrintable(file.fileName() + " is missing; run with QUENBROOK_UPDATE_GOLDEN=1"),
            sourceFile, sourceLine);
        return false;
    }
    const QStringList expected = QString::fromUtf8(file.readAll()).split('\n');
    const QStringList got = actual.split('\n');
    for (qsizetype i = 0; i < std::max(expected.size(), got.size()); ++i) {
        if (expected.value(i, QStringLiteral("<end>")) != got.value(i, QStringLiteral("<end>"))) {
            QTest::qFail(qPrintable(QStringLiteral("%1 line %2:\n%3")
                                        .arg(file.fileName())
                                        .arg(i + 1)
                                        .arg(goldenContext(expected, got, i))),
                         sourceFile, sourceLine);
            return false;
        }
    }
    return true;
}

} // namespace testsupport

// QCOMPARE's counterpart for golden files: returns from the test function on a difference.
#define QUENBROOK_COMPARE_GOLDEN(name, actual)                                                     \
    do {                                                                                           \
        if (!testsupport::matchesGolden(name, actual, __FILE__, __LINE__))                         \
            return;                                                                                \
    } while (false)
