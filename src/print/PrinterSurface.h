// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PainterSurface.h"

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QString>

#include <memory>
#include <optional>

class QIODevice;
class QPdfWriter;
class QPrinter;

namespace quenbrook {

class OutputFile;

// The printer as a page surface: a QPainter on a QPrinter, in the printer's own dots, measured
// from the top-left corner of the printable area.
//
// The document starts with the first text, picture or new page after the last endDoc or
// killDoc. Its pages are painted by a PDF writer of the printer's page layout and resolution
// into an OutputFile, which checks every write: endDoc hands the spooled file to the print queue
// (or, for "Save as PDF", puts the file in place of the output file) unless its stop was raised by
// then, killDoc throws it away, so an abandoned, stopped or failed job prints nothing and an
// existing PDF is kept. Metrics and font
// queries never start a document.
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
    // Where "Save as PDF" writes the document ("-": standard output); needed before its first
    // page.
    void setOutputFileName(const QString& path) { outputFileName_ = path; }
    QString outputFileName() const { return outputFileName_; }
    // The device settings, for the print and page setup dialogs; not to be painted on.
    QPrinter& printer() { return *printer_; }
    // The page printed: the device's paper and orientation, within a print queue's margins for
    // that paper (Qt's would be its own), or the device's margins for "Save as PDF".
    QPageLayout pageLayout() const;

    // The document's pages are exactly the paper's size, not rounded to whole points as Qt
    // writes them: for a paper given by its size.
    void setExactPaperSize(bool exact) { exactPaperSize_ = exact; }

    // The printer's resolution.
    double dotsPerInch() const override;
    // The printable area.
    QSizeF drawableInches() const override;
    float paperWidthTwips() const override;
    float paperHeightTwips() const override;
    double pixelsPerInch() const override { return dotsPerInch(); }

    // A new page is white.
    void clear() override {}
    void newPage() override;
    void endDoc(const LoadStop* stop) override;
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
    // Hands a finished spool file, readable by this name until it returns, to the print queue;
    // an error text, or empty when it is done.
    virtual QString deliver(const QString& spoolFile);

    const QPaintDevice& metricsDevice() const override;
    QPainter* pagePainter() override;

private:
    bool beginDocument();
    void finishDocument(bool deliverPages, const LoadStop* stop = nullptr);

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QString name_;
    Destination destination_ = Destination::PrintQueue;
    QString problem_;
    QString outputFileName_;
    // Only while a document is open.
    std::unique_ptr<OutputFile> output_;
    bool exactPaperSize_ = false;
    std::unique_ptr<QIODevice> exactPageBox_; // between the writer and the output, or null
    std::unique_ptr<QPdfWriter> writer_;
    // The queue's margins for the paper last asked about.
    mutable QPageLayout marginsPaper_;
    mutable std::optional<QMarginsF> queueMargins_;
};

} // namespace quenbrook
