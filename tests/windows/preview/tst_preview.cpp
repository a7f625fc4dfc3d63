// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/program/PrintSettingsKeys.h"
#include "print/PrinterSurface.h"
#include "support/Golden.h"
#include "support/HeldLoads.h"
#include "support/PrintingFixtures.h"
#include "support/SettingsSandbox.h"
#include "support/TestMain.h"
#include "support/TestPrinters.h"
#include "windows/preview/frmPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace printingtest;

namespace {

const QString Keys[] = {PrintKeys::PreviewZoom, PrintKeys::PrintableArea, PrintKeys::PictureArea};

// 2 × 2 cells of 3 × 4 inch on the recording printer's 8 × 10.5 inch of 8.5 × 11 inch paper,
// a centred 36-point page number on top.
PrintSettings previewSettings()
{
    PrintSettings s = gridSettings();
    s.PictureMaxHeight = 4;
    s.Header.Style = BandStyle::PageNumber;
    s.Header.Alignment = BandAlignment::Center;
    s.Header.Font = PrintFont{QStringLiteral("DejaVu Sans"), 36};
    s.FontColor = 0xFF00;
    return s;
}

// A preview of `pictures` on a store and a recording printer of its own, not loaded yet.
struct OwnPreview
{
    explicit OwnPreview(const QStringList& pictures, MessageFunction message = ShowMessage)
        : window(nullptr, pictures, previewSettings(), printer, box.store, std::move(message))
    {}
    testsupport::SettingsSandbox box;
    RecordingSurface printer;
    frmPreview window;
};

template <typename T> T* control(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

// What the screen has for each logical pixel: QT_SCALE_FACTOR, which the tests run under at 1
// and at 2.
const int Ratio = qMax(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));

// Pixels of one colour.
qsizetype pixels(const QImage& image, QColor colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto* first = reinterpret_cast<const QRgb*>(rgb.constBits());
    return std::count(first, first + rgb.width() * rgb.height(), colour.rgb());
}

QString rect(const QWidget* w)
{
    const QRect r = w->geometry();
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The window as the user sees it: title, controls, page, scroll bars, the outlines on the page
// (blue printable area, red picture cells, in logical pixels) and the stored choices.
QString shown(const frmPreview& w, const testsupport::SettingsSandbox& box)
{
    // The page is drawn once its pictures are loaded.
    if (!QTest::qWaitFor([&] { return !w.drawingPage(); }, 20000))
        return QStringLiteral("the page was never drawn\n");
    const auto on = [&](const char* box) { return control<QCheckBox>(w, box)->isChecked(); };
    const auto bar = [&](const char* name) {
        const auto* b = control<QScrollBar>(w, name);
        return QStringLiteral("%1 %2..%3 at %4")
            .arg(rect(b), QString::number(b->minimum()), QString::number(b->maximum()),
                 QString::number(b->value()));
    };
    return QStringLiteral("%1 | %2 | page %3 %4 | printable %5 picture %6 | view %7 page %8 | "
                          "pages %9 | across %10 | down %11 | blue %12 red %13 green %14 | "
                          "stored %15\n")
        .arg(w.windowTitle(), control<QComboBox>(w, "cboZoom")->currentText(),
             control<QLabel>(w, "lblPage")->text(), control<QLabel>(w, "lblTotalPage")->text(),
             on("chkShowPrintableArea") ? "on" : "off", on("chkShowPictureArea") ? "on" : "off",
             rect(control<QWidget>(w, "Picture1")), rect(control<QWidget>(w, "picPreview")),
             bar("hsrPage"))
        .arg(bar("HScroll1"), bar("VScroll1"))
        .arg(pixels(w.PageImage(), Qt::blue) / Ratio)
        .arg(pixels(w.PageImage(), Qt::red) / Ratio)
        .arg(pixels(w.PageImage(), Qt::green) / Ratio)
        .arg(box.get(Keys[0]) + ',' + box.get(Keys[1]) + ',' + box.get(Keys[2]));
}

} // namespace

class tst_Preview : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { pictures_ = numberedPictures(dir_, 9); }

    // Opened as stored, then each control and key: zoom by list and keys (nothing past either
    // end), pages by keys (nothing past the last), the scroll bars, the outlines off and on.
    void controls()
    {
        QString out;
        const QList<std::pair<int, QStringList>> opens = {
            {7, {"0.5", "False", "True"}}, {8, {" .75", "0", "false"}}, {9, {}}, {5, {"0.3"}}};
        for (const auto& [count, stored] : opens) {
            OwnPreview preview(pictures_.mid(0, count));
            auto& [box, printer, window] = preview;
            for (int i = 0; i < stored.size(); ++i)
                box.put({Keys[i] + '=' + stored[i]});
            QVERIFY(window.Form_Load());
            QVERIFY(!printer.documentOpen() && printer.abandonedDocuments() > 0);
            QCOMPARE(window.PageImage().devicePixelRatio(), Ratio);
            out += "== " + stored.join(',') + '\n' + shown(window, box);
            if (count != 9)
                continue;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // Keys by their standard sequence; -1: zoom 100% from the list, -2 and -3 the scroll
            // bars, -4 and -5 the outline boxes.
            const int bigger = QKeySequence::ZoomIn, smaller = QKeySequence::ZoomOut,
                      next = QKeySequence::MoveToNextPage, back = QKeySequence::MoveToPreviousPage;
            for (const int step : {smaller, smaller, smaller, bigger, next, next, next, back, -1,
                                   -2, -3, -4, -5, -5}) {
                auto* zoom = control<QComboBox>(window, "cboZoom");
                const char* outline = step == -4 ? "chkShowPictureArea" : "chkShowPrintableArea";
                if (step >= 0)
                    QTest::keySequence(&window, QKeySequence::StandardKey(step));
                else if (step == -1)
                    zoom->setCurrentIndex(0), emit zoom->activated(0);
                else if (step > -4)
                    control<QScrollBar>(window, step == -2 ? "HScroll1" : "VScroll1")->setValue(90);
                else
                    QTest::mouseClick(control<QCheckBox>(window, outline), Qt::LeftButton);
                out += QStringLiteral("-- %1\n").arg(step) + shown(window, box);
            }
        }
        QUENBROOK_COMPARE_GOLDEN(QStringLiteral("album/preview-x%1.txt").arg(Ratio), out);
    }

    // A page is drawn once all its pictures are loaded, off the window thread: until then the
    // window answers, the busy pointer shows and the page keeps what it showed. A newer page or
    // closing the window gives the loads up.
    void drawnWhenLoaded()
    {
        testsupport::HeldLoads loads; // outlives the window's loads
        auto preview = std::make_unique<OwnPreview>(pictures_);
        frmPreview* window = &preview->window;
        window->setPictureLoad(loads.loader());
        QSignalSpy pages(window, &frmPreview::pageDrawn);
        QVERIFY(window->Form_Load());
        QTRY_COMPARE(pages.count(), 1);
        const QImage first = window->PageImage();
        // Page 2's second picture is held.
        loads.hold(pictures_[5]);
        auto* bar = control<QScrollBar>(*window, "hsrPage");
        bar->setValue(2);
        QTRY_COMPARE(loads.holding(), 1);
        // The rest of the page loads beside the held picture.
        QTRY_VERIFY(loads.asked().contains(pictures_[6]) && loads.asked().contains(pictures_[7]));
        QVERIFY(window->drawingPage() && QGuiApplication::overrideCursor() &&
                QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
        QCOMPARE(window->PageImage(), first);
        QCOMPARE(control<QLabel>(*window, "lblPage")->text(), "2");
        // Page 3 is asked for before page 2 came: page 2 is given up.
        bar->setValue(3);
        QTRY_COMPARE(loads.stopped(), QStringList{pictures_[5]});
        QTRY_COMPARE(pages.count(), 2);
        QVERIFY(!QGuiApplication::overrideCursor() && window->PageImage() != first);
        QCOMPARE(loads.asked().mid(loads.asked().size() - 1), QStringList{pictures_[8]});

        // Closed while page 2 is held.
        loads.hold(pictures_[4]);
        bar->setValue(2);
        QTRY_COMPARE(loads.holding(), 1);
        preview.reset();
        QTRY_COMPARE(loads.stopped(), (QStringList{pictures_[5], pictures_[4]}));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // A printer that fails, or cells too large: a message, and no window. A picture that cannot be
    // loaded is reported by the preview over itself, critical, in the loader's words, each time its
    // page is drawn; the pictures before it on the page are drawn, and the other pages are drawn as
    // before, with nothing said. None after it is loaded while one before it still loads.
    void failures()
    {
        for (const double width : {3.0, 9.0}) {
            TestPrinters printers({"Office"});
            printers.setFailing(width < 9);
            const std::unique_ptr<PrinterSurface> printer = printers.open("Office");
            PrintSettings s = previewSettings();
            s.PictureMaxWidth = width;
            bool opened = false;
            WindowWatcher watcher([&] {
                if (auto* w = qApp->activeModalWidget(); w && w->objectName() == "frmPreview")
                    opened = true, w->close();
            });
            testsupport::SettingsSandbox box;
            // Said with the usual pointer back, not the busy one.
            QStringList said;
            frmPreview::Open(
                nullptr, pictures_, s, *printer, box.store, [&](auto, auto text, auto icon) {
                    said << (icon == MessageIcon::Critical ? "critical: " : "other: ") + text +
                                (QGuiApplication::overrideCursor() ? " (busy)" : "");
                });
            QCOMPARE(said, QStringList{width < 9 ? "critical: Print Error!\r\nCan't Preview"
                                                 : "critical: Picture is larger than the "
                                                   "printable range!\r\nAbort Print!"});
            QVERIFY(!opened && !QGuiApplication::overrideCursor());
        }

        QFile text(dir_.filePath("notes.bmp"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("just some text\n") > 0 &&
                text.flush());
        QStringList list = pictures_;
        list[5] = text.fileName(); // the second cell of page 2
        testsupport::HeldLoads loads;
        loads.hold(list[4]);
        QStringList messages;
        OwnPreview preview(list, [&](auto owner, auto text, auto icon) {
            // over the preview, critical
            messages << text +
                            (owner == &preview.window && icon == MessageIcon::Critical ? "" : "!");
        });
        frmPreview* window = &preview.window;
        preview.box.put({Keys[1] + "=False", Keys[2] + "=False"});
        window->setPictureLoad(loads.loader());
        QSignalSpy pages(window, &frmPreview::pageDrawn);
        QVERIFY(window->Form_Load());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        // Pages 1, 2, 3, 2, 1 by their keys: what was said so far, and how much was drawn.
        QStringList seen;
        qsizetype full = 0; // four pictures
        for (const int step : {0, 1, 1, -1, -1}) {
            const qsizetype before = loads.asked().size();
            if (step)
                QTest::keySequence(window, step > 0 ? QKeySequence::MoveToNextPage
                                                    : QKeySequence::MoveToPreviousPage);
            if (seen.size() == 1) {
                // pic4.bmp let go once notes.bmp has failed: a load after that is not started.
                QTRY_VERIFY(loads.holding() == 1 && loads.answered().contains(list[5]));
                loads.release();
            }
            QTRY_COMPARE(pages.count(), seen.size() + 1);
            if (seen.size() == 1) {
                QStringList asked = loads.asked().mid(before);
                asked.sort();
                QCOMPARE(asked.join(' '), list[5] + ' ' + list[4]); // notes.bmp, pic4.bmp
            }
            const qsizetype drawn = pixels(window->PageImage(), Qt::darkCyan);
            full = full ? full : drawn;
            seen << QStringLiteral("page %1: %2 said, %3")
                        .arg(control<QLabel>(*window, "lblPage")->text())
                        .arg(messages.size())
                        .arg(drawn == full                   ? "full"
                             : drawn > 0 && drawn < full / 3 ? "one picture"
                                                             : QString::number(drawn));
        }
        QCOMPARE(seen, (QStringList{"page 1: 0 said, full", "page 2: 1 said, one picture",
                                    "page 3: 1 said, one picture", "page 2: 2 said, one picture",
                                    "page 1: 2 said, full"}));
        QCOMPARE(messages, QStringList(2, "notes.bmp: not a readable bitmap"));
        QVERIFY(window->isVisible());
    }

    // The zoom list moved with the arrow keys (nothing past its ends), each stored at once. The
    // window holds itself to 5000 x 4000 twips (333 x 267) even when nothing else does: a size
    // that reaches it from the window system smaller than that is put back, and laid out at that
    // size, the viewport and its bars filling the window. Esc then closes the window from the zoom
    // list and from the page bar, and the Close key from anywhere.
    void keyboardAndSize()
    {
        for (const auto& [escIn, asked, kept] :
             {std::tuple{"cboZoom", QSize(200, 500), QSize(333, 500)},
              {"hsrPage", QSize(700, 120), QSize(700, 267)},
              {"", QSize(333, 267), QSize(333, 267)}}) {
            OwnPreview preview(pictures_.mid(0, 5));
            frmPreview& window = preview.window;
            QVERIFY(window.Form_Load());
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            auto* zoom = control<QComboBox>(window, "cboZoom");
            zoom->setFocus();
            QStringList seen;
            for (const Qt::Key key :
                 {Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
                QTest::keyClick(zoom, key);
                seen << window.windowTitle() + ' ' + preview.box.get(Keys[0]);
            }
            QCOMPARE(seen,
                     (QStringList{"Preview 100% ", "Preview 75% 0.75", "Preview 50% 0.5",
                                  "Preview 25% 0.25", "Preview 25% 0.25", "Preview 50% 0.5"}));
            QCOMPARE(window.ZoomFactor(), 0.5f);
            // Another zoom shows the page from its top left corner, wherever the bars were.
            auto* across = control<QScrollBar>(window, "HScroll1");
            auto* down = control<QScrollBar>(window, "VScroll1");
            across->setValue(90);
            down->setValue(90);
            QTest::keyClick(zoom, Qt::Key_Up);
            const QPoint page = control<QWidget>(window, "picPreview")->pos();
            QCOMPARE((QList<int>{across->value(), down->value(), page.x(), page.y()}),
                     (QList<int>{0, 0, 0, 0}));
            QTest::keyClick(zoom, Qt::Key_Down);
            QCOMPARE(window.ZoomFactor(), 0.5f);

            window.windowHandle()->resize(asked); // straight to the window, as with no manager
            QTRY_COMPARE(window.size(), kept);
            QCOMPARE(window.windowHandle()->size(), kept);
            QCOMPARE(QSize(down->geometry().right() + 1, across->geometry().bottom() + 1), kept);
            if (*escIn) {
                control<QWidget>(window, escIn)->setFocus();
                QTest::keyClick(control<QWidget>(window, escIn), Qt::Key_Escape);
            } else {
                QTest::keySequence(&window, QKeySequence::Close);
            }
            QVERIFY2(!window.isVisible(), *escIn ? escIn : "the Close key");
        }
    }

private:
    QTemporaryDir dir_;
    QStringList pictures_;
};

QUENBROOK_TEST(tst_Preview)
#include "tst_preview.moc"
