// SPDX-License-Identifier: GPL-2.0-or-later
// The controls of the preview window and their places.
#include "windows/preview/frmPreview.h"

#include "windows/common/OuterTwips.h"
#include "windows/common/Placement.h"
#include "windows/common/StandardKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace quenbrook {
namespace {

// The page surface on screen: shows the off-screen page, so the drawing survives being covered.
class PreviewCanvas final : public QWidget
{
public:
    PreviewCanvas(const PreviewSurface& surface, QWidget* parent)
        : QWidget(parent)
        , surface_(surface)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, surface_.image());
    }

private:
    const PreviewSurface& surface_;
};

QLabel* label(const QString& text, QWidget* parent, const char* name, QRect twips, bool autoSize)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(ToPixels(twips.x()), ToPixels(twips.y()), ToPixels(twips.width()),
                   ToPixels(twips.height()));
    if (autoSize)
        l->adjustSize();
    return l;
}

QScrollBar* scrollBar(Qt::Orientation orientation, QWidget* parent, const char* name, int minimum,
                      int maximum, int largeChange)
{
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(minimum, maximum);
    bar->setPageStep(largeChange);
    bar->setSingleStep(1);
    return bar;
}

// Design place, at least as wide as the text needs in this font.
void placeAtLeast(QWidget* widget, QRect twips)
{
    const QSize hint = widget->sizeHint();
    widget->setGeometry(ToPixels(twips.x()), ToPixels(twips.y()),
                        std::max(ToPixels(twips.width()), hint.width()),
                        std::max(ToPixels(twips.height()), hint.height()));
}

// Tool strip height and the panning bars' thickness.
const int StripHeight = ToPixels(612);
const int BarThickness = ToPixels(255);

} // namespace

void frmPreview::createActions()
{
    mnuClose = new QAction(tr("&Close"), this);
    mnuClose->setObjectName(QStringLiteral("mnuClose"));
    SetStandardKeys(*mnuClose, QKeySequence::Close);
    connect(mnuClose, &QAction::triggered, this, &frmPreview::mnuClose_Click);

    // Keys with no menu item: zoom in and out through the list, a page back and on.
    AddWindowKey(*this, QKeySequence::ZoomIn, [this] { stepZoom(-1); });
    AddWindowKey(*this, QKeySequence::ZoomOut, [this] { stepZoom(1); });
    AddWindowKey(*this, QKeySequence::MoveToPreviousPage,
                 [this] { hsrPage->setValue(hsrPage->value() - 1); });
    AddWindowKey(*this, QKeySequence::MoveToNextPage,
                 [this] { hsrPage->setValue(hsrPage->value() + 1); });
}

void frmPreview::createControls()
{
    menuBar_ = new QMenuBar(this);
    menuBar_->addAction(mnuClose);

    Picture2 = new QFrame(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Label1 = label(tr("Page : "), Picture2, "Label1", {120, 120, 504, 192}, true);
    lblPage = label(QStringLiteral("1"), Picture2, "lblPage", {720, 120, 732, 252}, false);
    lblTotalPage = label(tr("of %1").arg(1), Picture2, "lblTotalPage", {1560, 120, 252, 192}, true);
    hsrPage = scrollBar(Qt::Horizontal, Picture2, "hsrPage", 1, 1, 10);
    hsrPage->setGeometry(ToPixels(2160), ToPixels(120), ToPixels(852), ToPixels(252));
    Label2 = label(tr("Zoom :"), Picture2, "Label2", {3600, 120, 492, 192}, true);

    cboZoom = new QComboBox(Picture2);
    cboZoom->setObjectName(QStringLiteral("cboZoom"));
    Label2->setBuddy(cboZoom);
    cboZoom->setAccessibleName(tr("Zoom"));
    cboZoom->addItems({QStringLiteral("100%"), QStringLiteral("75%"), QStringLiteral("50%"),
                       QStringLiteral("25%")});
    placeAtLeast(cboZoom, {4320, 120, 1572, 288});

    chkShowPrintableArea = new QCheckBox(tr("Show Printable Area"), Picture2);
    chkShowPrintableArea->setObjectName(QStringLiteral("chkShowPrintableArea"));
    placeAtLeast(chkShowPrintableArea, {6240, 0, 2052, 252});
    chkShowPictureArea = new QCheckBox(tr("Show Picture Area"), Picture2);
    chkShowPictureArea->setObjectName(QStringLiteral("chkShowPictureArea"));
    placeAtLeast(chkShowPictureArea, {6240, 240, 1812, 252});
    // The second box sits under the first, however tall this font makes them.
    chkShowPictureArea->move(chkShowPictureArea->x(),
                             std::max(chkShowPictureArea->y(), chkShowPrintableArea->height()));

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    viewport_ = new QWidget(Picture1);
    picPreview = new PreviewCanvas(surface_, viewport_);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    VScroll1 = scrollBar(Qt::Vertical, this, "VScroll1", 0, 200, 10);
    HScroll1 = scrollBar(Qt::Horizontal, this, "HScroll1", 0, 200, 10);

    connect(cboZoom, &QComboBox::activated, this, &frmPreview::cboZoom_Click);
    connect(chkShowPictureArea, &QCheckBox::clicked, this, &frmPreview::chkShowPictureArea_Click);
    connect(chkShowPrintableArea, &QCheckBox::clicked, this,
            &frmPreview::chkShowPrintableArea_Click);
    connect(hsrPage, &QScrollBar::valueChanged, this, &frmPreview::hsrPage_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmPreview::VScroll1_Change);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmPreview::HScroll1_Change);

    // Opens at 8940 x 4680 twips inside, centred on the owner; never smaller than 5000 x 4000.
    setMinimumSize(ToPixels(5000), ToPixels(4000));
    const int menuHeight = menuBar_->sizeHint().height();
    resize(ToPixels(8940), ToPixels(4680) + menuHeight);
    CentreOnOwner(*this);
}

void frmPreview::Form_Resize()
{
    if (isMinimized())
        return;
    // The size hint holds the window only where a window manager reads it; a smaller size that
    // reaches the window all the same is put back here.
    if (const QSize least = minimumSize(); width() < least.width() || height() < least.height())
        resize(size().expandedTo(least));
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    const int innerWidth = width();
    const int innerHeight = height() - menuHeight;
    const int top = menuHeight + StripHeight;
    Picture2->setGeometry(0, menuHeight, innerWidth, StripHeight);

    const int viewWidth = std::max(0, innerWidth - BarThickness);
    const int viewHeight = std::max(0, innerHeight - BarThickness - StripHeight);
    Picture1->setGeometry(0, top, viewWidth, viewHeight);
    VScroll1->setGeometry(viewWidth, top, BarThickness, viewHeight);
    HScroll1->setGeometry(0, top + viewHeight, viewWidth, BarThickness);
    viewport_->setGeometry(Picture1->contentsRect());
    picPreview->move(0, 0);

    // At the far end of a bar the page has gone 20 steps past its far edge.
    const QSize page = picPreview->size();
    const QSize view = viewport_->size();
    HScrollStep = page.width() > view.width() ? (page.width() - view.width()) / 180.0 : 0;
    VScrollStep = page.height() > view.height() ? (page.height() - view.height()) / 180.0 : 0;
    HScroll1->setValue(0);
    VScroll1->setValue(0);
}

} // namespace quenbrook
