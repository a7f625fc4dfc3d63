#include "support/RecordingSurface.h"

#include "core/pictures/Picture.h"

namespace quenbrook {

namespace {

// Seven significant digits: single-precision values read as they were written.
QString num(double v)
{
    return QString::number(v, 'g', 7);
}

QString point(double x, double y)
{
    return QStringLiteral("(%1, %2)").arg(num(x), num(y));
}

} // namespace

QString SurfaceCall::toString() const
{
    static const char* const names[] = {"drawable", "textWidth", "textHeight", "text",   "picture",
                                        "outline",  "clear",     "newPage",    "endDoc", "killDoc"};
    QString line = QLatin1String(names[int(kind)]);
    if (kind == Kind::Picture)
        return line + QStringLiteral(" %1x%2 decoded %3x%4 at %5 size %6 x %7")
                          .arg(natural.width())
                          .arg(natural.height())
                          .arg(decoded.width())
                          .arg(decoded.height())
                          .arg(point(rect.x(), rect.y()), num(rect.width()), num(rect.height()));
    if (kind == Kind::Outline)
        return line + QStringLiteral(" %1 to %2 color %3")
                          .arg(point(rect.left(), rect.top()),
                               point(rect.left() + rect.width(), rect.top() + rect.height()))
                          .arg(qint64(value));
    if (kind != Kind::Text && kind != Kind::MeasureWidth && kind != Kind::MeasureHeight)
        return line;
    line += " \"" + text + '"';
    line += kind == Kind::Text ? " at " + point(rect.x(), rect.y()) : " = " + num(value);
    line += " font " + font.Name + ' ' + num(font.Size);
    for (const auto& [on, name] : {std::pair{font.Bold, "bold"},
                                   {font.Italic, "italic"},
                                   {font.Strikethrough, "strikethrough"},
                                   {font.Underline, "underline"}})
        if (on)
            line += ' ' + QLatin1String(name);
    if (kind == Kind::Text)
        line += QStringLiteral(" color %1%2").arg(color).arg(transparent ? " transparent" : "");
    return line;
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
    for (const SurfaceCall& call : calls_)
        if (call.kind == kind)
            found << call;
    return found;
}

void RecordingSurface::record(SurfaceCall call) const
{
    if (calls_.size() == failAt_ && error_.isEmpty())
        error_ = failAtMessage_;
    calls_.append(std::move(call));
}

void RecordingSurface::startDocument()
{
    if (!documentOpen_)
        error_.clear();
    documentOpen_ = true;
}

QSizeF RecordingSurface::drawableInches() const
{
    record({.kind = SurfaceCall::Kind::Drawable});
    return printable_;
}

double RecordingSurface::textWidth(const PrintFont& font, const QString& text) const
{
    const double width = text.size() * font.Size / 144;
    record({.kind = SurfaceCall::Kind::MeasureWidth, .text = text, .value = width, .font = font});
    return width;
}

double RecordingSurface::textHeight(const PrintFont& font, const QString& text) const
{
    record({.kind = SurfaceCall::Kind::MeasureHeight,
            .text = text,
            .value = font.Size / 72,
            .font = font});
    return font.Size / 72;
}

double RecordingSurface::drawText(const QString& text, QPointF at, const TextLook& look)
{
    startDocument();
    record({.kind = SurfaceCall::Kind::Text,
            .text = text,
            .rect = QRectF(at, QSizeF()),
            .font = look.font,
            .color = look.color,
            .transparent = look.transparent});
    return look.font.Size / 72;
}

void RecordingSurface::drawPicture(const Picture& picture, const QRectF& target)
{
    startDocument();
    record({.kind = SurfaceCall::Kind::Picture,
            .rect = target,
            .natural = picture.naturalHimetric(),
            .decoded = picture.decodedPixelSize()});
}

void RecordingSurface::drawOutline(QPointF corner, QPointF opposite, PrintColor color)
{
    record({.kind = SurfaceCall::Kind::Outline,
            .value = double(color),
            .rect = QRectF(corner, opposite)});
}

void RecordingSurface::newPage()
{
    startDocument();
    record({.kind = SurfaceCall::Kind::NewPage});
}

void RecordingSurface::endDoc()
{
    record({.kind = SurfaceCall::Kind::EndDoc});
    documentOpen_ = false;
}

void RecordingSurface::killDoc()
{
    record({.kind = SurfaceCall::Kind::KillDoc});
    documentOpen_ = false;
    ++abandoned_;
}

} // namespace quenbrook
