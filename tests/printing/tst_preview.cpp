#include "PrintingFixtures.h"
#include "album/PrinterSurface.h"
#include "platform/Printers.h"
#include "preview/frmPreview.h"
#include "printer/PrintSettingsKeys.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

using namespace printingtest;

namespace {

const QString Keys[] = {PrintKeys::PreviewZoom, PrintKeys::PrintableArea, PrintKeys::PictureArea};

// 2 × 2 cells of 3 × 4 inch on the recording printer's 8 × 10.5 inch of 8.5 × 11 inch paper,
// a centred 36-point page number on top.
PrintSettings previewSettings()
{
    PrintSettings s = gridSettings();
    s.PictureMaxHeight = 4;
    s.HeaderStyle = BandStyle::PageNumber;
    s.HeaderAlignment = BandAlignment::Center;
    s.HeaderFont = PrintFont{QStringLiteral("DejaVu Sans"), 36};
    return s;
}

template <typename T> T* control(const QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

// "Preview 50%, 50%, pages 1 to 2 (of 2), printable area on, picture area off"
QString opened(const frmPreview& w)
{
    const auto* pages = control<QScrollBar>(w, "hsrPage");
    return QStringLiteral("%1, %2, pages %3 to %4 (%5), printable area %6, picture area %7")
        .arg(w.windowTitle(), control<QComboBox>(w, "cboZoom")->currentText())
        .arg(pages->minimum())
        .arg(pages->maximum())
        .arg(control<QLabel>(w, "lblTotalPage")->text(),
             control<QCheckBox>(w, "chkShowPrintableArea")->isChecked() ? "on" : "off",
             control<QCheckBox>(w, "chkShowPictureArea")->isChecked() ? "on" : "off");
}

// The pixel of the page image at a page position (96 dpi, 0.25 inch margins).
QPoint pixel(const frmPreview& w, double x, double y)
{
    const double zoom = w.ZoomFactor();
    return QPoint(int((0.25 + x) * zoom * 96), int((0.25 + y) * zoom * 96));
}

// Which cells of the page shown have a red outline: "1 1 1 0".
QString outlinedCells(const frmPreview& w, qint32 page)
{
    QStringList marks;
    for (int i = 0; i < 4; ++i) {
        const CellPlace cell =
            CellOrigin(w.Layout(), previewSettings(), page, i / 2 + 1, i % 2 + 1);
        marks << (w.PageImage().pixel(pixel(w, cell.CellLeft + 1.5, cell.CellTop)) ==
                          qRgb(255, 0, 0)
                      ? "1"
                      : "0");
    }
    return marks.join(' ');
}

} // namespace

class tst_Preview : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        pictures_ = numberedPictures(dir_, 9);
        QVERIFY(!pictures_.contains(QString()));
    }
    void opensAsRemembered_data();
    void opensAsRemembered();
    void remembersChoices();
    void outlinesAndHeader();
    void windowSizeAndPanning();
    void refusesToOpen_data();
    void refusesToOpen();
    void unreadablePicture();

private:
    QTemporaryDir dir_;
    QStringList pictures_;
    RecordingSurface printer_; // 8 × 10.5 inch printable on 8.5 × 11 inch paper
};

void tst_Preview::opensAsRemembered_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("stored"); // PreviewZoom, PrintableArea, PictureArea
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("pageWidth");

    QTest::newRow("1 picture, nothing stored")
        << 1 << QStringList{"", "", ""}
        << "Preview 100%, 100%, pages 1 to 1 (of 1), printable area on, picture area on" << 816;
    QTest::newRow("7 at 50%") << 7 << QStringList{"0.5", "False", "True"}
                              << "Preview 50%, 50%, pages 1 to 2 (of 2), printable area off, "
                                 "picture area on"
                              << 408;
    QTest::newRow("8 at 75%") << 8 << QStringList{" .75", "0", "false"}
                              << "Preview 75%, 75%, pages 1 to 2 (of 2), printable area off, "
                                 "picture area off"
                              << 612;
    QTest::newRow("9, unknown zoom") << 9 << QStringList{"0.3", "maybe", "1"}
                                     << "Preview 100%, 100%, pages 1 to 3 (of 3), printable area "
                                        "on, picture area on"
                                     << 816;
}

void tst_Preview::opensAsRemembered()
{
    QFETCH(int, count);
    QFETCH(QStringList, stored);
    QFETCH(QString, expected);
    QFETCH(int, pageWidth);

    QTemporaryDir folder;
    SettingsStore store(folder.path());
    for (int i = 0; i < 3; ++i)
        if (!stored[i].isEmpty())
            store.SaveSetting(PrintKeys::Application, PrintKeys::Section, Keys[i], stored[i]);
    frmPreview window(nullptr, pictures_.mid(0, count), previewSettings(), printer_, store);
    QVERIFY(window.Form_Load());
    QCOMPARE(opened(window), expected);
    QCOMPARE(window.PageImage().width(), pageWidth);
    QVERIFY(!printer_.documentOpen() && printer_.abandonedDocuments() > 0);
    for (int i = 0; i < 3; ++i) // restoring wrote nothing
        QCOMPARE(store.GetSetting(PrintKeys::Application, PrintKeys::Section, Keys[i]), stored[i]);
}

void tst_Preview::remembersChoices()
{
    QTemporaryDir folder;
    SettingsStore store(folder.path());
    const auto stored = [&](int key) {
        return store.GetSetting(PrintKeys::Application, PrintKeys::Section, Keys[key]);
    };
    {
        frmPreview window(nullptr, pictures_, previewSettings(), printer_, store);
        QVERIFY(window.Form_Load());
        QTest::keyClick(control<QComboBox>(window, "cboZoom"), Qt::Key_Down);
        QTest::mouseClick(control<QCheckBox>(window, "chkShowPrintableArea"), Qt::LeftButton);
        QCOMPARE(window.windowTitle(), "Preview 75%");
        QCOMPARE(window.PageImage().width(), 612);
        QCOMPARE(QStringList({stored(0), stored(1), stored(2)}),
                 QStringList({"0.75", "False", ""}));
    }
    frmPreview window(nullptr, pictures_, previewSettings(), printer_, store);
    QVERIFY(window.Form_Load());
    QCOMPARE(opened(window),
             "Preview 75%, 75%, pages 1 to 3 (of 3), printable area off, picture area on");
}

void tst_Preview::outlinesAndHeader()
{
    QList<QRect> headers;
    for (const char* zoom : {"1", "0.5"}) {
        QTemporaryDir folder;
        SettingsStore store(folder.path());
        store.SaveSetting(PrintKeys::Application, PrintKeys::Section, Keys[0], zoom);
        frmPreview window(nullptr, pictures_.mid(0, 7), previewSettings(), printer_, store);
        QVERIFY(window.Form_Load());
        QCOMPARE(outlinedCells(window, 1), "1 1 1 1");
        // The header's black ink (not the blue outline), centred above the first cells.
        QRect ink;
        const int top = pixel(window, 0, 0).y() + 1;
        const int bottom = pixel(window, 0, window.Layout().HeaderHeight + 0.1).y();
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < window.PageImage().width(); ++x)
                if (const QRgb c = window.PageImage().pixel(x, y); qMax(qRed(c), qBlue(c)) < 128)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY(qAbs(ink.center().x() - pixel(window, 4, 0).x()) <= 2);
        headers << ink;

        control<QScrollBar>(window, "hsrPage")->setValue(2);
        QCOMPARE(control<QLabel>(window, "lblPage")->text(), "2");
        QCOMPARE(outlinedCells(window, 2), "1 1 1 0");
        QTest::mouseClick(control<QCheckBox>(window, "chkShowPictureArea"), Qt::LeftButton);
        QCOMPARE(outlinedCells(window, 2), "0 0 0 0");
        QCOMPARE(window.PageImage().pixel(pixel(window, 4, 0)), qRgb(0, 0, 255));
        QTest::mouseClick(control<QCheckBox>(window, "chkShowPrintableArea"), Qt::LeftButton);
        QCOMPARE(window.PageImage().pixel(pixel(window, 4, 0)), qRgb(255, 255, 255));
    }
    // Half the type size at half the zoom.
    QVERIFY2(qAbs(headers[1].height() * 2 - headers[0].height()) <= 2,
             qPrintable(QDebug::toString(headers)));
}

void tst_Preview::windowSizeAndPanning()
{
    QTemporaryDir folder;
    SettingsStore store(folder.path());
    store.SaveSetting(PrintKeys::Application, PrintKeys::Section, Keys[0], "1");
    frmPreview window(nullptr, pictures_, previewSettings(), printer_, store);
    QVERIFY(window.Form_Load());
    window.show();
    QCOMPARE(window.size() - QSize(0, window.findChild<QMenuBar*>()->height()), QSize(596, 312));
    window.resize(100, 100);
    QCOMPARE(window.size(), QSize(333, 267));

    // At the bar's 180th step the page's right edge meets the view's.
    auto* across = control<QScrollBar>(window, "HScroll1");
    auto* page = control<QWidget>(window, "picPreview");
    across->setValue(180);
    QCOMPARE(page->geometry().right(), page->parentWidget()->width() - 1);
    window.resize(1200, 1200); // wider than the page: the bar moves nothing
    QCOMPARE(across->value(), 0);
    across->setValue(100);
    QCOMPARE(page->pos(), QPoint(0, 0));

    QTest::keyClick(control<QComboBox>(window, "cboZoom"), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void tst_Preview::refusesToOpen_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("printer fails")
        << "printer" << QStringList{"critical: Print Error!|Can't Preview"};
    QTest::newRow("no cell fits")
        << "too wide"
        << QStringList{"critical: Picture is larger than the printable range!|Abort Print!"};
    QTest::newRow("empty list") << "empty" << QStringList();
}

void tst_Preview::refusesToOpen()
{
    QFETCH(QString, trouble);
    QFETCH(QStringList, messages);
    QTemporaryDir folder;
    SettingsStore store(folder.path());
    TestPrinters printers({"Office"});
    printers.setFailing(trouble == "printer");
    const std::unique_ptr<PrinterSurface> printer = printers.open("Office");
    PrintSettings s = previewSettings();
    s.PictureMaxWidth = trouble == "too wide" ? 9 : 3;
    bool shown = false;
    WindowWatcher watcher([&] {
        if (auto* w = qobject_cast<QWidget*>(qApp->activeModalWidget());
            w && w->objectName() == "frmPreview") {
            shown = true;
            w->close();
        }
    });
    frmPreview::Open(nullptr, trouble == "empty" ? QStringList() : pictures_, s, *printer, store);
    QCOMPARE(watcher.messages, messages);
    QVERIFY(!shown && !QGuiApplication::overrideCursor());
}

void tst_Preview::unreadablePicture()
{
    QTemporaryDir folder;
    SettingsStore store(folder.path());
    QStringList list = pictures_.mid(0, 7);
    list[1] = dir_.filePath("gone.bmp");
    WindowWatcher watcher;
    frmPreview window(nullptr, list, previewSettings(), printer_, store);
    QVERIFY(window.Form_Load());
    QCOMPARE(watcher.messages, QStringList{"critical: gone.bmp: file not found"});
    QVERIFY(!QGuiApplication::overrideCursor());
    // That page stops at the picture; the next is drawn as usual.
    QCOMPARE(outlinedCells(window, 1), "1 0 0 0");
    control<QScrollBar>(window, "hsrPage")->setValue(2);
    QCOMPARE(outlinedCells(window, 2), "1 1 1 0");
}

QTEST_MAIN(tst_Preview)
#include "tst_preview.moc"
