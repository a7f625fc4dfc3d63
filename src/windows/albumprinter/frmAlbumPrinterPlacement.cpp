// SPDX-License-Identifier: GPL-2.0-or-later
// Placement of the Album Printer window and its controls, and the splitter drag. The rules live in
// AlbumPrinterLayout; this file applies them to the widgets.
#include "windows/albumprinter/frmAlbumPrinter.h"

#include "core/program/AlbumPrinterKeys.h"
#include "core/program/PrintSettingsKeys.h"
#include "core/settings/NumberRules.h"
#include "windows/albumprinter/AlbumPrinterParts.h"
#include "windows/common/FilePane.h"
#include "windows/common/HeaderStrip.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>

namespace quenbrook {

using namespace AlbumPrinterLayout;

namespace {

void placeHorizontally(QWidget* control, const QRectF& design, float left, float width)
{
    control->setGeometry(ToPixels(QRectF(left, design.top(), width, design.height())));
}

} // namespace

void frmAlbumPrinter::PlaceOnLoad()
{
    limits_ = DesignLimits();
    const Placement defaults = DefaultPlacement(limits_);
    const OuterPlacement placed =
        frame_.open({defaults.Left, defaults.Top, defaults.Width, defaults.Height});
    picSplitterTwips_.moveLeft(
        SplitterOnLoad(frame_.stored(AlbumPrinterKeys::SplitterLeft, defaults.SplitterLeft),
                       placed.Width, limits_));
    picSplitter->setGeometry(ToPixels(picSplitterTwips_));
}

// Runs after every change of size or state; each rule but the last ends the pass, and the
// change it makes starts the next one.
void frmAlbumPrinter::LayOut()
{
    WindowShow show = WindowShow::Normal;
    if (isMinimized())
        show = WindowShow::Minimised;
    else if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        show = WindowShow::Maximised;

    OuterTwips& outer = frame_.outer();
    switch (ChooseLayoutStep(show, outer.width(), outer.height(), limits_)) {
    case LayoutStep::Nothing:
        return;
    case LayoutStep::Restore:
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        return;
    case LayoutStep::Widen:
        picSplitterTwips_.moveLeft(limits_.SplitterMin);
        outer.setWidth(limits_.ResetWidth);
        return;
    case LayoutStep::FixHeight:
        outer.setHeight(limits_.FixedHeight);
        return;
    case LayoutStep::CompletePass:
        completeLayout();
        frame_.writePlacement();
        writeSetting(PrintKeys::Section, AlbumPrinterKeys::SplitterLeft,
                     NumberText(float(imgSplitterTwips_.left())));
        return;
    }
}

void frmAlbumPrinter::completeLayout()
{
    const QWidget* client = centralWidget();
    const float innerWidth = float(client->width()) * TwipsPerPixel;
    const Arrangement a = CompleteLayout(innerWidth, float(client->height()) * TwipsPerPixel,
                                         float(picSplitterTwips_.left()));

    imgSplitterTwips_ = a.imgSplitter;
    imgSplitter->setGeometry(ToPixels(a.imgSplitter));
    Toolbar->resize(client->width(), Toolbar->height());
    stsbarHeader->setGeometry(0, Toolbar->height(), client->width(), stsbarHeader->height());
    const int firstPanel = ToPixels(a.FilesOnDiskWidth);
    stsbarHeader->setPanelWidths(firstPanel,
                                 ToPixels(a.FilesOnDiskWidth + a.SelectedFilesWidth) - firstPanel);

    placeHorizontally(lstAlbumList, Design::lstAlbumList, a.listLeft, a.listWidth);
    placeHorizontally(cmdUp, Design::cmdUp, a.upDownLeft, float(Design::cmdUp.width()));
    placeHorizontally(cmdDown, Design::cmdDown, a.upDownLeft, float(Design::cmdDown.width()));
    placeHorizontally(cmdRemove, Design::cmdRemove, a.removeLeft, float(Design::cmdRemove.width()));
    placeHorizontally(cmdRemoveAll, Design::cmdRemoveAll, a.removeAllLeft,
                      float(Design::cmdRemoveAll.width()));
    placeHorizontally(cmdPrint, Design::cmdPrint, a.printLeft, float(Design::cmdPrint.width()));
    placeHorizontally(File1, Design::File1, float(Design::File1.left()), a.fileListWidth);
}

void frmAlbumPrinter::imgSplitter_MouseDown()
{
    picSplitterTwips_ = BarOnPress(imgSplitterTwips_);
    showBar();
    Dragging = true;
}

void frmAlbumPrinter::imgSplitter_MouseMove(int x)
{
    if (!Dragging)
        return;
    picSplitterTwips_.moveLeft(DraggedBarLeft(float(x) * TwipsPerPixel,
                                              float(imgSplitterTwips_.left()),
                                              frame_.outer().width(), limits_));
    showBar();
}

void frmAlbumPrinter::imgSplitter_MouseUp()
{
    LayOut();
    picSplitter->hide();
    Dragging = false;
}

// The bar lies over the two lists and under the toolbar and the header strip.
void frmAlbumPrinter::showBar()
{
    picSplitter->setGeometry(ToPixels(picSplitterTwips_));
    picSplitter->show();
    picSplitter->raise();
    Toolbar->raise();
    stsbarHeader->raise();
    Label1->raise();
}

} // namespace quenbrook
