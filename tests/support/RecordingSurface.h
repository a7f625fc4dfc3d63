// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PageSurface.h"
#include "core/pictures/Picture.h"

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
    QSize natural{}, decoded{}; // picture: HIMETRIC, and the pixels it was decoded at

    // One line, e.g. `text "12" at (7.8, 0) font Sans 12 color 255 transparent`.
    QString toString() const;
};

// A page surface for tests that keeps every call in order; its device unit is the inch. Text is
// size / 72 inch high and characters × size / 144 inch wide. Also stands in for a printer: any
// call can be made to fail, and the first drawing after an end or abandon starts a document and
// forgets the last one's error.
class RecordingSurface final : public PageSurface
{
    using K = SurfaceCall::Kind;

public:
    explicit RecordingSurface(QSizeF printableInches = QSizeF(8, 10.5),
                              QSizeF paperInches = QSizeF(8.5, 11), double pixelsPerInch = 100)
        : printable_(printableInches)
        , paper_(paperInches)
        , pixelsPerInch_(pixelsPerInch)
    {}

    // The call with this position in the log (from 0) records `message` as the surface's error.
    void failAtCall(qsizetype index, const QString& message) { failAt_ = {index, message}; }
    // As when another printer with another font is chosen; Sans 10 at first.
    void setDefaultFont(const PrintFont& font) { defaultFont_ = font; }

    const QList<SurfaceCall>& calls() const { return calls_; }
    QStringList log() const;
    void clearLog() { calls_.clear(); }
    int abandonedDocuments() const { return abandoned_; }
    bool documentOpen() const { return documentOpen_; }

    double dotsPerInch() const override { return 1; }
    QSizeF drawableInches() const override { return record({.kind = K::Drawable}), printable_; }
    float paperWidthTwips() const override { return float(paper_.width() * 1440); }
    float paperHeightTwips() const override { return float(paper_.height() * 1440); }
    double pixelsPerInch() const override { return pixelsPerInch_; }
    PrintFont defaultFont() const override { return defaultFont_; }

    double textWidth(const PrintFont& font, const QString& text) const override
    {
        return record({K::MeasureWidth, text, text.size() * font.Size / 144, {}, font});
    }
    double textHeight(const PrintFont& font, const QString& text) const override
    {
        return record({K::MeasureHeight, text, font.Size / 72, {}, font});
    }
    double drawText(const QString& text, QPointF at, const TextLook& look) override
    {
        startDocument();
        record({K::Text, text, 0, QRectF(at, QSizeF()), look.font, look.color, look.transparent});
        return look.font.Size / 72;
    }
    void drawPicture(const Picture& picture, const QRectF& target) override
    {
        startDocument();
        record({.kind = K::Picture,
                .rect = target,
                .natural = picture.naturalHimetric(),
                .decoded = picture.decodedPixelSize()});
    }
    void drawOutline(QPointF corner, QPointF opposite, PrintColor color) override
    {
        record({.kind = K::Outline, .value = double(color), .rect = QRectF(corner, opposite)});
    }

    void clear() override { record({.kind = K::Clear}); }
    void newPage() override { startDocument(), record({.kind = K::NewPage}); }
    // A raised stop abandons the document, as the printer does.
    void endDoc(const LoadStop* stop) override
    {
        if (!stopRaised(stop))
            record({.kind = K::EndDoc}), documentOpen_ = false;
        else
            killDoc(), error_ = QStringLiteral("stopped");
    }
    void killDoc() override { record({.kind = K::KillDoc}), documentOpen_ = false, ++abandoned_; }

    QString error() const override { return error_; }

private:
    // Keeps the call; its value is what a measure returns.
    double record(SurfaceCall call) const;
    void startDocument()
    {
        if (!std::exchange(documentOpen_, true))
            error_.clear();
    }

    QSizeF printable_, paper_;
    double pixelsPerInch_;
    PrintFont defaultFont_{QStringLiteral("Sans"), 10};
    mutable QList<SurfaceCall> calls_; // measuring is const, and recorded too
    mutable QString error_;
    std::pair<qsizetype, QString> failAt_{-1, {}};
    bool documentOpen_ = false;
    int abandoned_ = 0;
};

} // namespace quenbrook
