// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/albumviewer/frmAlbumViewer.h"

#include "core/geometry/FilePaneRules.h"
#include "core/program/AlbumViewerKeys.h"
#include "core/program/ProgramKeys.h"
#include "windows/common/BusyCursor.h"
#include "windows/common/FilePane.h"
#include "windows/common/HeaderStrip.h"
#include "windows/common/StandardKeys.h"
#include "windows/common/ToolbarKeys.h"
#include "windows/common/WindowServices.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>

namespace quenbrook {

using namespace AlbumViewerLayout;

namespace {

QIcon picture(const QString& key)
{
    return QIcon(QStringLiteral(":/albumviewer/%1.svg").arg(key));
}

} // namespace

SlotView::SlotView(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

QImage SlotView::draw(const Picture& picture, QSize inside, qreal ratio, const QRectF& target)
{
    if (inside.isEmpty())
        return QImage();
    QImage image(inside * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.paint(painter, target);
    painter.end();
    return image;
}

void SlotView::showImage(const QImage& image)
{
    note_.clear();
    image_ = image;
    update();
}

void SlotView::showNote(const QString& note)
{
    image_ = QImage();
    note_ = note;
    update();
}

void SlotView::clear()
{
    image_ = QImage();
    note_.clear();
    update();
}

void SlotView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, Qt::white);
    if (!image_.isNull()) {
        painter.setClipRect(inside);
        painter.drawImage(inside.topLeft(), image_);
    } else if (!note_.isEmpty()) {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
        painter.drawText(inside.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, note_);
    }
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::Button));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

frmAlbumViewer::frmAlbumViewer(const WindowServices& services, QWidget* parent)
    : QMainWindow(parent)
    , services_(services)
    , frame_(*this, services, AlbumViewerKeys::Section, ProgramKeys::StartAlbumViewer,
             [this] { Form_Resize(); })
{
    setWindowTitle(tr("Album Viewer"));
    createActions();
    createControls();
    createMenus();
    JoinTabChain(*Toolbar);
    Form_Load();
}

frmAlbumViewer::~frmAlbumViewer() = default;

void frmAlbumViewer::createActions()
{
    struct Button
    {
        ToolbarButton button;
        const char* tooltip;
    };
    const Button table[] = {
        {ToolbarButton::AlbumPrinter, QT_TR_NOOP("Album Printer")},
        {ToolbarButton::Bitmap, QT_TR_NOOP("Bitmap")},
        {ToolbarButton::Gif, QT_TR_NOOP("Gif")},
        {ToolbarButton::Jpeg, QT_TR_NOOP("Jpeg")},
        {ToolbarButton::Icon, QT_TR_NOOP("Icon")},
        {ToolbarButton::First, QT_TR_NOOP("First Picture")},
        {ToolbarButton::Prev4, QT_TR_NOOP("Previous 4th Picture")},
        {ToolbarButton::Prev, QT_TR_NOOP("Previous Picture")},
        {ToolbarButton::Next, QT_TR_NOOP("Next PIcture")},
        {ToolbarButton::Next4, QT_TR_NOOP("Next 4th PIcture")},
        {ToolbarButton::Last, QT_TR_NOOP("Last  PIcture")},
        {ToolbarButton::AddToList, QT_TR_NOOP("Add to Album Printer's Print List")},
        {ToolbarButton::ImageViewer, QT_TR_NOOP("View Image")},
        {ToolbarButton::Information, QT_TR_NOOP("Information")}};
    for (const Button& entry : table) {
        const QString key = ToolbarKey(entry.button);
        const QString tooltip = tr(entry.tooltip);
        auto* action = new QAction(picture(key), tooltip, this);
        action->setObjectName(key);
        action->setToolTip(tooltip);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar_ButtonClick(key); });
        buttons_.insert(key, action);
    }
    // The Album Printer button is also the File menu's item.
    QAction* albumPrinter = buttons_.value(ToolbarKey(ToolbarButton::AlbumPrinter));
    albumPrinter->setObjectName(QStringLiteral("mnuFileAlbumPrinter"));
    albumPrinter->setText(tr("Album &Printer"));

    const auto item = [this](const char* name, const QString& text, auto slot) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    menu_.FileClose = item("mnuFileClose", tr("&Close"), &QWidget::close);
    SetStandardKeys(*menu_.FileClose, QKeySequence::Close);
    menu_.FileExit = item("mnuFileExit", tr("E&xit"), [this] { frame_.exit(); });
    SetQuitKeys(*menu_.FileExit);
    menu_.About = item("mnuAbout", tr("&About"), &frmAlbumViewer::aboutRequested);
    SetStandardKeys(*menu_.About, QKeySequence::HelpContents);
    menu_.PopupAdd = item("mnuPopupAddtoAlbumPrintList", tr("Add to Album Print List"),
                          &frmAlbumViewer::mnuPopupAddtoAlbumPrintList_Click);
    menu_.PopupInformation =
        item("mnuPopupInformation", tr("Inoformation"), &frmAlbumViewer::mnuPopupInformation_Click);
    menu_.PopupViewFile =
        item("mnupopupViewFile", tr("View File"), &frmAlbumViewer::mnupopupViewFile_Click);
}

void frmAlbumViewer::createControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Toolbar = new QToolBar(client);
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setIconSize(QSize(20, 20));
    const auto button = [this](ToolbarButton key) { return buttons_.value(ToolbarKey(key)); };
    Toolbar->addAction(button(ToolbarButton::AlbumPrinter));
    Toolbar->addSeparator();
    for (ToolbarButton key :
         {ToolbarButton::Bitmap, ToolbarButton::Gif, ToolbarButton::Jpeg, ToolbarButton::Icon})
        Toolbar->addAction(button(key));
    Toolbar->addSeparator();
    for (ToolbarButton key : {ToolbarButton::First, ToolbarButton::Prev4, ToolbarButton::Prev,
                              ToolbarButton::Next, ToolbarButton::Next4, ToolbarButton::Last})
        Toolbar->addAction(button(key));
    Toolbar->addSeparator();
    for (ToolbarButton key :
         {ToolbarButton::AddToList, ToolbarButton::ImageViewer, ToolbarButton::Information})
        Toolbar->addAction(button(key));
    Toolbar->setGeometry(0, 0, ToPixels(MinimumWidth), Toolbar->sizeHint().height());

    stsbarHeader = new HeaderStrip(QStringLiteral("Directory"), tr("Directory:"),
                                   QStringLiteral("Pictures"), tr("Pictures:"), client);
    stsbarHeader->setObjectName(QStringLiteral("stsbarHeader"));

    pane_ = new FilePane(*client, services_, FilePane::RefusedDrive::StayChosen);
    pane_->setFilterButtons({button(ToolbarButton::Bitmap), button(ToolbarButton::Gif),
                             button(ToolbarButton::Jpeg), button(ToolbarButton::Icon)});
    PlaceControl(pane_->drives(), QStringLiteral("Drive1"), Design::Drive1)
        ->setToolTip(tr("Select Drive"));
    PlaceControl(pane_->folders(), QStringLiteral("Dir1"), Design::Dir1)
        ->setToolTip(tr("Select Directory"));
    File1_ = PlaceControl(pane_->files(), QStringLiteral("File1"), Design::File1);
    File1_->setToolTip(tr("Select Start File"));

    for (int i = 0; i < SlotCount; ++i) {
        shpFocus_[i] = new FocusFrame(client);
        shpFocus_[i]->setObjectName(QStringLiteral("shpFocus%1").arg(i));
        shpFocus_[i]->hide();
        picViewer_[i] = new SlotView(client);
        picViewer_[i]->setObjectName(QStringLiteral("picViewer%1").arg(i));
        picViewer_[i]->installEventFilter(this);
    }

    connect(File1_, &QListWidget::itemSelectionChanged, this, &frmAlbumViewer::File1_Click);
    // Pictures of the folder or the filter left behind are no longer wanted.
    connect(pane_->folders(), &FolderList::pathChanged, this, &frmAlbumViewer::stopFill);
    for (ToolbarButton key :
         {ToolbarButton::Bitmap, ToolbarButton::Gif, ToolbarButton::Jpeg, ToolbarButton::Icon})
        connect(button(key), &QAction::toggled, this, &frmAlbumViewer::stopFill);
}

void frmAlbumViewer::createMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->addAction(buttons_.value(ToolbarKey(ToolbarButton::AlbumPrinter)));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    mnuFile->addActions({menu_.FileClose, menu_.FileExit});
    menuBar()->addAction(menu_.About);

    mnuPopup_ = new QMenu(tr("popup"), this);
    mnuPopup_->setObjectName(QStringLiteral("mnuPopup"));
    mnuPopup_->addActions({menu_.PopupAdd, menu_.PopupInformation, menu_.PopupViewFile});
}

DriveList* frmAlbumViewer::Drive1() const
{
    return pane_->drives();
}

FolderList* frmAlbumViewer::Dir1() const
{
    return pane_->folders();
}

FileList* frmAlbumViewer::File1() const
{
    return File1_;
}

void frmAlbumViewer::Form_Load()
{
    SlotMarginX = SlotMargin;
    SlotMarginY = SlotMargin;

    const Placement defaults;
    frame_.open({defaults.Left, defaults.Top, defaults.Width, defaults.Height});
}

// Runs after every change of size or state; a size put right starts the next pass.
void frmAlbumViewer::Form_Resize()
{
    OuterTwips& outer = frame_.outer();
    switch (ChooseLayoutStep(isMinimized(), outer.width(), outer.height())) {
    case LayoutStep::Nothing:
        return;
    case LayoutStep::Widen:
        outer.setWidth(MinimumWidth);
        return;
    case LayoutStep::Heighten:
        outer.setHeight(MinimumHeight);
        return;
    case LayoutStep::CompletePass:
        break;
    }
    frame_.writePlacement();
    completeLayout();
    if (selectedIndex() > -1 && File1_->count() > 0)
        File1_Click();
}

void frmAlbumViewer::completeLayout()
{
    const QWidget* client = centralWidget();
    const Arrangement a =
        CompleteLayout(float(client->width()) * TwipsPerPixel,
                       float(client->height()) * TwipsPerPixel, SlotMarginX, SlotMarginY);

    Toolbar->resize(client->width(), Toolbar->height());
    stsbarHeader->setGeometry(0, Toolbar->height(), client->width(), stsbarHeader->height());
    const int directory = ToPixels(a.DirectoryWidth);
    stsbarHeader->setPanelWidths(directory,
                                 ToPixels(a.DirectoryWidth + a.PicturesWidth) - directory);
    File1_->setGeometry(ToPixels(QRectF(Design::File1.left(), Design::File1.top(),
                                        Design::File1.width(), std::max(a.File1Height, 0.f))));
    for (int i = 0; i < SlotCount; ++i) {
        shpFocus_[i]->setGeometry(ToPixels(a.shpFocus[i]));
        picViewer_[i]->setGeometry(ToPixels(a.picViewer[i]));
    }
}

int frmAlbumViewer::selectedIndex() const
{
    const QList<QListWidgetItem*> selected = File1_->selectedItems();
    return selected.isEmpty() ? -1 : File1_->row(selected.first());
}

void frmAlbumViewer::File1_Click()
{
    const int first = selectedIndex();
    if (first < 0) {
        // The folder or the filter changed: the slots keep what they show.
        stopFill();
        return;
    }
    const QStringList names = File1_->fileNames().mid(first, SlotCount);
    const QString folder = File1_->path();
    std::array<QSize, SlotCount> inside;
    for (int i = 0; i < SlotCount; ++i)
        inside[size_t(i)] = picViewer_[i]->contentsRect().size();
    const qreal ratio = picViewer_[0]->devicePixelRatioF();
    const PictureLoad load = services_.loadPicture;
    if (!busy_)
        busy_.emplace();
    fill_.start(
        [=](QPromise<SlotFill>& promise, const LoadStop& stop) {
            for (int i = 0; i < SlotCount && !stopRaised(&stop); ++i)
                promise.addResult(
                    drawSlot(load, i, folder, names.value(i), inside[size_t(i)], ratio, stop));
        },
        [this](const SlotFill& fill) { showSlot(fill); },
        [this] {
            busy_.reset();
            emit slotsFilled();
        });
}

frmAlbumViewer::SlotFill frmAlbumViewer::drawSlot(const PictureLoad& load, int slot,
                                                  const QString& folder, const QString& name,
                                                  QSize inside, qreal ratio, const LoadStop& stop)
{
    SlotFill fill;
    fill.slot = slot;
    if (name.isEmpty())
        return fill;
    fill.name = name;
    fill.file = FolderAndFile(folder, name);
    fill.size = QFileInfo(fill.file).size();
    PictureResult result = load(fill.file, inside * ratio, &stop, {});
    if (auto* error = std::get_if<PictureError>(&result)) {
        fill.note = error->message;
        return fill;
    }
    const Picture& loaded = std::get<Picture>(result);
    fill.width = HimetricToPixels(loaded.widthHimetric());
    fill.height = HimetricToPixels(loaded.heightHimetric());
    // A picture below a pixel either way keeps the shape of its natural size.
    const QSizeF shape = fill.width > 0 && fill.height > 0 ? QSizeF(fill.width, fill.height)
                                                           : QSizeF(loaded.naturalHimetric());
    fill.image = SlotView::draw(loaded, inside, ratio, FitToSlotCorner(QSizeF(inside), shape));
    return fill;
}

void frmAlbumViewer::showSlot(const SlotFill& fill)
{
    const int slot = fill.slot;
    clearSlot(slot);
    if (fill.file.isEmpty())
        return;
    Slot& s = slots_[slot];
    s.File = fill.file;
    s.Size = fill.size;
    picViewer_[slot]->setToolTip(fill.name);
    if (!fill.note.isEmpty()) {
        picViewer_[slot]->showNote(fill.note);
        return;
    }
    s.Width = fill.width;
    s.Height = fill.height;
    s.Loaded = true;
    picViewer_[slot]->showImage(fill.image);
}

void frmAlbumViewer::stopFill()
{
    fill_.drop();
    busy_.reset();
}

void frmAlbumViewer::clearSlot(int slot)
{
    slots_[slot] = Slot{};
    picViewer_[slot]->clear();
    picViewer_[slot]->setToolTip(QString());
}

} // namespace quenbrook
