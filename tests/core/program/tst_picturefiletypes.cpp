#include "core/program/PictureFileTypes.h"

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
        // Every listed type passes the test by name, in capitals too.
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
        QTest::newRow("unix path") << "/home/ann/Pictures/holiday 2026/IMG_0001.jpg" << true;
        QTest::newRow("extension alone") << ".bmp" << true;
        QTest::newRow("jpgx") << "photo.jpgx" << false;
        QTest::newRow("bmp.txt") << "notes.bmp.txt" << false;
        QTest::newRow("no extension") << "README" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("jpeg without dot") << "xjpeg" << false;
        QTest::newRow("folder named like a picture") << "/photos.jpg/readme" << false;
        QTest::newRow("trailing blank") << "a.jpg " << false;
    }

    void isPictureFile()
    {
        QFETCH(QString, path);
        QTEST(IsPictureFile(path), "picture");
    }
};

QTEST_GUILESS_MAIN(tst_PictureFileTypes)
#include "tst_picturefiletypes.moc"
