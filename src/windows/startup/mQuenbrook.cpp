// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/startup/mQuenbrook.h"

#include "core/program/Application.h"
#include "core/program/ProgramKeys.h"
#include "core/program/ProgramMessages.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/CommandLine.h"
#include "core/startup/HandOff.h"
#include "core/startup/RegisterFileTypes.h"
#include "print/Printers.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/imageviewer/frmImageViewer.h"

namespace quenbrook {

mQuenbrook::mQuenbrook(SettingsStore& store, Printers& printers, HandOff& handOff,
                       std::function<void()> registerFileTypes, QString exeFolder, QObject* parent)
    : QObject(parent)
    , store_(store)
    , printers_(printers)
    , handOff_(handOff)
    , registerFileTypes_(std::move(registerFileTypes))
    , exeFolder_(std::move(exeFolder))
    , windows_(store, printers)
{}

bool mQuenbrook::Main(const QString& commandText)
{
    if (handOff_.PrevInstance()) {
        handOff_.SendCommand(commandText);
        return false;
    }
    handOff_.LoadServer([this](const QString& text) { Form_LinkExecute(text); });
    RefreshRegistration(store_, exeFolder_, registerFileTypes_);

    switch (GetCommandType(commandText)) {
    case CommandType::None:
        ShowMainWindow();
        return true;
    case CommandType::AddToPrintList:
        if (printers_.count() == 0) {
            message(ProgramMessages::QuenbrookStops());
            return false;
        }
        windows_.ShowAlbumPrinter();
        if (!AddFileFromCommand(commandText))
            message(ProgramMessages::CantOpenFile());
        return true;
    case CommandType::ViewImage:
        ShowMainWindow();
        if (!ViewFileFromCommand(commandText)) {
            message(ProgramMessages::CantOpenFile());
            return false;
        }
        return true;
    }
    return true;
}

// The window closed last, unless it is the Album Printer and there is no printer to print on.
void mQuenbrook::ShowMainWindow()
{
    const QString start =
        store_.GetSetting(QString::fromUtf16(ApplicationTitle), ProgramKeys::Section,
                          ProgramKeys::Start, ProgramKeys::StartAlbumPrinter);
    if (start != ProgramKeys::StartAlbumPrinter) {
        windows_.ShowAlbumViewer();
    } else if (printers_.count() > 0) {
        windows_.ShowAlbumPrinter();
    } else {
        message(ProgramMessages::OnlyAlbumViewer());
        windows_.ShowAlbumViewer();
    }
}

bool mQuenbrook::AddFileFromCommand(const QString& text)
{
    if (printers_.count() == 0) {
        message(ProgramMessages::QuenbrookStops());
        return false;
    }
    const QString path = CommandFile(text, AddSwitch);
    if (path.isEmpty())
        return false;
    windows_.AlbumPrinter().AddToPrintList(TrimBlanks(path));
    return true;
}

bool mQuenbrook::ViewFileFromCommand(const QString& text)
{
    const QString path = CommandFile(text, ViewSwitch);
    if (path.isEmpty())
        return false;
    windows_.OpenImageViewer(path);
    return true;
}

void mQuenbrook::Form_LinkExecute(const QString& text)
{
    switch (GetCommandType(text)) {
    case CommandType::None:
        return;
    case CommandType::AddToPrintList:
        if (!AddFileFromCommand(text)) {
            message(ProgramMessages::CantOpenFile());
        } else if (!windows_.isAlbumPrinterVisible()) {
            windows_.ShowAlbumPrinter();
        }
        return;
    case CommandType::ViewImage:
        if (!ViewFileFromCommand(text)) {
            message(ProgramMessages::CantOpenFile());
            windows_.EndProgram();
        }
        return;
    }
}

void mQuenbrook::message(const QString& text)
{
    windows_.Services().message(nullptr, text, MessageIcon::Information);
}

} // namespace quenbrook
