// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "windows/startup/MainWindows.h"

#include <QObject>
#include <QString>

#include <functional>

namespace quenbrook {

class HandOff;
class Printers;
class SettingsStore;

// Start-up: hands the command line to a running instance or becomes the instance, keeps the file
// manager's verbs up to date, opens the first main window and carries out the command line's
// switch. Later starts' commands run here too.
class mQuenbrook : public QObject
{
    Q_OBJECT
public:
    // registerFileTypes writes the file manager's verbs; exeFolder is where the program runs from.
    mQuenbrook(SettingsStore& store, Printers& printers, HandOff& handOff,
               std::function<void()> registerFileTypes, QString exeFolder,
               QObject* parent = nullptr);

    // The start-up steps for this process's command line. False when the process ends now: it
    // handed the command over, or the command could not be carried out.
    bool Main(const QString& commandText);

    // Appends the file the command names to the print list (the Album Printer is made, hidden, when
    // not there yet). False when there is no printer or no such picture file.
    bool AddFileFromCommand(const QString& text);
    // Opens the file the command names in a new Image Viewer; false, opening nothing, when there is
    // no such picture file.
    bool ViewFileFromCommand(const QString& text);
    // A command handed over by a later start.
    void Form_LinkExecute(const QString& text);

    // The windows, and through them the services, messages included.
    MainWindows& Windows() { return windows_; }

private:
    void ShowMainWindow();
    void message(const QString& text);

    SettingsStore& store_;
    Printers& printers_;
    HandOff& handOff_;
    std::function<void()> registerFileTypes_;
    QString exeFolder_;
    MainWindows windows_;
};

} // namespace quenbrook
