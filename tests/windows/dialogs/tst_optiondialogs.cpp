#include "support/TestMain.h"
#include "print/PrinterSurface.h"
#include "support/DialogTestKit.h"
#include "support/TestPrinters.h"
#include "windows/common/WindowServices.h"
#include "windows/dialogs/OptionDialogs.h"
#include "windows/dialogs/PrinterSetupDialog.h"
#include "windows/dialogs/TabStrip.h"

#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace dialogtest;

Q_DECLARE_METATYPE(quenbrook::OptionDialog)

class tst_OptionDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cancel_data()
    {
        QTest::addColumn<OptionDialog>("which");
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("byEscape");

        QTest::newRow("print size, Cancel") << OptionDialog::PrintSize << "frmPrintSize" << false;
        QTest::newRow("header, Esc") << OptionDialog::Header << "frmHeader" << true;
        QTest::newRow("footer, Cancel") << OptionDialog::Footer << "frmFooter" << false;
        QTest::newRow("label, Esc") << OptionDialog::Label << "frmLabel" << true;
    }

    // Opened modal to the window with nothing cut off or overlapping; whatever was edited, Cancel
    // and Esc close it and write nothing.
    void cancel()
    {
        QFETCH(OptionDialog, which);
        QFETCH(QString, form);
        QFETCH(bool, byEscape);
        Sandbox box;
        box.put({"HeaderText=kept", "PictureMaxWidth=3"});
        const QStringList before = box.all();
        QWidget owner;
        owner.show();

        QStringList problems{"not opened"};
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            problems.clear();
            if (dialog->objectName() != form || dialog->parentWidget() != &owner)
                problems << "wrong dialog or owner";
            // Nothing leaves its parent or overlaps a sibling; the pages lie on each other and on
            // the tab strip by design, and the strip's and the controls' own parts are not looked
            // at.
            const auto* strip = dialog->findChild<TabStrip*>();
            const auto isPage = [&](const QWidget* w) {
                return w->parentWidget() == dialog && w->inherits("QFrame") &&
                       !w->inherits("QLabel");
            };
            for (const QWidget* w : dialog->findChildren<QWidget*>()) {
                const QWidget* parent = w->parentWidget();
                if (w == strip || (parent != dialog && !isPage(parent)))
                    continue;
                if (!parent->rect().contains(w->geometry()))
                    problems << w->objectName() + " leaves its parent";
                for (const QWidget* other :
                     parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    if (other != strip && w < other && !(isPage(w) && isPage(other)) &&
                        w->geometry().intersects(other->geometry()))
                        problems << w->objectName() + " overlaps " + other->objectName();
            }
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
                edit->setText("5");
            for (QRadioButton* option : dialog->findChildren<QRadioButton*>())
                option->click();
            byEscape ? QTest::keyClick(dialog, Qt::Key_Escape) : act(*dialog, {"cmdCancel"});
            if (dialog->isVisible())
                problems << "still open";
            dialog->reject();
        });
        TestPrinters printers({});
        RunOptionDialog(which, &owner, WindowServices{box.store, printers}, box.printer);

        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
        QCOMPARE(box.all(), before);
    }

    // "Save as PDF" is set up like a print queue, without a warning: the usual paper sizes are
    // offered and the paper and orientation chosen are what it lays out on.
    void printerSetupSaveAsPdf()
    {
        QTest::failOnWarning(QRegularExpression(".*"));
        SystemPrinters printers;
        PrinterSurface printer(SaveAsPdfPrinter.toString());
        PrinterSetupDialog dialog(nullptr, printers, printer);
        auto* names = dialog.findChild<QComboBox*>("cboPrinter");
        auto* papers = dialog.findChild<QComboBox*>("cboPaper");
        QCOMPARE(names->currentText(), SaveAsPdfPrinter);
        QVERIFY(papers->findText("A4") >= 0);
        papers->setCurrentIndex(papers->findText("Legal"));
        dialog.findChild<QRadioButton*>("optLandscape")->click();
        dialog.accept();

        QVERIFY(printer.writesPdf() && printer.error().isEmpty());
        QCOMPARE(printer.printer().pageLayout().pageSize().id(), QPageSize::Legal);
        QCOMPARE(printer.printer().pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(printer.paperWidthTwips(), 14 * 1440);
    }
};

QUENBROOK_TEST(tst_OptionDialogs)
#include "tst_optiondialogs.moc"
