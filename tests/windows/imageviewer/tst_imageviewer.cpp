#include "support/TestMain.h"
#include "windows/imageviewer/frmImageViewer.h"

#include <QAction>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quenbrook;

class tst_ImageViewer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString picture_; // 640 × 480 pixels

private slots:
    void initTestCase()
    {
        picture_ = dir_.filePath(QStringLiteral("beach.bmp"));
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(picture_, "BMP"));
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
        frmImageViewer viewer;
        viewer.setAttribute(Qt::WA_DeleteOnClose, false);
        viewer.show();
        QVERIFY(viewer.LoadImage(picture_) && QTest::qWaitForWindowActive(&viewer));
        QVERIFY(viewer.mnuZoomScale(2)->isChecked());
        if (keys.isEmpty())
            viewer.mnuZoomScale(item)->trigger();
        for (int key : keys)
            QTest::keySequence(&viewer, QKeySequence::StandardKey(key));
        for (int i = 0; i < frmImageViewer::ZoomCount; ++i)
            QCOMPARE(viewer.mnuZoomScale(i)->isChecked(), i == item);
        QCOMPARE(viewer.Picture1()->size(), surface);
        QCOMPARE(viewer.Picture1()->pos(), QPoint(0, 0));
        const QImage shown = viewer.Picture1()->grab(QRect(0, 0, 8, 8)).toImage();
        QCOMPARE(shown.pixelColor(4, 4), QColor(Qt::darkCyan));

        const QSize view = viewer.Picture2()->size();
        viewer.VScroll1()->setValue(1000);
        viewer.HScroll1()->setValue(1000);
        QCOMPARE(viewer.Picture1()->pos(), QPoint(-std::abs(surface.width() - view.width()),
                                                  -std::abs(surface.height() - view.height())));
        // 3000 twips is the least either way.
        viewer.resize(50, 50);
        QCOMPARE(viewer.size(), QSize(200, 200));
    }

    // Esc or Close ends the viewer, and so does a file it cannot show, after saying so.
    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("file");
        QTest::newRow("Esc on the window") << "esc-window"
                                           << "";
        QTest::newRow("Esc on a scroll bar") << "esc-scrollbar"
                                             << "";
        QTest::newRow("&Close") << "menu"
                                << "";
        QTest::newRow("missing") << ""
                                 << "gone.jpg";
        QTest::newRow("not a bitmap") << ""
                                      << "notes.bmp";
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(QString, file);
        QFile text(dir_.filePath("notes.bmp"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("just some text\n") > 0);
        text.close();
        QStringList said;
        QPointer<frmImageViewer> viewer = new frmImageViewer;
        viewer->setMessageFunction(
            [&](QWidget*, const QString& text, MessageIcon) { said << text; });
        viewer->show();
        const QString named = file.isEmpty() ? "  " + picture_ + " " : dir_.filePath(file);
        QCOMPARE(viewer->LoadImage(named), file.isEmpty());
        if (file.isEmpty())
            QCOMPARE(viewer->windowTitle(), named); // blanks kept
        if (how == "esc-window")
            QTest::keyClick(viewer.data(), Qt::Key_Escape);
        else if (how == "esc-scrollbar")
            QTest::keyClick(viewer->VScroll1(), Qt::Key_Escape);
        else if (how == "menu")
            viewer->mnuClose()->trigger();
        QCOMPARE(said.size(), file.isEmpty() ? 0 : 1);
        QVERIFY(said.isEmpty() || said.first().contains(file));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull());
    }
};

QUENBROOK_TEST(tst_ImageViewer)
#include "tst_imageviewer.moc"
