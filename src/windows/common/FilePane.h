// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/files/FolderListing.h"

#include <QComboBox>
#include <QHash>
#include <QListWidget>
#include <QStringList>
#include <QTreeWidget>

#include <array>
#include <memory>

class QAction;
class QMimeData;

namespace quenbrook {

struct WindowServices;

// The order of the drive list: the root folder first, then the others by name.
QStringList DriveOrder(QStringList roots);

// Drive1: the mounted volumes, the root volume first.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // Replaces the volumes by the given root folders, kept in their order.
    void setDrives(const QStringList& roots);
    QString drive() const;
    // The drive a folder lies on (the longest root containing it); -1 when none does.
    int indexOfDriveFor(const QString& folder) const;
    // Shows the drive of the folder without reporting a choice.
    void showDriveOf(const QString& folder);
    // Shows the drive of the folder and keeps the folder as that drive's current one.
    void noteFolder(const QString& folder);
    // The drive's current folder: the one last noted on it, else its root.
    QString folderOf(const QString& root) const;

signals:
    // The user chose a drive.
    void driveChosen(const QString& root);

private:
    QHash<QString, QString> folders_;
};

// Dir1: the folders from the root down to the open one, then the open one's subfolders.
// A double-click or Enter opens the highlighted folder.
class FolderList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // False, changing nothing, when the folder cannot be listed.
    bool setPath(const QString& folder);
    QString highlighted() const;
    void openHighlighted();

signals:
    void pathChanged(const QString& folder);
    void folderUnreadable(const QString& folder);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // No expand arrows: the folders shown are always open.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    void open(const QString& folder);

    QString path_;
};

// File1: the files of a folder that match a ";"-separated pattern, in a file manager's order.
// Single selection; dragging offers the selected file as a text/uri-list.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& folder);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);

    QStringList fileNames() const;
    // Empty when no file is selected.
    QString selectedFileName() const;
    // What a drag of the selected file carries; null when no file is selected.
    std::unique_ptr<QMimeData> selectedFileData() const;

protected:
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void refresh();

    QString path_;
    QString pattern_;
};

// The file pane of a main window: the three lists above, made on the window's client area and
// wired together. It opens in the process's current folder (else the home folder, else the root)
// with every picture type listed. A chosen drive opens the folder last open on it; a folder that
// opens lists its files and is remembered for its drive; a folder that cannot be opened is
// reported through the window's message function. The window places the lists.
class FilePane : public QObject
{
    Q_OBJECT
public:
    // What the drive list shows when the chosen drive cannot be read. The Album Printer goes back
    // to the open folder's drive; the Album Viewer has always left the refused drive showing, so
    // choosing it again tries it again.
    enum class RefusedDrive
    {
        ShowOpenFolder,
        StayChosen
    };

    FilePane(QWidget& client, const WindowServices& services, RefusedDrive refused);

    DriveList* drives() const { return drives_; }
    FolderList* folders() const { return folders_; }
    FileList* files() const { return files_; }

    // The toolbar's Bitmap, Gif, Jpeg and Icon buttons, made checkable and pressed. The pressed
    // ones choose the types listed; with none pressed the file list is disabled and keeps what
    // it shows.
    void setFilterButtons(const std::array<QAction*, 4>& buttons);

private:
    void driveChosen(const QString& root);
    void folderChanged(const QString& folder);
    void filterChanged();

    const WindowServices& services_;
    RefusedDrive refused_;
    DriveList* drives_;
    FolderList* folders_;
    FileList* files_;
    std::array<QAction*, 4> filters_{};
};

} // namespace quenbrook
