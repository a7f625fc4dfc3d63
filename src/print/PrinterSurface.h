#pragma once

#include "core/album/PainterSurface.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;

namespace quenbrook {

// The printer as a page surface: a QPainter on a QPrinter at the printer's own resolution, the
// scale measured from the top-left corner of the printable area.
//
// The document starts with the first text, picture or new page after the last endDoc or
// killDoc. Its pages are written to a spool file first: endDoc hands the file to the print
// queue (or, for "Save as PDF", puts it in place of the output file), killDoc deletes it, so an
// abandoned job prints nothing and an existing PDF is kept. Metrics and font queries never start
// a document.
class PrinterSurface : public PainterSurface
{
public:
    // A CUPS printer, or "Save as PDF".
    explicit PrinterSurface(const QString& printerName);
    // A document still open is abandoned.
    ~PrinterSurface() override;

    // Switches to another printer (a document still open is abandoned first). The paper,
    // orientation, resolution and current font become that printer's own.
    void selectPrinter(const QString& printerName);
    QString printerName() const { return name_; }
    bool writesPdf() const;
    // Where "Save as PDF" writes the document; needed before its first page.
    void setOutputFileName(const QString& path) { outputFileName_ = path; }
    QString outputFileName() const { return outputFileName_; }
    // The device settings, for the print and page setup dialogs; not to be painted on.
    QPrinter& printer() { return *printer_; }

    float scaleWidth() const override;
    float scaleHeight() const override;
    float paperWidthTwips() const override;
    float paperHeightTwips() const override;

    void newPage() override;
    void endDoc() override;
    void killDoc() override;

    // Why the printer cannot be used at all, else the first failure of the current document
    // (or of the last one ended).
    QString error() const override;

protected:
    enum class Destination
    {
        PrintQueue,
        PdfFile
    };
    struct Setup
    {
        Destination destination = Destination::PrintQueue;
        QString problem; // empty: the printer can be used
    };
    struct Unopened
    {};
    // For surfaces that choose their printer themselves, in their constructor, by selectPrinter.
    explicit PrinterSurface(Unopened);

    // Sets the QPrinter up for the named printer.
    virtual Setup setUpPrinter(QPrinter& printer, const QString& name);
    // The font QPainter starts with on the named printer: the application's.
    virtual QFont startingFont(const QString& name) const;
    // Hands a finished spool file to its destination; an error text, or empty when it is done.
    // The spool file is deleted afterwards if it is still there.
    virtual QString deliver(const QString& spoolFile);
    // Puts the spool file in place of target in one step.
    static QString moveIntoPlace(const QString& spoolFile, const QString& target);

    double dotsPerInchX() const override;
    double dotsPerInchY() const override;
    const QPaintDevice& metricsDevice() const override;
    QPainter* pagePainter() override;

private:
    bool beginDocument();
    void finishDocument(bool deliverPages);
    void setSpoolFile(const QString& path);

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QString name_;
    Destination destination_ = Destination::PrintQueue;
    QString problem_;
    QString outputFileName_;
    QString spoolFile_;
};

} // namespace quenbrook
