#include "support/TestMain.h"
#include "windows/about/frmAbout.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace quenbrook;

class tst_About : public QObject
{
    Q_OBJECT

private slots:
    void texts()
    {
        frmAbout about(nullptr);
        // The description is one line, shown whole.
        about.show();
        const QLabel* description = about.lblDescription();
        QVERIFY(!description->wordWrap() && !description->text().contains(u'\n'));
        QVERIFY(description->width() >=
                description->fontMetrics().horizontalAdvance(description->text()));
    }

    void systemInfo_data()
    {
        QTest::addColumn<QString>("found");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("message");
        QTest::newRow("nothing installed") << QString() << true << true;
        QTest::newRow("installed") << "/usr/bin/hardinfo" << true << false;
        QTest::newRow("will not start") << "/usr/bin/hardinfo" << false << true;
    }
    void systemInfo()
    {
        QFETCH(QString, found);
        QFETCH(bool, starts);
        QFETCH(bool, message);
        frmAbout about(nullptr);
        QStringList started;
        QStringList said;
        QList<MessageIcon> icons;
        about.setSystemInfo([&] { return found; },
                            [&](const QString& program) {
                                started << program;
                                return starts;
                            });
        about.setMessageFunction([&](QWidget*, const QString& text, MessageIcon icon) {
            said << text;
            icons << icon;
        });
        QTest::mouseClick(about.cmdSysInfo(), Qt::LeftButton);
        QCOMPARE(started, found.isEmpty() ? QStringList() : QStringList{found});
        if (message) {
            QCOMPARE(said, QStringList{"System Information Is Unavailable At This Time"});
            QCOMPARE(icons, QList<MessageIcon>{MessageIcon::None});
        } else {
            QVERIFY(said.isEmpty());
        }
    }

    void findsFirstInstalled_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("the earlier of two")
            << QStringList{"lshw-gtk", "kinfocenter"} << "kinfocenter";
        QTest::newRow("not executable") << QStringList{"-hardinfo"} << QString();
    }
    void findsFirstInstalled()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, expected);
        QTemporaryDir bin;
        for (QString name : installed) {
            const bool executable = !name.startsWith('-');
            name.remove(0, executable ? 0 : 1);
            QFile file(bin.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n");
            if (executable)
                file.setPermissions(file.permissions() | QFile::ExeOwner);
        }
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const QString path = SystemInfo::FindInstalled();
        qputenv("PATH", oldPath);
        QCOMPARE(path, expected.isEmpty() ? QString() : bin.filePath(expected));
    }
};

QUENBROOK_TEST(tst_About)
#include "tst_about.moc"
