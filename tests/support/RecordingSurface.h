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
        ScaleMode,
        FontName,
        FontSize,
        FontBold,
        FontItalic,
        FontStrikethrough,
        FontUnderline,
        ForeColor,
        Transparent,
        MeasureWidth,
        MeasureHeight,
        CurrentX,
        CurrentY,
        Text,
        Picture,
        Outline,
        Clear,
        NewPage,
        EndDoc,
        KillDoc,
    };

    Kind kind = Kind::Clear;
    QString text;     // font name; printed or measured text
    double value = 0; // size, flag (0/1), colour, coordinate, unit (0 inch, 1 cm), measure result
    // Picture: the drawn rectangle. Outline: from (left, top) to (right, bottom) as given.
    // Text: the text position (size empty).
    QRectF rect;
    // In effect when text is written or measured.
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
// Text height is size / 72 inch for any text; text width is characters × size / 144 inch.
// Writing a line leaves the text position at the left edge of the next line. Also stands in for the
// printer: new page, end and abandon are recorded, and any call can be made to fail. Like the
// printer, the first text, picture or new page after an end or abandon starts a document and
// forgets the last document's error.
class RecordingSurface final : public PageSurface
{
public:
    // The printable area and the paper, in inches; pixelsPerInch sets pixelsPerUnit.
    explicit RecordingSurface(QSizeF printableInches = QSizeF(8, 10.5),
                              QSizeF paperInches = QSizeF(8.5, 11), double pixelsPerInch = 100);

    // The call with this position in the log (from 0) records `message` as the surface's error.
    void failAtCall(qsizetype index, const QString& message);

    const QList<SurfaceCall>& calls() const { return calls_; }
    QStringList log() const;
    QList<SurfaceCall> callsOf(SurfaceCall::Kind kind) const;
    void clearLog() { calls_.clear(); }
    // Documents abandoned so far, and whether drawing has started one.
    int abandonedDocuments() const { return abandoned_; }
    bool documentOpen() const { return documentOpen_; }

    void setScaleMode(PrintUnit unit) override;
    PrintUnit scaleMode() const override { return unit_; }
    float scaleWidth() const override;
    float scaleHeight() const override;
    float paperWidthTwips() const override;
    float paperHeightTwips() const override;

    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setFontBold(bool on) override;
    void setFontItalic(bool on) override;
    void setFontStrikethrough(bool on) override;
    void setFontUnderline(bool on) override;
    PrintFont font() const override { return font_; }
    void setForeColor(PrintColor color) override;
    void setFontTransparent(bool on) override;

    float textWidth(const QString& text) const override;
    float textHeight(const QString& text) const override;

    void setCurrentX(float x) override;
    void setCurrentY(float y) override;
    float currentX() const override { return currentX_; }
    float currentY() const override { return currentY_; }
    void printText(const QString& text) override;

    void paintPicture(const Picture& picture, float x, float y, float width, float height) override;
    double pixelsPerUnit() const override;

    void clear() override;
    void drawRectOutline(float x1, float y1, float x2, float y2, PrintColor color) override;

    void newPage() override;
    void endDoc() override;
    void killDoc() override;

    QString error() const override { return error_; }

private:
    double inchesToUnit(double inches) const;
    void record(SurfaceCall call) const;
    void recordValue(SurfaceCall::Kind kind, double value);
    void startDocument();

    QSizeF printable_;
    QSizeF paper_;
    double pixelsPerInch_;

    PrintUnit unit_ = PrintUnit::Inch;
    PrintFont font_{QStringLiteral("Sans"), 10};
    PrintColor color_ = 0;
    bool transparent_ = false;
    float currentX_ = 0;
    float currentY_ = 0;

    // Measuring is const on the surface but is recorded too.
    mutable QList<SurfaceCall> calls_;
    mutable QString error_;
    qsizetype failAt_ = -1;
    QString failAtMessage_;
    bool documentOpen_ = false;
    int abandoned_ = 0;
};

} // namespace quenbrook
