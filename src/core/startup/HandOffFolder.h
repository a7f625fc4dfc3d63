// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace quenbrook {

// Where the hand-off's socket and lock live: a folder only this user can enter, so nobody else
// can put a socket or a lock of their own in the way.
struct HandOffFolder
{
    QString path;    // empty when there is no safe folder
    QString problem; // then why, naming the folder
};

// XDG_RUNTIME_DIR when it is safe, else a folder of the user's own in the temporary folder,
// created when missing: quenbrook-<user id>-<a name made from the user's key>, of which there
// are HandOffFolderCandidates in case others took some.
HandOffFolder ChooseHandOffFolder();
inline constexpr int HandOffFolderCandidates = 8;

// A random key of this user's, made once and kept in the cache folder in a file that only the
// user can read; empty, with the problem set, when there is none to be had.
QByteArray UserKey(QString& problem);

// Empty when the path is a real folder (not a symbolic link) owned by this user with mode 0700;
// else the reason it is not.
QString PrivateFolderProblem(const QString& path);

// True when the process at the other end of a connected local socket runs as this user.
bool PeerIsThisUser(qintptr socketDescriptor);

} // namespace quenbrook
