// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/RecordingSurface.h"

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

double RecordingSurface::record(SurfaceCall call) const
{
    if (calls_.size() == failAt_.first && error_.isEmpty())
        error_ = failAt_.second;
    calls_.append(std::move(call));
    return calls_.last().value;
}

} // namespace quenbrook
