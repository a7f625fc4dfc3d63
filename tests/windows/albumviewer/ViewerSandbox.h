// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The Album Viewer on a store and in a folder of its own, for the window's tests.

#include "support/SettingsSandbox.h"
#include "support/TestPrinters.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/common/FilePane.h"
#include "windows/common/WindowServices.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace viewertest {

using namespace quenbrook;

// A window on a store of its own, started in a folder holding copies of the sample pictures
// (11 of them listed: .jpe and .jfif are not), or only a damaged x.jpg.
struct Sandbox : testsupport::SettingsSandbox
{
    QTemporaryDir folder;
    QString dir = QFileInfo(folder.path()).canonicalFilePath();
    TestPrinters printers{{"P"}};
    WindowServices services{store, printers};
    std::unique_ptr<frmAlbumViewer> window;
    QStringList messages; // every one with the information icon

    // Entries of `stored` read "Section/Key=value".
    explicit Sandbox(const QStringList& stored = {}, const QByteArray& damaged = {})
        : SettingsSandbox("AlbumViewer")
    {
        QFile x(path("x.jpg"));
        if (!damaged.isEmpty() && x.open(QIODevice::WriteOnly))
            x.write(damaged);
        else
            for (const QString& name : QDir(QUENBROOK_SAMPLES_DIR).entryList(QDir::Files))
                QFile::copy(QUENBROOK_SAMPLES_DIR "/" + name, path(name));
        put(stored);
        QDir::setCurrent(dir);
        services.message = [this](QWidget* owner, const QString& text, MessageIcon icon) {
            QCOMPARE(owner, window.get());
            messages.append(icon == MessageIcon::Information ? text : "wrong icon: " + text);
        };
        services.ending.setEndProgram([] {});
        window = std::make_unique<frmAlbumViewer>(services);
    }
    bool show()
    {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    // Shown and active, to take keys.
    bool showActive()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    QString path(const QString& name) const { return dir + '/' + name; }
    // A toolbar button, and the slots filled when it fills them.
    void press(const QString& key)
    {
        window->toolbarButton(key)->trigger();
        QVERIFY(settle());
    }
    // A row chosen in the file list, and the slots filled.
    void select(int row)
    {
        window->File1()->setCurrentRow(row);
        QVERIFY(settle());
    }
    // Waits until no slot is being filled.
    bool settle()
    {
        return QTest::qWaitFor([this] { return !window->filling(); }, 20000);
    }
    QStringList slotFiles() const
    {
        QStringList files;
        for (int i = 0; i < frmAlbumViewer::SlotCount; ++i)
            files << (window->SlotLoaded(i) ? window->SlotFile(i) : "-" + window->SlotFile(i));
        return files;
    }
    QList<bool> highlights() const
    {
        QList<bool> shown;
        for (int i = 0; i < frmAlbumViewer::SlotCount; ++i)
            shown << !window->shpFocus(i)->isHidden();
        return shown;
    }
    void click(int slot, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(window->picViewer(slot), button); // in the middle
    }
};

} // namespace viewertest
