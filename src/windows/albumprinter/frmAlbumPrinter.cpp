// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/albumprinter/frmAlbumPrinter.h"

#include "core/program/PrintSettingsKeys.h"
#include "core/program/ProgramKeys.h"
#include "core/settings/SettingsStore.h"
#include "print/PrinterSurface.h"
#include "windows/albumprinter/AlbumPrinterParts.h"
#include "windows/common/FilePane.h"
#include "windows/common/HeaderStrip.h"
#include "windows/common/StandardKeys.h"
#include "windows/common/ToolbarKeys.h"
#include "windows/common/WindowServices.h"

#include <QAction>
#include <QActionGroup>
#include <QDragEnterEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

namespace quenbrook {

using namespace AlbumPrinterLayout;

namespace {

QIcon picture(const QString& key)
{
    return QIcon(QStringLiteral(":/albumprinter/%1.svg").arg(key));
}

} // namespace

frmAlbumPrinter::frmAlbumPrinter(const WindowServices& services, PrinterSurface& printer,
                                 QWidget* parent)
    : QMainWindow(parent)
    , services_(services)
    , printer_(printer)
    , loader_(services.store, printer)
    , frame_(
          *this, services, PrintKeys::Section, ProgramKeys::StartAlbumPrinter, [this] { LayOut(); },
          [this](const QString& section, const QString& key, const QString& value) {
              writeSetting(section, key, value);
          })
{
    setWindowTitle(tr("Album Printer"));
    setAcceptDrops(true);
    createActions();
    createControls();
    createMenus();
    JoinTabChain(*Toolbar);

    // Loading: the print options, then the placement.
    loader_.LoadAll(settings_);
    updateActions();
    PlaceOnLoad();
}

frmAlbumPrinter::~frmAlbumPrinter() = default;

QAction* frmAlbumPrinter::toolbarAction(const QString& key, const QString& text,
                                        const QString& tooltip)
{
    auto* action = new QAction(picture(key), text, this);
    action->setObjectName(key);
    action->setToolTip(tooltip);
    return action;
}

// A menu command's action, named as the menu item.
QAction* frmAlbumPrinter::command(const QString& name, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    return action;
}

void frmAlbumPrinter::createActions()
{
    createToolbarActions();
    act_.PrinterSetup = command(QStringLiteral("mnuPrinterSetup"), tr("Printer &Setup...."));
    connect(act_.PrinterSetup, &QAction::triggered, this, &frmAlbumPrinter::mnuPrinterSetup_Click);
    act_.Close = command(QStringLiteral("mnuClose"), tr("&Close"));
    SetStandardKeys(*act_.Close, QKeySequence::Close);
    connect(act_.Close, &QAction::triggered, this, &QWidget::close);
    act_.Exit = command(QStringLiteral("mnuExit"), tr("E&xit"));
    SetQuitKeys(*act_.Exit);
    connect(act_.Exit, &QAction::triggered, this, [this] { frame_.exit(); });

    createOptionActions();

    act_.About = command(QStringLiteral("mnuAbout"), tr("&About"));
    SetStandardKeys(*act_.About, QKeySequence::HelpContents);
    connect(act_.About, &QAction::triggered, this, &frmAlbumPrinter::aboutRequested);
}

// The toolbar's buttons; Preview, Print and Album Viewer are also File menu items.
void frmAlbumPrinter::createToolbarActions()
{
    act_.Preview = toolbarAction(QStringLiteral("Preview"), tr("P&review"), tr("Preview"));
    connect(act_.Preview, &QAction::triggered, this, &frmAlbumPrinter::mnuPreview_Click);
    act_.Print = toolbarAction(QStringLiteral("Print"), tr("&Print"), tr("Print"));
    SetStandardKeys(*act_.Print, QKeySequence::Print);
    connect(act_.Print, &QAction::triggered, this, &frmAlbumPrinter::printRequested);
    act_.AlbumViewer =
        toolbarAction(QStringLiteral("AlbumViewer"), tr("Album &Viewer"), tr("Album Viewer"));
    connect(act_.AlbumViewer, &QAction::triggered, this, &frmAlbumPrinter::albumViewerRequested);

    act_.Bitmap = toolbarAction(QStringLiteral("Bitmap"), tr("Bitmap"), tr("Bitmap"));
    act_.Gif = toolbarAction(QStringLiteral("Gif"), tr("Gif"), tr("Gif"));
    act_.Jpeg = toolbarAction(QStringLiteral("Jpeg"), tr("Jpeg"), tr("Jpeg"));
    act_.Icon = toolbarAction(QStringLiteral("Icon"), tr("Icon"), tr("Icon"));
    act_.ImageViewer =
        toolbarAction(QStringLiteral("ImageViewer"), tr("View Image"), tr("View Image"));
    connect(act_.ImageViewer, &QAction::triggered, this, &frmAlbumPrinter::Toolbar_ImageViewer);
}

// The Option menu: the unit, centring, the four dialogs and the picture resolution.
void frmAlbumPrinter::createOptionActions()
{
    act_.Inch = command(QStringLiteral("mnuInch"), tr("Inch"));
    act_.Centimetre = command(QStringLiteral("mnuCm"), tr("cm"));
    auto* units = new QActionGroup(this);
    for (QAction* unit : {act_.Inch, act_.Centimetre}) {
        unit->setCheckable(true);
        units->addAction(unit);
    }
    connect(act_.Inch, &QAction::triggered, this, [this] { mnuScale_Click(PrintUnit::Inch); });
    connect(act_.Centimetre, &QAction::triggered, this,
            [this] { mnuScale_Click(PrintUnit::Centimetre); });
    act_.Center = command(QStringLiteral("mnuCenter"), tr("Center"));
    act_.Center->setCheckable(true);
    connect(act_.Center, &QAction::triggered, this, &frmAlbumPrinter::mnuCenter_Click);

    const struct
    {
        QAction** action;
        OptionDialog dialog;
        const char* name;
        QString text;
    } dialogs[] = {{&act_.Label, OptionDialog::Label, "mnuLabel", tr("Label....")},
                   {&act_.PrintSize, OptionDialog::PrintSize, "mnuPrintSize", tr("Print Size....")},
                   {&act_.Header, OptionDialog::Header, "mnuHeader", tr("Header....")},
                   {&act_.Footer, OptionDialog::Footer, "mnuFooter", tr("Footer....")}};
    for (const auto& entry : dialogs) {
        *entry.action = command(QString::fromLatin1(entry.name), entry.text);
        connect(*entry.action, &QAction::triggered, this,
                [this, dialog = entry.dialog] { mnuOptionDialog_Click(dialog); });
    }

    auto* resolutions = new QActionGroup(this);
    for (const qint32 ppi : PictureResolutionChoices()) {
        QAction* item = command(QStringLiteral("mnuPictureResolution%1").arg(ppi),
                                ppi == PrintSettings::PrinterResolution ? tr("Printer Resolution")
                                                                        : tr("%1 ppi").arg(ppi));
        item->setCheckable(true);
        item->setData(ppi);
        resolutions->addAction(item);
        connect(item, &QAction::triggered, this, [this, ppi] { mnuPictureResolution_Click(ppi); });
        act_.Resolutions << item;
    }
}

void frmAlbumPrinter::createControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    // The design sizes suit a small font: at most 8 points, so "Remove All" fits its button.
    QFont small = client->font();
    if (small.pointSizeF() > 8)
        small.setPointSizeF(8);
    client->setFont(small);

    imgSplitter =
        PlaceControl(new SplitterGrip(client), QStringLiteral("imgSplitter"), Design::imgSplitter);
    connect(imgSplitter, &SplitterGrip::pressed, this, &frmAlbumPrinter::imgSplitter_MouseDown);
    connect(imgSplitter, &SplitterGrip::moved, this, &frmAlbumPrinter::imgSplitter_MouseMove);
    connect(imgSplitter, &SplitterGrip::released, this, &frmAlbumPrinter::imgSplitter_MouseUp);
    picSplitter =
        PlaceControl(new QWidget(client), QStringLiteral("picSplitter"), Design::picSplitter);
    picSplitter->setAutoFillBackground(true);
    QPalette grey = picSplitter->palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    picSplitter->setPalette(grey);
    picSplitter->hide();

    createToolbar(client);
    createLists(client);

    // Grab area and bar lie beneath everything else; the bar does not show through the strips.
    Toolbar->setAutoFillBackground(true);
    stsbarHeader->setAutoFillBackground(true);
    picSplitter->lower();
    imgSplitter->lower();
    Toolbar->raise();
    stsbarHeader->raise();
    Label1->raise();

    connect(cmdAdd, &QPushButton::clicked, this, &frmAlbumPrinter::cmdAdd_Click);
    connect(cmdAddAll, &QPushButton::clicked, this, &frmAlbumPrinter::cmdAddAll_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &frmAlbumPrinter::File1_DblClick);
    connect(cmdRemove, &QPushButton::clicked, this, &frmAlbumPrinter::cmdRemove_Click);
    connect(cmdRemoveAll, &QPushButton::clicked, this, &frmAlbumPrinter::cmdRemoveAll_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmAlbumPrinter::printRequested);
    connect(cmdUp, &QPushButton::clicked, this, &frmAlbumPrinter::cmdUp_Click);
    connect(cmdDown, &QPushButton::clicked, this, &frmAlbumPrinter::cmdDown_Click);
    connect(lstAlbumList, &QListWidget::itemClicked, this, &frmAlbumPrinter::lstAlbumList_Click);
}

// The toolbar and, below it, the header strip with its two counts.
void frmAlbumPrinter::createToolbar(QWidget* client)
{
    Toolbar = new QToolBar(client);
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setIconSize(QSize(24, 24));
    Toolbar->addActions({act_.Preview, act_.Print});
    Toolbar->addSeparator();
    Toolbar->addAction(act_.AlbumViewer);
    Toolbar->addSeparator();
    Toolbar->addActions({act_.Bitmap, act_.Gif, act_.Jpeg, act_.Icon});
    Toolbar->addSeparator();
    Toolbar->addAction(act_.ImageViewer);
    Toolbar->setGeometry(0, 0, ToPixels(float(Design::lstAlbumList.right())),
                         Toolbar->sizeHint().height());
    stsbarHeader = new HeaderStrip(QStringLiteral("FilesonDisk"), tr("Files on Disk :"),
                                   QStringLiteral("SelectedFiles"), tr("Selected Files :"), client);
    stsbarHeader->setObjectName(QStringLiteral("stsbarHeader"));
    for (const char* key : {"FilesonDisk", "SelectedFiles"}) {
        QLabel* panel = stsbarHeader->panel(QString::fromLatin1(key));
        panel->setToolTip(panel->text());
    }
    stsbarHeader->move(0, Toolbar->height());
}

// The file pane with its Add buttons, and the print list with its own buttons and caption.
void frmAlbumPrinter::createLists(QWidget* client)
{
    auto* pane = new FilePane(*client, services_, FilePane::RefusedDrive::ShowOpenFolder);
    pane->setFilterButtons({act_.Bitmap, act_.Gif, act_.Jpeg, act_.Icon});
    PlaceControl(pane->folders(), QStringLiteral("Dir1"), Design::Dir1);
    PlaceControl(pane->drives(), QStringLiteral("Drive1"), Design::Drive1);
    File1 = PlaceControl(pane->files(), QStringLiteral("File1"), Design::File1);
    // Tab goes down the pane as it is drawn: the folders, then the drive below them.
    QWidget::setTabOrder(pane->folders(), pane->drives());
    cmdAddAll = PlaceControl(new QPushButton(tr("Add All"), client), QStringLiteral("cmdAddAll"),
                             Design::cmdAddAll);
    cmdAdd =
        PlaceControl(new QPushButton(tr("Add"), client), QStringLiteral("cmdAdd"), Design::cmdAdd);

    lstAlbumList =
        PlaceControl(new QListWidget(client), QStringLiteral("lstAlbumList"), Design::lstAlbumList);
    lstAlbumList->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAlbumList->setItemDelegate(new FittingItemDelegate(lstAlbumList));
    lstAlbumList->setTextElideMode(Qt::ElideLeft);
    lstAlbumList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstAlbumList->setResizeMode(QListView::Adjust);
    lstAlbumList->setAcceptDrops(true);
    lstAlbumList->viewport()->installEventFilter(this);
    cmdRemove = PlaceControl(new QPushButton(tr("Remove"), client), QStringLiteral("cmdRemove"),
                             Design::cmdRemove);
    cmdRemoveAll = PlaceControl(new QPushButton(tr("Remove All"), client),
                                QStringLiteral("cmdRemoveAll"), Design::cmdRemoveAll);
    cmdPrint = PlaceControl(new QPushButton(tr("Print"), client), QStringLiteral("cmdPrint"),
                            Design::cmdPrint);
    cmdUp = PlaceControl(new QPushButton(client), QStringLiteral("cmdUp"), Design::cmdUp);
    cmdUp->setIcon(picture(QStringLiteral("up")));
    cmdUp->setAccessibleName(tr("Move Up"));
    cmdDown = PlaceControl(new QPushButton(client), QStringLiteral("cmdDown"), Design::cmdDown);
    cmdDown->setIcon(picture(QStringLiteral("down")));
    cmdDown->setAccessibleName(tr("Move Down"));
    for (QPushButton* arrow : {cmdUp, cmdDown})
        arrow->setIconSize(arrow->size() - QSize(12, 12));

    Label1 = new QLabel(tr("Print List"), client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(lstAlbumList);
    lstAlbumList->setAccessibleName(Label1->text());
    Label1->adjustSize();
    Label1->move(ToPixels(float(Design::lstAlbumList.left())),
                 (Toolbar->height() - Label1->height()) / 2);
}

void frmAlbumPrinter::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions({act_.AlbumViewer, act_.PrinterSetup, act_.Print, act_.Preview});
    file->addSeparator();
    file->addActions({act_.Close, act_.Exit});

    QMenu* option = menuBar()->addMenu(tr("&Option"));
    QMenu* scale = option->addMenu(tr("Scale"));
    scale->addActions({act_.Inch, act_.Centimetre});
    option->addAction(act_.Center);
    option->addSeparator();
    option->addAction(act_.Label);
    option->addSeparator();
    option->addAction(act_.PrintSize);
    option->addSeparator();
    option->addActions({act_.Header, act_.Footer});
    option->addSeparator();
    option->addMenu(tr("Picture Resolution"))->addActions(act_.Resolutions);

    menuBar()->addAction(act_.About);

    mnupopup1 = new QMenu(this);
    mnupopup1->setObjectName(QStringLiteral("mnupopup1"));
    connect(mnupopup1->addAction(tr("View File")), &QAction::triggered, this,
            &frmAlbumPrinter::lstAlbumList_ViewFile);
    mnupopup1->addSeparator();
    connect(mnupopup1->addAction(tr("up")), &QAction::triggered, this,
            &frmAlbumPrinter::cmdUp_Click);
    connect(mnupopup1->addAction(tr("down")), &QAction::triggered, this,
            &frmAlbumPrinter::cmdDown_Click);
    connect(mnupopup1->addAction(tr("Remove")), &QAction::triggered, this,
            &frmAlbumPrinter::cmdRemove_Click);
    mnupopup1->addSeparator();
    connect(mnupopup1->addAction(tr("Remove All")), &QAction::triggered, this,
            &frmAlbumPrinter::cmdRemoveAll_Click);

    mnupopup2 = new QMenu(this);
    mnupopup2->setObjectName(QStringLiteral("mnupopup2"));
    connect(mnupopup2->addAction(tr("View File")), &QAction::triggered, this,
            &frmAlbumPrinter::File1_ViewFile);
    mnupopup2->addSeparator();
    connect(mnupopup2->addAction(tr("Add")), &QAction::triggered, this,
            &frmAlbumPrinter::cmdAdd_Click);
    mnupopup2->addSeparator();
    connect(mnupopup2->addAction(tr("Add All")), &QAction::triggered, this,
            &frmAlbumPrinter::cmdAddAll_Click);

    // The right button pressed on either list opens its popup at the pointer.
    const std::pair<QListWidget*, QMenu*> popups[] = {{lstAlbumList, mnupopup1},
                                                      {File1, mnupopup2}};
    for (const auto& [list, menu] : popups) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [list, menu](const QPoint& at) { menu->popup(list->viewport()->mapToGlobal(at)); });
    }
}

void frmAlbumPrinter::updateActions()
{
    act_.Inch->setChecked(settings_.Scale == PrintUnit::Inch);
    act_.Centimetre->setChecked(settings_.Scale != PrintUnit::Inch);
    act_.Center->setChecked(settings_.Center);
    for (QAction* item : act_.Resolutions)
        item->setChecked(item->data().toInt() == settings_.PictureResolution);
}

void frmAlbumPrinter::writeSetting(const QString& section, const QString& key, const QString& value)
{
    services_.store.SaveSetting(PrintKeys::Application, section, key, value);
}

void frmAlbumPrinter::dragEnterEvent(QDragEnterEvent* event)
{
    OLEDragOver(event);
}

void frmAlbumPrinter::dragMoveEvent(QDragMoveEvent* event)
{
    OLEDragOver(event);
}

void frmAlbumPrinter::dropEvent(QDropEvent* event)
{
    OLEDragDrop(event);
}

bool frmAlbumPrinter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstAlbumList->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            OLEDragOver(static_cast<QDragMoveEvent*>(event));
            return true;
        case QEvent::Drop:
            OLEDragDrop(static_cast<QDropEvent*>(event));
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quenbrook
