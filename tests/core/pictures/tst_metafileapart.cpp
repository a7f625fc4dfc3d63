// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/DecodeHelper.h"
#include "core/pictures/MetafileApart.h"
#include "core/pictures/MetafileShared.h"
#include "core/pictures/MetafileTrial.h"
#include "core/pictures/PictureLoader.h"
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

using namespace quenbrook;
using namespace quenbrook::MetafileToSvg;
using namespace testsupport;

namespace {

// A Windows metafile record: its size in words, its function, its words.
QByteArray wmfRecord(int function, const QByteArray& words)
{
    const QByteArray body = words + QByteArray(words.size() % 2, '\0');
    return le(4, {3 + body.size() / 2}) + le(2, {function}) + body;
}

// A placeable Windows metafile of 2 × 1.5 inches that writes `records` lines of `chars` letters.
QByteArray wmfTextFlood(int records, int chars)
{
    QByteArray body = wmfRecord(0x0103, le(2, {8})) + wmfRecord(0x020B, le(2, {0, 0})) +
                      wmfRecord(0x020C, le(2, {2160, 2880})) +
                      wmfRecord(0x02FB, le(2, {-200, 0, 0, 0, 400, 0, 0, 0, 0}) + "Arial" + '\0') +
                      wmfRecord(0x012D, le(2, {0}));
    const QByteArray text = le(2, {chars}) + QByteArray(chars, 'W') + QByteArray(chars % 2, '\0');
    for (int i = 0; i < records; ++i)
        body += wmfRecord(0x0521, text + le(2, {10 + i, 10}));
    body += wmfRecord(0, {});
    const int largest = 3 + (int(text.size()) + 4) / 2; // every line's record is as long
    // The header's checksum is the exclusive or of its words before it.
    return le(4, {0x9AC6CDD7}) + le(2, {0, 0, 0, 2880, 2160, 1440, 0, 0}) +
           le(2, {0xCDD7 ^ 0x9AC6 ^ 2880 ^ 2160 ^ 1440, 1, 9, 0x0300}) +
           le(4, {(18 + body.size()) / 2}) + le(2, {16}) + le(4, {largest}) + le(2, {0}) + body;
}

QByteArray emfRecord(int type, const QByteArray& body)
{
    const QByteArray padded = body + QByteArray(-body.size() & 3, '\0');
    return le(4, {type, 8 + padded.size()}) + padded;
}

// An enhanced metafile of 50.8 × 38.1 mm made on a 96 dpi device that writes `records` lines of
// `chars` letters in a large font.
QByteArray emfTextFlood(int records, int chars)
{
    const char face[64] = "D\0e\0j\0a\0V\0u\0 \0S\0a\0n\0s"; // the rest zeros
    QByteArray body = emfRecord(82, le(4, {1, -400, 0, 0, 0, 400, 0, 0}) + QByteArray(face, 64)) +
                      emfRecord(37, le(4, {1}));
    const QByteArray text = QByteArray("W\0", 2).repeated(chars);
    for (int i = 0; i < records; ++i)
        body += emfRecord(84, le(4, {0, 0, -1, -1, 1, 0x3F800000, 0x3F800000, 10, 10 + 20 * i,
                                     chars, 76, 0, 0, 0, -1, -1, 0}) +
                                  text);
    body += emfRecord(14, le(4, {0, 16, 20}));
    return le(4, {1, 88, 0, 0, 192, 144, 0, 0, 5080, 3810, 0x464D4520, 0x10000, 88 + body.size(),
                  records + 4}) +
           le(2, {8, 0}) + le(4, {0, 0, 0, 1920, 1440, 508, 381}) + body;
}

QString outcome(const Result& result)
{
    if (const auto* converted = std::get_if<Converted>(&result))
        return QString::asprintf(
            "drawn, %d x %d, %lld bytes of SVG", converted->naturalHimetric.width(),
            converted->naturalHimetric.height(), qint64(converted->svg.size()));
    static const char* const kinds[] = {"unreadable", "no size", "too large", "stopped"};
    const auto& failure = std::get<Failure>(result);
    return QStringLiteral("%1: %2").arg(kinds[int(failure.kind)], failure.detail);
}

// The helpers this process has started that have not been waited for, zombies included.
QList<pid_t> helpers()
{
    QList<pid_t> found;
    const QString self = QString::number(getpid());
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList({"[1-9]*"}, QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        stat.open(QIODevice::ReadOnly); // one that is gone reads as nothing
        const QString line = QString::fromLatin1(stat.readAll());
        const QStringList fields = line.mid(line.lastIndexOf(u')') + 2).split(u' ');
        // The parent, and the name as the kernel shortens it.
        if (fields.value(1) == self && line.contains(u'(' + QLatin1String(DecodeHelper::Name, 15)))
            found << pid_t(entry.toInt());
    }
    return found;
}

} // namespace

class tst_MetafileApart : public QObject
{
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void init() { QVERIFY(helpers().isEmpty()); }
    void cleanup() { QVERIFY(helpers().isEmpty()); }

    // Files whose text costs far more to draw than to read are refused as too large well within
    // the time it would take to draw them, and leave no helper behind. A file over the size limit
    // is not even handed to the helper. A stop raised while the helper works ends the load as
    // interrupted at once; the helper is killed and waited for.
    void tooLargeOrStopped()
    {
        const std::pair<QString, QByteArray> rows[] = {
            {"text20.emf", emfTextFlood(20, 4'000)}, {"text1900.wmf", wmfTextFlood(1'900, 8'000)}};
        QElapsedTimer clock;
        for (const auto& [name, bytes] : rows) {
            QVERIFY(bytes.size() <= MaxFileBytes);
            clock.start();
            const auto result =
                PictureLoader::load(savedFile(dir_.path(), name, bytes), {200, 150});
            // Long enough for any helper to have ended by itself, slow machine or not.
            QVERIFY2(clock.elapsed() < 10'000, qPrintable(QString::number(clock.elapsed())));
            const auto* refused = std::get_if<PictureError>(&result);
            QVERIFY2(refused && refused->message.startsWith(name + ": picture too large ("),
                     refused ? qPrintable(refused->message) : "loaded");
        }
        QCOMPARE(
            outcome(convertApart(MetafileKind::Windows, QByteArray(MaxFileBytes, '\0'))) + ", " +
                outcome(convertApart(MetafileKind::Windows, QByteArray(MaxFileBytes + 1, '\0'))),
            "unreadable: , too large: a file of 16 MB");
        QVERIFY(helpers().isEmpty());

        const QString path = dir_.filePath("text20.emf");
        LoadStop stop(false);
        PictureResult result = PictureError{};
        std::thread load([&] { result = PictureLoader::loadUnlessStopped(path, QSize(), &stop); });
        QList<pid_t> running;
        QTRY_COMPARE_WITH_TIMEOUT((running = helpers()).size(), 1, 5'000);
        QTest::qWait(200);
        clock.start();
        stop = true;
        load.join();
        QVERIFY2(clock.elapsed() < 1'000, qPrintable(QString::number(clock.elapsed())));
        const auto* error = std::get_if<PictureError>(&result);
        QCOMPARE(error ? error->message : "drawn", "text20.emf: loading was interrupted");
        QCOMPARE(::kill(running.first(), 0), -1); // not even a zombie
        // Raised before the load, no helper is started at all.
        QCOMPARE(outcome(convertApart(MetafileKind::Enhanced, emfTextFlood(1, 5), &stop)),
                 QStringLiteral("stopped: "));
    }

    // The helper's answer as the program reads it, at the edges of what it accepts; and how a
    // helper that gave no answer of its own ended, as the reason for the refusal.
    void answersAndEndings()
    {
        const QByteArray svg = "<svg/>", bad = "unreadable: ";
        const std::pair<QByteArray, QString> answers[] = {
            {"QBMF1 ok 5080 3810\n" + svg, "drawn, 5080 x 3810, 6 bytes of SVG"},
            {"QBMF1 ok 1 1\n" + QByteArray(MaxSvgBytes, ' '), "drawn, 1 x 1, 4194304 bytes of SVG"},
            {"QBMF1 ok 1 1\n" + QByteArray(MaxSvgBytes + 1, ' '), bad},
            {"QBMF1 ok 1000000 1000000\n" + svg, "drawn, 1000000 x 1000000, 6 bytes of SVG"},
            {"QBMF1 ok 1000001 1\n" + svg, bad},
            {"QBMF1 ok 0 1\n" + svg, bad},
            {"QBMF1 ok -5 1\n" + svg, bad},
            {"QBMF1 ok 1 1\n", bad},
            {"QBMF1 ok 1\n" + svg, bad},
            {"QBMF1 toolarge\nover 50000 records", "too large: over 50000 records"},
            {"QBMF1 unreadable\n" + QByteArray(1024, 'x'), bad + QString(1024, 'x')},
            {"QBMF1 nosize\n" + QByteArray(1025, 'x'), bad},
            {"QBMF1 nosize\n", "no size: "},
            {"QBMF1 lost\nx", bad},
            {"QBMF2 ok 1 1\n" + svg, bad},
            {"QBMF1 ok 1 1", bad},
            {"", bad}};
        for (const auto& [answer, expected] : answers) {
            // The answer's start and size name the row; what is read is written back the same.
            const QString row = QString::fromLatin1(answer.left(30)) +
                                QStringLiteral(" (%1 bytes): ").arg(answer.size());
            const Result read = decodeAnswer(answer);
            QCOMPARE(row + outcome(read), row + expected);
            if (expected != bad)
                QCOMPARE(row + outcome(decodeAnswer(encodeAnswer(read))), row + expected);
        }

        // Answered; out of memory; other exit; out of processor time, soft and hard limit; ended
        // from outside; crashed with half the memory or more.
        const qint64 half = HelperMemoryBytes / 2;
        const std::pair<int, qint64> endings[] = {
            {W_EXITCODE(0, 0), 0},          {W_EXITCODE(DecodeHelper::OutOfMemoryExit, 0), 0},
            {W_EXITCODE(1, 0), 0},          {W_EXITCODE(0, SIGXCPU), 0},
            {W_EXITCODE(0, SIGKILL), 0},    {W_EXITCODE(0, SIGTERM), 0},
            {W_EXITCODE(0, SIGSEGV), half}, {W_EXITCODE(0, SIGSEGV), half + 1}};
        QStringList got;
        for (const auto& [status, peakBytes] : endings)
            got << outcome(helperEnding(status, peakBytes, "QBMF1 ok 1 1\n<svg/>"));
        QCOMPARE(got, QStringList({"drawn, 1 x 1, 6 bytes of SVG", "too large: over 400 MB to draw",
                                   "unreadable: ", "too large: over 2 s to draw",
                                   "too large: over 2 s to draw",
                                   "stopped: ", "unreadable: ", "too large: over 400 MB to draw"}));
    }
};

QUENBROOK_TEST(tst_MetafileApart)
#include "tst_metafileapart.moc"
