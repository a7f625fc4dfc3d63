// SPDX-License-Identifier: GPL-2.0-or-later
// Peak memory and time of printing albums of 12-megapixel JPEGs through "Save as PDF".
//
// Without arguments: makes the pictures once (4000 x 3000, in the temporary folder, kept for
// later runs), then prints 20 and 200 of them, each album in a process of its own, and shows the
// figures side by side. The job holds one decoded picture at a time, decoded for its 2 x 2 inch
// cell at the printer's resolution, so the peak should not grow with the album.
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "windows/printing/RunPrintJob.h"

#include "BenchPictures.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <sys/resource.h>

using namespace quenbrook;

namespace {

const QList<int> AlbumSizes = {20, 200};

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One album, in this process: "count peak-KiB baseline-KiB seconds pdf-bytes".
int printAlbum(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << bench::picturePath(i);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("album.pdf"));
    PrinterSurface printer(SaveAsPdfPrinter.toString());
    printer.setOutputFileName(pdf);

    const long before = peakKilobytes();
    QElapsedTimer clock;
    clock.start();
    RunPrintJob(nullptr, list, PrintSettings(), printer,
                [](QWidget*, QPrinter&, qint32 from, qint32 to) {
                    return std::optional<PageRange>(PageRange{from, to});
                });
    const double seconds = clock.elapsed() / 1000.0;
    if (!printer.error().isEmpty() || !QFileInfo::exists(pdf)) {
        std::fprintf(stderr, "printing failed: %s\n", qPrintable(printer.error()));
        return 1;
    }
    std::printf("%d %ld %ld %.1f %lld\n", count, peakKilobytes(), before, seconds,
                QFileInfo(pdf).size());
    return 0;
}

} // namespace

// Runs this program again with the arguments; its output, or nothing when it fails.
std::optional<QString> runChild(const QStringList& arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        std::fprintf(stderr, "%s", child.readAllStandardError().constData());
        return std::nullopt;
    }
    return QString::fromUtf8(child.readAllStandardOutput());
}

int main(int argc, char* argv[])
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() >= 2 && args[1].startsWith(QLatin1String("--"))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        if (args[1] == QLatin1String("--make"))
            return bench::makePictures(AlbumSizes.last()) ? 0 : 1;
        return printAlbum(args.value(2).toInt());
    }

    // The figures come from children: a process starts with its parent's peak, so this one
    // stays small and makes nothing itself.
    QCoreApplication app(argc, argv);
    if (!runChild({QStringLiteral("--make")})) {
        std::fprintf(stderr, "cannot write the pictures to %s\n",
                     qPrintable(bench::pictureFolder()));
        return 1;
    }
    std::printf("%-8s %14s %16s %10s %10s\n", "pictures", "peak RSS MiB", "before job MiB",
                "seconds", "PDF MiB");
    for (const int count : AlbumSizes) {
        const std::optional<QString> printed =
            runChild({QStringLiteral("--print"), QString::number(count)});
        if (!printed)
            return 1;
        QString line = printed->trimmed();
        QTextStream in(&line);
        int pictures = 0;
        long peak = 0, before = 0;
        double seconds = 0;
        qint64 bytes = 0;
        in >> pictures >> peak >> before >> seconds >> bytes;
        std::printf("%-8d %14.1f %16.1f %10.1f %10.1f\n", pictures, peak / 1024.0, before / 1024.0,
                    seconds, bytes / 1048576.0);
        std::fflush(stdout);
    }
    return 0;
}
