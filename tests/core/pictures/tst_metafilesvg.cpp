// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/MetafileApart.h"
#include "core/pictures/MetafileToSvg.h"

#include "support/Golden.h"
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QSvgRenderer>
#include <QTest>

using namespace quenbrook;
using namespace quenbrook::MetafileToSvg;

namespace {

// A conversion as its golden file holds it.
QString described(const Result& result)
{
    static const char* const kinds[] = {"unreadable", "no size", "too large", "stopped"};
    if (const auto* failure = std::get_if<Failure>(&result))
        return QStringLiteral("refused, %1: %2\n").arg(kinds[int(failure->kind)], failure->detail);
    const auto& converted = std::get<Converted>(result);
    return QStringLiteral("natural size %1 x %2 himetric\n")
               .arg(converted.naturalHimetric.width())
               .arg(converted.naturalHimetric.height()) +
           QString::fromUtf8(converted.svg).replace(QLatin1String("><"), ">\n<");
}

} // namespace

class tst_MetafileSvg : public QObject
{
    Q_OBJECT

private slots:
    // Every metafile drawn as SVG, or refused, as its golden file says; whoever stops the load
    // gets no drawing.
    void convert_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* name : {"shapes.wmf", "shapes.emf"})
            QTest::newRow(name) << testsupport::samplePath(name);
        for (const QFileInfo& file :
             QDir(testsupport::dataPath("metafiles"))
                 .entryInfoList({"*.wmf", "*.emf"}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(file.fileName())) << file.filePath();
    }
    void convert()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const bool wmf = path.endsWith(QLatin1String(".wmf"));
        const LoadStop stop(true);
        const auto result = wmf ? wmfToSvg(bytes) : emfToSvg(bytes);
        const auto stopped = wmf ? wmfToSvg(bytes, &stop) : emfToSvg(bytes, &stop);
        QVERIFY(described(stopped).startsWith("refused, stopped: ") ||
                std::holds_alternative<Failure>(result));
        QUENBROOK_COMPARE_GOLDEN("metafiles/" + QFileInfo(path).fileName() + ".svg",
                                 described(result));
        // The programs get the same from the helper, which has drawn it once; SVG that cannot be
        // drawn is refused there.
        const auto apart =
            convertApart(wmf ? MetafileKind::Windows : MetafileKind::Enhanced, bytes);
        const auto* svg = std::get_if<Converted>(&result);
        if (svg && !QSvgRenderer(svg->svg).isValid())
            QVERIFY(described(apart).startsWith("refused, unreadable: "));
        else
            QCOMPARE(described(apart), described(result));
    }
};

QUENBROOK_TEST(tst_MetafileSvg)
#include "tst_metafilesvg.moc"
