// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/geometry/AlbumPrinterLayout.h"
#include "core/geometry/FilePaneRules.h"
#include "support/Golden.h"
#include "support/TestMain.h"

#include <QTest>

#include <cmath>

using namespace quenbrook;
using namespace quenbrook::AlbumPrinterLayout;

class tst_AlbumPrinterLayout : public QObject
{
    Q_OBJECT

private slots:
    // The rules at a few exact values, against golden text.
    void anchors()
    {
        const Limits limits = DesignLimits();
        QString dump;
        const auto line = [&](const QString& what, auto... values) {
            dump += what;
            ((dump += ' ' + text(values)), ...);
            dump += '\n';
        };
        using enum WindowShow;
        const std::tuple<WindowShow, float, float> steps[] = {
            {Minimised, 10, 10},     {Maximised, 10, 10},  {Normal, 7612.4f, 9000},
            {Normal, 7612.5f, 4464}, {Normal, 9000, 4470}, {Normal, 9000, 4460}};
        for (const auto& [show, width, height] : steps)
            line(QStringLiteral("step for show %1, %2 x %3:").arg(int(show)).arg(width).arg(height),
                 double(ChooseLayoutStep(show, width, height, limits)));
        const std::pair<float, float> splitters[] = {
            {5000, 9000},     {4300, 9000},   {3000, 9000},    {-0.f, 9000}, {std::nanf(""), 9000},
            {8537.5f, 12000}, {1e30f, 12000}, {5000, 7612.5f}, {1e30f, 0}};
        for (const auto& [stored, width] : splitters)
            line(QStringLiteral("splitter stored %1 in %2:").arg(stored).arg(width),
                 SplitterOnLoad(stored, width, limits));
        for (const auto& [pointer, width] : {std::pair{-4000.f, 7612.5f}, {0.f, 7612.5f}})
            line(QStringLiteral("bar dragged by %1 from 5000 in %2:").arg(pointer).arg(width),
                 DraggedBarLeft(pointer, 5000, width, limits));
        for (const double grip : {101.0, 100.5, 101.5})
            line("bar on press, grip " + QString::number(grip) + ':',
                 BarOnPress(QRectF(4350, 0, grip, 4125)));
        const Arrangement a = CompleteLayout(9000, 4000, 5000);
        line("layout of 9000 x 4000, splitter 5000:", a.imgSplitter, a.FilesOnDiskWidth,
             a.SelectedFilesWidth, a.listLeft, a.listWidth, a.upDownLeft, a.removeLeft,
             a.removeAllLeft, a.printLeft, a.fileListWidth);
        line("pixels:", ToPixels(7612.5f), ToPixels(4464.f),
             QRectF(ToPixels(QRectF(2280, 2880, 972, 732))), ToPixels(1e30f));
        line("twips:", ToTwips(508, 7612.5f), ToTwips(507, 7612.5f));
        line("files:", FolderAndFile("/", "a.jpg"), FolderAndFile("/home/ann", "a.jpg"));
        QUENBROOK_COMPARE_GOLDEN("geometry/album-printer-anchors.txt", dump);
    }

    // A dragged bar stays between the least left and the rightmost left, each limit taken just
    // inside, at and just past it.
    void draggedBarAtItsLimits()
    {
        const Limits limits = DesignLimits();
        const float least = limits.SplitterMin, rightmost = 12000 - limits.SplitterMargin;
        for (const float step : {-1.f, 0.f, 1.f}) {
            QCOMPARE(DraggedBarLeft(least + step - 5000, 5000, 12000, limits),
                     qMax(least, least + step));
            QCOMPARE(DraggedBarLeft(rightmost + step - 5000, 5000, 12000, limits),
                     qMin(rightmost, rightmost + step));
        }
    }

private:
    static QString text(double value) { return QString::number(value, 'g', 9); }
    static QString text(const QString& value) { return value; }
    static QString text(const QRectF& r)
    {
        return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
};

QUENBROOK_TEST(tst_AlbumPrinterLayout)
#include "tst_albumprinterlayout.moc"
