// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PrintSettingsLoader.h"
#include "print/PrinterSurface.h"
#include "support/Golden.h"
#include "support/HeldLoads.h"
#include "support/RecordingSurface.h"
#include "support/SettingsSandbox.h"
#include "support/TestData.h"
#include "support/TestMain.h"
#include "support/TestPrinters.h"
#include "support/WidgetDump.h"
#include "windows/about/frmAbout.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/dialogs/BandDialog.h"
#include "windows/dialogs/FontDialog.h"
#include "windows/dialogs/PrinterSetupDialog.h"
#include "windows/dialogs/TabStrip.h"
#include "windows/dialogs/frmLabel.h"
#include "windows/dialogs/frmPrintSize.h"
#include "windows/imageviewer/frmImageViewer.h"
#include "windows/preview/frmPreview.h"
#include "windows/printing/frmOnPrinting.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <atomic>

using namespace quenbrook;

namespace {

// Shows the viewer, loads the file and waits: whether the picture is shown.
bool loadInto(frmImageViewer& viewer, const QString& path)
{
    viewer.show();
    QSignalSpy shown(&viewer, &frmImageViewer::pictureShown);
    QSignalSpy refused(&viewer, &frmImageViewer::pictureRefused);
    viewer.LoadImage(path);
    return QTest::qWaitFor([&] { return shown.count() + refused.count() > 0; }, 20000) &&
           shown.count() == 1 && refused.isEmpty();
}

// A viewer that a test owns: closing it only hides it.
struct Viewer : frmImageViewer
{
    Viewer() { setAttribute(Qt::WA_DeleteOnClose, false); }
};

// The colour of a pixel of the widget, by name where it is near enough red, blue or white (JPEG's
// colours are not exact).
QString colourAt(QWidget* w, int x, int y)
{
    const QColor c = w->grab(QRect(x, y, 1, 1)).toImage().pixelColor(0, 0);
    return c.red() > 200 && c.blue() < 60   ? QStringLiteral("red")
           : c.blue() > 200 && c.red() < 60 ? QStringLiteral("blue")
           : c == QColor(Qt::white)         ? QStringLiteral("white")
                                            : c.name();
}

// A picture of one colour, with a red rectangle on it.
QImage solid(QSize size, Qt::GlobalColor colour, QRect red = {})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter(&image).fillRect(red, Qt::red);
    return image;
}

} // namespace

// Every window and dialog as it first shows, each compared with its dump in
// tests/golden/windows/: what a user sees, reads out, tabs through and can choose. Then the
// About box's System Info.
class tst_Walker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name :
             {"album-printer", "album-viewer", "image-viewer", "preview", "about", "printing",
              "print-size", "header", "footer", "label", "font", "printer-setup"})
            QTest::newRow(name) << name;
    }
    void windows()
    {
        QFETCH(QString, window);
        testsupport::SettingsSandbox box;
        RecordingSurface recorded;
        QDir::setCurrent(box.filePath(QString()));
        const QString dir = QDir::current().canonicalPath();
        const QStringList pictures(5, dir + "/beach.bmp");
        QVERIFY(QImage(640, 480, QImage::Format_RGB32).save(pictures[0]));
        TestPrinters printers({"First", "Second"});
        const std::unique_ptr<PrinterSurface> printer = printers.open("First");
        const WindowServices services{box.store, printers};
        PrintSettings settings;
        PrintSettingsLoader(box.store, *printer).LoadAll(settings);

        const ChosenFont font{PrintFont{"DejaVu Sans", 10, false, true, false, false}, 0};
        const std::map<QString, std::function<QWidget*()>> make{
            {"album-printer", [&] { return new frmAlbumPrinter(services, *printer); }},
            {"album-viewer", [&] { return new frmAlbumViewer(services); }},
            {"image-viewer", [] { return new Viewer; }},
            {"preview",
             [&] { return new frmPreview(nullptr, pictures, settings, *printer, box.store); }},
            {"about", [] { return new frmAbout(nullptr); }},
            {"printing", [] { return new frmOnPrinting(nullptr); }},
            {"print-size", [&] { return new frmPrintSize(nullptr, box.store, recorded); }},
            {"header", [&] { return new frmHeader(nullptr, box.store, recorded, FontChooser()); }},
            {"footer", [&] { return new frmFooter(nullptr, box.store, recorded, FontChooser()); }},
            {"label", [&] { return new frmLabel(nullptr, box.store, recorded, FontChooser()); }},
            {"font", [&] { return new FontDialog(nullptr, font); }},
            {"printer-setup", [&] { return new PrinterSetupDialog(nullptr, printers, *printer); }}};
        const std::unique_ptr<QWidget> shown(make.at(window)());
        if (auto* viewer = qobject_cast<frmImageViewer*>(shown.get()))
            QVERIFY(loadInto(*viewer, pictures[0]));
        if (auto* preview = qobject_cast<frmPreview*>(shown.get()))
            QVERIFY(preview->Form_Load());
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QCoreApplication::processEvents(); // the layout pass the window posts to itself

        // A dialog with tabs is written once per tab, that tab chosen.
        QString text;
        const auto* strip = shown->findChild<TabStrip*>();
        for (int tab = 0; tab < (strip ? strip->tabBar()->count() : 1); ++tab) {
            if (strip)
                strip->tabBar()->setCurrentIndex(tab);
            text += (strip ? QStringLiteral("== tab %1\n").arg(tab) : QString()) +
                    testsupport::dumpWindow(*shown, dir);
        }
        QUENBROOK_COMPARE_GOLDEN("windows/" + window + ".txt", text);
    }

    // System Info, by Alt+S, starts the first system information program on the path ("-name":
    // there, not executable), or says there is none over the box; one that will not start is
    // reported the same way. The box stays; Enter and Esc close it.
    void systemInfo()
    {
        QString text;
        for (const QString& row :
             QStringList{"", "-hardinfo", "lshw-gtk kinfocenter", "hardinfo will-not-start"}) {
            QTemporaryDir bin;
            QStringList names = row.split(' ', Qt::SkipEmptyParts);
            const bool starts = names.removeAll("will-not-start") == 0;
            for (const QString& name : names)
                QVERIFY(QFile::setPermissions(
                    testsupport::savedFile(bin.path(), name.mid(name[0] == '-'), {}),
                    name[0] == '-' ? QFile::ReadOwner : QFile::ReadOwner | QFile::ExeOwner));
            const QByteArray oldPath = qgetenv("PATH");
            qputenv("PATH", QFile::encodeName(bin.path()));
            const QString found = SystemInfo::FindInstalled();
            qputenv("PATH", oldPath);

            frmAbout about(nullptr);
            QStringList ran, said;
            about.setSystemInfo([&] { return found; },
                                [&](const QString& program) {
                                    ran << program;
                                    return starts;
                                });
            about.setMessageFunction([&](QWidget* owner, const QString& message, MessageIcon icon) {
                QCOMPARE(owner, &about);
                said << message + (icon == MessageIcon::None ? "" : " (icon)");
            });
            about.show();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            QTest::keyClick(about.windowHandle(), Qt::Key_S, Qt::AltModifier);
            // The button shows itself pressed for a moment first.
            QTRY_VERIFY(ran.size() + said.size() > 0);
            QVERIFY(about.isVisible());
            QTest::keyClick(QApplication::focusWidget(),
                            row.isEmpty() ? Qt::Key_Return : Qt::Key_Escape);
            QVERIFY2(!about.isVisible(), qPrintable(row));
            text += QString(row + ": ran [" + ran.join(' ') + "], said [" + said.join(' ') + "]\n")
                        .replace(bin.path(), "<bin>");
        }
        QUENBROOK_COMPARE_GOLDEN("windows/about-system-info.txt", text);
    }
};

QUENBROOK_TEST(tst_Walker)

class tst_ImageViewer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString picture_; // 640 × 480 pixels

private slots:
    void initTestCase()
    {
        QVERIFY(solid(QSize(640, 480), Qt::darkCyan).save(picture_ = dir_.filePath("beach.bmp")));
        testsupport::savedFile(dir_.path(), "notes.bmp", "just some text\n");
    }

    // A zoom item, or the zoom keys pressed from 100%: one item checked, the picture at that
    // scale, the scroll bars moving it by the difference to the viewport.
    void zoom_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QSize>("surface");
        const int in = QKeySequence::ZoomIn, out = QKeySequence::ZoomOut;
        QTest::newRow("200%") << 1 << QList<int>() << QSize(1280, 960);
        QTest::newRow("25%") << 5 << QList<int>() << QSize(160, 120);
        QTest::newRow("in to the end") << 0 << QList<int>(3, in) << QSize(2560, 1920);
        QTest::newRow("out") << 3 << QList<int>{out} << QSize(480, 360);
        QTest::newRow("out to the end") << 5 << QList<int>(4, out) << QSize(160, 120);
    }
    void zoom()
    {
        QFETCH(int, item);
        QFETCH(QList<int>, keys);
        QFETCH(QSize, surface);
        Viewer viewer;
        QVERIFY(loadInto(viewer, picture_) && QTest::qWaitForWindowActive(&viewer));
        if (keys.isEmpty())
            viewer.mnuZoomScale(item)->trigger();
        for (int key : keys)
            QTest::keySequence(&viewer, QKeySequence::StandardKey(key));
        for (int i = 0; i < frmImageViewer::ZoomCount; ++i)
            QCOMPARE(viewer.mnuZoomScale(i)->isChecked(), i == item);
        QCOMPARE(viewer.Picture1()->geometry(), QRect(QPoint(0, 0), surface));
        QCOMPARE(colourAt(viewer.Picture1(), 4, 4), QColor(Qt::darkCyan).name());

        const QSize view = viewer.Picture2()->size();
        viewer.VScroll1()->setValue(1000);
        viewer.HScroll1()->setValue(1000);
        QCOMPARE(viewer.Picture1()->pos(), QPoint(-std::abs(surface.width() - view.width()),
                                                  -std::abs(surface.height() - view.height())));
        // 3000 twips is the least either way.
        viewer.resize(50, 50);
        QCOMPARE(viewer.size(), QSize(200, 200));
    }

    // The window answers while its picture loads, with the busy pointer; closing it then gives
    // the load up, and nothing of it arrives later.
    void closeWhileLoading()
    {
        testsupport::HeldLoads loads; // outlives the window's loads
        loads.hold(picture_);
        QStringList said;
        QPointer<frmImageViewer> viewer = new frmImageViewer;
        viewer->setPictureLoad(loads.loader());
        viewer->setMessageFunction(
            [&](QWidget*, const QString& text, MessageIcon) { said << text; });
        QSignalSpy shown(viewer.data(), &frmImageViewer::pictureShown);
        viewer->show();
        viewer->LoadImage(picture_);
        QTRY_COMPARE(loads.holding(), 1);
        QVERIFY(viewer->busy() && QGuiApplication::overrideCursor() &&
                QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
        // A zoom chosen meanwhile is taken, and the picture still comes at 100%.
        viewer->mnuZoomScale(4)->trigger();
        QVERIFY(viewer->mnuZoomScale(4)->isChecked());
        QTest::keyClick(viewer.data(), Qt::Key_Escape);
        QTRY_VERIFY(viewer.isNull());
        QTRY_COMPARE(loads.stopped(), QStringList{picture_});
        QVERIFY(!QGuiApplication::overrideCursor());
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(shown.count() + said.size(), 0); // no picture, no message
    }

    // A picture is read from its file once per opening: at 100% it is decoded at the size shown,
    // and every other zoom is drawn from those pixels, scaled down for a smaller one; a drawing
    // is loaded again for a zoom that shows more pixels than it has been drawn in.
    void decodesOnce_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<int>>("loads"); // new loads, on the items 3, 4, 5, 1, 2, 0 in turn
        QTest::newRow("JPEG") << "halves.jpg" << QList<int>(6, 0);
        QTest::newRow("bitmap") << "halves.bmp" << QList<int>(6, 0);
        QTest::newRow("metafile") << "shapes.wmf" << QList<int>{0, 0, 0, 1, 0, 1};
    }
    void decodesOnce()
    {
        QFETCH(QString, file);
        QFETCH(QList<int>, loads);
        const QString path = dir_.filePath(file);
        QVERIFY(file.endsWith(".wmf")
                    ? QFile::copy(testsupport::samplePath(file), path)
                    : solid(QSize(1200, 900), Qt::blue, QRect(0, 0, 600, 900)).save(path));
        testsupport::OpenCount opens(path);
        QVERIFY(std::holds_alternative<Picture>(PictureLoader::load(path)));
        const int perLoad = opens.take();
        QVERIFY(perLoad >= 1); // and so counting works

        Viewer viewer;
        QVERIFY(loadInto(viewer, path));
        QCOMPARE(opens.take(), perLoad);
        const qreal ratio = viewer.devicePixelRatioF();
        QCOMPARE(viewer.heldPixels(), viewer.Picture1()->size() * ratio);
        QCOMPARE(viewer.holdsWholePicture(), !file.endsWith(".wmf"));

        const QList<int> items{3, 4, 5, 1, 2, 0};
        for (int i = 0; i < items.size(); ++i) {
            QSignalSpy zoomed(&viewer, &frmImageViewer::zoomShown);
            viewer.mnuZoomScale(items[i])->trigger();
            QTRY_COMPARE(zoomed.count(), 1);
            QVERIFY(!viewer.busy());
            QCOMPARE(opens.take(), loads[i] * perLoad);
            const QSize surface = viewer.Picture1()->size();
            // What is held covers what is shown.
            QVERIFY(viewer.heldPixels().width() >= qMin(surface.width() * ratio, 1200.0));
            if (file.endsWith(".wmf"))
                continue;
            // Half way across, the two halves meet within a pixel or two of the scaled picture
            // (JPEG blurs its colours over a few blocks).
            const int middle = surface.width() / 2;
            const int near = file.endsWith(".jpg") ? surface.width() / 20 + 3 : 3;
            QStringList colours;
            for (int x : {2, middle - near, middle + near, surface.width() - 3})
                colours << colourAt(viewer.Picture1(), x, 4);
            QCOMPARE(colours, (QStringList{"red", "red", "blue", "blue"}));
        }
    }

    // A photo of more than 4,000,000 pixels is on the screen as soon as the rows in view are
    // decoded: its top is drawn, its caption set, while the rest decodes, from one opening; a zoom
    // chosen meanwhile is finished once all of it is there. One of 4,000,000 shows when whole.
    void largePhotoRowByRow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("rowByRow");
        QTest::newRow("4,000,000 pixels") << QSize(2000, 2000) << false;
        QTest::newRow("4,002,000 pixels") << QSize(2000, 2001) << true;
    }
    void largePhotoRowByRow()
    {
        QFETCH(QSize, size);
        QFETCH(bool, rowByRow);
        const QSize half(size.width() / 2, size.height() / 2);
        const QString path = dir_.filePath("photo.jpg"); // red above blue
        QVERIFY(solid(size, Qt::blue, QRect(0, 0, size.width(), size.height() / 2)).save(path));
        testsupport::OpenCount opens(path);
        // The decoding waits at half way until released.
        std::atomic<bool> released{false};
        std::atomic<int> waitingAt{0};
        Viewer viewer;
        viewer.setPictureLoad(
            [&](const QString& file, QSize box, const LoadStop* stop, const RowsDecoded& rows) {
                return PictureLoader::loadUnlessStopped(
                    file, box, stop, [&](const std::shared_ptr<const Picture>& picture, int done) {
                        if (rows)
                            rows(picture, done);
                        if (done < size.height() / 2 || waitingAt > 0)
                            return;
                        waitingAt = done;
                        while (!released && !stopRaised(stop))
                            QThread::msleep(2);
                    });
            });
        QSignalSpy shown(&viewer, &frmImageViewer::pictureShown);
        QSignalSpy zoomed(&viewer, &frmImageViewer::zoomShown);
        viewer.show();
        viewer.LoadImage(path);
        QTRY_VERIFY(waitingAt > 0);
        const auto colourAt = [&](int y) { return ::colourAt(viewer.Picture1(), 4, y); };
        if (rowByRow) {
            QTRY_COMPARE(shown.count(), 1);
            // painted a sixteenth at a time as decoded, past the first screenful
            QVERIFY(viewer.busy() && waitingAt > viewer.Picture2()->height() + size.height() / 16);
            QTRY_VERIFY(viewer.rowsShown() > waitingAt - size.height() / 16 &&
                        viewer.rowsShown() <= waitingAt);
            QCOMPARE(viewer.Picture1()->size(), size);
            // the bottom not decoded yet
            QCOMPARE(viewer.windowTitle() + ' ' + colourAt(4) + ' ' + colourAt(size.height() - 4),
                     path + " red white");
            viewer.mnuZoomScale(4)->trigger(); // 50%
            QCOMPARE(viewer.Picture1()->size(), half);
            QCOMPARE(colourAt(4), "red");
        } else {
            QTest::qWait(100);
            QCOMPARE(QString::number(shown.count()) + viewer.windowTitle(), "0"); // nor a title
        }
        QCOMPARE(zoomed.count(), 0);
        released = true;
        QTRY_COMPARE(zoomed.count(), 1);
        QCOMPARE(viewer.Picture1()->size(), rowByRow ? half : size);
        QCOMPARE(
            QStringList({QString::number(shown.count()), QString::number(viewer.rowsShown()),
                         viewer.busy() ? "busy" : "idle",
                         viewer.holdsWholePicture() ? "whole" : "part",
                         viewer.heldPixels() == size ? "all held" : "some held", colourAt(4),
                         colourAt(viewer.Picture1()->height() - 4), QString::number(opens.take())}),
            QStringList({"1", "0", "idle", "whole", "all held", "red", "blue", "1"}));
    }

    // A picture the loader will not decode whole (beyond the memory bound) is shown from as many
    // pixels as the screen has; a zoom that needs more asks once more and is refused, and no
    // larger zoom asks again: each is drawn from what is held.
    void tooLargeToHoldWhole()
    {
        const QSize screen = QGuiApplication::primaryScreen()->availableSize();
        const QSize size(screen.width() * 5 / 2, screen.width() * 15 / 8);
        const QString path = dir_.filePath("large.bmp");
        QVERIFY(solid(size, Qt::darkCyan).save(path));
        QMutex mutex;
        QList<QSize> asked;
        Viewer viewer;
        viewer.setPictureLoad(
            [&](const QString& file, QSize box, const LoadStop* stop, const RowsDecoded&) {
                QMutexLocker lock(&mutex);
                asked << box;
                if (box.isEmpty() || box.width() > screen.width())
                    return PictureResult(PictureError{"too large"});
                return PictureLoader::loadUnlessStopped(file, box, stop);
            });
        QVERIFY(loadInto(viewer, path) && !viewer.holdsWholePicture());
        QCOMPARE(asked, (QList<QSize>{QSize(), screen}));
        const QSize held = viewer.heldPixels();
        QCOMPARE(held, size.scaled(screen, Qt::KeepAspectRatio));
        QCOMPARE(viewer.Picture1()->size(), size);
        // 50% needs more than is held; 75%, 400% and 50% again do not ask; 25% scales down.
        for (const int item : {4, 3, 0, 4, 5}) {
            QSignalSpy zoomed(&viewer, &frmImageViewer::zoomShown);
            viewer.mnuZoomScale(item)->trigger();
            QTRY_COMPARE(zoomed.count(), 1);
            QMutexLocker lock(&mutex);
            QCOMPARE(asked.size(), 3);
            QCOMPARE(viewer.heldPixels(), held);
            QCOMPARE(colourAt(viewer.Picture1(), 4, 4), QColor(Qt::darkCyan).name());
        }
        QCOMPARE(asked.value(2), size / 2);
        QThreadPool::globalInstance()->waitForDone();
    }

    // Esc or Close ends the viewer, and so does a file it cannot show, after saying so.
    void closing_data()
    {
        QTest::addColumn<QString>("how"); // or the file that cannot be shown
        for (const char* how : {"esc-window", "esc-scrollbar", "menu", "gone.jpg", "notes.bmp"})
            QTest::newRow(how) << QString(how);
    }
    void closing()
    {
        QFETCH(QString, how);
        const QString file = how.contains('.') ? how : QString();
        QStringList said;
        QPointer<frmImageViewer> viewer = new frmImageViewer;
        viewer->setMessageFunction(
            [&](QWidget*, const QString& text, MessageIcon) { said << text; });
        const QString named = file.isEmpty() ? "  " + picture_ + " " : dir_.filePath(file);
        // The title keeps the blanks.
        QCOMPARE(loadInto(*viewer, named) ? viewer->windowTitle() : "refused",
                 file.isEmpty() ? named : "refused");
        if (how == "menu")
            viewer->mnuClose()->trigger();
        else if (how.startsWith("esc"))
            QTest::keyClick(how == "esc-window" ? static_cast<QWidget*>(viewer)
                                                : viewer->VScroll1(),
                            Qt::Key_Escape);
        QCOMPARE(said.size(), file.isEmpty() ? 0 : 1);
        QVERIFY(said.isEmpty() || said[0].contains(file));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull());
    }
};

QUENBROOK_TEST(tst_ImageViewer)
#include "tst_windows.moc"
