#include "support/TestMain.h"
#include "windows/imageviewer/frmImageViewer.h"

#include <QAction>
#include <QActionGroup>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace quenbrook;

class tst_ImageViewer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString picture_; // 640 × 480 pixels

    // Runs the deletion a closed viewer asked for.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        picture_ = dir_.filePath(QStringLiteral("beach.bmp"));
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(picture_, "BMP"));
    }

    void zoom_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QSize>("surface");
        QTest::newRow("200%") << 1 << QSize(1280, 960);
        QTest::newRow("25%") << 5 << QSize(160, 120);
        QTest::newRow("75%") << 3 << QSize(480, 360);
    }
    void zoom()
    {
        QFETCH(int, item);
        QFETCH(QSize, surface);
        auto* viewer = new frmImageViewer;
        viewer->show();
        QVERIFY(viewer->LoadImage(picture_));
        QCOMPARE(viewer->Picture1()->size(), QSize(640, 480));
        viewer->mnuZoomScale(0)->trigger();
        viewer->mnuZoomScale(item)->trigger();
        for (int i = 0; i < frmImageViewer::ZoomCount; ++i) {
            QCOMPARE(viewer->mnuZoomScale(i)->isChecked(), i == item);
            // Radio items: one exclusive group for the six.
            QVERIFY(viewer->mnuZoomScale(i)->actionGroup() &&
                    viewer->mnuZoomScale(i)->actionGroup()->isExclusive());
        }
        QCOMPARE(viewer->Picture1()->size(), surface);
        QCOMPARE(viewer->Picture1()->pos(), QPoint(0, 0));
        const QImage shown = viewer->Picture1()->grab(QRect(0, 0, 8, 8)).toImage();
        QCOMPARE(shown.pixelColor(4, 4), QColor(Qt::darkCyan));

        // At the bars' far end the image has moved by the whole difference of the sizes,
        // halfway by half of it, whether it is larger or smaller than the viewport.
        const QSize view = viewer->Picture2()->size();
        const int dx = std::abs(surface.width() - view.width());
        const int dy = std::abs(surface.height() - view.height());
        viewer->VScroll1()->setValue(1000);
        viewer->HScroll1()->setValue(1000);
        QCOMPARE(viewer->Picture1()->pos(), QPoint(-dx, -dy));
        viewer->VScroll1()->setValue(500);
        viewer->HScroll1()->setValue(500);
        QVERIFY(std::abs(viewer->Picture1()->x() + dx / 2) <= 1);
        QVERIFY(std::abs(viewer->Picture1()->y() + dy / 2) <= 1);
        delete viewer;
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc on the window") << "esc-window";
        QTest::newRow("Esc on a scroll bar") << "esc-scrollbar";
        QTest::newRow("&Close") << "menu";
    }
    void closing()
    {
        QFETCH(QString, how);
        QPointer<frmImageViewer> viewer = new frmImageViewer;
        viewer->show();
        QVERIFY(viewer->LoadImage(picture_));
        if (how == "esc-window")
            QTest::keyClick(viewer.data(), Qt::Key_Escape);
        else if (how == "esc-scrollbar")
            QTest::keyClick(viewer->VScroll1(), Qt::Key_Escape);
        else
            viewer->mnuClose()->trigger();
        settle();
        QVERIFY(viewer.isNull());
    }

    void unreadableFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("missing") << "gone.jpg" << QByteArray();
        QTest::newRow("not a bitmap") << "notes.bmp" << QByteArray("just some text\n");
    }
    void unreadableFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        const QString path = dir_.filePath(name);
        if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        QStringList said;
        QPointer<frmImageViewer> viewer = new frmImageViewer;
        viewer->setMessageFunction(
            [&](QWidget*, const QString& text, MessageIcon) { said << text; });
        viewer->show();
        QVERIFY(!viewer->LoadImage(path));
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.first().contains(name), qPrintable(said.first()));
        settle();
        QVERIFY(viewer.isNull());
    }

    void captionKeepsBlanks()
    {
        frmImageViewer viewer;
        viewer.setAttribute(Qt::WA_DeleteOnClose, false);
        viewer.show();
        QVERIFY(viewer.windowTitle().isEmpty());
        const QString named = QStringLiteral("  ") + picture_ + QStringLiteral(" ");
        QVERIFY(viewer.LoadImage(named));
        QCOMPARE(viewer.windowTitle(), named);
        QVERIFY(viewer.mnuZoomScale(2)->isChecked());
        QCOMPARE(viewer.Picture1()->size(), QSize(640, 480));

        // 3000 twips is the least either way.
        viewer.resize(50, 50);
        QCOMPARE(viewer.size(), QSize(200, 200));
        // The bars and the viewport fill the window.
        const QWidget* inner = viewer.centralWidget();
        QCOMPARE(viewer.VScroll1()->geometry().right(), inner->width() - 1);
        QCOMPARE(viewer.HScroll1()->geometry().bottom(), inner->height() - 1);
        QCOMPARE(viewer.Picture2()->width(), viewer.VScroll1()->x());
        QCOMPARE(viewer.Picture2()->height(), viewer.HScroll1()->y());
    }
};

QUENBROOK_TEST(tst_ImageViewer)
#include "tst_imageviewer.moc"
