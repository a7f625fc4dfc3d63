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

// Fails with the first differing line, and where the expectation is kept.
inline bool matchesGolden(const QString& name, const QString& actual)
{
    QFile file(goldenPath(name));
    if (qEnvironmentVariableIntValue("QUENBROOK_UPDATE_GOLDEN") == 1) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            QTest::qFail(qPrintable("cannot write " + file.fileName()), __FILE__, __LINE__);
            return false;
        }
        file.write(actual.toUtf8());
        qInfo("rewrote %s", qPrintable(file.fileName()));
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        QTest::qFail(
            qPrintable(file.fileName() + " is missing; run with QUENBROOK_UPDATE_GOLDEN=1"),
            __FILE__, __LINE__);
        return false;
    }
    const QStringList expected = QString::fromUtf8(file.readAll()).split('\n');
    const QStringList got = actual.split('\n');
    for (qsizetype i = 0; i < std::max(expected.size(), got.size()); ++i) {
        const QString want = expected.value(i, QStringLiteral("<end>"));
        const QString have = got.value(i, QStringLiteral("<end>"));
        if (want != have) {
            QTest::qFail(qPrintable(QStringLiteral("%1 line %2:\n  expected: %3\n  actual:   %4")
                                        .arg(file.fileName())
                                        .arg(i + 1)
                                        .arg(want, have)),
                         __FILE__, __LINE__);
            return false;
        }
    }
    return true;
}

} // namespace testsupport

// QCOMPARE's counterpart for golden files: returns from the test function on a difference.
#define QUENBROOK_COMPARE_GOLDEN(name, actual)                                                     \
    do {                                                                                           \
        if (!testsupport::matchesGolden(name, actual))                                             \
            return;                                                                                \
    } while (false)
