#include "core/geometry/FileListOrder.h"
#include "core/program/PictureFileTypes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quenbrook;

class tst_FileListOrder : public QObject
{
    Q_OBJECT
private slots:
    void picturesOfAFolderInFileListOrder()
    {
        QTemporaryDir dir;
        const QStringList files{"b.JPG",       "a10.bmp",   "A9.bmp", "a9.bmp", "Z.gif",
                                ".hidden.bmp", "notes.txt", "x.jfif", "2.emf",  "10.emf"};
        for (const QString& name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub.bmp")));

        // Numbers by value, letter case ignored (ties by plain text), only the listed types,
        // neither hidden files nor folders.
        QCOMPARE(FileListNames(dir.path(), QString::fromUtf16(FileListPattern)),
                 (QStringList{"2.emf", "10.emf", "A9.bmp", "a9.bmp", "a10.bmp", "b.JPG", "Z.gif"}));
        QCOMPARE(FileListNames(dir.path(), QStringLiteral("*.gif;;*.txt")),
                 (QStringList{"notes.txt", "Z.gif"}));
        QCOMPARE(FileListNames(dir.filePath(QStringLiteral("missing")),
                               QString::fromUtf16(FileListPattern)),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_FileListOrder)
#include "tst_filelistorder.moc"
