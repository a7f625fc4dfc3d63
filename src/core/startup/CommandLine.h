// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QDir;

namespace quenbrook {

// The two switches that the file manager's verbs pass, each followed by a file path.
inline const QString AddSwitch = QStringLiteral("/AddAlbumPrinterList");
inline const QString ViewSwitch = QStringLiteral("/ViewImage");
// The first argument of every command the program's desktop entries run: the start came from a
// file manager. It stands before the switch, so the command reads as without it.
inline const QString FileManagerMark = QStringLiteral("--from-file-manager");

enum class CommandType
{
    None = 0,
    AddToPrintList = 1,
    ViewImage = 2
};

// AddToPrintList when "/AddAlbumPrinterList" occurs anywhere in the text, else ViewImage when
// "/ViewImage" does; letter case counts.
CommandType GetCommandType(const QString& text);

// The command line as one text, the arguments after the program's name joined by blanks. An
// argument holding a blank is quoted, unless it holds a double quote of its own. A relative path
// after the switch is made absolute against the starting folder, so the running instance never
// looks for it in its own folder.
QString CommandLineText(const QStringList& arguments, const QDir& startFolder);

// The text without the blanks (spaces) at its ends; tabs and line ends stay.
QString TrimBlanks(const QString& text);

// The path after the first occurrence of the switch, blanks trimmed and one double quote taken off
// each end.
QString CommandPath(const QString& text, const QString& commandSwitch);

// The picture file the command names, as CommandPath cuts it, when its path is absolute, it
// exists as a normal, visible file and its name is a picture type; empty otherwise.
QString CommandFile(const QString& text, const QString& commandSwitch);

// True when a start from a file manager asks to view a file that the program does not open. A
// file manager offers the viewer for every file of a picture's MIME type, and those types cover
// more extensions than the program reads (".dib" files are "image/bmp" too): such a start is
// refused on its own, and never handed to a running instance, which a failed view would end.
bool RefusedFromFileManager(const QString& text);

// What a start asks of the terminal alone: "--help" or "--version" given as an argument of their
// own, when neither switch occurs (after a switch they belong to its file). The first one given
// counts.
enum class TerminalRequest
{
    None,
    Help,
    Version
};
TerminalRequest GetTerminalRequest(const QStringList& arguments);

// What "--help" prints: how to start the program, its switches and options.
QString StartHelpText();

// The commands one start carries, in the order given. A file manager's start names every chosen
// file after its switch, each its own command; any other start is one command, its whole line.
QStringList StartCommands(const QStringList& arguments, const QDir& startFolder);

} // namespace quenbrook
