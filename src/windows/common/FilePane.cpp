// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/FilePane.h"

#include "core/files/FolderListing.h"
#include "core/geometry/FilePaneRules.h"
#include "core/program/PictureFileTypes.h"
#include "windows/common/WindowServices.h"

#include <QAction>
#include <QDir>
#include <QDrag>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QStorageInfo>
#include <QStyle>

#include <algorithm>

namespace quenbrook {
namespace {

constexpr int RootRole = Qt::UserRole;
constexpr int FolderRole = Qt::UserRole;

QString cleanFolder(const QString& folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

bool contains(const QString& root, const QString& folder)
{
    if (root == QLatin1String("/") || folder == root)
        return folder.startsWith(root);
    return folder.startsWith(root + QLatin1Char('/'));
}

} // namespace

QStringList DriveOrder(QStringList roots)
{
    std::sort(roots.begin(), roots.end(), [](const QString& a, const QString& b) {
        if (a == QLatin1String("/") || b == QLatin1String("/"))
            return a == QLatin1String("/") && b != a;
        return a < b;
    });
    return roots;
}

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && QFileInfo(root).isDir() &&
            !roots.contains(root))
            roots.append(root);
    }
    setDrives(DriveOrder(roots));
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit driveChosen(itemData(index, RootRole).toString()); });
}

void DriveList::setDrives(const QStringList& roots)
{
    clear();
    for (const QString& root : roots)
        addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root, root);
}

QString DriveList::drive() const
{
    return currentData(RootRole).toString();
}

int DriveList::indexOfDriveFor(const QString& folder) const
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i, RootRole).toString();
        if (contains(root, folder) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

void DriveList::showDriveOf(const QString& folder)
{
    setCurrentIndex(indexOfDriveFor(folder));
}

void DriveList::noteFolder(const QString& folder)
{
    showDriveOf(folder);
    if (!drive().isEmpty())
        folders_.insert(drive(), folder);
}

QString DriveList::folderOf(const QString& root) const
{
    return folders_.value(root, root);
}

FolderList::FolderList(QWidget* parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(10);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { open(item->data(0, FolderRole).toString()); });
}

bool FolderList::setPath(const QString& folder)
{
    const QString clean = cleanFolder(folder);
    if (!IsListableFolder(clean))
        return false;

    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    auto* item = new QTreeWidgetItem(this, {QStringLiteral("/")});
    item->setIcon(0, openIcon);
    item->setData(0, FolderRole, QStringLiteral("/"));
    QString walked;
    for (const QString& part : clean.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += QLatin1Char('/') + part;
        item = new QTreeWidgetItem(item, {part});
        item->setIcon(0, openIcon);
        item->setData(0, FolderRole, walked);
    }
    QTreeWidgetItem* current = item;

    QStringList subfolders = QDir(clean).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    SortAsFileList(subfolders);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirIcon);
    for (const QString& name : subfolders) {
        auto* child = new QTreeWidgetItem(current, {name});
        child->setIcon(0, closedIcon);
        child->setData(0, FolderRole, FolderAndFile(clean, name));
    }
    expandAll();
    setCurrentItem(current);
    scrollToItem(current);

    const bool changed = clean != path_;
    path_ = clean;
    if (changed)
        emit pathChanged(path_);
    return true;
}

QString FolderList::highlighted() const
{
    const QTreeWidgetItem* item = currentItem();
    return item ? item->data(0, FolderRole).toString() : QString();
}

void FolderList::openHighlighted()
{
    open(highlighted());
}

void FolderList::open(const QString& folder)
{
    if (folder.isEmpty() || folder == path_)
        return;
    if (!setPath(folder))
        emit folderUnreadable(folder);
}

void FolderList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openHighlighted();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

FileList::FileList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

void FileList::setPath(const QString& folder)
{
    path_ = folder;
    refresh();
}

void FileList::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    refresh();
}

void FileList::refresh()
{
    clear();
    if (path_.isEmpty())
        return;
    addItems(FileListNames(path_, pattern_));
}

QStringList FileList::fileNames() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names.append(item(i)->text());
    return names;
}

QString FileList::selectedFileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

std::unique_ptr<QMimeData> FileList::selectedFileData() const
{
    const QString name = selectedFileName();
    if (name.isEmpty())
        return nullptr;
    return FileDragData(FolderAndFile(path_, name));
}

void FileList::startDrag(Qt::DropActions)
{
    std::unique_ptr<QMimeData> data = selectedFileData();
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data.release());
    // The drag is Qt's from here: a program the file was dropped on reads it after exec().
    drag->exec(Qt::CopyAction);
}

FilePane::FilePane(QWidget& client, const WindowServices& services, RefusedDrive refused)
    : QObject(&client)
    , services_(services)
    , refused_(refused)
    , drives_(new DriveList(&client))
    , folders_(new FolderList(&client))
    , files_(new FileList(&client))
{
    drives_->setObjectName(QStringLiteral("Drive1"));
    folders_->setObjectName(QStringLiteral("Dir1"));
    files_->setObjectName(QStringLiteral("File1"));
    drives_->setAccessibleName(tr("Drive"));
    folders_->setAccessibleName(tr("Folders"));
    files_->setAccessibleName(tr("Files"));
    files_->setPattern(FileListPattern());
    connect(drives_, &DriveList::driveChosen, this, &FilePane::driveChosen);
    connect(folders_, &FolderList::pathChanged, this, &FilePane::folderChanged);
    connect(folders_, &FolderList::folderUnreadable, this, [this](const QString& folder) {
        services_.message(folders_->window(), FolderUnreadableMessage(folder),
                          MessageIcon::Information);
    });

    if (!folders_->setPath(QDir::currentPath()) && !folders_->setPath(QDir::homePath()))
        folders_->setPath(QDir::rootPath());
}

void FilePane::setFilterButtons(const std::array<QAction*, 4>& buttons)
{
    filters_ = buttons;
    for (QAction* button : filters_) {
        button->setCheckable(true);
        button->setChecked(true);
        connect(button, &QAction::toggled, this, &FilePane::filterChanged);
    }
}

void FilePane::driveChosen(const QString& root)
{
    const QString folder = drives_->folderOf(root);
    if (folders_->setPath(folder) || (folder != root && folders_->setPath(root)))
        return;
    if (refused_ == RefusedDrive::ShowOpenFolder)
        drives_->showDriveOf(folders_->path());
}

void FilePane::folderChanged(const QString& folder)
{
    files_->setPath(folder);
    drives_->noteFolder(folder);
}

void FilePane::filterChanged()
{
    const QString pattern = FilterPattern({filters_[0]->isChecked(), filters_[1]->isChecked(),
                                           filters_[2]->isChecked(), filters_[3]->isChecked()});
    if (pattern.isEmpty()) {
        files_->setEnabled(false);
        return;
    }
    files_->setEnabled(true);
    files_->setPattern(pattern);
}

} // namespace quenbrook
