// SPDX-License-Identifier: GPL-2.0-or-later
// The Album Viewer's four slots and the preview's first page, each against its floor: the very
// loads the window asked for (the same files at the same boxes), done again directly, one after
// another on this thread. The window's time runs from the choice (a file selected, the preview
// opened) to its pictures drawn; best of five, on the 12-megapixel pictures bench_print_memory
// makes (made here when missing).
#include "core/album/PrintSettings.h"
#include "core/settings/SettingsStore.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/common/FilePane.h"
#include "windows/common/WindowServices.h"
#include "windows/preview/frmPreview.h"

#include "BenchPictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace quenbrook;

namespace {

constexpr int Rounds = 5;

// A loader that remembers what it was asked for.
struct AskedLoads
{
    QMutex mutex;
    QList<std::pair<QString, QSize>> asked;
    PictureLoad loader()
    {
        return
            [this](const QString& path, QSize box, const LoadStop* stop, const RowsDecoded& rows) {
                {
                    QMutexLocker lock(&mutex);
                    asked.append({path, box});
                }
                return PictureLoader::loadUnlessStopped(path, box, stop, rows);
            };
    }
    // The same loads again, one after another.
    double floorSeconds()
    {
        QElapsedTimer clock;
        clock.start();
        for (const auto& [path, box] : std::as_const(asked))
            PictureLoader::load(path, box);
        return clock.nsecsElapsed() / 1e9;
    }
};

void report(const char* what, double window, double floor)
{
    std::printf("%-36s %8.3f s %8.3f s %8.2f x\n", what, window, floor, window / floor);
}

bool albumViewer(SettingsStore& store)
{
    SystemPrinters printers;
    WindowServices services{store, printers};
    services.ending.setEndProgram([] {});
    QDir::setCurrent(bench::pictureFolder());
    frmAlbumViewer window(services);
    window.resize(1000, 700);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    double best = 1e9, floor = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        AskedLoads loads;
        services.loadPicture = loads.loader();
        window.File1()->setCurrentRow(-1);
        QSignalSpy filled(&window, &frmAlbumViewer::slotsFilled);
        QElapsedTimer clock;
        clock.start();
        window.File1()->setCurrentRow(round % 4);
        if (!filled.wait(20000))
            return false;
        best = std::min(best, clock.nsecsElapsed() / 1e9);
        floor = std::min(floor, loads.floorSeconds());
    }
    report("Album Viewer, four slots", best, floor);
    return true;
}

bool preview(SettingsStore& store)
{
    QStringList list;
    for (int i = 0; i < 12; ++i)
        list << bench::picturePath(i);
    PrinterSurface printer(SaveAsPdfPrinter.toString());
    double best = 1e9, floor = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        AskedLoads loads;
        frmPreview window(nullptr, list, PrintSettings(), printer, store);
        window.setPictureLoad(loads.loader());
        QSignalSpy drawn(&window, &frmPreview::pageDrawn);
        QElapsedTimer clock;
        clock.start();
        if (!window.Form_Load() || !drawn.wait(20000))
            return false;
        best = std::min(best, clock.nsecsElapsed() / 1e9);
        floor = std::min(floor, loads.floorSeconds());
    }
    report("Preview, first page", best, floor);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!bench::makePictures(12))
        return 1;
    QTemporaryDir settings;
    SettingsStore store(settings.path());
    std::printf("%-36s %10s %10s %10s\n", "", "window", "floor", "ratio");
    if (!albumViewer(store) || !preview(store)) {
        std::fprintf(stderr, "a window did not draw its pictures\n");
        return 1;
    }
    return 0;
}
