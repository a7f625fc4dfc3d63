#include "core/program/PrintSettingsKeys.h"
#include "core/program/Units.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "support/PrintingFixtures.h"
#include "support/SettingsSandbox.h"
#include "support/TestPrinters.h"
#include "windows/preview/frmPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
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
    return s;
}

template <typename T> T* control(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

// "Preview 50%, 50%, 2 pages (of 2), printable area on, picture area off"
QString opened(const frmPreview& w)
{
    const auto onOff = [&](const char* box) {
        return control<QCheckBox>(w, box)->isChecked() ? "on" : "off";
    };
    return QStringLiteral("%1, %2, %3 pages (%4), printable area %5, picture area %6")
        .arg(w.windowTitle(), control<QComboBox>(w, "cboZoom")->currentText())
        .arg(control<QScrollBar>(w, "hsrPage")->maximum())
        .arg(control<QLabel>(w, "lblTotalPage")->text(), onOff("chkShowPrintableArea"),
             onOff("chkShowPictureArea"));
}

// What the screen has for each logical pixel: QT_SCALE_FACTOR, which the tests run under at 1
// and at 2.
double pixelRatio()
{
    bool set = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    return set ? factor : 1;
}

// The pixel of the page image at a page position (96 dpi, 0.25 inch margins).
QPoint pixel(const frmPreview& w, double x, double y)
{
    const double scale = w.ZoomFactor() * 96 * pixelRatio();
    return QPoint(int((0.25 + x) * scale), int((0.25 + y) * scale));
}

// Which cells of the page shown have a red outline: "1 1 1 0".
QString outlinedCells(const frmPreview& w, qint32 page)
{
    QStringList marks;
    for (int i = 0; i < 4; ++i) {
        const CellPlace c = CellOrigin(w.Layout(), previewSettings(), page, i / 2 + 1, i % 2 + 1);
        const bool red =
            w.PageImage().pixel(pixel(w, c.CellLeft + 1.5, c.CellTop)) == qRgb(255, 0, 0);
        marks << (red ? "1" : "0");
    }
    return marks.join(' ');
}

} // namespace

class tst_Preview : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { pictures_ = numberedPictures(dir_, 9); }
    void init() { settings_.emplace(); } // a fresh store for each test

    void opensAsRemembered_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("stored"); // PreviewZoom, PrintableArea, PictureArea
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("pageWidth");

        QTest::newRow("7 at 50%") << 7 << QStringList{"0.5", "False", "True"}
                                  << "Preview 50%, 50%, 2 pages (of 2), printable area off, "
                                     "picture area on"
                                  << 408;
        QTest::newRow("8 at 75%") << 8 << QStringList{" .75", "0", "false"}
                                  << "Preview 75%, 75%, 2 pages (of 2), printable area off, "
                                     "picture area off"
                                  << 612;
        QTest::newRow("9, nothing stored")
            << 9 << QStringList{"", "", ""}
            << "Preview 100%, 100%, 3 pages (of 3), printable area on, picture area on" << 816;
    }

    void opensAsRemembered()
    {
        QFETCH(int, count);
        QFETCH(QStringList, stored);
        QFETCH(QString, expected);
        QFETCH(int, pageWidth);

        for (int i = 0; i < 3; ++i)
            if (!stored[i].isEmpty())
                store(i, stored[i]);
        frmPreview window(nullptr, pictures_.mid(0, count), previewSettings(), printer_,
                          settings_->store);
        QVERIFY(window.Form_Load());
        QCOMPARE(opened(window), expected);
        // The page is as large as the paper on screen, drawn with every pixel the screen has.
        const QSize page(pageWidth, pageWidth * 22 / 17);
        QCOMPARE(control<QWidget>(window, "picPreview")->size(), page);
        QCOMPARE(window.PageImage().devicePixelRatio(), pixelRatio());
        QCOMPARE(window.PageImage().size(), page * pixelRatio());
        QVERIFY(!printer_.documentOpen() && printer_.abandonedDocuments() > 0);
        for (int i = 0; i < 3; ++i) // restoring wrote nothing
            QCOMPARE(this->stored(i), stored[i]);
    }

    void remembersChoices()
    {
        frmPreview window(nullptr, pictures_, previewSettings(), printer_, settings_->store);
        QVERIFY(window.Form_Load());
        QTest::keyClick(control<QComboBox>(window, "cboZoom"), Qt::Key_Down);
        QTest::mouseClick(control<QCheckBox>(window, "chkShowPrintableArea"), Qt::LeftButton);
        QCOMPARE(control<QWidget>(window, "picPreview")->width(), 612);
        QCOMPARE(QStringList({stored(0), stored(1), stored(2)}),
                 QStringList({"0.75", "False", ""}));
    }

    void outlinesAndHeader()
    {
        QList<QRect> headers;
        for (const char* zoom : {"1", "0.5"}) {
            store(0, zoom);
            store(2, "True"); // the last round turned the outlines off
            frmPreview window(nullptr, pictures_.mid(0, 7), previewSettings(), printer_,
                              settings_->store);
            QVERIFY(window.Form_Load());
            QCOMPARE(outlinedCells(window, 1), "1 1 1 1");
            // The header's black ink (not the blue outline), centred above the first cells.
            QRect ink;
            const int top = pixel(window, 0, 0).y() + 1;
            const int bottom = pixel(window, 0, window.Layout().HeaderHeight + 0.1).y();
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < window.PageImage().width(); ++x)
                    if (const QRgb c = window.PageImage().pixel(x, y);
                        qMax(qRed(c), qBlue(c)) < 128)
                        ink |= QRect(x, y, 1, 1);
            QVERIFY(qAbs(ink.center().x() - pixel(window, 4, 0).x()) <= 2);
            headers << ink;

            control<QScrollBar>(window, "hsrPage")->setValue(2);
            QCOMPARE(outlinedCells(window, 2), "1 1 1 0");
            QTest::mouseClick(control<QCheckBox>(window, "chkShowPictureArea"), Qt::LeftButton);
            QCOMPARE(outlinedCells(window, 2), "0 0 0 0");
        }
        // Half the type size at half the zoom.
        QVERIFY2(qAbs(headers[1].height() * 2 - headers[0].height()) <= 2,
                 qPrintable(QDebug::toString(headers)));
    }

    // The window holds itself to 5000 x 4000 twips even when nothing else does: a size that
    // reaches it from the window system smaller than that is put back, and laid out at that size.
    void minimumSize_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("kept");
        const int width = ToPixels(5000.f);  // 333
        const int height = ToPixels(4000.f); // 267
        QTest::newRow("too narrow") << QSize(200, 500) << QSize(width, 500);
        QTest::newRow("too low") << QSize(700, 120) << QSize(700, height);
        QTest::newRow("large enough") << QSize(width, height) << QSize(width, height);
    }
    void minimumSize()
    {
        QFETCH(QSize, asked);
        frmPreview window(nullptr, pictures_.mid(0, 2), previewSettings(), printer_,
                          settings_->store);
        QVERIFY(window.Form_Load());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // As a window system without a window manager would: straight to the window.
        window.windowHandle()->resize(asked);
        QFETCH(QSize, kept);
        QTRY_COMPARE(window.size(), kept);
        QCOMPARE(window.windowHandle()->size(), kept);
        // The viewport and its bars fill the window at that size.
        const auto* bar = control<QScrollBar>(window, "VScroll1");
        QCOMPARE(bar->geometry().right() + 1, kept.width());
        QCOMPARE(control<QScrollBar>(window, "HScroll1")->geometry().bottom() + 1, kept.height());
    }

    void refusesToOpen_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>("message");
        QTest::newRow("printer fails") << 3.0 << "critical: Print Error!|Can't Preview";
        QTest::newRow("no cell fits")
            << 9.0 << "critical: Picture is larger than the printable range!|Abort Print!";
    }

    void refusesToOpen()
    {
        QFETCH(double, width);
        QFETCH(QString, message);
        TestPrinters printers({"Office"});
        printers.setFailing(width < 9);
        const std::unique_ptr<PrinterSurface> printer = printers.open("Office");
        PrintSettings s = previewSettings();
        s.PictureMaxWidth = width;
        bool shown = false;
        WindowWatcher watcher([&] {
            if (auto* w = qApp->activeModalWidget(); w && w->objectName() == "frmPreview") {
                shown = true;
                w->close();
            }
        });
        frmPreview::Open(nullptr, pictures_, s, *printer, settings_->store);
        QCOMPARE(watcher.messages, QStringList{message});
        QVERIFY(!shown && !QGuiApplication::overrideCursor());
    }

private:
    QString stored(int key) const { return settings_->get(Keys[key]); }
    void store(int key, const QString& value) { settings_->put({Keys[key] + '=' + value}); }

    QTemporaryDir dir_;
    QStringList pictures_;
    std::optional<testsupport::SettingsSandbox> settings_;
    RecordingSurface printer_; // 8 × 10.5 inch printable on 8.5 × 11 inch paper
};

QTEST_MAIN(tst_Preview)
#include "tst_preview.moc"
