#include "support/RecordingSurface.h"

#include "core/pictures/Picture.h"
#include "core/program/Units.h"

#include <iterator>

namespace quenbrook {

namespace {

// In the order of SurfaceCall::Kind.
const char* const KindNames[] = {"drawable", "textWidth", "textHeight", "text",   "picture",
                                 "outline",  "clear",     "newPage",    "endDoc", "killDoc"};
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

double lineHeight(const PrintFont& font)
{
    return font.Size / 72;
}

} // namespace

QString SurfaceCall::toString() const
{
    using K = Kind;
    const QString name = QLatin1String(KindNames[int(kind)]);
    switch (kind) {
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
    default:
        return name;
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

void RecordingSurface::record(SurfaceCall call) const
{
    if (calls_.size() == failAt_ && error_.isEmpty())
        error_ = failAtMessage_;
    calls_.append(std::move(call));
}

void RecordingSurface::record(SurfaceCall::Kind kind) const
{
    SurfaceCall call;
    call.kind = kind;
    record(std::move(call));
}

void RecordingSurface::startDocument()
{
    if (documentOpen_)
        return;
    documentOpen_ = true;
    error_.clear();
}

QSizeF RecordingSurface::drawableInches() const
{
    record(SurfaceCall::Kind::Drawable);
    return printable_;
}

float RecordingSurface::paperWidthTwips() const
{
    return float(paper_.width() * TwipsPerInch);
}

float RecordingSurface::paperHeightTwips() const
{
    return float(paper_.height() * TwipsPerInch);
}

double RecordingSurface::textWidth(const PrintFont& font, const QString& text) const
{
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::MeasureWidth;
    call.text = text;
    call.font = font;
    call.value = text.size() * font.Size / 144;
    record(call);
    return call.value;
}

double RecordingSurface::textHeight(const PrintFont& font, const QString& text) const
{
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::MeasureHeight;
    call.text = text;
    call.font = font;
    call.value = lineHeight(font);
    record(call);
    return call.value;
}

double RecordingSurface::drawText(const QString& text, QPointF at, const TextLook& look)
{
    startDocument();
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::Text;
    call.text = text;
    call.rect = QRectF(at, QSizeF());
    call.font = look.font;
    call.color = look.color;
    call.transparent = look.transparent;
    record(std::move(call));
    return lineHeight(look.font);
}

void RecordingSurface::drawPicture(const Picture& picture, const QRectF& target)
{
    startDocument();
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::Picture;
    call.rect = target;
    call.natural = picture.naturalHimetric();
    call.decoded = picture.decodedPixelSize();
    record(std::move(call));
}

void RecordingSurface::drawOutline(QPointF corner, QPointF opposite, PrintColor color)
{
    SurfaceCall call;
    call.kind = SurfaceCall::Kind::Outline;
    call.rect = QRectF(corner, opposite);
    call.value = color;
    record(std::move(call));
}

void RecordingSurface::clear()
{
    record(SurfaceCall::Kind::Clear);
}

void RecordingSurface::newPage()
{
    startDocument();
    record(SurfaceCall::Kind::NewPage);
}

void RecordingSurface::endDoc()
{
    record(SurfaceCall::Kind::EndDoc);
    documentOpen_ = false;
}

void RecordingSurface::killDoc()
{
    record(SurfaceCall::Kind::KillDoc);
    documentOpen_ = false;
    ++abandoned_;
}

} // namespace quenbrook
