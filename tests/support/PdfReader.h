// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What poppler's tools (poppler-utils) see in a PDF file.

#include "support/ProgramRunner.h"

#include <QImage>
#include <QMultiMap>
#include <QRectF>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace testsupport {

// How far apart two colours of a drawn page are: the sum of the differences of their channels.
inline int colourDistance(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

class PdfReader
{
public:
    explicit PdfReader(QString file)
        : file_(std::move(file))
    {}

    // Why no PDF can be read here; empty when the tools are installed.
    static QString unavailable()
    {
        for (const char* tool : {"pdfinfo", "pdfimages", "pdftoppm", "pdftotext"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                return QStringLiteral("poppler-utils is not installed");
        return {};
    }

    // 0 when the file is no PDF.
    int pages() const { return info(R"(Pages:\s+(\d+))").toInt(); }
    // Of the first page.
    QSizeF points() const
    {
        return {info(R"(Page size:\s+([\d.]+) x)").toDouble(),
                info(R"(Page size:\s+[\d.]+ x ([\d.]+))").toDouble()};
    }
    QString title() const { return info("^Title: +(.*)$"); }
    QString creator() const { return info("^Creator: +(.*)$"); }

    // The horizontal resolution of every picture, page by page, in the order drawn.
    QList<int> imagePpi() const
    {
        QList<int> ppi;
        for (const QString& line : tool("pdfimages", {"-list", file_}).split('\n')) {
            const QStringList f = line.simplified().split(' ');
            if (f.size() > 12 && f[2] == QLatin1String("image"))
                ppi << f[12].toInt();
        }
        return ppi;
    }

    // A page drawn at the given resolution; null when it cannot be.
    QImage page(int number, int dpi) const
    {
        const QTemporaryDir dir;
        const QString stem = dir.filePath(QStringLiteral("page"));
        const QString n = QString::number(number);
        tool("pdftoppm",
             {"-r", QString::number(dpi), "-f", n, "-l", n, "-png", "-singlefile", file_, stem});
        return QImage(stem + QStringLiteral(".png"));
    }

    // Every word of a page and the box holding it, in points from the top left corner.
    QMultiMap<QString, QRectF> words(int page) const
    {
        static const QRegularExpression word(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
        const QString n = QString::number(page);
        QMultiMap<QString, QRectF> found;
        const QString html = tool("pdftotext", {"-bbox", "-f", n, "-l", n, file_, "-"});
        for (const QRegularExpressionMatch& m : word.globalMatch(html))
            found.insert(m.captured(5),
                         QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())));
        return found;
    }

private:
    static QString tool(const QString& name, const QStringList& arguments)
    {
        RunOptions options;
        options.timeoutMs = 60000;
        return QString::fromUtf8(runProgram(name, arguments, options).out);
    }
    // What pdfinfo reports in the first group of the pattern.
    QString info(const QString& pattern) const
    {
        return QRegularExpression(pattern, QRegularExpression::MultilineOption)
            .match(tool("pdfinfo", {file_}))
            .captured(1);
    }

    QString file_;
};

} // namespace testsupport
