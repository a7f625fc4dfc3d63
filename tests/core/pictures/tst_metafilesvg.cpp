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

class tst_MetafileSvg : public QObject
{
    Q_OBJECT

private slots:
    // Every metafile drawn as SVG, or refused, as its golden file says.
    void convert_data()
    {
        QTest::addColumn<QString>("path");
        const QDir data(testsupport::dataPath("metafiles"));
        QStringList paths{testsupport::samplePath("shapes.wmf"),
                          testsupport::samplePath("shapes.emf")};
        for (const QString& name : data.entryList({"*.wmf", "*.emf"}, QDir::Files, QDir::Name))
            paths << data.filePath(name);
        for (const QString& path : paths)
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }
    void convert()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const bool wmf = path.endsWith(QLatin1String(".wmf"));
        const auto result = wmf ? MetafileToSvg::wmfToSvg(bytes) : MetafileToSvg::emfToSvg(bytes);
        QString text;
        if (const auto* failure = std::get_if<MetafileToSvg::Failure>(&result)) {
            static const char* const kinds[] = {"unreadable", "no size", "too large", "stopped"};
            text =
                QStringLiteral("refused, %1: %2\n").arg(kinds[int(failure->kind)], failure->detail);
        } else {
            const auto& converted = std::get<MetafileToSvg::Converted>(result);
            text = QStringLiteral("natural size %1 x %2 himetric\n")
                       .arg(converted.naturalHimetric.width())
                       .arg(converted.naturalHimetric.height());
            text += QString::fromUtf8(converted.svg).replace(QLatin1String("><"), ">\n<");
            // Whoever stops the load gets no drawing.
            const LoadStop stop(true);
            const auto stopped =
                wmf ? MetafileToSvg::wmfToSvg(bytes, &stop) : MetafileToSvg::emfToSvg(bytes, &stop);
            QCOMPARE(int(std::get<MetafileToSvg::Failure>(stopped).kind),
                     int(MetafileToSvg::Failure::Kind::Stopped));
        }
        QUENBROOK_COMPARE_GOLDEN("metafiles/" + QFileInfo(path).fileName() + ".svg", text);
        // The programs get the same from the helper, which has drawn it once; SVG that cannot be
        // drawn is refused there.
        const auto apart = MetafileToSvg::convertApart(wmf ? MetafileToSvg::MetafileKind::Windows
                                                           : MetafileToSvg::MetafileKind::Enhanced,
                                                       bytes);
        const auto* svg = std::get_if<MetafileToSvg::Converted>(&result);
        if (svg && !QSvgRenderer(svg->svg).isValid()) {
            const auto* refused = std::get_if<MetafileToSvg::Failure>(&apart);
            QVERIFY(refused && refused->kind == MetafileToSvg::Failure::Kind::Unreadable);
            return;
        }
        QCOMPARE(apart.index(), result.index());
        if (const auto* failure = std::get_if<MetafileToSvg::Failure>(&result)) {
            QCOMPARE(int(std::get<MetafileToSvg::Failure>(apart).kind), int(failure->kind));
            QCOMPARE(std::get<MetafileToSvg::Failure>(apart).detail, failure->detail);
        } else {
            const auto& converted = std::get<MetafileToSvg::Converted>(result);
            QCOMPARE(std::get<MetafileToSvg::Converted>(apart).naturalHimetric,
                     converted.naturalHimetric);
            QVERIFY(std::get<MetafileToSvg::Converted>(apart).svg == converted.svg);
        }
    }
};

QUENBROOK_TEST(tst_MetafileSvg)
#include "tst_metafilesvg.moc"
