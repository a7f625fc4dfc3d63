#include "windows/albumviewer/frmAlbumViewer.h"

#include "core/geometry/FilePaneRules.h"
#include "core/pictures/PictureLoader.h"
#include "core/program/AlbumViewerKeys.h"
#include "core/program/Application.h"
#include "core/program/PictureFileTypes.h"
#include "core/program/ProgramKeys.h"
#include "core/settings/NumberRules.h"
#include "core/settings/SettingsStore.h"
#include "windows/common/BusyCursor.h"
#include "windows/common/FilePane.h"
#include "windows/common/HeaderStrip.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScopeGuard>
#include <QToolBar>

namespace quenbrook {

using namespace AlbumViewerLayout;

namespace {

const QString Application = QString::fromUtf16(ApplicationTitle);

QIcon picture(const QString& key)
{
    return QIcon(QStringLiteral(":/albumviewer/%1.svg").arg(key));
}

template <class Control> Control* place(Control* control, const QString& name, const QRectF& design)
{
    control->setObjectName(name);
    control->setGeometry(ToPixels(design));
    return control;
}

} // namespace

SlotView::SlotView(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void SlotView::showPicture(const Picture& picture, const QRectF& target)
{
    const QSize inside = contentsRect().size();
    note_.clear();
    image_ = QImage();
    if (inside.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    image_ = QImage(inside * ratio, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.paint(painter, target);
    painter.end();
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

frmAlbumViewer::frmAlbumViewer(SettingsStore& store, Printers& printers, QWidget* parent)
    : QMainWindow(parent)
    , store_(store)
    , printers_(printers)
{
    setWindowTitle(QStringLiteral("Album Viewer"));
    createActions();
    createControls();
    createMenus();
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
    const Button table[] = {{ToolbarButton::AlbumPrinter, "Album Printer"},
                            {ToolbarButton::Bitmap, "Bitmap"},
                            {ToolbarButton::Gif, "Gif"},
                            {ToolbarButton::Jpeg, "Jpeg"},
                            {ToolbarButton::Icon, "Icon"},
                            {ToolbarButton::First, "First Picture"},
                            {ToolbarButton::Prev4, "Previous 4th Picture"},
                            {ToolbarButton::Prev, "Previous Picture"},
                            {ToolbarButton::Next, "Next PIcture"},
                            {ToolbarButton::Next4, "Next 4th PIcture"},
                            {ToolbarButton::Last, "Last  PIcture"},
                            {ToolbarButton::AddToList, "Add to Album Printer's Print List"},
                            {ToolbarButton::ImageViewer, "View Image"},
                            {ToolbarButton::Information, "Information"}};
    for (const Button& entry : table) {
        const QString key = ToolbarKey(entry.button);
        const QString tooltip = QString::fromLatin1(entry.tooltip);
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
    for (ToolbarButton filter :
         {ToolbarButton::Bitmap, ToolbarButton::Gif, ToolbarButton::Jpeg, ToolbarButton::Icon}) {
        QAction* action = buttons_.value(ToolbarKey(filter));
        action->setCheckable(true);
        action->setChecked(true);
    }
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
    stsbarHeader->move(0, Toolbar->height());

    Drive1_ = place(new DriveList(client), QStringLiteral("Drive1"), Design::Drive1);
    Drive1_->setToolTip(tr("Select Drive"));
    Dir1_ = place(new FolderList(client), QStringLiteral("Dir1"), Design::Dir1);
    Dir1_->setToolTip(tr("Select Directory"));
    File1_ = place(new FileList(client), QStringLiteral("File1"), Design::File1);
    File1_->setToolTip(tr("Select Start File"));
    File1_->setPattern(QString::fromUtf16(FileListPattern));

    for (int i = 0; i < SlotCount; ++i) {
        shpFocus_[i] = new FocusFrame(client);
        shpFocus_[i]->setObjectName(QStringLiteral("shpFocus%1").arg(i));
        shpFocus_[i]->hide();
        picViewer_[i] = new SlotView(client);
        picViewer_[i]->setObjectName(QStringLiteral("picViewer%1").arg(i));
        picViewer_[i]->installEventFilter(this);
    }

    connect(File1_, &QListWidget::itemSelectionChanged, this, &frmAlbumViewer::File1_Click);
    connect(Drive1_, &DriveList::driveChosen, this, &frmAlbumViewer::Drive1_Change);
    connect(Dir1_, &FolderList::pathChanged, this, &frmAlbumViewer::Dir1_Change);
    connect(Dir1_, &FolderList::folderUnreadable, this, [this](const QString& folder) {
        showMessage_(this, FolderUnreadableMessage(folder), MessageIcon::Information);
    });
}

void frmAlbumViewer::createMenus()
{
    const auto item = [this](const char* name, const QString& text, auto slot) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->addAction(buttons_.value(ToolbarKey(ToolbarButton::AlbumPrinter)));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    mnuFile->addAction(item("mnuFileClose", tr("&Close"), &QWidget::close));
    mnuFile->addAction(item("mnuFileExit", tr("E&xit"), &frmAlbumViewer::mnuFileExit_Click));
    menuBar()->addAction(item("mnuAbout", tr("&About"), &frmAlbumViewer::aboutRequested));

    mnuPopup_ = new QMenu(tr("popup"), this);
    mnuPopup_->setObjectName(QStringLiteral("mnuPopup"));
    mnuPopup_->addAction(item("mnuPopupAddtoAlbumPrintList", tr("Add to Album Print List"),
                              &frmAlbumViewer::mnuPopupAddtoAlbumPrintList_Click));
    mnuPopup_->addAction(item("mnuPopupInformation", tr("Inoformation"),
                              &frmAlbumViewer::mnuPopupInformation_Click));
    mnuPopup_->addAction(
        item("mnupopupViewFile", tr("View File"), &frmAlbumViewer::mnupopupViewFile_Click));
}

void frmAlbumViewer::setOtherWindowVisible(std::function<bool()> visible)
{
    ending_.setOtherWindowVisible(std::move(visible));
}

void frmAlbumViewer::setEndProgram(std::function<void()> endProgram)
{
    ending_.setEndProgram(std::move(endProgram));
}

void frmAlbumViewer::setMessageFunction(MessageFunction show)
{
    showMessage_ = show ? std::move(show) : MessageFunction(ShowMessage);
}

void frmAlbumViewer::saveSetting(const QString& section, const QString& key, const QString& value)
{
    store_.SaveSetting(Application, section, key, value);
}

void frmAlbumViewer::Form_Load()
{
    SlotMarginX = SlotMargin;
    SlotMarginY = SlotMargin;

    const Placement defaults;
    const auto stored = [this](const QString& key, float defaultValue) {
        return PlacementValue(store_.GetSetting(Application, AlbumViewerKeys::Section, key),
                              defaultValue);
    };
    Placement placement{stored(AlbumViewerKeys::Left, defaults.Left),
                        stored(AlbumViewerKeys::Top, defaults.Top),
                        stored(AlbumViewerKeys::Width, defaults.Width),
                        stored(AlbumViewerKeys::Height, defaults.Height)};
    placement = PlaceOnOpen(placement, ScreenTwips());
    outer_.place(placement.Left, placement.Top, placement.Width, placement.Height);

    // No folder is remembered: the pane starts in the process's current folder.
    if (!Dir1_->setPath(QDir::currentPath()) && !Dir1_->setPath(QDir::homePath()))
        Dir1_->setPath(QDir::rootPath());
}

// Runs after every change of size or state; a size put right starts the next pass.
void frmAlbumViewer::Form_Resize()
{
    switch (ChooseLayoutStep(isMinimized(), outer_.width(), outer_.height())) {
    case LayoutStep::Nothing:
        return;
    case LayoutStep::Widen:
        outer_.setWidth(MinimumWidth);
        return;
    case LayoutStep::Heighten:
        outer_.setHeight(MinimumHeight);
        return;
    case LayoutStep::CompletePass:
        break;
    }
    saveSetting(AlbumViewerKeys::Section, AlbumViewerKeys::Left, NumberText(outer_.left()));
    saveSetting(AlbumViewerKeys::Section, AlbumViewerKeys::Top, NumberText(outer_.top()));
    saveSetting(AlbumViewerKeys::Section, AlbumViewerKeys::Width, NumberText(outer_.width()));
    saveSetting(AlbumViewerKeys::Section, AlbumViewerKeys::Height, NumberText(outer_.height()));
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
    // A pass started while the slots are being filled (a resize) runs once the fill is done.
    if (filling_) {
        refillPending_ = true;
        return;
    }
    if (selectedIndex() < 0)
        return;
    filling_ = true;
    const auto done = qScopeGuard([this] { filling_ = false; });
    BusyCursor busy;
    do {
        refillPending_ = false;
        const int first = selectedIndex();
        const QStringList names = File1_->fileNames();
        const QString folder = File1_->path();
        for (int i = 0; i < SlotCount; ++i) {
            if (first >= 0 && first + i < names.size())
                fillSlot(i, FolderAndFile(folder, names[first + i]), names[first + i]);
            else
                clearSlot(i);
            // Each slot shows as soon as it is drawn; clicks and keys wait for the fill.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    } while (refillPending_);
}

void frmAlbumViewer::fillSlot(int slot, const QString& path, const QString& name)
{
    clearSlot(slot);
    SlotView* view = picViewer_[slot];
    Slot& s = slots_[slot];
    s.File = path;
    s.Size = QFileInfo(path).size();
    view->setToolTip(name);

    const QSize inside = view->contentsRect().size();
    PictureResult result = PictureLoader::load(path, inside * view->devicePixelRatioF());
    if (auto* error = std::get_if<PictureError>(&result)) {
        view->showNote(error->message);
        return;
    }
    const Picture& loaded = std::get<Picture>(result);
    s.Width = HimetricToPixels(loaded.widthHimetric());
    s.Height = HimetricToPixels(loaded.heightHimetric());
    s.Loaded = true;
    // A picture below a pixel either way keeps the shape of its natural size.
    const QSizeF shape =
        s.Width > 0 && s.Height > 0 ? QSizeF(s.Width, s.Height) : QSizeF(loaded.naturalHimetric());
    view->showPicture(loaded, FitPicture(QSizeF(inside), shape));
}

void frmAlbumViewer::clearSlot(int slot)
{
    slots_[slot] = Slot{};
    picViewer_[slot]->clear();
    picViewer_[slot]->setToolTip(QString());
}

void frmAlbumViewer::Drive1_Change(const QString& root)
{
    // A drive that cannot be read leaves the folder as it was, without a word.
    const QString folder = Drive1_->folderOf(root);
    if (!Dir1_->setPath(folder) && folder != root)
        Dir1_->setPath(root);
}

void frmAlbumViewer::Dir1_Change(const QString& folder)
{
    File1_->setPath(folder);
    Drive1_->noteFolder(folder);
}

void frmAlbumViewer::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (isVisible())
        Form_Resize();
}

void frmAlbumViewer::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible())
        Form_Resize();
}

void frmAlbumViewer::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        Form_Resize();
    }
}

void frmAlbumViewer::closeEvent(QCloseEvent* event)
{
    if (ending_.otherWindowVisible()) {
        event->ignore();
        hide();
        return;
    }
    saveSetting(ProgramKeys::Section, ProgramKeys::Start, ProgramKeys::StartAlbumViewer);
    if (!isMinimized()) {
        saveSetting(AlbumViewerKeys::Section, AlbumViewerKeys::Left, NumberText(outer_.left()));
        saveSetting(AlbumViewerKeys::Section, AlbumViewerKeys::Top, NumberText(outer_.top()));
    }
    event->accept();
    ending_.endProgram();
}

} // namespace quenbrook
