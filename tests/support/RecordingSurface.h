#pragma once

#include "core/album/PageSurface.h"

#include <QList>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace quenbrook {

// One call made on a RecordingSurface.
struct SurfaceCall
{
    enum class Kind
    {
        Drawable,
        MeasureWidth,
        MeasureHeight,
        Text,
        Picture,
        Outline,
        Clear,
        NewPage,
        EndDoc,
        KillDoc,
    };

    Kind kind = Kind::Clear;
    QString text;     // printed or measured text
    double value = 0; // measure result, outline colour
    // Picture: the drawn rectangle. Outline: from (left, top) to (right, bottom) as given.
    // Text: the text position (size empty).
    QRectF rect;
    // Text: how it is written; measures: the font measured.
    PrintFont font;
    PrintColor color = 0;
    bool transparent = false;
    // Picture: its natural size (HIMETRIC) and the pixels it was decoded at.
    QSize natural;
    QSize decoded;

    // A readable line, e.g. `text "12" at (7.8, 0) font Sans 12 color 255 transparent`.
    QString toString() const;
};

// A page surface for tests: it keeps every call in order and measures text with simple rules.
// Its device unit is the inch, so places and lengths are recorded in inches. Text height is
// size / 72 inch for any text; text width is characters × size / 144 inch. Also stands in for the
// printer: new page, end and abandon are recorded, and any call can be made to fail. Like the
// printer, the first text, picture or new page after an end or abandon starts a document and
// forgets the last document's error.
class RecordingSurface final : public PageSurface
{
public:
    // The printable area and the paper, in inches; pictures are decoded for pixelsPerInch.
    explicit RecordingSurface(QSizeF printableInches = QSizeF(8, 10.5),
                              QSizeF paperInches = QSizeF(8.5, 11), double pixelsPerInch = 100);

    // The call with this position in the log (from 0) records `message` as the surface's error.
    void failAtCall(qsizetype index, const QString& message);
    // As when another printer with another font is chosen; Sans 10 at first.
    void setDefaultFont(const PrintFont& font) { defaultFont_ = font; }

    const QList<SurfaceCall>& calls() const { return calls_; }
    QStringList log() const;
    QList<SurfaceCall> callsOf(SurfaceCall::Kind kind) const;
    void clearLog() { calls_.clear(); }
    // Documents abandoned so far, and whether drawing has started one.
    int abandonedDocuments() const { return abandoned_; }
    bool documentOpen() const { return documentOpen_; }

    double dotsPerInch() const override { return 1; }
    // Recorded: asking a printer for its metrics can fail.
    QSizeF drawableInches() const override;
    float paperWidthTwips() const override;
    float paperHeightTwips() const override;
    double pixelsPerInch() const override { return pixelsPerInch_; }
    PrintFont defaultFont() const override { return defaultFont_; }

    double textWidth(const PrintFont& font, const QString& text) const override;
    double textHeight(const PrintFont& font, const QString& text) const override;
    double drawText(const QString& text, QPointF at, const TextLook& look) override;
    void drawPicture(const Picture& picture, const QRectF& target) override;
    void drawOutline(QPointF corner, QPointF opposite, PrintColor color) override;

    void clear() override;
    void newPage() override;
    void endDoc() override;
    void killDoc() override;

    QString error() const override { return error_; }

private:
    void record(SurfaceCall call) const;
    void record(SurfaceCall::Kind kind) const;
    void startDocument();

    QSizeF printable_;
    QSizeF paper_;
    double pixelsPerInch_;
    PrintFont defaultFont_{QStringLiteral("Sans"), 10};

    // Measuring is const on the surface but is recorded too.
    mutable QList<SurfaceCall> calls_;
    mutable QString error_;
    qsizetype failAt_ = -1;
    QString failAtMessage_;
    bool documentOpen_ = false;
    int abandoned_ = 0;
};

} // namespace quenbrook
