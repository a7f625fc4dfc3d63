#include "about/frmAbout.h"
#include "album/PrintJob.h"
#include "album/PrinterSurface.h"
#include "dialogs/OptionDialogs.h"
#include "imageviewer/frmImageViewer.h"
#include "platform/Printers.h"
#include "preview/frmPreview.h"
#include "printer/frmAlbumPrinter.h"
#include "settings/SettingsStore.h"
#include "startup/Application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf16(quenbrook::ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf16(quenbrook::VersionText));

    quenbrook::SettingsStore store;
    quenbrook::SystemPrinters printers;
    const std::unique_ptr<quenbrook::PrinterSurface> printer =
        printers.open(printers.defaultName());
    quenbrook::frmAlbumPrinter window(store, printers, *printer);
    window.setOptionDialogRunner([&](quenbrook::OptionDialog which, QWidget* owner) {
        quenbrook::RunOptionDialog(which, owner, store, *printer);
    });
    QObject::connect(&window, &quenbrook::frmAlbumPrinter::printRequested, &window, [&] {
        quenbrook::RunPrintJob(&window, window.PrintList(), window.Settings(), *printer);
    });
    QObject::connect(&window, &quenbrook::frmAlbumPrinter::previewRequested, &window, [&] {
        quenbrook::frmPreview::Open(&window, window.PrintList(), window.Settings(), *printer,
                                    store);
    });
    QObject::connect(&window, &quenbrook::frmAlbumPrinter::viewFileRequested, &window,
                     [](const QString& path) {
                         // A new viewer every time; it deletes itself when closed.
                         auto* viewer = new quenbrook::frmImageViewer;
                         viewer->show();
                         viewer->LoadImage(path);
                     });
    QObject::connect(&window, &quenbrook::frmAlbumPrinter::aboutRequested, &window, [&] {
        quenbrook::frmAbout about(&window);
        about.exec();
    });
    window.show();
    return QApplication::exec();
}
