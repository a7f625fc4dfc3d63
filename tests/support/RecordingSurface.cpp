#include "support/RecordingSurface.h"

#include "core/pictures/Picture.h"
#include "core/program/Units.h"

#include <iterator>

namespace quenbrook {

namespace {

// In the order of SurfaceCall::Kind.
const char* const KindNames[] = {
    "scaleMode",         "fontName",      "fontSize",  "fontBold",    "fontItalic",
    "fontStrikethrough", "fontUnderline", "foreColor", "transparent", "textWidth",
    "textHeight",        "currentX",      "currentY",  "text",        "picture",
    "outline",           "clear",         "newPage",   "endDoc",      "killDoc"};
static_assert(std::size(KindNames) == size_t(SurfaceCall::Kind::KillDoc) + 1);

// Seven significant digits: single-precision values read as they were written.
QString num(double v)
{
    return QString::number(v, 'g', 7);
}

QString fontText(const PrintFont& f)
{
    QString t = f.Name + QLatin1Char(' ') + num(f.Size);
    if (f.Bold)
        t += QStringLiteral(" bold");
    if (f.Italic)
        t += QStringLiteral(" italic");
    if (f.Strikethrough)
        t += QStringLiteral(" strikethrough");
    if (f.Underline)
        t += QStringLiteral(" underline");
    return t;
}

QString pointText(double x, double y)
{
    return QStringLiteral("(%1, %2)").arg(num(x), num(y));
}

} // namespace

QString SurfaceCall::toString() const
{
    using K = Kind;
    const QString name = QLatin1String(KindNames[int(kind)]);
    switch (kind) {
    case K::FontName:
        return name + QLatin1Char(' ') + text;
    case K::MeasureWidth:
    case K::MeasureHeight:
        return QStringLiteral("%1 \"%2\" = %3 font %4").arg(name, text, num(value), fontText(font));
    case K::Text:
        return QStringLiteral("%1 \"%2\" at %3 font %4 color %5%6")
            .arg(name, text, pointText(rect.x(), rect.y()), fontText(font), QString::number(color),
                 transparent ? QStringLiteral(" transparent") : QString());
    case K::Picture:
        return QStringLiteral("%1 %2x%3 decoded %4x%5 at %6 size %7 x %8")
            .arg(name, QString::number(natural.width()), QString::number(natural.height()),
                 QString::number(decoded.width()), QString::number(decoded.height()),
                 pointText(rect.x(), rect.y()), num(rect.width()), num(rect.height()));
    case K::Outline:
        return QStringLiteral("%1 %2 to %3 color %4")
            .arg(name, pointText(rect.left(), rect.top()),
                 pointText(rect.left() + rect.width(), rect.top() + rect.height()),
                 QString::number(qint64(value)));
    case K::Clear:
    case K::NewPage:
    case K::EndDoc:
    case K::KillDoc:
        return name;
    default:
        return name + QLatin1Char(' ') + num(value);
    }
}

RecordingSurface::RecordingSurface(QSizeF printableInches, QSizeF paperInches, double pixelsPerInch)
    : printable_(printableInches)
    , paper_(paperInches)
    , pixelsPerInch_(pixelsPerInch)
{}

void RecordingSurface::failAtCall(qsizetype index, const QString& message)
{
    failAt_ = index;
    failAtMessage_ = message;
}

QStringList RecordingSurface::log() const
{
    QStringList lines;
    for (const SurfaceCall& call : calls_)
        lines << call.toString();
    return lines;
}

QList<SurfaceCall> RecordingSurface::callsOf(SurfaceCall::Kind kind) const
{
    QList<SurfaceCall> found;
    for (const SurfaceCall& call : calls_) {
        if (call.kind == kind)
            found << call;
    }
    return found;
}

double RecordingSurface::inchesToUnit(double inches) const
{
    return unit_ == PrintUnit::Inch ? inches : inches * CentimetresPerInch;
}

void RecordingSurface::record(SurfaceCall call) const
{
    call.font = font_;
    call.color = color_;
    call.transparent = transparent_;
    if (calls_.size() == failAt_ && error_.isEmpty())
        error_ = failAtMessage_;
    calls_.append(std::move(call));
}

void RecordingSurface::recordValue(SurfaceCall::Kind kind, double value)
{
    SurfaceCall call;
    call.kind = kind;
    call.value = value;
    record(std::move(call));
}

void RecordingSurface::startDocument()
{
    if (documentOpen_)
        return;
    documentOpen_ = true;
    error_.clear();
}

void RecordingSurface::setScaleMode(PrintUnit unit)
{
    unit_ = unit;
    recordValue(SurfaceCall::Kind::ScaleMode, unit == PrintUnit::Inch ? 0 : 1);
}

float RecordingSurface::scaleWidth() const
{
    return float(inchesToUnit(printable_.width()));
}

float RecordingSurface::scaleHeight() const
{
    return float(inchesToUnit(printable_.height()));
}

float RecordingSurface::paperWidthTwips() const
{
    return float(paper_.width() * TwipsPerInch);
}

float RecordingSurface::paperHeightTwips() const
{
    return float(paper_.height() * TwipsPerInch);
}

void RecordingSurface::setFontName(const QString& name)
{
    font_.Name = name;
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::FontName;
    call.text = name;
    record(std::move(call));
}

void RecordingSurface::setFontSize(double points)
{
    font_.Size = points;
    recordValue(SurfaceCall::Kind::FontSize, points);
}

void RecordingSurface::setFontBold(bool on)
{
    font_.Bold = on;
    recordValue(SurfaceCall::Kind::FontBold, on);
}

void RecordingSurface::setFontItalic(bool on)
{
    font_.Italic = on;
    recordValue(SurfaceCall::Kind::FontItalic, on);
}

void RecordingSurface::setFontStrikethrough(bool on)
{
    font_.Strikethrough = on;
    recordValue(SurfaceCall::Kind::FontStrikethrough, on);
}

void RecordingSurface::setFontUnderline(bool on)
{
    font_.Underline = on;
    recordValue(SurfaceCall::Kind::FontUnderline, on);
}

void RecordingSurface::setForeColor(PrintColor color)
{
    color_ = color;
    recordValue(SurfaceCall::Kind::ForeColor, color);
}

void RecordingSurface::setFontTransparent(bool on)
{
    transparent_ = on;
    recordValue(SurfaceCall::Kind::Transparent, on);
}

float RecordingSurface::textWidth(const QString& text) const
{
    const float width = float(inchesToUnit(text.size() * font_.Size / 144));
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::MeasureWidth;
    call.text = text;
    call.value = width;
    record(std::move(call));
    return width;
}

float RecordingSurface::textHeight(const QString& text) const
{
    const float height = float(inchesToUnit(font_.Size / 72));
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::MeasureHeight;
    call.text = text;
    call.value = height;
    record(std::move(call));
    return height;
}

void RecordingSurface::setCurrentX(float x)
{
    currentX_ = x;
    recordValue(SurfaceCall::Kind::CurrentX, x);
}

void RecordingSurface::setCurrentY(float y)
{
    currentY_ = y;
    recordValue(SurfaceCall::Kind::CurrentY, y);
}

void RecordingSurface::printText(const QString& text)
{
    startDocument();
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::Text;
    call.text = text;
    call.rect = QRectF(currentX_, currentY_, 0, 0);
    record(std::move(call));
    currentX_ = 0;
    currentY_ += float(inchesToUnit(font_.Size / 72));
}

void RecordingSurface::paintPicture(const Picture& picture, float x, float y, float width,
                                    float height)
{
    startDocument();
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::Picture;
    call.rect = QRectF(x, y, width, height);
    call.natural = picture.naturalHimetric();
    call.decoded = picture.decodedPixelSize();
    record(std::move(call));
}

double RecordingSurface::pixelsPerUnit() const
{
    return unit_ == PrintUnit::Inch ? pixelsPerInch_ : pixelsPerInch_ / CentimetresPerInch;
}

void RecordingSurface::clear()
{
    recordValue(SurfaceCall::Kind::Clear, 0);
}

void RecordingSurface::drawRectOutline(float x1, float y1, float x2, float y2, PrintColor color)
{
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::Outline;
    call.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    call.value = color;
    record(std::move(call));
}

void RecordingSurface::newPage()
{
    startDocument();
    recordValue(SurfaceCall::Kind::NewPage, 0);
}

void RecordingSurface::endDoc()
{
    recordValue(SurfaceCall::Kind::EndDoc, 0);
    documentOpen_ = false;
}

void RecordingSurface::killDoc()
{
    recordValue(SurfaceCall::Kind::KillDoc, 0);
    documentOpen_ = false;
    ++abandoned_;
}

} // namespace quenbrook
