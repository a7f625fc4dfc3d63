#include "core/program/PictureFileTypes.h"

#include <QImageReader>
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
        // The file lists name nine of the eleven, in their own order.
        QCOMPARE(FileListPattern(), "*.bmp;*.gif;*.jpg;*.ico;*.cur;*.wmf;*.rle;*.jpeg;*.emf");
    }

    // Every row can be read by its decoder and placed in the file panes.
    void rowsUsable_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(PictureTypes().size()); ++i)
            QTest::newRow(PictureTypes()[i].extension) << i;
    }
    void rowsUsable()
    {
        QFETCH(int, row);
        const PictureType& type = PictureTypes()[row];
        const QString extension = QLatin1String(type.extension);
        QCOMPARE(extension, extension.toLower());
        QCOMPARE(PictureTypeOf(extension.toUpper()), &type); // and no earlier row has it
        QVERIFY(qstrlen(type.formatName) > 0);
        QVERIFY(QByteArray(type.mimeType).startsWith("image/"));
        if (IsMetafile(type)) {
            QCOMPARE(qstrlen(type.qtFormat), 0u);
            QVERIFY(type.decodeCost == RasterStructure::None);
            QVERIFY(type.wholeCheck == RasterStructure::None);
        } else {
            QVERIFY2(QImageReader::supportedImageFormats().contains(type.qtFormat), type.qtFormat);
            QVERIFY(type.decodeCost != RasterStructure::None);
            QVERIFY(type.wholeCheck != RasterStructure::None);
        }
        const bool listed = type.filter != FilterGroup::NotListed;
        QCOMPARE(type.fileListPlace > 0, listed);
        QCOMPARE(FileListPattern().split(';').indexOf("*." + extension) + 1, type.fileListPlace);
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
