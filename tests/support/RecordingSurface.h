#pragma once

#include "core/album/PageSurface.h"

#include <QList>
#include <QRectF>
#include <QSize>
#include <QSizeF>
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
    QString text{};   // printed or measured text
    double value = 0; // measure result, outline colour
    // Picture: the drawn rectangle. Outline: from corner to opposite corner. Text: its position.
    QRectF rect{};
    PrintFont font{}; // text, measures
    PrintColor color = 0;
    bool transparent = false;
    QSize natural{}; // picture: HIMETRIC
    QSize decoded{}; // picture: the pixels it was decoded at

    // One line, e.g. `text "12" at (7.8, 0) font Sans 12 color 255 transparent`.
    QString toString() const;
};

// A page surface for tests that keeps every call in order; its device unit is the inch. Text is
// size / 72 inch high and characters × size / 144 inch wide. Also stands in for a printer: any
// call can be made to fail, and the first drawing after an end or abandon starts a document and
// forgets the last one's error.
class RecordingSurface final : public PageSurface
{
public:
    explicit RecordingSurface(QSizeF printableInches = QSizeF(8, 10.5),
                              QSizeF paperInches = QSizeF(8.5, 11), double pixelsPerInch = 100)
        : printable_(printableInches)
        , paper_(paperInches)
        , pixelsPerInch_(pixelsPerInch)
    {}

    // The call with this position in the log (from 0) records `message` as the surface's error.
    void failAtCall(qsizetype index, const QString& message)
    {
        failAt_ = index;
        failAtMessage_ = message;
    }
    // As when another printer with another font is chosen; Sans 10 at first.
    void setDefaultFont(const PrintFont& font) { defaultFont_ = font; }

    const QList<SurfaceCall>& calls() const { return calls_; }
    QStringList log() const;
    QList<SurfaceCall> callsOf(SurfaceCall::Kind kind) const;
    void clearLog() { calls_.clear(); }
    int abandonedDocuments() const { return abandoned_; }
    bool documentOpen() const { return documentOpen_; }

    double dotsPerInch() const override { return 1; }
    QSizeF drawableInches() const override; // recorded: asking a printer can fail
    float paperWidthTwips() const override { return float(paper_.width() * 1440); }
    float paperHeightTwips() const override { return float(paper_.height() * 1440); }
    double pixelsPerInch() const override { return pixelsPerInch_; }
    PrintFont defaultFont() const override { return defaultFont_; }

    double textWidth(const PrintFont& font, const QString& text) const override;
    double textHeight(const PrintFont& font, const QString& text) const override;
    double drawText(const QString& text, QPointF at, const TextLook& look) override;
    void drawPicture(const Picture& picture, const QRectF& target) override;
    void drawOutline(QPointF corner, QPointF opposite, PrintColor color) override;

    void clear() override { record({.kind = SurfaceCall::Kind::Clear}); }
    void newPage() override;
    void endDoc() override;
    void killDoc() override;

    QString error() const override { return error_; }

private:
    void record(SurfaceCall call) const;
    void startDocument();

    QSizeF printable_;
    QSizeF paper_;
    double pixelsPerInch_;
    PrintFont defaultFont_{QStringLiteral("Sans"), 10};
    mutable QList<SurfaceCall> calls_; // measuring is const, and recorded too
    mutable QString error_;
    qsizetype failAt_ = -1;
    QString failAtMessage_;
    bool documentOpen_ = false;
    int abandoned_ = 0;
};

} // namespace quenbrook
