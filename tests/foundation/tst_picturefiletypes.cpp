#include "startup/PictureFileTypes.h"

#include <QTest>

using namespace quenbrook;

class tst_PictureFileTypes : public QObject
{
    Q_OBJECT
private slots:
    void typesInOrder()
    {
        QCOMPARE(PictureFileTypes(), QStringList({"bmp", "rle", "wmf", "emf", "gif", "jpg", "jpeg",
                                                  "jpe", "jfif", "ico", "cur"}));
        // Every listed type, and only those, passes the test by name.
        for (const QString& type : PictureFileTypes())
            QVERIFY2(IsPictureFile("x." + type.toUpper()), qPrintable(type));
        // The file lists name nine of the eleven.
        const QString pattern = QString::fromUtf16(FileListPattern);
        QCOMPARE(pattern.split(';').size(), 9);
        QVERIFY(!pattern.contains("jpe;") && !pattern.contains("jfif"));
    }

    void isPictureFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("picture");

        QTest::newRow("upper-case path") << "C:\\Photos\\BEACH.JPG" << true;
        QTest::newRow("mixed-case jfif") << "x.Jfif" << true;
        QTest::newRow("jpeg by five characters") << "a.jpeg" << true;
        QTest::newRow("jpe by four characters") << "a.jpe" << true;
        QTest::newRow("unix path") << "/home/ann/Pictures/holiday 2026/IMG_0001.jpg" << true;
        QTest::newRow("extension alone") << ".bmp" << true;
        QTest::newRow("cursor") << "arrow.CUR" << true;
        QTest::newRow("tif") << "scan.tif" << false;
        QTest::newRow("jpgx") << "photo.jpgx" << false;
        QTest::newRow("bmp.txt") << "notes.bmp.txt" << false;
        QTest::newRow("no extension") << "README" << false;
        QTest::newRow("three characters") << "bmp" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("jpeg without dot") << "xjpeg" << false;
        QTest::newRow("folder named like a picture") << "/photos.jpg/readme" << false;
        QTest::newRow("trailing blank") << "a.jpg " << false;
        QTest::newRow("png") << "a.png" << false;
    }

    void isPictureFile()
    {
        QFETCH(QString, path);
        QFETCH(bool, picture);
        const QString before = path;
        QCOMPARE(IsPictureFile(path), picture);
        QCOMPARE(path, before);
    }
};

QTEST_GUILESS_MAIN(tst_PictureFileTypes)
#include "tst_picturefiletypes.moc"
