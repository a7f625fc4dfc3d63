#include "support/TestMain.h"
#include "windows/about/frmAbout.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace quenbrook;

class tst_About : public QObject
{
    Q_OBJECT

private slots:
    // System Info starts the first system information program on the path, or says there is
    // none; one that will not start is reported the same way.
    void systemInfo_data()
    {
        QTest::addColumn<QStringList>("installed"); // "-name": there, not executable
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("started");
        QTest::newRow("nothing installed") << QStringList() << true << "";
        QTest::newRow("not executable") << QStringList{"-hardinfo"} << true << "";
        QTest::newRow("the earlier of two")
            << QStringList{"lshw-gtk", "kinfocenter"} << true << "kinfocenter";
        QTest::newRow("will not start") << QStringList{"hardinfo"} << false << "hardinfo";
    }
    void systemInfo()
    {
        QFETCH(QStringList, installed);
        QFETCH(bool, starts);
        QFETCH(QString, started);
        QTemporaryDir bin;
        for (QString name : installed) {
            const bool executable = !name.startsWith('-');
            QFile file(bin.filePath(name.remove(0, executable ? 0 : 1)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (executable)
                file.setPermissions(file.permissions() | QFile::ExeOwner);
        }
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
        about.setMessageFunction([&](QWidget*, const QString& text, MessageIcon icon) {
            said << text + (icon == MessageIcon::None ? "" : " (icon)");
        });
        QTest::mouseClick(about.cmdSysInfo(), Qt::LeftButton);
        QCOMPARE(ran, started.isEmpty() ? QStringList() : QStringList{bin.filePath(started)});
        QCOMPARE(said, starts && !started.isEmpty()
                           ? QStringList()
                           : QStringList{"System Information Is Unavailable At This Time"});
    }
};

QUENBROOK_TEST(tst_About)
#include "tst_about.moc"
