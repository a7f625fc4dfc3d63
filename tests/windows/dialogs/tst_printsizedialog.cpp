#include "support/TestMain.h"
#include "core/album/PageLayout.h"
#include "core/album/PrintSettingsLoader.h"
#include "support/DialogTestKit.h"
#include "windows/dialogs/frmPrintSize.h"

#include <QLabel>
#include <QLocale>
#include <QTest>

#include <clocale>

using namespace dialogtest;

namespace {

using Dialog = Recorded<frmPrintSize>;

const QStringList Boxes = {"txtPictureSizeX", "txtPictureSizeY", "txtPictureSpacingX",
                           "txtPictureSpacingY", "txtPictureLabelSpacing"};
const QStringList Keys = {"PictureMaxWidth", "PictureMaxHeight", "PictureSpacingX",
                          "PictureSpacingY", "PictureLabelSpacingY"};
const QString TooLarge = "Picture size larger than paper size!!\r\nThe paper size is ";

// The process and Qt speak German, decimal comma and all, while it lives.
class GermanLocale
{
public:
    GermanLocale()
        : process_(std::setlocale(LC_ALL, nullptr))
    {
        german_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale()
    {
        std::setlocale(LC_ALL, process_.constData());
        QLocale::setDefault(qt_);
    }
    bool german() const { return german_; }

private:
    QByteArray process_;
    QLocale qt_;
    bool german_ = false;
};

} // namespace

class tst_PrintSizeDialog : public QObject
{
    Q_OBJECT

private slots:
    void opening_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("steps"); // typed, then the box left
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("shown"); // width, height, gap x, gap y, label gap

        QTest::newRow("empty store")
            << QStringList() << QStringList() << "Inch" << QStringList{"2", "2", ".1", ".1", ".1"};
        QTest::newRow("own values, Scale compared exactly")
            << QStringList{"Scale=inch",           "PictureMaxWidth=5.08", "PictureMaxHeight=big",
                           "PictureSpacingX=-0.5", "PictureSpacingY=3 cm", "PictureLabelSpacingY=0"}
            << QStringList() << "CM" << QStringList{"5.08", "0", "-.5", "3", "0"};
        QTest::newRow("leaving boxes")
            << QStringList()
            << QStringList{"txtPictureSizeX=3 cm", "txtPictureSizeY=1,5",
                           "txtPictureSpacingX=", "txtPictureSpacingY=.1",
                           "txtPictureLabelSpacing=-1.50"}
            << "Inch" << QStringList{"3", "1", "0", "0.1", "-1.5"};
    }

    // Opening and leaving a box show the values cleaned up, and write nothing.
    void opening()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, steps);
        QFETCH(QString, unit);
        QFETCH(QStringList, shown);
        Sandbox box;
        box.put(stored);
        Dialog dialog(nullptr, box.store, box.printer);
        act(dialog, steps);

        QCOMPARE(control<QLabel>(dialog, "lblUnit")->text(), unit);
        QStringList texts;
        for (const QString& name : Boxes)
            texts << control<QLineEdit>(dialog, name)->text();
        QCOMPARE(texts, shown);
        QVERIFY(dialog.written.isEmpty());
    }

    void ok_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QStringList>("typed"); // width, height, gap x, gap y, label gap
        QTest::addColumn<QString>("printerError");
        QTest::addColumn<QString>("message"); // empty: accepted and written as typed

        const QStringList fits = {"7.9", "2", "0.1", "0.1", "0.1"};
        const QString inches = TooLarge + "8Inch * 10.5Inch.";
        QTest::newRow("8 + 0.1 on 8 wide")
            << "Inch" << QStringList{"8", "2", "0.1", "0.1", "0.1"} << "" << inches;
        QTest::newRow("7.9 + 0.1 on 8 wide") << "Inch" << fits << QString() << QString();
        QTest::newRow("label gap counts in the height")
            << "Inch" << QStringList{"2", "10", "0.1", "0.1", "0.5"} << "" << inches;
        QTest::newRow("centimetres") << "CM" << QStringList{"20.3", "5", "0.1", "0.1", "0.1"} << ""
                                     << TooLarge + "20.32CM * 26.67CM.";
        QTest::newRow("negative values are kept")
            << "CM" << QStringList{"-1", "0", "-0.5", "0", "0"} << ""
            << "";
        QTest::newRow("beyond single precision")
            << "Inch" << QStringList{"-1e39", "2", "0", "0", "0"} << "" << inches;
        QTest::newRow("no printer") << "Inch" << fits << "No printer is installed."
                                    << "No printer is installed.";
    }

    // The printer is asked in the unit and its document abandoned either way; a refusal writes
    // nothing and keeps the dialog open, an acceptance writes the five in order and closes it.
    void ok()
    {
        QFETCH(QString, scale);
        QFETCH(QStringList, typed);
        QFETCH(QString, printerError);
        QFETCH(QString, message);
        Sandbox box;
        box.put({"Scale=" + scale});
        const QStringList before = box.all();
        Dialog dialog(nullptr, box.store, box.printer);
        for (int i = 0; i < Boxes.size(); ++i)
            control<QLineEdit>(dialog, Boxes[i])->setText(typed[i]);
        if (!printerError.isEmpty())
            box.printer.failAtCall(box.printer.calls().size(), printerError);
        dialog.show();
        act(dialog, {"cmdOk"});

        QCOMPARE(box.printer.abandonedDocuments(), 1);
        QCOMPARE(dialog.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(dialog.isVisible(), !message.isEmpty());
        QStringList written;
        for (int i = 0; i < Keys.size() && message.isEmpty(); ++i)
            written << Keys[i] + '=' + typed[i];
        QCOMPARE(dialog.written, written);
        QCOMPARE(box.all() == before, !message.isEmpty());
    }

    // A decimal comma in the user's locale changes nothing: 1.75 shows and stays 1.75.
    void germanLocale()
    {
        const GermanLocale locale;
        QVERIFY2(locale.german(), "de_DE.UTF-8 is missing: scripts/install-deps.sh makes it");
        Sandbox box;
        box.put({"PictureMaxWidth=1.75", "PictureSpacingX=0.25"});
        Dialog dialog(nullptr, box.store, box.printer);
        QCOMPARE(control<QLineEdit>(dialog, "txtPictureSizeX")->text(), QString("1.75"));
        QCOMPARE(control<QLineEdit>(dialog, "txtPictureSpacingX")->text(), QString(".25"));
        dialog.show();
        act(dialog, {"txtPictureSpacingY=.25", "cmdOk"});
        QCOMPARE(dialog.messages, QStringList());
        QCOMPARE(dialog.written,
                 (QStringList{"PictureMaxWidth=1.75", "PictureMaxHeight=2", "PictureSpacingX=0.25",
                              "PictureSpacingY=0.25", "PictureLabelSpacingY=0.1"}));
    }

    void nextPageUsesTheSizes()
    {
        Sandbox box;
        act(Dialog(nullptr, box.store, box.printer),
            {"txtPictureSizeX=3.5", "txtPictureSpacingX=0.5", "cmdOk"});
        PrintSettings settings;
        PrintSettingsLoader(box.store, box.printer).LoadAll(settings);
        RecordingSurface page;
        const LayoutResult result = ComputePageLayout(settings, 3, page);
        QVERIFY(std::holds_alternative<PageLayout>(result));
        QCOMPARE(std::get<PageLayout>(result).ColumnCount, 2); // 8 / (3.5 + 0.5)
    }
};

QUENBROOK_TEST(tst_PrintSizeDialog)
#include "tst_printsizedialog.moc"
